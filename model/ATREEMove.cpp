// Deleting, renaming and moving subtrees. A subtree is a contiguous run of indexes starting at its
// top item, and every path begins with its parent's path and 0x01; each operation keeps both. Items
// move as one rearrangement of the array, never one at a time.
#include <algorithm>

#include "model/ATREE.h"

namespace {

bool StartsBelow(const CString& path, const CString& prefix) {
  const std::string& p = path.str();
  const std::string& q = prefix.str();
  return p.size() > q.size() && p[q.size()] == '\x01' && p.compare(0, q.size(), q) == 0;
}

void AppendRange(std::vector<int>& order, int from, int to) {
  for (int i = from; i < to; ++i) order.push_back(i);
}

}  // namespace

void ATREE::RemoveAll() {
  m_items.RemoveAll();
  m_rows.clear();
  m_itemRows.clear();
  m_itemHandles.clear();
}

void ATREE::DeleteTree(int item) {
  const CString prefix = GetDirData(item)->m_strPath;
  int end = item + 1;
  while (end < GetDirDataCount() && StartsBelow(GetDirData(end)->m_strPath, prefix)) ++end;
  RemoveItems(item, end - item);
  MakeTreeData();
}

void ATREE::DeleteTreeByPath(const char* path) {
  const int item = FindPath(path);
  if (item < 0) return;
  const CString prefix(path);
  int end = item + 1;
  while (end < GetDirDataCount() && StartsBelow(GetDirData(end)->m_strPath, prefix)) ++end;
  RemoveItems(item, end - item);
  MakeTreeData();
}

void ATREE::DeleteChildren(int item) {
  const int end = GetNextSibling(item, TRUE);
  RemoveItems(item + 1, end - item - 1);
  MakeTreeData();
}

void ATREE::RenameTree(int item, const char* title, const char* link) {
  const CString path = GetDirData(item)->m_strPath;
  const int slash = path.ReverseFind('\x01');
  const CString prefix = path.Left(slash + 1);
  const CString old = path.Mid(slash + 1);
  CString newTitle(title);
  DeleteLineBreaks(newTitle);
  StripRecordBytes(newTitle);
  CString newLink(link);
  StripRecordBytes(newLink);

  const size_t at = static_cast<size_t>(prefix.GetLength());
  const size_t length = at + static_cast<size_t>(old.GetLength());
  bool changed = false;
  for (int j = item + 1; j < GetDirDataCount(); ++j) {
    const std::string& p = GetDirData(j)->m_strPath.str();
    if (p.size() <= length || p.compare(at, old.str().size(), old.str()) != 0) break;
    if (p[length] != '\x01') continue;  // a later sibling whose title merely begins with the old one
    std::string& edit = EditDirData(j)->m_strPath.str();
    edit.replace(at, old.str().size(), newTitle.str());
    changed = true;
  }
  CDirData* d = EditDirData(item);
  d->m_strPath = prefix + newTitle;
  d->m_strLink = newLink;

  if (changed) {
    MakeTreeData();
    return;
  }
  const int r = GetRowIndex(item);
  if (r < 0 || r >= static_cast<int>(m_rows.size())) return;
  CTreeData& row = m_rows[static_cast<size_t>(r)];
  const int found = old.IsEmpty() ? -1 : row.m_strTitle.Find(old);
  if (found >= 0) {
    row.m_strTitle.str().replace(static_cast<size_t>(found), old.str().size(), newTitle.str());
  } else if (old.IsEmpty()) {
    row.m_strTitle += newTitle;
  }
  row.m_strLink = newLink;
}

int ATREE::MoveTree(int a, int b) {
  const int lo = std::min(a, b);
  const int hi = std::max(a, b);
  const int end = GetNextSibling(hi, TRUE);
  std::vector<int> order;
  order.reserve(static_cast<size_t>(end - lo));
  AppendRange(order, hi, end);
  AppendRange(order, lo, hi);
  ReorderItems(lo, order);
  MakeTreeData();
  return end - hi;
}

int ATREE::PromoteTree(int item) {
  const int level = GetLevel(item);
  if (level < 2) return item;
  const int target = GetNextSibling(GetParent(item), TRUE);
  const int end = GetNextSibling(item, TRUE);
  for (int j = item; j < end; ++j) {
    const int keep = GetPathPos(j, level - 1);
    const int from = GetPathPos(j, level);
    std::string& path = EditDirData(j)->m_strPath.str();
    path.erase(static_cast<size_t>(keep), static_cast<size_t>(from - keep));
  }
  std::vector<int> order;
  order.reserve(static_cast<size_t>(target - item));
  AppendRange(order, end, target);
  AppendRange(order, item, end);
  ReorderItems(item, order);
  MakeTreeData();
  return target - (end - item);
}

int ATREE::DemoteTree(int item, BOOL open) {
  // The top item has no sibling to go under.
  const int prev = item == 0 ? -1 : GetPrevSibling(item);
  if (prev < 0) return -1;
  const BOOL expanded = IsExpanded(prev);
  const CString& prevPath = GetDirData(prev)->m_strPath;
  const CString insert = prevPath.Mid(prevPath.ReverseFind('\x01') + 1) + '\x01';
  const int level = GetLevel(item);
  const int end = GetNextSibling(item, TRUE);
  for (int j = item; j < end; ++j) {
    const int at = GetPathPos(j, level);
    EditDirData(j)->m_strPath.str().insert(static_cast<size_t>(at), insert.str());
  }
  if (open || expanded) {
    RevealItem(item);
  } else {
    if (GetDirData(item)->m_nView != 0) EditDirData(item)->m_nView = 0;
    SetViewRange(item + 1, end, 0);
  }
  MakeTreeData();
  return item;
}
