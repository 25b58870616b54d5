#include "model/CTreeUndo.h"

CTreeUndo::CTreeUndo(const ATREE& model, int treeIndex) : m_model(model), m_nTreeIndex(treeIndex) {
  m_model.DropRows();
}

void CTreeUndo::Restore(ATREE& model, int& treeIndex) const {
  model = m_model;
  model.MakeTreeData();
  treeIndex = m_nTreeIndex;
}
