// The outline shown in a dialog's tree control: items, images, expanded state and the mapping
// between trees and control items.
#include "treeview/OutlineTreeItems.h"

#include <gtest/gtest.h>

#include <wx/frame.h>

#include <memory>
#include <string>
#include <vector>

#include "model/ATREE.h"
#include "platform/framework/CTreeCtrl.h"
#include "tests/common/TestSupport.h"

using kesta_test::HasGui;

namespace {

// An outline of the paths given with '/' for the level separator; rows built.
std::unique_ptr<ATREE> Outline(const std::vector<std::string>& paths) {
  auto tree = std::make_unique<ATREE>();
  for (std::string path : paths) {
    for (char& c : path)
      if (c == '/') c = '\x01';
    tree->AppendTree(path.c_str());
  }
  return tree;
}

class OutlineTreeItemsTest : public ::testing::Test {
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

TEST_F(OutlineTreeItemsTest, OneItemPerTreeWithImagesAndTheOutlinesFolding) {
  auto model = Outline({"top", "top/A", "top/A/A1", "top/B", "top/B/B1", "top/B/B1/B1a", "top/C", "top/C/C1",
                        "top/C/C1/C1a"});
  model->EditDirData(1)->m_nStatus = 1;              // checked
  model->EditDirData(1)->m_strLink = "http://x/";    // with a link and a child: 7
  model->EditDirData(6)->m_nStatus = 2;              // struck, with a child: 9
  model->EditDirData(2)->m_nView = 0;                // A is folded
  model->EditDirData(7)->m_nView = 0;                // C is folded, yet C1a is marked shown
  OutlineTreeItems items(m_tree);
  items.Fill(*model);

  ASSERT_EQ(Window()->GetCount(), 9u);
  const HTREEITEM top = items.GetItemHandle(0);
  EXPECT_EQ(m_tree.GetParentItem(top), nullptr);
  EXPECT_EQ(Text(top), "top");
  EXPECT_EQ(Window()->GetChildrenCount(Id(top), false), 3u);
  EXPECT_EQ(m_tree.GetParentItem(items.GetItemHandle(5)), items.GetItemHandle(4));
  EXPECT_EQ(Text(items.GetItemHandle(5)), "B1a");

  const int images[] = {1, 7, 0, 1, 1, 0, 9, 1, 0};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(OutlineTreeItems::GetItemImage(*model, i), images[i]) << i;
    EXPECT_EQ(Window()->GetItemImage(Id(items.GetItemHandle(i))), images[i]) << i;
  }

  EXPECT_TRUE(Window()->IsExpanded(Id(top)));
  EXPECT_FALSE(Window()->IsExpanded(Id(items.GetItemHandle(1))));
  EXPECT_TRUE(Window()->IsExpanded(Id(items.GetItemHandle(3))));
  EXPECT_TRUE(Window()->IsExpanded(Id(items.GetItemHandle(4))));
  // A shown tree forces its folded parents open.
  EXPECT_TRUE(Window()->IsExpanded(Id(items.GetItemHandle(6))));
  EXPECT_TRUE(Window()->IsExpanded(Id(items.GetItemHandle(7))));

  // Filling again replaces the items.
  items.Fill(*model);
  EXPECT_EQ(Window()->GetCount(), 9u);
}

TEST_F(OutlineTreeItemsTest, SelectionMapsBetweenTreesAndItems) {
  auto model = Outline({"top", "top/A", "top/B", "other top"});
  OutlineTreeItems items(m_tree);
  items.Fill(*model);
  // Only the top item's outline is shown.
  EXPECT_EQ(Window()->GetCount(), 3u);
  EXPECT_EQ(items.GetItemHandle(3), nullptr);
  EXPECT_EQ(items.GetItemHandle(-1), nullptr);

  items.SelectIndex(2);
  EXPECT_EQ(items.GetSelectedIndex(), 2);
  EXPECT_EQ(Text(m_tree.GetSelectedItem()), "B");
  const HTREEITEM foreign = m_other.InsertItem(TVIF_TEXT, "x", 0, 0, 0, 0, 0, TVI_ROOT, TVI_LAST);
  EXPECT_EQ(items.FindItemHandle(foreign), -1);
  EXPECT_EQ(items.FindItemHandle(nullptr), -1);

  auto lone = Outline({"only"});
  OutlineTreeItems other(m_other);
  other.Fill(*lone);
  EXPECT_EQ(m_other.GetWindow()->GetCount(), 1u);
}

}  // namespace
