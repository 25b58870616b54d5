// Sorting the trees below the selected one through the sort dialog.
#include <wx/event.h>

#include "app/CKestavonDoc.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CSortDlg.h"
#include "treeview/CTrView.h"

void CTrView::OnSort(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc || !doc->GetTree().HasChildren(item)) return;
  // Before the dialog: a cancelled sort leaves this step on the stack.
  doc->SaveUndo();
  CSortDlg dialog(this);
  if (dialog.ShowModal() != wxID_OK) return;
  ATREE& tree = doc->GetTree();
  tree.SortTrees(item, dialog.m_nMode, dialog.m_bSameLevel, dialog.m_bNumbers);
  tree.MakeTreeData();
  // The order is part of the document: a sorted outline needs saving.
  EndEdit(item);
}

void CTrView::OnUpdateHasChildren(wxUpdateUIEvent& event) {
  CKestavonDoc* doc = GetDocument();
  const int item = SelectedItem();
  event.Enable(doc && item >= 0 && doc->GetTree().HasChildren(item));
}
