#include <gtest/gtest.h>

#include "model/ATREE.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;
using model_test::MessageRecorder;
using model_test::P;

namespace {

std::string Slashed(const ATREE& m) {
  std::string out;
  for (int i = 0; i < m.GetDirDataCount(); ++i) {
    std::string p = m.GetDirData(i)->m_strPath.str();
    for (char& c : p) {
      if (c == '\x01') c = '/';
    }
    out += (i ? " " : "") + p;
  }
  return out;
}

}  // namespace

TEST(TreeMove, Deletions) {
  auto m = MakeModel({{"R", ""}, {"R/A", ""}, {"R/A/1", ""}, {"R/A/1/x", ""}, {"R/A/2", ""}, {"R/A/3", ""},
                      {"R/A/4", ""}, {"R/AB", ""}, {"R/C", ""}});
  m->DeleteTree(1);
  EXPECT_EQ(Slashed(*m), "R R/AB R/C");
  EXPECT_EQ(m->GetRows().GetTreeDataCount(), 3);

  m = MakeModel({{"R", ""}, {"R/x", ""}, {"R/A", ""}, {"R/A/1", ""}, {"R/A/2", ""}, {"R/A/3", ""}, {"R/A/4", ""},
                 {"R/A/5", ""}});
  m->DeleteTree(2);  // 5 descendants and nothing after them
  EXPECT_EQ(Slashed(*m), "R R/x");

  m = MakeModel({{"R", ""}, {"R/abc", ""}, {"R/abc/k", ""}, {"R/d", ""}});
  m->DeleteTreeByPath(P("R/ABC"));  // found ignoring case, descendants compared exactly
  EXPECT_EQ(Slashed(*m), "R R/abc/k R/d");
  m->DeleteTreeByPath(P("R/none"));
  EXPECT_EQ(m->GetDirDataCount(), 3);

  m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/a/1", ""}, {"R/a/1/2", ""}, {"R/b", ""}});
  m->DeleteChildren(1);
  EXPECT_EQ(Slashed(*m), "R R/a R/b");
}

TEST(TreeMove, Rename) {
  auto m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/a/x", ""}, {"R/a/x/y", ""}, {"R/ab", ""}, {"R/ab/z", ""}});
  m->RenameTree(4, "q", "L");  // a leaf's row is patched in place
  m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/ab", ""}});
  m->RenameTree(2, "new", "link");
  const std::string& title = m->GetRows().GetTreeData(2)->m_strTitle.str();
  EXPECT_EQ(title.substr(title.size() - 3), "new");
  EXPECT_EQ(m->GetRows().GetTreeData(2)->m_strLink, "link");

  m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/a/x", ""}, {"R/a/x/y", ""}, {"R/ab", ""}, {"R/ab/z", ""}});
  m->RenameTree(1, "N\r\new", "");
  EXPECT_EQ(Slashed(*m), "R R/New R/New/x R/New/x/y R/ab R/ab/z");
  EXPECT_EQ(m->FindRow(m->GetRows().GetTreeData(3)->m_strTitle), 3);
}

TEST(TreeMove, MovePromoteDemote) {
  const std::vector<std::pair<std::string, std::string>> base = {
      {"R", ""}, {"R/a", ""}, {"R/a/1", ""}, {"R/b", ""}, {"R/b/1", ""}, {"R/b/2", ""}, {"R/c", ""}};
  auto m = MakeModel(base);
  EXPECT_EQ(m->MoveTree(1, 3), 3);
  EXPECT_EQ(Slashed(*m), "R R/b R/b/1 R/b/2 R/a R/a/1 R/c");
  auto n = MakeModel(base);
  n->MoveTree(3, 1);
  EXPECT_EQ(Slashed(*n), Slashed(*m));

  m = MakeModel(base);
  EXPECT_EQ(m->PromoteTree(1), 1);
  EXPECT_EQ(m->PromoteTree(4), 5);
  EXPECT_EQ(Slashed(*m), "R R/a R/a/1 R/b R/b/2 R/1 R/c");
  m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/a/1", ""}, {"R/a/1/k", ""}});
  EXPECT_EQ(m->PromoteTree(2), 2);  // nothing moves, the paths shorten
  EXPECT_EQ(Slashed(*m), "R R/a R/1 R/1/k");

  m = MakeModel(base);
  EXPECT_EQ(m->DemoteTree(2, FALSE), -1);  // a first child
  EXPECT_EQ(m->DemoteTree(1, FALSE), -1);
  EXPECT_EQ(m->DemoteTree(0, FALSE), -1);
  EXPECT_EQ(m->DemoteTree(3, FALSE), 3);
  EXPECT_EQ(Slashed(*m), "R R/a R/a/1 R/a/b R/a/b/1 R/a/b/2 R/c");
  EXPECT_EQ(m->GetDirData(3)->m_nView, 1);  // a was expanded, so b stays in sight
  m = MakeModel(base);
  m->CollapseAll(1);
  m->DemoteTree(3, FALSE);
  EXPECT_EQ(m->GetDirData(3)->m_nView, 0);
  EXPECT_EQ(m->GetDirData(4)->m_nView, 0);
}

TEST(TreeFold, FoldingAndMarks) {
  auto m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/a/1", ""}, {"R/a/1/x", ""}, {"R/a/1/x/y", ""}, {"R/b", ""}});
  m->CollapseAll(1);
  EXPECT_EQ(m->GetRows().GetTreeDataCount(), 3);
  EXPECT_EQ(m->GetRows().GetTreeData(1)->m_nFold, 1);
  EXPECT_EQ(m->IsExpanded(1), 0);
  m->ExpandLevels(1, 1);
  EXPECT_EQ(m->GetRows().GetTreeDataCount(), 4);
  m->CollapseAll(1);
  m->ShowTree(4);
  EXPECT_EQ(m->GetRows().GetTreeDataCount(), 6);
  m->CollapseAll(1);
  m->ExpandAll(1);
  EXPECT_EQ(m->GetRows().GetTreeDataCount(), 6);

  {
    MessageRecorder no(IDNO);
    m->ToggleCheck(5);
    EXPECT_TRUE(no.texts.empty());
    m->ToggleCheck(1);
    ASSERT_EQ(no.texts.size(), 1u);
    EXPECT_EQ(m->GetDirData(1)->m_nStatus & 1, 1);
    EXPECT_EQ(m->GetDirData(2)->m_nStatus & 1, 0);
    EXPECT_EQ(m->GetRows().GetTreeData(1)->m_nStatus & 1, 1);
  }
  {
    MessageRecorder yes(IDYES);
    m->EditDirData(3)->m_nStatus |= 1;
    m->ToggleCheck(1);  // unchecks a and, on Yes, its whole subtree
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(m->GetDirData(i)->m_nStatus & 1, 0) << i;
    m->ToggleStrike(2);
    EXPECT_EQ(m->GetDirData(4)->m_nStatus & 2, 2);
  }
  EXPECT_EQ(m->IsInCheckedTree(4), 0);
  EXPECT_EQ(m->HasCheckInSubtree(1), 0);
  m->EditDirData(0)->m_nStatus |= 1;
  EXPECT_EQ(m->IsInCheckedTree(4), 1);
  EXPECT_EQ(m->HasCheckInSubtree(1), 0);
  EXPECT_EQ(m->HasCheckInSubtree(0), 1);
}
