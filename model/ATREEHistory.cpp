// Item accessors for the views and exports, the recent-tree lists and the back and forward
// history of displayed trees.
#include <algorithm>
#include <tuple>

#include "model/ATREE.h"

namespace {

auto DisplayKey(const SYSTEMTIME& t) {
  return std::make_tuple(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

// Newest first; among equal times the item met first stays first. Once the list is full most items
// are older than its last entry, and one comparison turns each of them away.
template <typename Later, typename Usable>
int ListRecent(const ATREE& m, int item, std::vector<const CDirData*>& list, int maximum, Later later,
               Usable usable) {
  const size_t limit = static_cast<size_t>(std::max(maximum, 0));
  if (list.size() > limit) list.resize(limit);
  const int end = m.GetNextSibling(item, TRUE);
  for (int i = item; i < end; ++i) {
    const CDirData* d = m.GetDirData(i);
    if (!usable(d)) continue;
    if (list.size() == limit && (limit == 0 || !later(d, list.back()))) continue;
    list.insert(std::upper_bound(list.begin(), list.end(), d, later), d);
    if (list.size() > limit) list.pop_back();
  }
  return static_cast<int>(list.size());
}

}  // namespace

int* ATREE::SetFlag4(int item, BOOL on) {
  int& status = EditDirData(item)->m_nStatus;
  status = on ? (status | 4) : (status & ~4);
  return &status;
}

int* ATREE::SetFlag8(int item, BOOL on) {
  int& status = EditDirData(item)->m_nStatus;
  status = on ? (status | 8) : (status & ~8);
  return &status;
}

void ATREE::SetFlags(int item, int level) {
  static const int bits[] = {0, 4, 4 | 8, 4 | 8 | 16};
  if (level < 0 || level > 3) return;
  CDirData* d = EditDirData(item);
  d->m_nStatus = (d->m_nStatus & ~(4 | 8 | 16)) | bits[level];
}

int ATREE::CountShownBelow(int item, int depth) const {
  const int end = GetNextSibling(item, TRUE);
  if (depth == -1) {
    int count = 0;
    for (int j = item + 1; j < end; ++j) count += GetDirData(j)->m_nView != 0 ? 1 : 0;
    return count;
  }
  if (HasChildren(item) && GetDirData(item + 1)->m_nView == 0) return 0;
  const int target = GetLevel(item) + depth;
  int running = 0, result = 0;
  for (int j = item + 1; j < end; ++j) {
    if (GetDirData(j)->m_nView != 0) ++running;
    if (GetLevel(j) == target) result = running;
  }
  return result;
}

void ATREE::SetTreeColor(int item, int color) {
  CDirData* d = EditDirData(item);
  d->m_nIdDigit = 1;
  d->m_nIdHigh = color;
  m_rows.ShowColor(item, color);
}

void ATREE::ClearMarks(int item) {
  const int end = GetNextSibling(item, TRUE);
  for (int j = item; j < end; ++j) {
    if (GetDirData(j)->m_nBookmark != 0) EditDirData(j)->m_nBookmark = 0;
  }
  MakeTreeData();
}

int ATREE::ListRecentUpdated(int item, std::vector<const CDirData*>& list, int maximum) const {
  return ListRecent(
      *this, item, list, maximum, [](const CDirData* a, const CDirData* b) { return b->GetUpdateTime() < a->GetUpdateTime(); },
      [](const CDirData* d) { return d->GetUpdateTime().GetStatus() == COleDateTime::valid; });
}

int ATREE::ListRecentDisplayed(int item, std::vector<const CDirData*>& list, int maximum) const {
  return ListRecent(
      *this, item, list, maximum,
      [](const CDirData* a, const CDirData* b) { return DisplayKey(b->GetDisplayTime()) < DisplayKey(a->GetDisplayTime()); },
      [](const CDirData* d) { return d->IsDisplayTimeSet() != FALSE; });
}

int ATREE::FindPrevDisplayed(int item) const {
  // Only an item shown before the current one: from the oldest shown item there is no way back.
  const CDirData* current = item >= 0 && item < GetDirDataCount() ? GetDirData(item) : nullptr;
  const bool bounded = current && current->IsDisplayTimeSet();
  int best = -1;
  for (int i = 0; i < GetDirDataCount(); ++i) {
    const CDirData* d = GetDirData(i);
    if (i == item || !d->IsDisplayTimeSet() || FindInForwardList(d) >= 0) continue;
    if (bounded && !(DisplayKey(d->GetDisplayTime()) < DisplayKey(current->GetDisplayTime()))) continue;
    if (best < 0 || DisplayKey(GetDirData(best)->GetDisplayTime()) < DisplayKey(d->GetDisplayTime())) best = i;
  }
  return best;
}

int ATREE::GoBack(int current) {
  const int previous = FindPrevDisplayed(current);
  if (previous < 0) return -1;
  m_work.forward.push_back(GetDirData(current)->GetIdentity());
  return previous;
}

int ATREE::GoForward() {
  if (m_work.forward.empty()) return -1;
  const std::uint64_t last = m_work.forward.back();
  m_work.forward.pop_back();
  for (int i = 0; i < GetDirDataCount(); ++i) {
    if (GetDirData(i)->GetIdentity() == last) return i;
  }
  return -1;
}

int ATREE::FindInForwardList(const CDirData* item) const {
  const auto it = std::find(m_work.forward.begin(), m_work.forward.end(), item->GetIdentity());
  return it == m_work.forward.end() ? -1 : static_cast<int>(it - m_work.forward.begin());
}

void ATREE::RenumberCategory(int oldPosition, int newPosition) {
  for (int i = 0; i < GetDirDataCount(); ++i) {
    if (GetDirData(i)->GetCategory() == oldPosition + 1) EditDirData(i)->SetCategory(newPosition + 1);
  }
}

void ATREE::SetSubtreeCategory(int item, int level, int category) {
  static const int bits[] = {0, 0x4, 0xC, 0x1C};
  const int end = GetNextSibling(item, TRUE);
  for (int j = item; j < end; ++j) {
    if (level == -1) {
      if (category != -1) EditDirData(j)->SetCategory(category);
    } else if (level >= 0 && level <= 3) {
      CDirData* d = EditDirData(j);
      const int c = category == -1 ? d->GetCategory() : category;
      d->m_nStatus = bits[level] | ((c & 0xFF) << 16);
    }
  }
  MakeTreeData();
}

CString ATREE::GetCategoryName(int item) const {
  const int category = GetDirData(item)->GetCategory();
  return category == 0 ? CString() : GetCategoryText(category);
}

CString ATREE::GetRowCategoryText(const CTreeData& row) const {
  const int category = row.GetCategory();
  return category == 0 ? CString() : GetCategoryText(category);
}

CString ATREE::GetRowTitle(const CTreeData& row, BOOL withCategory) const {
  const CString title = StripTreeLineArt(row.m_strTitle);
  const CString category = withCategory ? GetRowCategoryText(row) : CString();
  return category + title;
}

CString ATREE::GetOutputTitle(int item, BOOL withCategory) const {
  const CString title = GetLastPart(GetDirData(item)->m_strPath);
  const CString category = withCategory ? GetCategoryName(item) : CString();
  return category + title;
}

void ATREE::ResetLevelCounters(int item) {
  m_rows.ResetLevelCounters(GetLevel(item));
}

int ATREE::FindTreeByLink(const CLinkPath& link) const {
  int current = 0;
  for (int k = 1; k < link.GetTitleCount(); ++k) {
    const CString part = link.GetTitle(k);
    int found = -1;
    for (int c = HasChildren(current) ? current + 1 : -1; c != -1; c = GetNextSibling(c, FALSE)) {
      if (GetName(c) == part) {
        found = c;
        break;
      }
    }
    if (found < 0) break;
    current = found;
  }
  return current;
}

void ATREE::GetTreeLinkText(int item, CLinkPath& link) const {
  link.RemoveAllTitles();
  // Every title from the top item down: the top's own title stands first, as links written by
  // other programs carry it, though finding the item never compares it.
  const std::string& path = GetDirData(item)->m_strPath.str();
  size_t begin = 0;
  for (;;) {
    const size_t next = path.find('\x01', begin);
    link.AddTitle(CString(path.substr(begin, next == std::string::npos ? std::string::npos : next - begin)));
    if (next == std::string::npos) break;
    begin = next + 1;
  }
}

CString ATREE::MakeFullPath(const char* documentPath, const char* filePart) {
  const CString file(filePart);
  if (file.Find(':') >= 0 || file.Find('\\') == 0 || file.Find('/') == 0) return file;
  const CString doc(documentPath);
  if (doc.IsEmpty()) return CString();
  const int cut = std::max(doc.ReverseFind('\\'), doc.ReverseFind('/'));
  return doc.Left(cut + 1) + file;
}
