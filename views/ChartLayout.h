#pragma once
// The box chart of an outline as geometry: one box per item with its title wrapped inside, and a
// connector from every box to its parent's box, in the tall layout (levels run to the right) or
// the wide one (levels run downwards). Text is measured through an injected measurer, so the same
// layout serves the screen, the printer, the copies and the tests.
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class ATREE;

// Text metrics of the device the chart is laid out for.
class IChartTextMeasurer {
 public:
  virtual ~IChartTextMeasurer() = default;
  virtual int GetLineHeight() = 0;
  virtual int GetAverageCharWidth() = 0;
  // Height of the text wrapped at words (and inside words too long for a line) into width.
  virtual int MeasureWrappedText(const CString& text, int width) = 0;
};

enum ChartLayoutKind { kChartTall = 0, kChartWide = 1 };
enum ChartLineStyle { kChartLineSlant = 0, kChartLineRightAngle = 1 };

struct ChartOptions {
  int layout = kChartWide;
  int lineStyle = kChartLineSlant;
  int boxWidth = 14;  // in average character widths
};

struct ChartBox {
  int item = 0;
  RECT rect{};      // the frame
  RECT textRect{};  // where the wrapped text goes
  CString text;     // the title with its category in front
};

// A connector: a polyline from the child's box to the parent's anchor (2 or 4 points).
struct ChartLine {
  std::vector<POINT> points;
};

struct ChartLayout {
  std::vector<ChartBox> boxes;
  std::vector<ChartLine> lines;
  int width = 0;
  int height = 0;
  int charWidth = 0;  // of the measurer, for the rounded corners
};

// Box widths below this leave no room for text; stored settings below it are raised to it.
constexpr int kMinChartBoxWidth = 2;

// Lays out every item of the outline; an empty outline gives an empty chart of size 0 x 0.
ChartLayout LayoutChart(const ATREE& tree, const ChartOptions& options, IChartTextMeasurer& measurer);
