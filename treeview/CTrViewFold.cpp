// Folding of the tree pane: showing and hiding the levels below the current item, staged display,
// fold-or-move steps and the scroll commands.
#include <wx/event.h>

#include <functional>

#include "app/CKestavonDoc.h"
#include "model/CTreeData.h"
#include "resources/CommandIds.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

int CTrView::SelectedFoldState() const {
  const CTreeData* row = m_pListBox ? m_pListBox->GetItemDataPtr(m_pListBox->GetCurSel()) : nullptr;
  return row ? row->m_nFold : -1;
}

void CTrView::ChangeFolding(const std::function<void(ATREE&, int)>& change) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox) return;
  const int item = m_pListBox->GetCurTree();
  if (item < 0) return;
  doc->CommitTextArea();
  change(doc->GetTree(), item);
  RefillList(-1);
}

void CTrView::ShowSubtree(int levels) {
  ChangeFolding([levels](ATREE& tree, int item) { tree.ExpandLevels(item, levels); });
}

void CTrView::HideSubtree() {
  ChangeFolding([](ATREE& tree, int item) { tree.CollapseAll(item); });
}

void CTrView::SelectRowAndNotify(int row) {
  m_pListBox->SetCurSel(row);
  wxCommandEvent event;
  OnSelChange(event);
}

void CTrView::OnShowBelow(wxCommandEvent&) { ShowSubtree(1); }
void CTrView::OnUpdateShowBelow(wxUpdateUIEvent& event) { event.Enable(SelectedFoldState() == 1); }
void CTrView::OnHideBelow(wxCommandEvent&) { HideSubtree(); }
void CTrView::OnUpdateHideBelow(wxUpdateUIEvent& event) { event.Enable(SelectedFoldState() == 2); }

void CTrView::OnShowAllBelow(wxCommandEvent&) {
  ChangeFolding([](ATREE& tree, int item) { tree.ExpandAll(item); });
}

void CTrView::OnUpdateShowAllBelow(wxUpdateUIEvent& event) {
  const int state = SelectedFoldState();
  if (state != 2) {
    event.Enable(state == 1);
    return;
  }
  const ATREE& tree = GetDocument()->GetTree();
  const int item = m_pListBox->GetCurTree();
  const int end = tree.GetNextSibling(item, TRUE);
  const int last = end < 0 ? tree.GetDirDataCount() : end;
  bool hidden = false;
  for (int j = item + 1; j < last && !hidden; ++j) hidden = tree.GetView(j) == 0;
  event.Enable(hidden);
}

void CTrView::OnShowLevels(wxCommandEvent& event) { ShowSubtree(event.GetId() - ID_TREE_SHOW_LEVELS2 + 2); }

void CTrView::OnToggleBelow(wxCommandEvent&) {
  if (SelectedFoldState() == 2) {
    HideSubtree();
  } else {
    ShowSubtree(1);
  }
}

void CTrView::OnUpdateToggleBelow(wxUpdateUIEvent& event) {
  CKestavonDoc* doc = GetDocument();
  const int item = m_pListBox ? m_pListBox->GetCurTree() : -1;
  if (!doc || item < 0) return;
  event.Enable(doc->GetTree().HasChildren(item) != 0);
}

void CTrView::OnShowOrDown(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox) return;
  doc->CommitTextArea();
  const int item = m_pListBox->GetCurTree();
  const ATREE& tree = doc->GetTree();
  if (item >= 0 && tree.HasChildren(item) && !tree.IsExpanded(item)) {
    ShowSubtree(1);
  } else {
    SelectNextRow();
  }
}

void CTrView::OnHideOrUp(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox) return;
  doc->CommitTextArea();
  const int item = m_pListBox->GetCurTree();
  if (item < 0) return;
  const ATREE& tree = doc->GetTree();
  if (tree.HasChildren(item) && tree.IsExpanded(item)) {
    HideSubtree();
  } else if (item > 0) {
    SelectRowAndNotify(tree.GetRows().GetRowIndex(tree.GetParent(item)));
  }
}

void CTrView::OnScrollUp(wxCommandEvent&) {
  if (m_pListBox && m_pListBox->GetTopIndex() >= 1) m_pListBox->SetTopIndex(m_pListBox->GetTopIndex() - 1);
}

void CTrView::OnScrollDown(wxCommandEvent&) {
  if (m_pListBox && m_pListBox->GetTopIndex() < m_pListBox->GetCount() - 1) {
    m_pListBox->SetTopIndex(m_pListBox->GetTopIndex() + 1);
  }
}
