#pragma once
// What the settings command changes outside the tree pane, applied at once after it wrote its
// keys: the tab strip's style and position, the text panes' colours and wheel step, and the
// document titles (full path or file name), read back from the settings file.
class CMainFrame;

void ApplySettingsToWindows(CMainFrame& frame);
