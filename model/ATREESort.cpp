// Sorting the children of a tree; each child moves with its whole subtree, and nothing but the
// order changes.
#include <algorithm>
#include <unordered_map>

#include "foundation/NumberText.h"
#include "foundation/TextSearch.h"
#include "model/ATREE.h"

namespace {

int StateOf(const COleDateTime& t) {
  switch (t.GetStatus()) {
    case COleDateTime::valid:
      return 0;
    case COleDateTime::null:
      return 2;
    default:
      return 1;
  }
}

int DaysBetween(const COleDateTime& a, const COleDateTime& b) {
  return static_cast<int>((a - b).GetDays());
}

}  // namespace

CString ATREE::GetParentPath(const char* path) const {
  const CString p(path);
  const int slash = p.ReverseFind('\x01');
  return slash >= 0 ? p.Left(slash) : CString();
}

CString ATREE::GetLastPart(const char* path) const {
  const CString p(path);
  return p.Mid(p.ReverseFind('\x01') + 1);
}

int ATREE::CompareTitles(const char* a, const char* b) const {
  if (m_bNumericTitles && GetParentPath(a) == GetParentPath(b)) {
    const CString la = GetLastPart(a), lb = GetLastPart(b);
    const double x = ParseNumber(la), y = ParseNumber(lb);
    if (x == y) return CompareTextOpt(la, lb, FIND_IGNORE_CASE);
    return x < y ? -1 : 1;
  }
  return CompareTextOpt(a, b, FIND_IGNORE_CASE);
}

int ATREE::CompareNodes(const CDirData* a, const CDirData* b, int mode) const {
  if (mode < 0 || mode > 11) return 0;
  const bool descending = (mode & 1) != 0;
  int key = 0;  // the ascending difference; descending modes use its negation
  switch (mode) {
    case 2:
    case 3:
      key = (a->m_nStatus & 1) - (b->m_nStatus & 1);
      break;
    case 4:
    case 5:
      key = (a->m_nStatus & 2) - (b->m_nStatus & 2);
      break;
    case 6:
    case 7:
      key = a->GetCategory() - b->GetCategory();
      break;
    case 8:
    case 9:
    case 10:
    case 11: {
      const COleDateTime& ta = mode < 10 ? a->GetUpdateTime() : a->GetCreateTime();
      const COleDateTime& tb = mode < 10 ? b->GetUpdateTime() : b->GetCreateTime();
      key = StateOf(tb) - StateOf(ta);
      if (key == 0 && ta.GetStatus() == COleDateTime::valid) key = DaysBetween(ta, tb);
      break;
    }
    default:
      break;
  }
  if (!descending) return key != 0 ? key : CompareTitles(a->m_strPath, b->m_strPath);
  // Descending: the shorter path is padded with 0xFF bytes, half the length difference rounded up.
  std::string pa = a->m_strPath.str(), pb = b->m_strPath.str();
  std::string& shorter = pa.size() < pb.size() ? pa : pb;
  const size_t difference = pa.size() > pb.size() ? pa.size() - pb.size() : pb.size() - pa.size();
  shorter.append((difference + 1) / 2, '\xFF');
  key = -key;
  if (key != 0 && mode != 1) return key;
  return CompareTitles(pb.c_str(), pa.c_str());
}

void ATREE::SortChildren(int item, int mode) {
  if (!HasChildren(item)) return;
  const int end = GetNextSibling(item, TRUE);
  std::vector<const CDirData*> children;
  std::unordered_map<const CDirData*, std::pair<int, int>> ranges;  // child -> its subtree
  for (int c = item + 1; c != -1;) {
    const int next = GetNextSibling(c, FALSE);
    const CDirData* d = GetDirData(c);
    children.push_back(d);
    ranges[d] = {c, next == -1 ? end : next};
    c = next;
  }
  if (children.size() < 2) return;
  // Stable: a user sorts by one key after another and expects the earlier order among equals.
  std::stable_sort(children.begin(), children.end(),
                   [&](const CDirData* a, const CDirData* b) { return CompareNodes(a, b, mode) < 0; });
  std::vector<int> order;
  order.reserve(static_cast<size_t>(end - item - 1));
  for (const CDirData* d : children) {
    const auto [from, to] = ranges[d];
    for (int i = from; i < to; ++i) order.push_back(i);
  }
  ReorderItems(item + 1, order);
}

void ATREE::SortTrees(int item, int mode, BOOL directChildrenOnly, BOOL numericTitles) {
  m_bNumericTitles = numericTitles;
  if (!HasChildren(item)) return;
  if (directChildrenOnly) {
    SortChildren(item, mode);
    return;
  }
  // A sort moves nodes only behind the node it sorts, so every node is visited once.
  const int end = GetNextSibling(item, TRUE);
  for (int i = item; i < end; ++i) SortChildren(i, mode);
}
