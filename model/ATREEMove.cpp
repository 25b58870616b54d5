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

void ATREE::RemoveAll() { DeleteContents(); }

int ATREE::RowsParentOf(int item) const { return LevelOf(GetDirData(item)->m_strPath) <= 1 ? 0 : GetParent(item); }

int ATREE::SubtreeEnd(int item, const CString& path) const {
  int end = item + 1;
  while (end < GetDirDataCount() && StartsBelow(GetDirData(end)->m_strPath, path)) ++end;
  return end;
}

void ATREE::DeleteTree(int item) {
  const bool current = m_rows.IsCurrent();
  const int parent = RowsParentOf(item);
  const int end = SubtreeEnd(item, GetDirData(item)->m_strPath);
  RemoveItems(item, end - item);
  m_rows.Update(*this, {parent, item, item, item - end}, current && item > 0);
}

void ATREE::DeleteTrees(const std::vector<int>& items) {
  std::vector<int> tops;
  for (const int item : items) {
    if (item >= 0 && item < GetDirDataCount()) tops.push_back(item);
  }
  std::sort(tops.begin(), tops.end());
  if (tops.empty()) return;
  if (tops.front() == 0) {
    DeleteTree(0);
    return;
  }
  const bool current = m_rows.IsCurrent();
  std::vector<std::pair<int, int>> ranges;
  std::vector<RowChange> changes;
  std::vector<int> removedBefore;  // items taken by the runs before each run
  int removed = 0;
  for (const int top : tops) {
    if (!ranges.empty() && top < ranges.back().second) continue;  // inside a subtree already taken
    const int end = SubtreeEnd(top, GetDirData(top)->m_strPath);
    // The parent comes before the top and outside every run taken: it moves up by the runs before it.
    const int parent = RowsParentOf(top);
    const auto after = std::partition_point(ranges.begin(), ranges.end(), [parent](const auto& r) { return r.first < parent; });
    const int before = after == ranges.end() ? removed : removedBefore[static_cast<size_t>(after - ranges.begin())];
    changes.push_back({parent - before, top - removed, top - removed, top - end});
    ranges.emplace_back(top, end);
    removedBefore.push_back(removed);
    removed += end - top;
  }
  RemoveItemRanges(ranges);
  m_rows.Update(*this, changes, current);
}

void ATREE::DeleteTreeByPath(const char* path) {
  const int item = FindPath(path);
  if (item < 0) return;
  const bool current = m_rows.IsCurrent();
  const int parent = RowsParentOf(item);
  const int end = SubtreeEnd(item, CString(path));
  RemoveItems(item, end - item);
  m_rows.Update(*this, {parent, item, item, item - end}, current && item > 0);
}

void ATREE::DeleteChildren(int item) {
  const bool current = m_rows.IsCurrent();
  const int end = GetNextSibling(item, TRUE);
  RemoveItems(item + 1, end - item - 1);
  m_rows.Update(*this, {item, item + 1, item + 1, item + 1 - end}, current);
}

void ATREE::RenameTree(int item, const char* title, const char* link) {
  const bool current = m_rows.IsCurrent();
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
  int edited = item + 1;  // the end of the items whose paths change
  for (int j = item + 1; j < GetDirDataCount(); ++j) {
    const std::string& p = GetDirData(j)->m_strPath.str();
    if (p.size() <= length || p.compare(at, old.str().size(), old.str()) != 0) break;
    if (p[length] != '\x01') continue;  // a later sibling whose title merely begins with the old one
    std::string edit = p;
    edit.replace(at, old.str().size(), newTitle.str());
    EditDirData(j)->m_strPath = std::move(edit);
    edited = j + 1;
  }
  CDirData* d = EditDirData(item);
  d->m_strPath = prefix + newTitle;
  d->m_strLink = newLink;
  const int end = GetNextSibling(item, TRUE);
  m_rows.Update(*this, {RowsParentOf(item), item, end, 0}, current && item > 0 && edited <= end);
}

int ATREE::MoveTree(int a, int b) {
  const bool current = m_rows.IsCurrent();
  const int lo = std::min(a, b);
  const int hi = std::max(a, b);
  const int end = GetNextSibling(hi, TRUE);
  // Only a move among siblings stays inside their parent's subtree.
  const std::string& loPath = GetDirData(lo)->m_strPath.str();
  const std::string& hiPath = GetDirData(hi)->m_strPath.str();
  const size_t loCut = loPath.rfind('\x01');
  const bool siblings = lo > 0 && loCut != std::string::npos && loCut == hiPath.rfind('\x01') &&
                        loPath.compare(0, loCut, hiPath, 0, loCut) == 0;
  const int parent = siblings ? RowsParentOf(lo) : 0;
  std::vector<int> order;
  order.reserve(static_cast<size_t>(end - lo));
  AppendRange(order, hi, end);
  AppendRange(order, lo, hi);
  ReorderItems(lo, order);
  m_rows.Update(*this, {parent, lo, end, 0}, current && siblings);
  return end - hi;
}

int ATREE::PromoteTree(int item) {
  const int level = GetLevel(item);
  if (level < 2) return item;
  const bool current = m_rows.IsCurrent();
  const int parent = GetParent(item);
  const int grandparent = RowsParentOf(parent);
  const int target = GetNextSibling(parent, TRUE);
  const int end = GetNextSibling(item, TRUE);
  for (int j = item; j < end; ++j) {
    const int keep = GetPathPos(j, level - 1);
    const int from = GetPathPos(j, level);
    std::string path = GetDirData(j)->m_strPath.str();
    path.erase(static_cast<size_t>(keep), static_cast<size_t>(from - keep));
    EditDirData(j)->m_strPath = std::move(path);
  }
  std::vector<int> order;
  order.reserve(static_cast<size_t>(target - item));
  AppendRange(order, end, target);
  AppendRange(order, item, end);
  ReorderItems(item, order);
  m_rows.Update(*this, {grandparent, parent, target, 0}, current);
  return target - (end - item);
}

int ATREE::DemoteTree(int item, BOOL open) {
  // The top item has no sibling to go under.
  const int prev = item == 0 ? -1 : GetPrevSibling(item);
  if (prev < 0) return -1;
  const bool current = m_rows.IsCurrent();
  const int parent = RowsParentOf(item);
  const BOOL expanded = IsExpanded(prev);
  // Revealing under a hidden predecessor shows all of the parent's children.
  const bool revealsAll = (open || expanded) && GetDirData(prev)->m_nView == 0;
  const CString& prevPath = GetDirData(prev)->m_strPath;
  const CString insert = prevPath.Mid(prevPath.ReverseFind('\x01') + 1) + '\x01';
  const int level = GetLevel(item);
  const int end = GetNextSibling(item, TRUE);
  for (int j = item; j < end; ++j) {
    const int at = GetPathPos(j, level);
    std::string path = GetDirData(j)->m_strPath.str();
    path.insert(static_cast<size_t>(at), insert.str());
    EditDirData(j)->m_strPath = std::move(path);
  }
  if (open || expanded) {
    RevealItem(item);
  } else {
    if (GetDirData(item)->m_nView != 0) EditDirData(item)->m_nView = 0;
    SetViewRange(item + 1, end, 0);
  }
  if (revealsAll) {
    m_rows.Update(*this, {parent, parent + 1, GetNextSibling(parent, TRUE), 0}, current);
  } else {
    m_rows.Update(*this, {parent, prev, end, 0}, current);
  }
  return item;
}
