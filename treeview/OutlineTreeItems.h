#pragma once
// The trees of an outline as the items of a dialog's tree control: one item per tree of the top
// item's outline, with the picture of its marks, expanded where the outline shows trees. The
// control keeps them until the next fill; the outline must not change meanwhile.
#include <vector>

#include "platform/base/CString.h"
#include "platform/framework/TreeItemHandle.h"

class ATREE;
class CTreeCtrl;

class OutlineTreeItems {
 public:
  explicit OutlineTreeItems(CTreeCtrl& control) : m_control(control) {}

  void Fill(const ATREE& tree);
  // The control item of a tree; null when it has none.
  HTREEITEM GetItemHandle(int item) const;
  // The tree of a control item; -1 when it is none of this fill's.
  int FindItemHandle(HTREEITEM handle) const;
  // The tree of the control's selection; -1 when none.
  int GetSelectedIndex() const;
  void SelectIndex(int item);

  // The picture of a tree: bit 0 it has children, 1 checked, 2 with a link, 3 struck through.
  static int GetItemImage(const ATREE& tree, int item);

 private:
  HTREEITEM InsertTreeItem(const ATREE& tree, int item, HTREEITEM parent);
  // Puts the trees from item on that lie below parentPath under parent.
  void FillChildItems(const ATREE& tree, int item, const CString& parentPath, HTREEITEM parent);
  void ExpandItemParents(HTREEITEM handle);

  CTreeCtrl& m_control;
  std::vector<HTREEITEM> m_handles;  // of each tree, null where it has none
};
