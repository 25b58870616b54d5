// Pruning a working copy of the outline before printing.
#include "model/ATREE.h"

BOOL ATREE::PruneForPrint(int* current) {
  if (GetDirDataCount() == 0) return FALSE;
  const int top = GetNextSibling(0, TRUE);
  int c = current != nullptr ? *current : 0;
  for (int i = 0; i < top && i < GetDirDataCount();) {
    const bool filtered = (m_nCheckFilter == 1 && !IsInCheckedTree(i)) || (m_nCheckFilter == 2 && HasCheckInSubtree(i));
    if (filtered) {
      if (i == 0) return FALSE;
      const int n = GetNextSibling(i, TRUE) - i;
      RemoveItems(i, n);
      if (c >= i + n) c -= n;  // the current tree keeps its place behind the removed one
      continue;
    }
    if (IsStrike(i)) {
      const int n = GetNextSibling(i, TRUE) - i;
      RemoveItems(i, n);
      if (c != 0 && c >= i && c <= i + n - 1) {
        MakeTreeData();
        if (current != nullptr) *current = c;
        return FALSE;
      }
      if (c > i) c -= n;
      continue;
    }
    ++i;
  }
  if (current != nullptr) *current = c;
  MakeTreeData();
  return TRUE;
}
