#include "treeview/OutlineTreeItems.h"

#include <utility>

#include "model/ATREE.h"
#include "platform/framework/CTreeCtrl.h"

int OutlineTreeItems::GetItemImage(const ATREE& tree, int item) {
  const CDirData* d = tree.GetDirData(item);
  return (tree.HasChildren(item) ? 1 : 0) | ((d->m_nStatus & 1) ? 2 : 0) | (d->m_strLink.IsEmpty() ? 0 : 4) |
         ((d->m_nStatus & 2) ? 8 : 0);
}

void OutlineTreeItems::Fill(const ATREE& tree) {
  const int count = tree.GetDirDataCount();
  if (count == 0) return;
  m_control.SetRedraw(FALSE);
  m_control.DeleteAllItems();
  m_handles.assign(static_cast<size_t>(count), nullptr);
  const HTREEITEM top = InsertTreeItem(tree, 0, TVI_ROOT);
  FillChildItems(tree, 1, tree.GetDirData(0)->m_strPath, top);
  for (int i = 0; i < count; ++i) {
    const HTREEITEM handle = m_handles[static_cast<size_t>(i)];
    if (tree.GetDirData(i)->m_nView != 0 && handle != nullptr) ExpandItemParents(handle);
  }
  m_control.SetRedraw(TRUE);
}

// Depth first with a stack of open parents rather than by recursion: a file may nest trees
// thousands of levels deep.
void OutlineTreeItems::FillChildItems(const ATREE& tree, int item, const CString& parentPath, HTREEITEM parent) {
  std::vector<std::pair<CString, HTREEITEM>> open{{parentPath, parent}};
  while (item < tree.GetDirDataCount() && !open.empty()) {
    const CString& path = tree.GetDirData(item)->m_strPath;
    const CString& under = open.back().first;
    const int length = under.GetLength();
    const bool below = path.GetLength() > length && path[length] == '\x01' &&
                       path.str().compare(0, static_cast<size_t>(length), under.str()) == 0;
    if (!below) {
      open.pop_back();
      continue;
    }
    const HTREEITEM handle = InsertTreeItem(tree, item, open.back().second);
    if (tree.HasChildren(item)) open.emplace_back(path, handle);
    ++item;
  }
}

HTREEITEM OutlineTreeItems::InsertTreeItem(const ATREE& tree, int item, HTREEITEM parent) {
  const int image = GetItemImage(tree, item);
  const CString text = tree.GetLastPart(tree.GetDirData(item)->m_strPath);
  const HTREEITEM handle =
      m_control.InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, image, 0, 0, 0, parent, TVI_LAST);
  m_handles[static_cast<size_t>(item)] = handle;
  return handle;
}

void OutlineTreeItems::ExpandItemParents(HTREEITEM handle) {
  // The chain of ancestors, expanded from the top down.
  std::vector<HTREEITEM> parents;
  const HTREEITEM top = GetItemHandle(0);
  for (HTREEITEM p = m_control.GetParentItem(handle); p != nullptr; p = m_control.GetParentItem(p)) {
    parents.push_back(p);
    if (p == top) break;
  }
  for (auto it = parents.rbegin(); it != parents.rend(); ++it) m_control.Expand(*it, TVE_EXPAND);
}

int OutlineTreeItems::FindItemHandle(HTREEITEM handle) const {
  if (handle == nullptr) return -1;
  for (size_t i = 0; i < m_handles.size(); ++i) {
    if (m_handles[i] == handle) return static_cast<int>(i);
  }
  return -1;
}

HTREEITEM OutlineTreeItems::GetItemHandle(int item) const {
  return item >= 0 && static_cast<size_t>(item) < m_handles.size() ? m_handles[static_cast<size_t>(item)] : nullptr;
}

int OutlineTreeItems::GetSelectedIndex() const { return FindItemHandle(m_control.GetSelectedItem()); }

void OutlineTreeItems::SelectIndex(int item) { m_control.SelectItem(GetItemHandle(item)); }
