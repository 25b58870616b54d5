#pragma once
// The small buttons a child window shows on its caption strip and its tab: close, maximise and
// restore, drawn as lines so that they scale with the strip and follow the text colour.
#include <wx/colour.h>
#include <wx/gdicmn.h>

class wxDC;

enum class CaptionButton { Close, Maximize, Restore };

// The square of a button of the given side length at a distance of slot buttons from the right
// edge of the strip (slot 0 the rightmost), centred in the strip's height.
wxRect CaptionButtonRect(const wxRect& strip, int side, int slot);
void DrawCaptionButton(wxDC& dc, const wxRect& rect, CaptionButton button, const wxColour& colour);
