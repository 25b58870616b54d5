#pragma once
// The chart on a wx device context: the context's text metrics as the layout's measurer, and the
// painting of a laid-out chart (frames, wrapped titles, connectors) in the chart's colours.
#include <vector>

#include <wx/string.h>

#include "platform/base/ColorRef.h"
#include "views/ChartLayout.h"

class ATREE;
class wxDC;

// Splits the text into the lines that fit width: at blanks and between double-byte characters,
// and inside a word that is wider than a line by itself.
std::vector<wxString> WrapChartText(const wxString& text, int width, wxDC& dc);

// Keeps the lines of every text it wrapped, in the order asked, so that painting the chart it laid
// out measures no title again.
class CDCChartMeasurer : public IChartTextMeasurer {
 public:
  explicit CDCChartMeasurer(wxDC& dc) : m_dc(dc) {}
  int GetLineHeight() override;
  int GetAverageCharWidth() override;
  int MeasureWrappedText(const CString& text, int width) override;
  const std::vector<std::vector<wxString>>& GetWrappedLines() const { return m_lines; }

 private:
  wxDC& m_dc;
  std::vector<std::vector<wxString>> m_lines;
};

struct ChartColors {
  int roundBoxes = 0;     // rounded corners instead of square boxes
  int useTreeText = 1;    // an item's own colour for its text
  int useTreeBox = 1;     // an item's own colour for its frame
  COLORREF text = 0;
  COLORREF line = 0;
  COLORREF box = 0;
};

// Draws the chart with the font already selected into the context; measured is the measurer that
// laid the chart out, on this context.
void PaintChart(wxDC& dc, const ChartLayout& layout, const ATREE& tree, const ChartColors& colors,
                const CDCChartMeasurer& measured);
