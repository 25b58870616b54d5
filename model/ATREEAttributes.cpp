// Title-output setting and category of every item below one item, the item itself unchanged.
#include "model/ATREE.h"

void ATREE::SetBelowAttributes(int item, int output, int category) {
  static const int bits[] = {0, 0x4, 0xC, 0x1C};
  constexpr int kOutputBits = 0x1C;
  if (output < -1 || output > 3) return;
  const int end = GetNextSibling(item, TRUE);
  for (int j = item + 1; j < end; ++j) {
    // Only what the caller sets changes: marks, bold and colour marks stay.
    if (output != -1) {
      CDirData* d = EditDirData(j);
      d->m_nStatus = (d->m_nStatus & ~kOutputBits) | bits[output];
    }
    if (category != -1 && GetDirData(j)->GetCategory() != category) EditDirData(j)->SetCategory(category);
  }
  MakeTreeData();
}
