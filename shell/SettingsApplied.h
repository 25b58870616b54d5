#pragma once
// What the settings command changes outside the tree pane, applied at once after it wrote its
// keys: the tab strip's style and position, the text panes' colours and wheel step, and the
// document titles (full path or file name). The tree pane cannot reach these windows, so it tells
// the main frame, which reads the keys back from the settings file.
class CMainFrame;

void BindSettingsApplied(CMainFrame& frame);
