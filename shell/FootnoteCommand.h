#pragma once
// The document's footnote settings, handled by the outline window's frame: the dialog belongs to
// the tree pane's layer, which the document cannot reach. The settings are the program's, not the
// document's: nothing goes on the undo stack and the document stays unmodified.
class CKestaFrame;

void BindFootnoteCommand(CKestaFrame& frame);
