#include "treeview/TreeRowText.h"

#include <wx/dc.h>

#include "platform/CodePage.h"

int RowTextWidth(wxDC& dc, const CString& text) {
  if (text.IsEmpty()) return 0;
  return dc.GetTextExtent(CP932ToWx(text.str())).GetWidth();
}

int DrawRowText(wxDC& dc, const CString& text, const RECT& r, bool wrap, bool draw) {
  const int lineHeight = dc.GetCharHeight();
  const wxString s = CP932ToWx(text.str());
  if (!wrap || s.empty()) {
    if (draw && !s.empty()) dc.DrawText(s, r.left, r.top);
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
    if (draw) dc.DrawText(s.Mid(start, end - start), r.left, y);
    y += lineHeight;
    start = end;
  }
  return y - r.top;
}
