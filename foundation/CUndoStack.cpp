#include "foundation/CUndoStack.h"

int CUndoStack::Push(CPelkoUndoUnit* unit) { return Push(std::unique_ptr<CPelkoUndoUnit>(unit)); }

int CUndoStack::Push(std::unique_ptr<CPelkoUndoUnit> unit) {
  if (Count() >= m_nLimit) {
    m_units.erase(m_units.begin());
    --m_nCurrent;
    if (m_nSavePoint >= 0) --m_nSavePoint;  // below 0: the saved state was the oldest unit
  }
  // A new change ends every redo path, including a present state stored by an earlier undo.
  if (m_nSavePoint > m_nCurrent) m_nSavePoint = -1;
  m_units.resize(static_cast<size_t>(m_nCurrent));
  m_units.push_back(std::move(unit));
  return ++m_nCurrent;
}

CPelkoUndoUnit* CUndoStack::Undo(CPelkoUndoUnit* present) {
  if (m_nCurrent == 0) return nullptr;  // the caller keeps its unit
  std::unique_ptr<CPelkoUndoUnit> owned(present);
  return Undo(std::move(owned));
}

CPelkoUndoUnit* CUndoStack::Undo(std::unique_ptr<CPelkoUndoUnit>&& present) {
  if (m_nCurrent == 0) return nullptr;
  if (m_nCurrent == Count()) {
    m_units.push_back(std::move(present));
  } else {
    // The present state is already stored at the current index by an earlier undo.
    present.reset();
  }
  --m_nCurrent;
  return m_units[static_cast<size_t>(m_nCurrent)].get();
}

CPelkoUndoUnit* CUndoStack::Redo() {
  if (m_nCurrent + 1 >= Count()) return nullptr;
  ++m_nCurrent;
  return m_units[static_cast<size_t>(m_nCurrent)].get();
}
