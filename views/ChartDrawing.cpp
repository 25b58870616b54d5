#include "views/ChartDrawing.h"

#include <wx/dc.h>

#include "model/ATREE.h"
#include "platform/base/CodePage.h"

namespace {

bool IsBlank(wxUniChar c) { return c == ' ' || c == '\t' || c == 0x3000; }
// Latin letters and digits stay together as a word; other characters may break anywhere.
bool IsWordChar(wxUniChar c) { return c > ' ' && c < 0x80; }

}  // namespace

std::vector<wxString> WrapChartText(const wxString& text, int width, wxDC& dc) {
  std::vector<wxString> lines;
  const size_t n = text.length();
  // One measurement of the whole text: ends[k] is the width of its first k + 1 characters.
  wxArrayInt ends;
  if (n > 0) dc.GetPartialTextExtents(text, ends);
  auto extent = [&ends](size_t from, size_t to) {
    if (to <= from) return 0;
    return ends[to - 1] - (from > 0 ? ends[from - 1] : 0);
  };
  // The line being filled is text[start, end); pieces join it one after another.
  size_t start = 0;
  size_t end = 0;
  size_t i = 0;
  while (i < n) {
    // The next piece: a word, a run of blanks, or one other character.
    size_t next = i + 1;
    if (IsWordChar(text[i])) {
      while (next < n && IsWordChar(text[next])) ++next;
    } else if (IsBlank(text[i])) {
      while (next < n && IsBlank(text[next])) ++next;
    }
    if (start == end) {
      // Blanks never begin a line.
      start = IsBlank(text[i]) ? next : i;
      end = next;
      // A word wider than the whole line goes in character by character.
      if (extent(start, end) > width) {
        for (size_t k = start + 1; k < end; ++k) {
          if (extent(start, k + 1) > width) {
            lines.push_back(text.Mid(start, k - start));
            start = k;
          }
        }
      }
      i = next;
      continue;
    }
    if (extent(start, next) <= width) {
      end = next;
      i = next;
      continue;
    }
    lines.push_back(text.Mid(start, end - start));
    // Blanks at a break go; any other piece begins the next line.
    if (IsBlank(text[i])) i = next;
    start = end = i;
  }
  if (end > start || lines.empty()) lines.push_back(text.Mid(start, end - start));
  return lines;
}

int CDCChartMeasurer::GetLineHeight() { return m_dc.GetCharHeight(); }

int CDCChartMeasurer::GetAverageCharWidth() { return m_dc.GetCharWidth(); }

int CDCChartMeasurer::MeasureWrappedText(const CString& text, int width) {
  m_lines.push_back(WrapChartText(CP932ToWx(text.str()), width, m_dc));
  return static_cast<int>(m_lines.back().size()) * m_dc.GetCharHeight();
}

void PaintChart(wxDC& dc, const ChartLayout& layout, const ATREE& tree, const ChartColors& colors,
                const CDCChartMeasurer& measured) {
  const std::vector<std::vector<wxString>>& wrapped = measured.GetWrappedLines();
  dc.SetPen(wxPen(ColorRefToWx(colors.line), 1, wxPENSTYLE_SOLID));
  for (const ChartLine& line : layout.lines) {
    for (size_t p = 1; p < line.points.size(); ++p)
      dc.DrawLine(line.points[p - 1].x, line.points[p - 1].y, line.points[p].x, line.points[p].y);
  }
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const int lineHeight = dc.GetCharHeight();
  for (size_t b = 0; b < layout.boxes.size() && b < wrapped.size(); ++b) {
    const ChartBox& box = layout.boxes[b];
    const CDirData* item = tree.GetDirData(box.item);
    const bool own = item->m_nIdDigit != 0;
    const COLORREF frame = colors.useTreeBox && own ? static_cast<COLORREF>(item->m_nIdHigh) : colors.box;
    dc.SetPen(wxPen(ColorRefToWx(frame), 1, wxPENSTYLE_SOLID));
    const wxRect rect(box.rect.left, box.rect.top, box.rect.right - box.rect.left, box.rect.bottom - box.rect.top);
    if (colors.roundBoxes) dc.DrawRoundedRectangle(rect, layout.charWidth);
    else dc.DrawRectangle(rect);

    dc.SetTextForeground(ColorRefToWx(colors.useTreeText && own ? static_cast<COLORREF>(item->m_nIdHigh) : colors.text));
    int y = box.textRect.top;
    // The layout measured every box's text once, in box order.
    for (const wxString& line : wrapped[b]) {
      if (y + lineHeight > box.textRect.bottom) break;
      dc.DrawText(line, box.textRect.left, y);
      y += lineHeight;
    }
  }
}
