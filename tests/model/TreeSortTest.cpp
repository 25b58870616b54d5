#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "model/ATREE.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;

namespace {

std::string Titles(const ATREE& m) {
  std::string out;
  for (int i = 1; i < m.GetDirDataCount(); ++i) out += (i > 1 ? " " : "") + m.GetName(i).str();
  return out;
}

}  // namespace

TEST(TreeSort, TitlesAsTextOrNumbers) {
  struct Case {
    int mode;
    BOOL numeric;
    const char* expected;
  } cases[] = {{0, FALSE, "1.5 1.6 10 9"}, {0, TRUE, "1.5 1.6 9 10"}, {1, FALSE, "9 10 1.6 1.5"},
               {1, TRUE, "10 9 1.6 1.5"}};
  for (const Case& c : cases) {
    auto m = MakeModel({{"R", ""}, {"R/9", ""}, {"R/10", ""}, {"R/1.6", ""}, {"R/1.5", ""}});
    m->SortTrees(0, c.mode, TRUE, c.numeric);
    EXPECT_EQ(Titles(*m), c.expected) << c.mode << c.numeric;
  }
}

TEST(TreeSort, KeyModesKeepSubtrees) {
  auto make = [] {
    auto m = MakeModel({{"R", ""}, {"R/b", ""}, {"R/b/y", ""}, {"R/b/x", ""}, {"R/a", ""}, {"R/c", ""}, {"R/d", ""}});
    m->EditDirData(1)->m_nStatus = 1 | (3 << 16);
    m->EditDirData(5)->m_nStatus = 1 | 2 | (1 << 16);
    m->EditDirData(6)->m_nStatus = 2;
    m->EditDirData(4)->SetUpdateTime(COleDateTime(2020, 1, 1, 0, 0, 0));
    m->EditDirData(5)->SetUpdateTime(COleDateTime(2021, 1, 1, 0, 0, 0));
    m->EditDirData(6)->SetUpdateTime(COleDateTime(2021, 1, 1, 5, 0, 0));
    return m;
  };
  struct Case {
    int mode;
    const char* expected;
  } cases[] = {
      {2, "a d b x y c"},  {3, "c b y x d a"},  {4, "a b x y c d"},  {5, "d c b y x a"},
      {6, "a d c b x y"},  {7, "b y x c d a"},  {8, "b x y a c d"},  {9, "d c a b y x"},
  };
  for (const Case& c : cases) {
    auto m = make();
    m->SortTrees(0, c.mode, FALSE, FALSE);
    EXPECT_EQ(Titles(*m), c.expected) << c.mode;
  }
  auto m = make();
  EXPECT_EQ(Titles(*m), "b y x a c d");
  m->SortTrees(0, 0, TRUE, FALSE);
  EXPECT_EQ(Titles(*m), "a b y x c d");  // direct children only
  m->SortTrees(3, 0, FALSE, FALSE);      // a leaf: nothing happens
  EXPECT_EQ(Titles(*m), "a b y x c d");
  m->SortTrees(0, 12, FALSE, FALSE);  // out of range: every comparison is equal
  EXPECT_EQ(m->GetDirDataCount(), 7);
}

// The sort works the titles out once per child: its order must be the one the pairwise node
// comparison gives, for titles with letters in both cases and widths, kanji, numbers and a lone
// lead byte at the end.
TEST(TreeSort, OrderIsThatOfTheNodeComparison) {
  const char* titles[] = {"abc", "ABC", "abd", "Ab", "ｂ", "ａｂ", "Ａｂ", "漢字", "漢", "10", "9", "1.5", "x\x81", "",
                          "2a", "2", "ｘ", "Ｘ", "z"};
  std::mt19937 random(3);
  for (int round = 0; round < 20; ++round) {
    std::vector<std::pair<std::string, std::string>> items = {{"R", ""}};
    const int count = 5 + static_cast<int>(random() % 30);
    for (int k = 0; k < count; ++k) items.push_back({std::string("R/") + titles[random() % std::size(titles)], ""});
    for (int mode = 0; mode <= 11; ++mode) {
      for (const BOOL numeric : {FALSE, TRUE}) {
        auto m = MakeModel(items);
        for (int i = 1; i < m->GetDirDataCount(); ++i) {
          m->EditDirData(i)->m_nStatus = static_cast<int>(random() % 4) | static_cast<int>((random() % 3) << 16);
        }
        std::vector<const CDirData*> expected;
        for (int i = 1; i < m->GetDirDataCount(); ++i) expected.push_back(m->GetDirData(i));
        m->SortTrees(0, mode, TRUE, numeric);
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const CDirData* a, const CDirData* b) { return m->CompareNodes(a, b, mode) < 0; });
        for (int i = 1; i < m->GetDirDataCount(); ++i) {
          ASSERT_EQ(m->GetDirData(i), expected[static_cast<size_t>(i - 1)]) << "round " << round << " mode " << mode;
        }
      }
    }
  }
}
