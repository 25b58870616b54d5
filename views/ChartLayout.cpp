#include "views/ChartLayout.h"

#include <algorithm>
#include <cstdlib>

#include "model/ATREE.h"

namespace {

class ChartBuilder {
 public:
  ChartBuilder(const ATREE& tree, const ChartOptions& options, IChartTextMeasurer& measurer)
      : m_tree(tree),
        m_measurer(measurer),
        m_layout(options.layout),
        m_lineStyle(options.lineStyle),
        m_boxWidth(std::max(options.boxWidth, kMinChartBoxWidth)),
        m_lh(measurer.GetLineHeight()),
        m_cw(measurer.GetAverageCharWidth()) {
    const int count = tree.GetDirDataCount();
    m_anchors.resize(static_cast<size_t>(count));
    // Levels and parents in one pass: asking the model for each parent walks back through the
    // siblings, which makes a flat outline quadratic.
    m_levels.resize(static_cast<size_t>(count));
    m_parents.resize(static_cast<size_t>(count), 0);
    std::vector<int> lastAtLevel;
    for (int i = 0; i < count; ++i) {
      const int level = std::max(tree.GetLevel(i), 0);
      m_levels[static_cast<size_t>(i)] = level;
      if (level > 0 && static_cast<size_t>(level) <= lastAtLevel.size())
        m_parents[static_cast<size_t>(i)] = lastAtLevel[static_cast<size_t>(level - 1)];
      if (static_cast<size_t>(level) >= lastAtLevel.size()) lastAtLevel.resize(static_cast<size_t>(level) + 1, 0);
      lastAtLevel[static_cast<size_t>(level)] = i;
    }
    m_result.boxes.reserve(static_cast<size_t>(count));
    m_result.lines.reserve(static_cast<size_t>(count));
    m_result.charWidth = m_cw;
  }

  ChartLayout Run() {
    if (m_tree.GetDirDataCount() > 0) {
      if (m_layout == kChartTall) LayoutTall();
      else LayoutWide();
    }
    return std::move(m_result);
  }

 private:
  int Level(int item) const { return m_levels[static_cast<size_t>(item)]; }

  // Places one box with its connector; returns its height.
  int AddBox(int x, int y, int item) {
    ChartBox box;
    box.item = item;
    box.text = m_tree.GetOutputTitle(item, TRUE);
    const int right = x + m_cw * m_boxWidth;
    box.textRect = {x + m_cw / 2, y + m_lh / 4, right - m_cw / 2, 0};
    const int measured = m_measurer.MeasureWrappedText(box.text, box.textRect.right - box.textRect.left);
    const int h = std::abs(measured) + m_lh / 2;
    box.textRect.bottom = y + h;
    box.rect = {x, y, right, y + h};

    const int parent = m_parents[static_cast<size_t>(item)];
    if (item > 0) AddConnector(x, y, h, m_anchors[static_cast<size_t>(parent)]);
    if (m_layout == kChartTall) m_anchors[static_cast<size_t>(item)] = {right, (2 * y + h) / 2};
    else m_anchors[static_cast<size_t>(item)] = {(2 * x + m_cw * m_boxWidth) / 2, y + h};
    m_result.boxes.push_back(std::move(box));
    return h;
  }

  void AddConnector(int x, int y, int h, POINT anchor) {
    ChartLine line;
    if (m_layout == kChartTall) {
      const POINT start{x, (2 * y + h) / 2};
      line.points.push_back(start);
      if (m_lineStyle == kChartLineRightAngle) {
        const int middle = start.x + (anchor.x - start.x) / 2;
        line.points.push_back({middle, start.y});
        line.points.push_back({middle, anchor.y});
      }
    } else {
      const POINT start{(2 * x + m_cw * m_boxWidth) / 2, y};
      line.points.push_back(start);
      if (m_lineStyle == kChartLineRightAngle) {
        const int middle = start.y + (anchor.y - start.y) / 2;
        line.points.push_back({start.x, middle});
        line.points.push_back({anchor.x, middle});
      }
    }
    line.points.push_back(anchor);
    m_result.lines.push_back(std::move(line));
  }

  // A chain of first children runs to the right on one row; every other item starts a new row.
  void LayoutTall() {
    const int count = m_tree.GetDirDataCount();
    int x = 5;
    int y = 5;
    int rowHeight = AddBox(5, 5, 0);
    int widest = 5;
    int level = Level(0);
    for (int i = 1; i < count; ++i) {
      const int next = Level(i);
      x += m_cw * (m_boxWidth + 4) * (next - level);
      level = next;
      widest = std::max(widest, x);
      rowHeight = std::max(rowHeight, AddBox(x, y, i));
      if (i + 1 < count && Level(i + 1) != level + 1) {
        y += rowHeight + (m_lh + 10) / 4;
        rowHeight = 0;
      }
    }
    m_result.width = widest + m_cw * (m_boxWidth + 4);
    m_result.height = y + rowHeight;
  }

  // Every level is a band as high as the longest title of that level needs.
  void LayoutWide() {
    const int count = m_tree.GetDirDataCount();
    std::vector<int> longest;
    for (int i = 0; i < count; ++i) {
      const int level = Level(i);
      if (static_cast<size_t>(level) >= longest.size()) longest.resize(static_cast<size_t>(level) + 1, 0);
      longest[static_cast<size_t>(level)] =
          std::max(longest[static_cast<size_t>(level)], m_tree.GetName(i).GetLength());
    }
    const int line = m_lh + 10;
    int x = 5;
    int y = 5;
    // The top box counts too: an outline of one item is as high as its box.
    int lowest = 5 + AddBox(5, 5, 0);
    for (int i = 1; i < count; ++i) {
      const int a = Level(i - 1);
      const int b = Level(i);
      y += line * (b - a);
      for (int d = a; d < b; ++d) y += line / 4 + line * (longest[static_cast<size_t>(d)] / 12 + 1);
      for (int d = b; d < a; ++d) y -= line * (longest[static_cast<size_t>(d)] / 12 + 1) + line / 4;
      const int h = AddBox(x, y, i);
      lowest = std::max(lowest, y + h);
      if (i + 1 < count && Level(i + 1) != b + 1) x += m_cw / 2 + m_cw * m_boxWidth;
    }
    m_result.width = x + m_cw * m_boxWidth;
    m_result.height = lowest;
  }

  const ATREE& m_tree;
  IChartTextMeasurer& m_measurer;
  int m_layout;
  int m_lineStyle;
  int m_boxWidth;
  int m_lh;
  int m_cw;
  std::vector<int> m_levels;
  std::vector<int> m_parents;  // 0 for the items of the top level, as the model gives them
  std::vector<POINT> m_anchors;
  ChartLayout m_result;
};

}  // namespace

ChartLayout LayoutChart(const ATREE& tree, const ChartOptions& options, IChartTextMeasurer& measurer) {
  return ChartBuilder(tree, options, measurer).Run();
}
