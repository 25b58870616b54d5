// How the tree pane shows the outline: tree or chapter display, the tree font, and the check and
// strike-through marks of the selected item.
#include "app/CKestavonDoc.h"
#include "platform/framework/CWinApp.h"
#include "resources/CommandIds.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"
#include "treeview/FontChoice.h"

namespace {

void SetDisplayMode(CTrView& view, int mode) {
  CKestavonDoc* doc = view.GetDocument();
  COwnerListBox* list = view.GetListBox();
  if (!doc || !list) return;
  doc->CommitTextArea();
  list->m_nTreeMode = mode;
  doc->UpdateAllViews(nullptr);
  // At once, so that the next tree pane opens in the same mode.
  AfxWriteProfileInt("View", "Tree", mode);
}

}  // namespace

void CTrView::OnViewTree(wxCommandEvent&) { SetDisplayMode(*this, 0); }
void CTrView::OnViewChapter(wxCommandEvent&) { SetDisplayMode(*this, 1); }
void CTrView::OnUpdateViewTree(wxUpdateUIEvent& event) { event.Check(m_pListBox && m_pListBox->m_nTreeMode == 0); }
void CTrView::OnUpdateViewChapter(wxUpdateUIEvent& event) { event.Check(m_pListBox && m_pListBox->m_nTreeMode == 1); }

void CTrView::OnTreeFont(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox) return;
  doc->CommitTextArea();
  COwnerListBox& list = *m_pListBox;
  LOGFONT lf{};
  if (!ChooseLogFont(this, list.m_fontTree, lf)) return;
  list.m_fontTree.DeleteObject();
  if (list.m_fontTree.CreateFontIndirect(&lf)) SaveProfileFont(list.m_fontTree, "Font");
  LOGFONT variant = lf;
  variant.lfStrikeOut = 1;
  list.m_fontStrike.DeleteObject();
  list.m_fontStrike.CreateFontIndirect(&variant);
  // The bold variant doubles the chosen weight.
  variant.lfStrikeOut = 0;
  variant.lfWeight = lf.lfWeight * 2;
  list.m_fontBold.DeleteObject();
  list.m_fontBold.CreateFontIndirect(&variant);
  MeasureRows();
  doc->UpdateAllViews(nullptr);
}

void CTrView::OnToggleCheck(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) return;
  doc->SaveUndo();
  ATREE& tree = doc->GetTree();
  tree.ToggleCheck(item);
  // Under a check filter the rows that show depend on the marks.
  if (tree.GetCheckFilter() != 0) tree.MakeTreeData();
  EndEdit(item);
}

void CTrView::OnToggleStrike(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) return;
  doc->SaveUndo();
  ATREE& tree = doc->GetTree();
  tree.ToggleStrike(item);
  tree.MakeTreeData();
  EndEdit(item);
}
