#include <gtest/gtest.h>

#include "model/ATREE.h"
#include "tests/model/ModelTestSupport.h"
#include "views/ChartLayout.h"

using model_test::MakeModel;

namespace {

// Width 8, height 16; every text takes one line per `perLine` bytes.
class FixedMeasurer : public IChartTextMeasurer {
 public:
  explicit FixedMeasurer(int perLine = 100) : m_perLine(perLine) {}
  int GetLineHeight() override { return 16; }
  int GetAverageCharWidth() override { return 8; }
  int MeasureWrappedText(const CString& text, int width) override {
    widths.push_back(width);
    return 16 * (text.GetLength() / m_perLine + 1);
  }
  std::vector<int> widths;

 private:
  int m_perLine;
};

RECT Rect(int l, int t, int r, int b) { return RECT{l, t, r, b}; }
bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
std::vector<std::pair<int, int>> Points(const ChartLine& line) {
  std::vector<std::pair<int, int>> points;
  for (const POINT& p : line.points) points.emplace_back(p.x, p.y);
  return points;
}

ChartLayout Layout(const ATREE& tree, int layout, int lineStyle = kChartLineSlant, int width = 14) {
  FixedMeasurer measurer;
  return LayoutChart(tree, ChartOptions{layout, lineStyle, width}, measurer);
}

}  // namespace

TEST(ChartLayout, OneItemIsOneBoxWithoutConnector) {
  auto tree = MakeModel({{"A", ""}});
  for (int layout : {kChartTall, kChartWide}) {
    FixedMeasurer measurer;
    const ChartLayout chart = LayoutChart(*tree, ChartOptions{layout, kChartLineSlant, 14}, measurer);
    ASSERT_EQ(chart.boxes.size(), 1u);
    EXPECT_TRUE(chart.boxes[0].rect == Rect(5, 5, 117, 29));
    EXPECT_TRUE(chart.boxes[0].textRect == Rect(9, 9, 113, 29));
    EXPECT_EQ(measurer.widths, std::vector<int>{104});
    EXPECT_TRUE(chart.lines.empty());
    // The size holds the box: scrolling and the copies must not cut it.
    EXPECT_EQ(chart.width, layout == kChartTall ? 149 : 117) << layout;
    EXPECT_EQ(chart.height, 29) << layout;
  }
}

TEST(ChartLayout, TallPutsFirstChildOnTheParentsRowAndSiblingsBelow) {
  auto tree = MakeModel({{"A", ""}, {"A/B", ""}, {"A/C", ""}});
  const ChartLayout chart = Layout(*tree, kChartTall);
  ASSERT_EQ(chart.boxes.size(), 3u);
  EXPECT_TRUE(chart.boxes[1].rect == Rect(149, 5, 261, 29));
  EXPECT_TRUE(chart.boxes[2].rect == Rect(149, 35, 261, 59));
  EXPECT_EQ(chart.width, 293);
  EXPECT_EQ(chart.height, 59);
  ASSERT_EQ(chart.lines.size(), 2u);
  EXPECT_EQ(Points(chart.lines[0]), (std::vector<std::pair<int, int>>{{149, 17}, {117, 17}}));
  EXPECT_EQ(Points(chart.lines[1]), (std::vector<std::pair<int, int>>{{149, 47}, {117, 17}}));

  const ChartLayout angled = Layout(*tree, kChartTall, kChartLineRightAngle);
  EXPECT_EQ(Points(angled.lines[1]), (std::vector<std::pair<int, int>>{{149, 47}, {133, 47}, {133, 17}, {117, 17}}));
}

TEST(ChartLayout, WidePutsLevelsInBandsAndSiblingsSideBySide) {
  auto tree = MakeModel({{"A", ""}, {"A/B", ""}, {"A/C", ""}});
  const ChartLayout chart = Layout(*tree, kChartWide);
  ASSERT_EQ(chart.boxes.size(), 3u);
  EXPECT_EQ(chart.boxes[1].rect.left, 5);
  EXPECT_EQ(chart.boxes[1].rect.top, 63);
  EXPECT_EQ(chart.boxes[2].rect.left, 121);
  EXPECT_EQ(chart.boxes[2].rect.top, 63);
  EXPECT_EQ(chart.width, 233);
  EXPECT_EQ(chart.height, 87);
  // From the middle of the child's top edge to the middle of the parent's bottom edge.
  EXPECT_EQ(Points(chart.lines[1]), (std::vector<std::pair<int, int>>{{177, 63}, {61, 29}}));
  const ChartLayout angled = Layout(*tree, kChartWide, kChartLineRightAngle);
  EXPECT_EQ(Points(angled.lines[1]), (std::vector<std::pair<int, int>>{{177, 63}, {177, 46}, {61, 46}, {61, 29}}));
}

TEST(ChartLayout, WideBandGrowsWithTheLongestTitleOfTheLevel) {
  // 12 bytes and more push the next level one line further down.
  auto tree = MakeModel({{"A", ""}, {"A/B", ""}, {"A/CCCCCCCCCCCC", ""}, {"A/CCCCCCCCCCCC/D", ""}, {"A/E", ""}});
  const ChartLayout chart = Layout(*tree, kChartWide);
  EXPECT_EQ(chart.boxes[1].rect.top, 63);
  EXPECT_EQ(chart.boxes[3].rect.top, 63 + 26 + 6 + 26 * 2);
  // Back up to level 1 beside the deeper box.
  EXPECT_EQ(chart.boxes[4].rect.top, 63);
  EXPECT_EQ(chart.boxes[4].rect.left, chart.boxes[3].rect.left + 116);
}

TEST(ChartLayout, TallRowIsAsHighAsItsTallestBox) {
  FixedMeasurer measurer(2);  // "ABCD" takes three lines
  auto tree = MakeModel({{"A", ""}, {"A/ABCD", ""}, {"A/C", ""}});
  const ChartLayout chart = LayoutChart(*tree, ChartOptions{kChartTall, kChartLineSlant, 14}, measurer);
  EXPECT_EQ(chart.boxes[1].rect.bottom - chart.boxes[1].rect.top, 56);
  EXPECT_EQ(chart.boxes[2].rect.top, 5 + 56 + 6);
}

TEST(ChartLayout, DeepAndLargeOutlinesNeedNoFixedTables) {
  // Deeper than 2000 levels and more than 2048 items.
  std::vector<std::pair<std::string, std::string>> items;
  std::string path = "R";
  items.emplace_back(path, "");
  for (int i = 0; i < 2100; ++i) {
    path += "/x";
    items.emplace_back(path, "");
  }
  auto tree = MakeModel(items);
  for (int layout : {kChartTall, kChartWide}) {
    const ChartLayout chart = Layout(*tree, layout);
    EXPECT_EQ(chart.boxes.size(), 2101u);
    EXPECT_EQ(chart.lines.size(), 2100u);
  }
}

TEST(ChartLayout, BoxWidthBelowTwoIsRaisedToTwo) {
  auto tree = MakeModel({{"A", ""}});
  for (int width : {1, 0, -5}) {
    const ChartLayout chart = Layout(*tree, kChartTall, kChartLineSlant, width);
    EXPECT_EQ(chart.boxes[0].rect.right, 5 + 16) << width;
  }
}
