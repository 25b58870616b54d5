// The heading-character commands of the tree pane: the style list of the document and whether
// the rows show the heading characters.
#include <wx/event.h>

#include "app/CKestavonDoc.h"
#include "platform/framework/CWinApp.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CShoListDlg.h"
#include "treeview/CTrView.h"

void CTrView::OnHeadingChars(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  CShoListDlg dialog(this);
  dialog.m_shoStr = tree.GetShoStr();
  if (dialog.ShowModal() != wxID_OK) return;
  // Once the styles belong to the file they stay there; the box never takes them out again.
  const int saveInDocument = tree.GetShoStr().GetSaveInDocument() || dialog.m_bSaveInFile ? 1 : 0;
  tree.GetShoStr() = dialog.m_shoStr;
  tree.GetShoStr().SetSaveInDocument(saveInDocument);
  tree.SetNumberStruck(dialog.m_bDellineSho);
  tree.MakeTreeData();
  RefillList(-1);
  doc->SetModifiedFlag();
}

void CTrView::SetHeadingCharsShown(int shown) {
  m_pListBox->m_bShowSho = shown;
  if (!shown) m_pListBox->m_nTreeMode = 0;
  CKestavonDoc* doc = GetDocument();
  if (doc) doc->GetTree().GetProperties().m_nTreeView = shown;
  AfxWriteProfileInt("View", "ViewShoStr", shown);
  if (doc) doc->UpdateAllViews(nullptr);
}

void CTrView::OnToggleHeadingChars(wxCommandEvent&) { SetHeadingCharsShown(m_pListBox->m_bShowSho ? 0 : 1); }

void CTrView::OnUpdateToggleHeadingChars(wxUpdateUIEvent& event) { event.Check(m_pListBox->m_bShowSho != 0); }

void CTrView::OnShowHeadingChars(wxCommandEvent&) { SetHeadingCharsShown(1); }

void CTrView::OnUpdateShowHeadingChars(wxUpdateUIEvent& event) { event.Check(m_pListBox->m_bShowSho != 0); }

void CTrView::OnHideHeadingChars(wxCommandEvent&) { SetHeadingCharsShown(0); }

void CTrView::OnUpdateHideHeadingChars(wxUpdateUIEvent& event) { event.Check(m_pListBox->m_bShowSho == 0); }
