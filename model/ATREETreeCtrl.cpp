// Showing the outline in a tree control of a dialog, and finding trees by their control items.
#include <utility>
#include <vector>

#include "model/ATREE.h"
#include "platform/framework/CTreeCtrl.h"

void ATREE::FillTreeCtrl() {
  if (GetDirDataCount() == 0 || m_pTreeCtrl == nullptr) return;
  m_nFillValue = 0;
  m_pTreeCtrl->SetRedraw(FALSE);
  m_pTreeCtrl->DeleteAllItems();
  m_itemHandles.assign(static_cast<size_t>(GetDirDataCount()), nullptr);
  const HTREEITEM top = InsertTreeItem(0, TVI_ROOT, TVI_LAST);
  m_nFillCursor = 1;
  FillChildItems(GetDirData(0)->m_strPath, top);
  for (int i = 0; i < GetDirDataCount(); ++i) {
    const HTREEITEM handle = m_itemHandles[static_cast<size_t>(i)];
    if (GetDirData(i)->m_nView != 0 && handle != nullptr) ExpandItemParents(handle);
  }
  m_pTreeCtrl->SetRedraw(TRUE);
  m_nFillValue = 1;
}

// Depth first with a stack of open parents rather than by recursion: a file may nest trees
// thousands of levels deep.
void ATREE::FillChildItems(const CString& parentPath, HTREEITEM parent) {
  std::vector<std::pair<CString, HTREEITEM>> open{{parentPath, parent}};
  while (m_nFillCursor < GetDirDataCount() && !open.empty()) {
    const CString& path = GetDirData(m_nFillCursor)->m_strPath;
    const CString& under = open.back().first;
    const int length = under.GetLength();
    const bool below = path.GetLength() > length && path[length] == '\x01' &&
                       path.str().compare(0, static_cast<size_t>(length), under.str()) == 0;
    if (!below) {
      open.pop_back();
      continue;
    }
    const int item = m_nFillCursor++;
    const HTREEITEM handle = InsertTreeItem(item, open.back().second, TVI_LAST);
    if (HasChildren(item)) open.emplace_back(path, handle);
  }
}

HTREEITEM ATREE::InsertTreeItem(int item, HTREEITEM parent, HTREEITEM insertAfter) {
  const int image = GetItemImage(item);
  const CString text = GetLastPart(GetDirData(item)->m_strPath);
  const HTREEITEM handle = m_pTreeCtrl->InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, image,
                                                   0, 0, 0, parent, insertAfter);
  if (m_itemHandles.size() != static_cast<size_t>(GetDirDataCount()))
    m_itemHandles.assign(static_cast<size_t>(GetDirDataCount()), nullptr);
  m_itemHandles[static_cast<size_t>(item)] = handle;
  return handle;
}

BOOL ATREE::ExpandItemParents(HTREEITEM treeItem) {
  if (m_pTreeCtrl == nullptr) return FALSE;
  // The chain of ancestors, expanded from the top down.
  std::vector<HTREEITEM> parents;
  const HTREEITEM top = GetItemHandle(0);
  for (HTREEITEM p = m_pTreeCtrl->GetParentItem(treeItem); p != nullptr; p = m_pTreeCtrl->GetParentItem(p)) {
    parents.push_back(p);
    if (p == top) break;
  }
  BOOL result = FALSE;
  for (auto it = parents.rbegin(); it != parents.rend(); ++it) result = m_pTreeCtrl->Expand(*it, TVE_EXPAND);
  return result;
}

void ATREE::ExpandShownItems(int item) {
  const int end = GetNextSibling(item, TRUE);
  for (int i = item; i < end; ++i) {
    const HTREEITEM handle = GetItemHandle(i);
    if (GetDirData(i)->m_nView != 0 && handle != nullptr) ExpandItemParents(handle);
  }
}

int ATREE::FindItemHandle(HTREEITEM treeItem) const {
  if (treeItem == nullptr) return -1;
  for (size_t i = 0; i < m_itemHandles.size(); ++i) {
    if (m_itemHandles[i] == treeItem) return static_cast<int>(i);
  }
  return -1;
}

HTREEITEM ATREE::GetItemHandle(int item) const {
  return item >= 0 && static_cast<size_t>(item) < m_itemHandles.size() ? m_itemHandles[static_cast<size_t>(item)]
                                                                        : nullptr;
}

int ATREE::GetSelectedIndex() const {
  return m_pTreeCtrl != nullptr ? FindItemHandle(m_pTreeCtrl->GetSelectedItem()) : -1;
}

void ATREE::SelectIndex(int item) {
  if (m_pTreeCtrl != nullptr) m_pTreeCtrl->SelectItem(GetItemHandle(item));
}
