// The tree commands that work on the text and the outline together: the selected text split off
// into a new tree, the next tree joined into the current one, and the character count.
#include <wx/event.h>

#include "app/CKestavonDoc.h"
#include "model/ATREE.h"
#include "platform/base/COleDateTime.h"
#include "platform/framework/CWinApp.h"
#include "resources/CommandIds.h"
#include "textarea/CCountDlg.h"
#include "textarea/CIEditView.h"
#include "textarea/CSplitDlg.h"
#include "textarea/SplitText.h"

void CIEditView::BindSplitJoinCommands() {
  Bind(wxEVT_MENU, &CIEditView::OnSplit, this, ID_TREE_SPLIT);
  Bind(wxEVT_MENU, &CIEditView::OnSplit, this, ID_TREE_SPLIT_BELOW);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateSplit, this, ID_TREE_SPLIT);
  Bind(wxEVT_MENU, &CIEditView::OnJoin, this, ID_TREE_JOIN);
  Bind(wxEVT_UPDATE_UI, &CIEditView::OnUpdateJoin, this, ID_TREE_JOIN);
  Bind(wxEVT_MENU, &CIEditView::OnCountChars, this, ID_VIEW_COUNT_CHARS);
}

void CIEditView::OnSplit(wxCommandEvent& event) {
  if (event.GetId() == ID_TREE_SPLIT_BELOW) GetEditCtrl().SetSel(GetEditCtrl().GetSelStart(), -1);
  SplitSelection([](CSplitDlg& dialog) { return dialog.ShowModal() == wxID_OK; });
}

void CIEditView::OnUpdateSplit(wxUpdateUIEvent& event) { event.Enable(GetEditCtrl().GetSelLength() > 0); }

BOOL CIEditView::SplitSelection(const std::function<bool(CSplitDlg&)>& ask) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return FALSE;
  ATREE& tree = doc->GetTree();
  CWrilaCtrl& edit = GetEditCtrl();
  const int current = doc->GetCurrentTree();
  if (current < 0 || current >= tree.GetDirDataCount()) return FALSE;
  long start = 0;
  long end = 0;
  edit.GetSel(start, end);
  const long top = edit.GetFirstVisibleLine();
  const SplitPart split = ProposeSplit(edit.GetText().Mid(start, end - start));
  const BOOL autoTitle = tree.GetProperties().m_bAutoTitle;

  CSplitDlg dialog(this);
  dialog.m_strTitle = split.title;
  dialog.m_bDeleteFirstLine = AfxGetProfileInt("System", "SplitDell", 0);
  dialog.m_bMoveCaret = AfxGetProfileInt("System", "SplitMove", 0);
  dialog.m_bSameLevel = AfxGetProfileInt("System", "SplitSameLevel", 0);
  dialog.m_bAutoTitle = autoTitle;
  if (AfxGetProfileInt("System", "SplitDlg", 1)) {
    dialog.TransferDataToWindow();
    if (!ask(dialog)) return FALSE;
  }
  edit.SetSel(start, end);
  AfxWriteProfileInt("System", "SplitDell", dialog.m_bDeleteFirstLine);
  AfxWriteProfileInt("System", "SplitMove", dialog.m_bMoveCaret);
  // The top tree has no siblings.
  const BOOL sameLevel = current != 0 && dialog.m_bSameLevel;
  AfxWriteProfileInt("System", "SplitSameLevel", sameLevel);
  if (dialog.m_strTitle.IsEmpty()) return FALSE;

  CString text = SplitTreeText(split, dialog.m_strTitle, autoTitle, dialog.m_bDeleteFirstLine);
  CString title = dialog.m_strTitle;
  // What was typed goes into the item first, so that the undo step brings it back too.
  doc->CommitTextArea();
  doc->SaveUndo();
  edit.ReplaceSel("");
  StoreTextInStep(current);
  const int added = sameLevel ? tree.InsertSibling(current, title, dialog.m_strFile, text, 0, 0, nullptr, FALSE)
                              : tree.InsertTree(current, title, dialog.m_strFile, text, 0, 0, 0, nullptr, TRUE);
  tree.ShowTree(added);
  tree.MakeTreeData();
  doc->SetModifiedFlag(TRUE);
  doc->RefillTreeViews(dialog.m_bMoveCaret ? added : current);
  SetFocus();
  if (!dialog.m_bMoveCaret) {
    edit.LineScroll(top - edit.GetFirstVisibleLine(), 0);
    edit.SetSel(start, start);
  }
  return TRUE;
}

void CIEditView::StoreTextInStep(int item) {
  // Straight into the item: the document's own text store would add an undo step of its own.
  CKestavonDoc* doc = GetDocument();
  ATREE& tree = doc->GetTree();
  tree.SetText(item, GetEditCtrl().GetText());
  tree.EditDirData(item)->m_updated = COleDateTime::GetCurrentTime();
  m_bUnsaved = false;
}

bool CIEditView::CanJoin() const {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return false;
  const ATREE& tree = doc->GetTree();
  const int current = doc->GetCurrentTree();
  return current > 0 && current < tree.GetDirDataCount() - 1 && tree.GetLevel(current + 1) >= tree.GetLevel(current);
}

void CIEditView::OnUpdateJoin(wxUpdateUIEvent& event) { event.Enable(CanJoin()); }

void CIEditView::OnJoin(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !CanJoin()) return;
  ATREE& tree = doc->GetTree();
  CWrilaCtrl& edit = GetEditCtrl();
  const int current = doc->GetCurrentTree();
  const int next = current + 1;
  long start = 0;
  long end = 0;
  edit.GetSel(start, end);
  const long top = edit.GetFirstVisibleLine();
  doc->CommitTextArea();
  doc->SaveUndo();

  CString appended;
  if (!tree.GetProperties().m_bAutoTitle) appended = tree.GetName(next) + "\r\n";
  if (!tree.GetText(next).IsEmpty()) appended += "\r\n" + tree.GetText(next);
  const CString joined = edit.GetText() + "\r\n" + appended;

  if (!tree.HasChildren(next)) {
    tree.DeleteTree(next);
  } else if (tree.GetLevel(next) > tree.GetLevel(current)) {
    // The next tree is the current one's first child: its children move up to the current tree
    // in their order (the last first, each behind the next tree's shrinking subtree), and the
    // current tree's other children stay where they are.
    while (tree.HasChildren(next)) {
      int last = next + 1;
      for (int child = last; child >= 0; child = tree.GetNextSibling(child, FALSE)) last = child;
      tree.PromoteTree(last);
    }
    tree.DeleteTree(next);
  } else {
    // A sibling with children takes the current tree's place and name; the current tree has no
    // children of its own here (the next tree would be one), so it goes alone. It goes first:
    // renamed alike, the two would share a path and the next tree's children would go with it.
    const CString title = tree.GetName(current);
    const CString link = tree.GetDirData(current)->m_strLink;
    tree.DeleteTree(current);
    tree.RenameTree(current, title, link);
  }
  tree.SetText(current, joined);
  tree.EditDirData(current)->m_updated = COleDateTime::GetCurrentTime();
  tree.MakeTreeData();
  doc->SetModifiedFlag(TRUE);
  // The views load the joined text from the item.
  doc->RefillTreeViews(current);
  SetFocus();
  edit.LineScroll(top - edit.GetFirstVisibleLine(), 0);
  edit.SetSel(start, start);
}

void CIEditView::OnCountChars(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  CCountDlg dialog(this, CountOutline(doc->GetTree(), doc->GetCurrentTree(), GetEditCtrl().GetSelText()));
  dialog.ShowModal();
}
