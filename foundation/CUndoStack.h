#pragma once
// Multi-level undo and redo over saved states. The stack knows nothing of what a state holds; it
// owns every unit it keeps and hands back pointers that stay owned by it.
#include <memory>
#include <vector>

#include "platform/base/WinTypes.h"

// A saved state; concrete states derive from it and are destroyed through it.
class CPelkoUndoUnit {
 public:
  virtual ~CPelkoUndoUnit() = default;
};

class CUndoStack {
 public:
  CUndoStack() = default;
  CUndoStack(const CUndoStack&) = delete;
  CUndoStack& operator=(const CUndoStack&) = delete;

  // Takes ownership of the state before a change; returns the new current index.
  int Push(CPelkoUndoUnit* unit);
  int Push(std::unique_ptr<CPelkoUndoUnit> unit);

  // Given the present state, returns the state to restore, or nullptr when there is none (the
  // present state is then not taken). The result stays owned by the stack.
  CPelkoUndoUnit* Undo(CPelkoUndoUnit* present);
  CPelkoUndoUnit* Undo(std::unique_ptr<CPelkoUndoUnit>&& present);
  CPelkoUndoUnit* Redo();

  BOOL CanUndo() const { return m_nCurrent > 0; }
  BOOL CanRedo() const { return m_nCurrent < Count() - 1; }

  // The present state is the saved one. IsAtSavePoint then tells whether undo and redo have come
  // back to it; it stays false once the saved state has been dropped from the stack.
  void SetSavePoint() { m_nSavePoint = m_nCurrent; }
  BOOL IsAtSavePoint() const { return m_nSavePoint == m_nCurrent; }
  // No state is the saved one, as for content that was never written to a file.
  void ForgetSavePoint() { m_nSavePoint = -1; }

 private:
  int Count() const { return static_cast<int>(m_units.size()); }

  // Position 0 is the oldest. Below m_nCurrent: states undo goes back to; at it, once an undo has
  // run, the present state; above it, the states redo goes forward to.
  std::vector<std::unique_ptr<CPelkoUndoUnit>> m_units;
  int m_nCurrent = 0;
  int m_nLimit = 100;
  // The current index at which the present state is the saved one; -1 when that state is gone.
  int m_nSavePoint = 0;
};
