#pragma once
// Text of the outline rows as the list box draws it and the tree pane measures it: Shift JIS
// strings drawn from the top left of a rectangle, one line or wrapped at its width.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxDC;

// The width of the text in the context's font.
int RowTextWidth(wxDC& dc, const CString& text);

// Draws the text at (r.left, r.top) without clipping. With wrap it breaks lines at the width
// r.right - r.left, after a blank where one falls on the line, else between characters; a line
// holds at least one character. Returns the height the text takes; with draw false it only
// measures.
int DrawRowText(wxDC& dc, const CString& text, const RECT& r, bool wrap, bool draw = true);
