// Sorting the children of a tree; each child moves with its whole subtree, and nothing but the
// order changes.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/CharFolding.h"
#include "foundation/NumberText.h"
#include "foundation/ShortBytes.h"
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
  if (m_work.numericTitles && GetParentPath(a) == GetParentPath(b)) {
    const CString la = GetLastPart(a), lb = GetLastPart(b);
    const double x = ParseNumber(la), y = ParseNumber(lb);
    if (x == y) return CompareTextOpt(la, lb, FIND_IGNORE_CASE);
    return x < y ? -1 : 1;
  }
  return CompareTextOpt(a, b, FIND_IGNORE_CASE);
}

namespace {

// The ascending difference of the mode's own key (none for the title modes).
int ModeKey(const CDirData* a, const CDirData* b, int mode) {
  int key = 0;
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
  return key;
}

// What a sort compares of one child, worked out once: its title folded as the case-blind title
// comparison reads it, and its number for numeric titles. The parent's path, the same for every
// child and read the same way, is left out. The folded characters are kept high byte first, so
// that comparing their bytes compares the characters.
struct SortChild {
  const CDirData* item;
  int from;  // the child's subtree
  int to;
  // Its folded title in the sort's key buffer; an outline's titles stay far below 4 GB.
  std::uint32_t keyStart;
  std::uint32_t keyEnd;
  double number;
};

}  // namespace

int ATREE::CompareNodes(const CDirData* a, const CDirData* b, int mode) const {
  if (mode < 0 || mode > 11) return 0;
  const bool descending = (mode & 1) != 0;
  int key = ModeKey(a, b, mode);  // the ascending difference; descending modes use its negation
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
  std::vector<SortChild> children;
  std::string keys;
  for (int c = item + 1; c != -1;) {
    const int next = GetNextSibling(c, FALSE);
    const CDirData* d = GetDirData(c);
    const std::string& path = d->m_strPath.str();
    // The parent's path ends in 0x01, which no lead byte takes: the title starts a character.
    const char* title = path.c_str() + (path.rfind('\x01') + 1);
    const auto keyStart = static_cast<std::uint32_t>(keys.size());
    for (const char* p = title; *p != '\0';) {
      int length = 0;
      const SjisChar folded = UpperOf(ReadSjisChar(p, &length));
      keys += static_cast<char>(folded >> 8);
      keys += static_cast<char>(folded & 0xFF);
      p += length;
    }
    children.push_back({d, c, next == -1 ? end : next, keyStart, static_cast<std::uint32_t>(keys.size()),
                        m_work.numericTitles ? ParseNumber(title) : 0});
    c = next;
  }
  if (children.size() < 2) return;
  // Ascending, the title comparison is that of the folded titles, or of their numbers first.
  auto titleLess = [&keys, numeric = m_work.numericTitles != 0](const SortChild& a, const SortChild& b) {
    if (numeric && a.number != b.number) return a.number < b.number;
    const std::string_view all(keys);
    return BytesBefore(all.substr(a.keyStart, a.keyEnd - a.keyStart), all.substr(b.keyStart, b.keyEnd - b.keyStart));
  };
  // Stable: a user sorts by one key after another and expects the earlier order among equals.
  if (mode >= 0 && mode <= 11 && (mode & 1) == 0) {
    std::stable_sort(children.begin(), children.end(), [&](const SortChild& a, const SortChild& b) {
      const int key = ModeKey(a.item, b.item, mode);
      return key != 0 ? key < 0 : titleLess(a, b);
    });
  } else {
    std::stable_sort(children.begin(), children.end(),
                     [&](const SortChild& a, const SortChild& b) { return CompareNodes(a.item, b.item, mode) < 0; });
  }
  std::vector<int> order;
  order.reserve(static_cast<size_t>(end - item - 1));
  for (const SortChild& child : children) {
    for (int i = child.from; i < child.to; ++i) order.push_back(i);
  }
  ReorderItems(item + 1, order);
}

void ATREE::SortTrees(int item, int mode, BOOL directChildrenOnly, BOOL numericTitles) {
  m_work.numericTitles = numericTitles;
  if (!HasChildren(item)) return;
  if (directChildrenOnly) {
    SortChildren(item, mode);
    return;
  }
  // A sort moves nodes only behind the node it sorts, so every node is visited once.
  const int end = GetNextSibling(item, TRUE);
  for (int i = item; i < end; ++i) SortChildren(i, mode);
}
