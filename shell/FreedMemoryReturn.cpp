#include "shell/FreedMemoryReturn.h"

#include <malloc.h>

namespace {

void TrimHeap() { malloc_trim(0); }

}  // namespace

FreedMemoryReturn::FreedMemoryReturn(Return giveBack) : m_giveBack(giveBack ? giveBack : TrimHeap) {}

void FreedMemoryReturn::Follow(int openDocuments) {
  if (openDocuments < m_nOpen) m_giveBack();
  m_nOpen = openDocuments;
}
