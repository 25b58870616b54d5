#include "treeview/TreeRowText.h"

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/pen.h>

#include "platform/base/CodePage.h"

int RowTextWidth(wxDC& dc, const CString& text) {
  if (text.IsEmpty()) return 0;
  return dc.GetTextExtent(CP932ToWx(text.str())).GetWidth();
}

namespace {

// Text drawing does not strike Japanese glyphs through on every context: the line is drawn here,
// with the text colour, across the width of the text.
class StrikeOut {
 public:
  explicit StrikeOut(wxDC& dc) : m_dc(dc), m_on(dc.GetFont().IsOk() && dc.GetFont().GetStrikethrough()) {
    if (!m_on) return;
    m_font = dc.GetFont();
    wxFont plain(m_font);
    plain.SetStrikethrough(false);
    dc.SetFont(plain);
  }
  ~StrikeOut() {
    if (m_on) m_dc.SetFont(m_font);
  }
  void Draw(const wxString& text, int x, int y) {
    m_dc.DrawText(text, x, y);
    if (!m_on) return;
    const wxPen keep = m_dc.GetPen();
    m_dc.SetPen(wxPen(m_dc.GetTextForeground(), 1));
    const int middle = y + m_dc.GetCharHeight() / 2;
    m_dc.DrawLine(x, middle, x + m_dc.GetTextExtent(text).GetWidth(), middle);
    m_dc.SetPen(keep);
  }

 private:
  wxDC& m_dc;
  bool m_on;
  wxFont m_font;
};

}  // namespace

int DrawRowText(wxDC& dc, const CString& text, const RECT& r, bool wrap, bool draw) {
  const int lineHeight = dc.GetCharHeight();
  const wxString s = CP932ToWx(text.str());
  StrikeOut strike(dc);
  if (!wrap || s.empty()) {
    if (draw && !s.empty()) strike.Draw(s, r.left, r.top);
    return lineHeight;
  }
  const int width = r.right - r.left;
  wxArrayInt ends;  // ends[i]: width of the first i + 1 characters
  dc.GetPartialTextExtents(s, ends);
  const size_t n = s.length();
  int y = r.top;
  size_t start = 0;
  while (start < n) {
    const int base = start > 0 ? ends[start - 1] : 0;
    size_t end = start + 1;
    while (end < n && ends[end] - base <= width) ++end;
    if (end < n) {
      for (size_t k = end; k > start + 1; --k) {
        if (s[k - 1] == ' ' || s[k - 1] == wxChar(0x3000)) {
          end = k;
          break;
        }
      }
    }
    if (draw) strike.Draw(s.Mid(start, end - start), r.left, y);
    y += lineHeight;
    start = end;
  }
  return y - r.top;
}
