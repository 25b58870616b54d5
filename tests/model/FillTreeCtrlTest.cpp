// The outline shown in a dialog's tree control: items, images, expanded state and the mapping
// between trees and control items.
#include <gtest/gtest.h>

#include <wx/frame.h>

#include "platform/base/CodePage.h"
#include "platform/framework/CTreeCtrl.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::HasGui;
using model_test::MakeModel;

namespace {

class FillTreeCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasGui()) GTEST_SKIP() << "needs a display";
    m_frame = new wxFrame(nullptr, wxID_ANY, "tree");
    m_tree.Create(m_frame, 300);
    m_other.Create(m_frame, 301);
  }
  void TearDown() override {
    if (m_frame) m_frame->Destroy();
  }

  wxTreeCtrl* Window() const { return m_tree.GetWindow(); }
  std::string Text(HTREEITEM item) const { return m_tree.GetItemText(item).str(); }
  wxTreeItemId Id(HTREEITEM item) const { return wxTreeItemId(static_cast<void*>(item)); }

  wxFrame* m_frame = nullptr;
  CTreeCtrl m_tree;
  CTreeCtrl m_other;
};

TEST_F(FillTreeCtrlTest, OneItemPerTreeWithImagesAndTheOutlinesFolding) {
  auto model = MakeModel({{"top", ""}, {"top/A", ""}, {"top/A/A1", ""}, {"top/B", ""}, {"top/B/B1", ""},
                          {"top/B/B1/B1a", ""}, {"top/C", ""}, {"top/C/C1", ""}, {"top/C/C1/C1a", ""}});
  model->EditDirData(1)->m_nStatus = 1;              // checked
  model->EditDirData(1)->m_strLink = "http://x/";    // with a link and a child: 7
  model->EditDirData(6)->m_nStatus = 2;              // struck, with a child: 9
  model->EditDirData(2)->m_nView = 0;                // A is folded
  model->EditDirData(7)->m_nView = 0;                // C is folded, yet C1a is marked shown
  model->SetTreeCtrl(&m_tree);
  model->FillTreeCtrl();

  ASSERT_EQ(Window()->GetCount(), 9u);
  const HTREEITEM top = model->GetItemHandle(0);
  EXPECT_EQ(m_tree.GetParentItem(top), nullptr);
  EXPECT_EQ(Text(top), "top");
  EXPECT_EQ(Window()->GetChildrenCount(Id(top), false), 3u);
  EXPECT_EQ(m_tree.GetParentItem(model->GetItemHandle(5)), model->GetItemHandle(4));
  EXPECT_EQ(Text(model->GetItemHandle(5)), "B1a");

  const int images[] = {1, 7, 0, 1, 1, 0, 9, 1, 0};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(Window()->GetItemImage(Id(model->GetItemHandle(i))), images[i]) << i;

  EXPECT_TRUE(Window()->IsExpanded(Id(top)));
  EXPECT_FALSE(Window()->IsExpanded(Id(model->GetItemHandle(1))));
  EXPECT_TRUE(Window()->IsExpanded(Id(model->GetItemHandle(3))));
  EXPECT_TRUE(Window()->IsExpanded(Id(model->GetItemHandle(4))));
  // A shown tree forces its folded parents open.
  EXPECT_TRUE(Window()->IsExpanded(Id(model->GetItemHandle(6))));
  EXPECT_TRUE(Window()->IsExpanded(Id(model->GetItemHandle(7))));

  // Filling again replaces the items.
  model->FillTreeCtrl();
  EXPECT_EQ(Window()->GetCount(), 9u);
}

TEST_F(FillTreeCtrlTest, SelectionMapsBetweenTreesAndItems) {
  auto model = MakeModel({{"top", ""}, {"top/A", ""}, {"top/B", ""}, {"other top", ""}});
  model->SetTreeCtrl(&m_tree);
  model->FillTreeCtrl();
  // Only the top item's outline is shown.
  EXPECT_EQ(Window()->GetCount(), 3u);
  EXPECT_EQ(model->GetItemHandle(3), nullptr);

  model->SelectIndex(2);
  EXPECT_EQ(model->GetSelectedIndex(), 2);
  EXPECT_EQ(Text(m_tree.GetSelectedItem()), "B");
  const HTREEITEM foreign = m_other.InsertItem(TVIF_TEXT, "x", 0, 0, 0, 0, 0, TVI_ROOT, TVI_LAST);
  EXPECT_EQ(model->FindItemHandle(foreign), -1);
  EXPECT_EQ(model->FindItemHandle(nullptr), -1);

  auto lone = MakeModel({{"only", ""}});
  lone->SetTreeCtrl(&m_other);
  lone->FillTreeCtrl();
  EXPECT_EQ(m_other.GetWindow()->GetCount(), 1u);
}

TEST_F(FillTreeCtrlTest, HandlesStayWithTheirTreesThroughEdits) {
  auto model = MakeModel({{"top", ""}, {"top/A", ""}, {"top/A/A1", ""}, {"top/B", ""}, {"top/C", ""}});
  model->SetTreeCtrl(&m_tree);
  model->FillTreeCtrl();
  const HTREEITEM a = model->GetItemHandle(1);
  const HTREEITEM c = model->GetItemHandle(4);

  model->MoveTree(1, 3);  // B goes before A and A1
  EXPECT_EQ(std::string(model->GetName(2)), "A");
  EXPECT_EQ(model->FindItemHandle(a), 2);
  EXPECT_EQ(Text(model->GetItemHandle(1)), "B");

  model->DeleteTree(1);  // B
  EXPECT_EQ(model->FindItemHandle(a), 1);
  EXPECT_EQ(model->FindItemHandle(c), 3);

  // A copy of the model has no items in any control.
  ATREE copy(*model);
  EXPECT_EQ(copy.FindItemHandle(a), -1);
}

}  // namespace
