#pragma once
// An undo snapshot of a whole outline and its current tree index. The copy shares every item with
// the model it was taken from until one side changes it, and keeps no rows: restoring rebuilds them.
#include "foundation/CUndoStack.h"
#include "model/ATREE.h"

class CTreeUndo : public CPelkoUndoUnit {
 public:
  CTreeUndo(const ATREE& model, int treeIndex);
  // Copies the stored model into the given one (the unit keeps its copy) and gives back the index.
  void Restore(ATREE& model, int& treeIndex) const;

 private:
  ATREE m_model;
  int m_nTreeIndex;
};
