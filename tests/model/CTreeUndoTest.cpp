#include <gtest/gtest.h>

#include "foundation/CUndoStack.h"
#include "model/CTreeUndo.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;

TEST(CTreeUndo, RestoreCopiesAndRebuildsTheRows) {
  auto model = MakeModel({{"R", "r"}, {"R/A", "a"}, {"R/B", "b"}});
  const CTreeUndo unit(*model, 2);
  model->SetText(1, "changed");
  model->EditDirData(2)->m_nView = 0;
  model->MakeTreeData();
  for (int pass = 0; pass < 2; ++pass) {
    int index = -1;
    unit.Restore(*model, index);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(model->GetText(1), "a");
    EXPECT_EQ(model->GetRows().GetTreeDataCount(), 3);
    EXPECT_EQ(model->GetRows().GetTreeData(2)->m_strTitle, "\x84\xAF\x84\xAA" "B");
    model->SetText(1, "changed again");
  }
}

TEST(CTreeUndo, SnapshotsShareTheItemsNeitherSideChanged) {
  auto model = MakeModel({{"R", "r"}, {"R/A", "a"}, {"R/B", "b"}});
  const ATREE copy(*model);
  EXPECT_EQ(copy.GetDirData(1), model->GetDirData(1));
  model->SetText(1, "new");
  EXPECT_NE(copy.GetDirData(1), model->GetDirData(1));
  EXPECT_EQ(copy.GetDirData(2), model->GetDirData(2));
  EXPECT_EQ(copy.GetText(1), "a");
  ATREE assigned;
  assigned = *model;
  assigned = assigned;
  EXPECT_EQ(assigned.GetText(1), "new");
  EXPECT_EQ(assigned.GetRows().GetTreeDataCount(), 3);
}

TEST(CTreeUndo, UndoThenRedoReturnsToTheLaterState) {
  auto model = MakeModel({{"R", ""}, {"R/A", "1"}});
  CUndoStack stack;
  int current = 1;
  stack.Push(std::make_unique<CTreeUndo>(*model, current));
  model->SetText(1, "2");
  current = 0;
  CPelkoUndoUnit* back = stack.Undo(std::make_unique<CTreeUndo>(*model, current));
  static_cast<CTreeUndo*>(back)->Restore(*model, current);
  EXPECT_EQ(model->GetText(1), "1");
  EXPECT_EQ(current, 1);
  static_cast<CTreeUndo*>(stack.Redo())->Restore(*model, current);
  EXPECT_EQ(model->GetText(1), "2");
  EXPECT_EQ(current, 0);
}

namespace {

// Every item's path, text and link, in order.
std::vector<std::string> Contents(const ATREE& model) {
  std::vector<std::string> all;
  for (int i = 0; i < model.GetDirDataCount(); ++i) {
    const CDirData* d = model.GetDirData(i);
    all.push_back(d->m_strPath.str() + "|" + d->m_strText.str() + "|" + d->m_strLink.str());
  }
  return all;
}

}  // namespace

// Snapshots share items, paths and links with the model; no edit of the model, before or after an
// undo, may reach into what a snapshot holds.
TEST(CTreeUndo, EditsNeverReachASnapshot) {
  auto model = MakeModel({{"R", "r"}, {"R/A", "a"}, {"R/A/C", "c"}, {"R/B", "b"}});
  model->SetLink(1, "/home/a.txt");
  model->SetLink(3, "/home/b.txt");
  const std::vector<std::string> original = Contents(*model);
  const ATREE copy(*model);
  CUndoStack stack;
  int current = 1;
  stack.Push(std::make_unique<CTreeUndo>(*model, current));

  model->SetText(1, "a2");
  model->SetLink(3, "/home/other.txt");
  model->RenameTree(1, "Z", "/home/z.txt");  // rewrites the paths of Z and its child
  EXPECT_GT(model->GetSearch().ReplaceInTrees(*model, 0, "b", "q", TRUE, FALSE), 0);
  model->PromoteTree(2);
  model->DemoteTree(3, TRUE);
  const std::vector<std::string> edited = Contents(*model);
  ASSERT_NE(edited, original);
  EXPECT_EQ(Contents(copy), original);

  current = 2;
  static_cast<CTreeUndo*>(stack.Undo(std::make_unique<CTreeUndo>(*model, current)))->Restore(*model, current);
  EXPECT_EQ(Contents(*model), original);
  EXPECT_EQ(current, 1);
  // The restored model shares its items with the unit it came from.
  model->SetText(1, "after undo");
  model->RenameTree(1, "Y", "");
  model->DeleteTree(3);

  static_cast<CTreeUndo*>(stack.Redo())->Restore(*model, current);
  EXPECT_EQ(Contents(*model), edited);
  model->SetText(0, "after redo");
  static_cast<CTreeUndo*>(stack.Undo(std::make_unique<CTreeUndo>(*model, current)))->Restore(*model, current);
  EXPECT_EQ(Contents(*model), original);
  EXPECT_EQ(Contents(copy), original);
}

// A sort moves the holders of the items in blocks that a snapshot may still share.
TEST(CTreeUndo, ASortNeverReachesASnapshot) {
  auto model = MakeModel({{"R", ""}, {"R/C", "c"}, {"R/A", "a"}, {"R/A/D", "d"}, {"R/B", "b"}});
  const std::vector<std::string> original = Contents(*model);
  const ATREE copy(*model);
  model->SortTrees(0, 0, FALSE, FALSE);
  EXPECT_EQ(Contents(*model), (std::vector<std::string>{"R||", "R\x01" "A|a|", "R\x01" "A\x01" "D|d|", "R\x01" "B|b|", "R\x01" "C|c|"}));
  EXPECT_EQ(Contents(copy), original);
}
