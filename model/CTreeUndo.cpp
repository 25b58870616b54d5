#include "model/CTreeUndo.h"

CTreeUndo::CTreeUndo(const ATREE& model, int treeIndex)
    : m_model(model, ATREE::ItemsOnly()), m_nTreeIndex(treeIndex) {}

void CTreeUndo::Restore(ATREE& model, int& treeIndex) const {
  model = m_model;
  model.MakeTreeData();
  treeIndex = m_nTreeIndex;
}
