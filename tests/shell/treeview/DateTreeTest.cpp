#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/shell/treeview/TreePaneFixture.h"

namespace {

using treepane_test::RowTitles;
using treepane_test::TreePaneTest;

CString DayTitle(int y, int m, int d) {
  CString title;
  title.Format("%d-%d-%d", y, m, d);
  return title;
}

using DateTreeTest = TreePaneTest;
using Titles = std::vector<std::string>;

TEST_F(DateTreeTest, OnlyTickedWeekdaysAndHolidaysOnlyWhenAsked) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/B"});
  COwnerListBox* list = ListOf(doc);
  const BOOL weekend[7] = {TRUE, FALSE, FALSE, FALSE, FALSE, FALSE, TRUE};
  const BOOL everyDay[7] = {TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE};
  struct Case {
    const BOOL* week;
    BOOL holidays;
    int first[3];
    int last[3];
    Titles added;
  } cases[] = {
      // Monday to Sunday.
      {weekend, TRUE, {2026, 3, 2}, {2026, 3, 8}, {"2026-3-7", "2026-3-8"}},
      // 3 to 6 May 2026: three holidays by law and the Monday's substitute holiday.
      {everyDay, FALSE, {2026, 5, 1}, {2026, 5, 7}, {"2026-5-1", "2026-5-2", "2026-5-7"}},
      {everyDay, TRUE, {2026, 4, 30}, {2026, 5, 1}, {"2026-4-30", "2026-5-1"}},
      {everyDay, TRUE, {2026, 5, 2}, {2026, 5, 1}, {}},
  };
  for (const Case& c : cases) {
    list->SetCurSel(1);  // A: the days become its last children
    const int before = doc->GetTree().GetDirDataCount();
    const int added = ViewOf(doc)->AddDateTrees(c.first, c.last, c.week, c.holidays, FALSE, DayTitle);
    ASSERT_EQ(added, static_cast<int>(c.added.size()));
    ATREE& tree = doc->GetTree();
    ASSERT_EQ(tree.GetDirDataCount(), before + added);
    Titles titles;
    for (int i = 2; i < 2 + added; ++i) {
      titles.push_back(tree.GetName(i).str());
      EXPECT_EQ(tree.GetParent(i), 1);
    }
    EXPECT_EQ(titles, c.added);
    EXPECT_TRUE(doc->IsModified() || added == 0);
    doc->Undo();
    EXPECT_EQ(doc->GetTree().GetDirDataCount(), 3) << "the whole date tree is one undo step";
  }
}

TEST_F(DateTreeTest, SameLevelAddsSiblingsInDateOrder) {
  CKestavonDoc* doc = OpenOutline({"Top", "Top/A", "Top/B"});
  const BOOL everyDay[7] = {TRUE, TRUE, TRUE, TRUE, TRUE, TRUE, TRUE};
  const int first[3] = {2025, 12, 31};
  const int last[3] = {2026, 1, 1};
  ListOf(doc)->SetCurSel(1);
  EXPECT_EQ(ViewOf(doc)->AddDateTrees(first, last, everyDay, TRUE, TRUE, DayTitle), 2);
  EXPECT_EQ(RowTitles(ListOf(doc)), (Titles{"Top", "A", "2025-12-31", "2026-1-1", "B"}));
  EXPECT_EQ(doc->GetTree().GetParent(3), 0);

  ListOf(doc)->SetCurSel(0);
  EXPECT_EQ(ViewOf(doc)->AddDateTrees(first, last, everyDay, TRUE, TRUE, DayTitle), 0)
      << "the top item has no siblings";
}

}  // namespace
