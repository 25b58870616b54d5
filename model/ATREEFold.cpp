// Folding (view flags of descendants) and the check and strike-through marks. Only items whose flag
// really changes are written, so that undo snapshots keep sharing the others.
#include <climits>

#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr char kSameStateQuestion[] = "子ツリーもすべて同じ状態にしますか？";

}  // namespace

void ATREE::SetViewRange(int first, int end, int view) {
  for (int j = first; j < end; ++j) {
    if (GetDirData(j)->m_nView != view) EditDirData(j)->m_nView = view;
  }
}

int ATREE::SetViewBelow(int item, int view, int depth) {
  const int level = LevelOf(GetDirData(item)->m_strPath);
  const int deepest = depth < 0 ? INT_MAX : level + depth;
  const int n = GetDirDataCount();
  int j = item + 1;
  for (; j < n; ++j) {
    const CDirData* d = GetDirData(j);
    const int other = LevelOf(d->m_strPath);
    if (other <= level) break;
    if (other <= deepest && d->m_nView != view) EditDirData(j)->m_nView = view;
  }
  return j;
}

void ATREE::ExpandAll(int item) {
  const bool current = m_rows.IsCurrent();
  const int end = SetViewBelow(item, 1, -1);
  m_rows.Update(*this, {item, item + 1, end, 0}, current);
}

void ATREE::CollapseAll(int item) {
  const bool current = m_rows.IsCurrent();
  const int end = SetViewBelow(item, 0, -1);
  m_rows.Update(*this, {item, item + 1, end, 0}, current);
}

void ATREE::ExpandLevels(int item, int depth) {
  const bool current = m_rows.IsCurrent();
  const int end = SetViewBelow(item, 1, depth);
  m_rows.Update(*this, {item, item + 1, end, 0}, current);
}

void ATREE::RevealItem(int item) {
  int c = item;
  while (c != 0) {
    const int p = GetParent(c);
    const int level = GetLevel(c);
    const int end = GetNextSibling(p, TRUE);
    for (int j = p + 1; j < end; ++j) {
      if (GetLevel(j) == level && GetDirData(j)->m_nView != 1) EditDirData(j)->m_nView = 1;
    }
    c = p;
    if (GetDirData(p)->m_nView != 0) break;
  }
}

void ATREE::ShowTree(int item) {
  RevealItem(item);
  MakeTreeData();
}

int ATREE::IsExpanded(int item) const { return HasChildren(item) && GetDirData(item + 1)->m_nView != 0 ? 1 : 0; }

void ATREE::ToggleCheck(int item) {
  auto setBit = [this](int j, int on) {
    if ((GetDirData(j)->m_nStatus & 1) != on) EditDirData(j)->m_nStatus ^= 1;
    m_rows.ShowCheck(j, on);
  };
  // Unfiltered, the check shows in the row's status alone, which follows here.
  const bool current = m_rows.IsCurrent() && m_nCheckFilter == 0;
  const int on = (GetDirData(item)->m_nStatus & 1) ^ 1;
  setBit(item, on);
  if (HasChildren(item) && AfxMessageBox(kSameStateQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    const int end = GetNextSibling(item, TRUE);
    for (int j = item + 1; j < end; ++j) setBit(j, on);
  }
  m_rows.SetCurrent(current);
}

void ATREE::ToggleStrike(int item) {
  const bool current = m_rows.IsCurrent();
  EditDirData(item)->m_nStatus ^= 2;
  const int on = GetDirData(item)->m_nStatus & 2;
  if (HasChildren(item) && AfxMessageBox(kSameStateQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES) {
    const int end = GetNextSibling(item, TRUE);
    for (int j = item + 1; j < end; ++j) {
      if ((GetDirData(j)->m_nStatus & 2) != on) EditDirData(j)->m_nStatus ^= 2;
    }
  }
  m_rows.Update(*this, {RowsParentOf(item), item, GetNextSibling(item, TRUE), 0}, current && item > 0);
}

int ATREE::IsInCheckedTree(int item) const {
  int c = item;
  for (;;) {
    if (GetDirData(c)->m_nStatus & 1) return 1;
    if (c == 0) return 0;
    c = GetParent(c);
  }
}

int ATREE::HasCheckInSubtree(int item) const {
  const int end = GetNextSibling(item, TRUE);
  for (int j = item; j < end; ++j) {
    if (GetDirData(j)->m_nStatus & 1) return 1;
  }
  return 0;
}
