// Find and replace over the outline from the tree pane: find, find next and previous, the search
// list, replace in trees, and the jump to an item that they and the mark commands share.
#include <wx/event.h>
#include <wx/utils.h>

#include "app/CFindListDlg.h"
#include "app/CKestavonDoc.h"
#include "app/CRepDlg.h"
#include "app/CSearchDlg.h"
#include "app/SearchSupport.h"
#include "model/CDirData.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

namespace {

constexpr char kNotFound[] = "見つかりません";

}  // namespace

void CTrView::JumpToTree(int item) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox) return;
  ATREE& tree = doc->GetTree();
  if (item < 0 || item >= tree.GetDirDataCount()) return;
  doc->SetCurrentTree(item);
  if (tree.GetView(item) == 0) {
    tree.ShowTree(item);
    RefillList(tree.GetRows().GetRowIndex(item));
    return;
  }
  if (m_pListBox->GetCurTree() == item) return;
  m_pListBox->SetCurSel(tree.GetRows().GetRowIndex(item));
  UpdateStatusBar();
  doc->UpdateAllViews(nullptr);
}

void CTrView::HandHitToText(bool fromEnd, int command) {
  CKestavonDoc* doc = GetDocument();
  CFrameWnd* frame = GetParentFrame();
  CTextPane* text = doc ? doc->GetTextView() : nullptr;
  if (!text) return;
  CView& view = text->GetPaneView();
  const long caret = fromEnd ? std::max(text->GetPaneTextLength() - 1, 0L) : 0;
  text->SetTextSelection(caret, caret);
  wxCommandEvent event(wxEVT_MENU, command);
  view.GetEventHandler()->ProcessEvent(event);
  if (frame) frame->SetActiveView(&view);
  doc->GetTree().GetSearch().ClearFoundInText();
}

void CTrView::ShowFoundTree(int found) {
  if (found < 0) {
    AfxMessageBox(kNotFound);
    return;
  }
  JumpToTree(found);
  if (GetDocument()->GetTree().GetSearch().GetFoundInText()) HandHitToText(false, ID_WORK_FIND_SELECT);
}

void CTrView::TakeSearchOptions(const CSearchDlg& dialog) {
  ATREE& tree = GetDocument()->GetTree();
  tree.GetSearch().SetSearchText(dialog.m_strSearch);
  ShowInFindBox(dialog.m_strSearch);
  tree.GetSearch().SetSearchOptions(dialog.m_bCase, dialog.m_bWidth, dialog.m_nMulti);
  tree.GetSearch().SetSearchTargets(dialog.m_bTitle, dialog.m_bTextArea, dialog.m_bLink);
  tree.GetSearch().SetRegExpSearch(dialog.m_bRegExp);
  tree.GetSearch().SetCategoryFilter(dialog.m_nCategory);
  tree.GetSearch().SetUpdateRange(dialog.m_timeFrom, dialog.m_timeTo);
}

void CTrView::OnEditFind(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  ATREE& tree = doc->GetTree();
  CSearchDlg dialog(wxGetTopLevelParent(this), CSearchDlg::kTreeMode, &tree.GetProperties().GetCategories());
  doc->CommitTextArea();
  if (dialog.ShowModal() != wxID_OK) return;
  TakeSearchOptions(dialog);
  doc->CommitTextArea();
  int found = -1;
  if (!RunGuardedSearch([&] { found = tree.GetSearch().FindText(tree, 0, TRUE); })) return;
  ShowFoundTree(found);
}

void CTrView::OnFindNext(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  int found = -1;
  if (!RunGuardedSearch([&] { found = tree.GetSearch().FindText(tree, doc->GetCurrentTree(), FALSE); })) return;
  ShowFoundTree(found);
}

void CTrView::OnFindPrev(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  const int start = std::max(doc->GetCurrentTree() - 1, 0);
  int found = -1;
  if (!RunGuardedSearch([&] { found = tree.GetSearch().FindTextBackward(tree, start); })) return;
  if (found < 0) {
    AfxMessageBox(kNotFound);
    return;
  }
  JumpToTree(found);
  if (tree.GetSearch().GetFoundInText()) HandHitToText(true, ID_EDIT_FIND_PREV);
}

void CTrView::OnUpdateFindNext(wxUpdateUIEvent& event) {
  CKestavonDoc* doc = GetDocument();
  event.Enable(doc && doc->GetTree().GetSearch().HasSearchCondition());
}

void CTrView::OnSearchList(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  ATREE& tree = doc->GetTree();
  CSearchDlg dialog(wxGetTopLevelParent(this), CSearchDlg::kListMode, &tree.GetProperties().GetCategories());
  doc->CommitTextArea();
  if (CTextPane* text = doc->GetTextView()) {
    const CString selected = text->GetPaneSelText();
    if (!selected.IsEmpty()) dialog.m_strSearch = selected;
  }
  if (dialog.ShowModal() != wxID_OK) return;
  TakeSearchOptions(dialog);
  doc->CommitTextArea();
  const int start = dialog.m_bSelectOnly ? std::max(doc->GetCurrentTree(), 0) : 0;
  std::vector<const CDirData*> hits;
  if (!RunGuardedSearch([&] { tree.GetSearch().FindAllText(tree, start, hits); })) return;
  if (hits.empty()) {
    AfxMessageBox(kNotFound);
    return;
  }
  CFindListDlg list(wxGetTopLevelParent(this), &tree, std::move(hits));
  if (list.ShowModal() != wxID_OK) return;
  JumpToTree(list.m_nResult);
  if (list.m_bFound) HandHitToText(false, ID_WORK_FIND_SELECT);
}

void CTrView::OnEditReplace(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  CRepDlg dialog(wxGetTopLevelParent(this), FALSE);
  if (dialog.ShowModal() != wxID_OK) return;
  ATREE& tree = doc->GetTree();
  const int item = doc->GetCurrentTree();
  if (item < 0 || item >= tree.GetDirDataCount()) return;
  wxBusyCursor wait;
  // What the user typed goes into the item first, so the replace covers it and the text pane's
  // reload cannot put the old text back over the replaced one.
  doc->CommitTextArea();
  doc->SaveUndo();
  int count = 0;
  const bool ran = RunGuardedSearch([&] {
    count = tree.GetSearch().ReplaceInTrees(tree, item, dialog.m_strFind, dialog.m_strReplace, dialog.m_bTextArea,
                                            dialog.m_bRegExp);
  });
  doc->SetModifiedFlag(TRUE);
  RefillList(-1);
  if (!ran) return;
  if (dialog.m_bRegExp) {
    AfxMessageBox("置換を完了しました");
    return;
  }
  CString report;
  report.Format("%d個を置換しました", count);
  AfxMessageBox(report);
}

void CTrView::OnUpdateEditReplace(wxUpdateUIEvent& event) {
  CKestavonDoc* doc = GetDocument();
  event.Enable(doc && doc->GetCurrentTree() >= 0);
}
