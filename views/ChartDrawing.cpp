#include "views/ChartDrawing.h"

#include <wx/dc.h>

#include "model/ATREE.h"
#include "platform/CodePage.h"

namespace {

bool IsBlank(wxUniChar c) { return c == ' ' || c == '\t' || c == 0x3000; }
// Latin letters and digits stay together as a word; other characters may break anywhere.
bool IsWordChar(wxUniChar c) { return c > ' ' && c < 0x80; }

}  // namespace

std::vector<wxString> WrapChartText(const wxString& text, int width, wxDC& dc) {
  std::vector<wxString> lines;
  wxString line;
  size_t i = 0;
  const size_t n = text.length();
  while (i < n) {
    // The next piece: a word, a run of blanks, or one other character.
    size_t end = i + 1;
    if (IsWordChar(text[i])) {
      while (end < n && IsWordChar(text[end])) ++end;
    } else if (IsBlank(text[i])) {
      while (end < n && IsBlank(text[end])) ++end;
    }
    const wxString piece = text.Mid(i, end - i);
    if (dc.GetTextExtent(line + piece).x <= width || line.empty()) {
      if (!line.empty() || !IsBlank(piece[0])) line += piece;
      // A word wider than the whole line goes in character by character.
      if (dc.GetTextExtent(line).x > width && line.length() > 1) {
        wxString rest = line;
        line.clear();
        for (wxUniChar c : rest) {
          if (!line.empty() && dc.GetTextExtent(line + c).x > width) {
            lines.push_back(line);
            line.clear();
          }
          line += c;
        }
      }
      i = end;
      continue;
    }
    lines.push_back(line);
    line.clear();
    if (IsBlank(piece[0])) i = end;  // blanks at a break go
  }
  if (!line.empty() || lines.empty()) lines.push_back(line);
  return lines;
}

int CDCChartMeasurer::GetLineHeight() { return m_dc.GetCharHeight(); }

int CDCChartMeasurer::GetAverageCharWidth() { return m_dc.GetCharWidth(); }

int CDCChartMeasurer::MeasureWrappedText(const CString& text, int width) {
  return static_cast<int>(WrapChartText(CP932ToWx(text.str()), width, m_dc).size()) * m_dc.GetCharHeight();
}

void PaintChart(wxDC& dc, const ChartLayout& layout, const ATREE& tree, const ChartColors& colors) {
  dc.SetPen(wxPen(ColorRefToWx(colors.line), 1, wxPENSTYLE_SOLID));
  for (const ChartLine& line : layout.lines) {
    for (size_t p = 1; p < line.points.size(); ++p)
      dc.DrawLine(line.points[p - 1].x, line.points[p - 1].y, line.points[p].x, line.points[p].y);
  }
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const int lineHeight = dc.GetCharHeight();
  for (const ChartBox& box : layout.boxes) {
    const CDirData* item = tree.GetDirData(box.item);
    const bool own = item->m_nIdDigit != 0;
    const COLORREF frame = colors.useTreeBox && own ? static_cast<COLORREF>(item->m_nIdHigh) : colors.box;
    dc.SetPen(wxPen(ColorRefToWx(frame), 1, wxPENSTYLE_SOLID));
    const wxRect rect(box.rect.left, box.rect.top, box.rect.right - box.rect.left, box.rect.bottom - box.rect.top);
    if (colors.roundBoxes) dc.DrawRoundedRectangle(rect, layout.charWidth);
    else dc.DrawRectangle(rect);

    dc.SetTextForeground(ColorRefToWx(colors.useTreeText && own ? static_cast<COLORREF>(item->m_nIdHigh) : colors.text));
    const int width = box.textRect.right - box.textRect.left;
    int y = box.textRect.top;
    for (const wxString& line : WrapChartText(CP932ToWx(box.text.str()), width, dc)) {
      if (y + lineHeight > box.textRect.bottom) break;
      dc.DrawText(line, box.textRect.left, y);
      y += lineHeight;
    }
  }
}
