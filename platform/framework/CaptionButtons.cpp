#include "platform/framework/CaptionButtons.h"

#include <wx/brush.h>
#include <wx/dc.h>
#include <wx/pen.h>

#include <algorithm>

wxRect CaptionButtonRect(const wxRect& strip, int side, int slot) {
  const int gap = 2;
  const int x = strip.GetRight() + 1 - gap - (slot + 1) * (side + gap);
  return wxRect(x, strip.y + (strip.height - side) / 2, side, side);
}

void DrawCaptionButton(wxDC& dc, const wxRect& rect, CaptionButton button, const wxColour& colour) {
  // The glyph keeps a margin of a quarter of the square on each side.
  const int m = rect.width / 4;
  const wxRect g(rect.x + m, rect.y + m, rect.width - 2 * m, rect.height - 2 * m);
  dc.SetPen(wxPen(colour, 1));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  switch (button) {
    case CaptionButton::Close:
      dc.DrawLine(g.GetLeft(), g.GetTop(), g.GetRight() + 1, g.GetBottom() + 1);
      dc.DrawLine(g.GetLeft(), g.GetBottom(), g.GetRight() + 1, g.GetTop() - 1);
      break;
    case CaptionButton::Maximize:
      dc.DrawRectangle(g);
      dc.DrawLine(g.GetLeft(), g.GetTop() + 1, g.GetRight() + 1, g.GetTop() + 1);
      break;
    case CaptionButton::Restore: {
      // Two windows, the front one lower left.
      const int step = std::max(2, g.width / 4);
      const wxPoint back[] = {{g.x + step, g.y + step},
                              {g.x + step, g.y},
                              {g.GetRight(), g.y},
                              {g.GetRight(), g.GetBottom() - step},
                              {g.GetRight() - step, g.GetBottom() - step}};
      dc.DrawLines(5, back);
      dc.DrawRectangle(g.x, g.y + step, g.width - step, g.height - step);
      break;
    }
  }
}
