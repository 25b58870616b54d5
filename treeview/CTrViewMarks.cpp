// Marks and check filters of the tree pane: toggling and clearing marks, stepping and jumping to
// marked items, the frame's mark menu, the check filters and the mark texts.
#include <wx/event.h>
#include <wx/utils.h>

#include "app/CKestavonDoc.h"
#include "app/CMarkDlg.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

namespace {

// The check filter each filter command sets.
int FilterOf(int command) {
  switch (command) {
    case ID_VIEW_CHECKED_ONLY:
      return 1;
    case ID_VIEW_UNCHECKED_ONLY:
      return 2;
    default:
      return 0;
  }
}

}  // namespace

void CTrView::RebuildMarkList() {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  m_aMarkPaths.RemoveAll();
  CStringArray names;
  const ATREE& tree = doc->GetTree();
  for (int i = 0; i < tree.GetDirDataCount(); ++i) {
    if (tree.GetBookmark(i) != 1) continue;
    m_aMarkPaths.Add(tree.GetDirData(i)->m_strPath);
    names.Add(tree.GetOutputTitle(i, TRUE));
  }
  // The mark menu is the outline window's.
  IOutlineWindows* windows = Seam<IOutlineWindows>::Get();
  CFrameWnd* frame = GetParentFrame();
  if (!windows || !frame) return;
  windows->SetMarkNames(*frame, names);
  if (m_bReady) windows->UpdateMarkMenu(*frame);
}

int CTrView::CommitForMarkEdit() {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return -1;
  const int item = doc->GetCurrentTree();
  if (item < 0 || item >= doc->GetTree().GetDirDataCount()) return -1;
  doc->CommitTextArea();
  return item;
}

void CTrView::OnMarkToggle(wxCommandEvent&) {
  const int item = CommitForMarkEdit();
  if (item < 0) return;
  CKestavonDoc* doc = GetDocument();
  ATREE& tree = doc->GetTree();
  doc->SaveUndo();
  const int mark = tree.GetBookmark(item);
  if (mark == 0 || mark == 1) tree.SetBookmark(item, 1 - mark);
  RebuildMarkList();
  tree.MakeTreeData();
  RefillList(-1);
  doc->SetModifiedFlag(TRUE);
}

void CTrView::OnMarkClearBelow(wxCommandEvent&) {
  const int item = CommitForMarkEdit();
  if (item < 0) return;
  CKestavonDoc* doc = GetDocument();
  ATREE& tree = doc->GetTree();
  if (AfxMessageBox("配下のﾏｰｸを全て削除しますか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
  doc->SaveUndo();
  tree.ClearMarks(item);
  RefillList(-1);
  RebuildMarkList();
  doc->SetModifiedFlag(TRUE);
}

void CTrView::OnMarkNext(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  int found = doc->FindNextMark(doc->GetCurrentTree() + 1);
  // Round again from the first item below the top, which the wrap never lands on.
  if (found < 0) found = doc->FindNextMark(1);
  if (found < 0) {
    AfxMessageBox("見つかりません");
    return;
  }
  JumpToTree(found);
}

void CTrView::OnMarkPrev(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  int found = doc->FindPrevMark(std::max(doc->GetCurrentTree() - 1, 0));
  if (found < 0) found = doc->FindPrevMark(doc->GetTree().GetDirDataCount() - 1);
  if (found < 0) {
    AfxMessageBox("見つかりません");
    return;
  }
  JumpToTree(found);
}

void CTrView::OnMarkJump(wxCommandEvent& event) {
  CKestavonDoc* doc = GetDocument();
  const int k = event.GetId() - ID_MARK_FIRST;
  if (!doc || !m_pListBox || k < 0 || k >= m_aMarkPaths.GetSize()) return;
  wxBusyCursor wait;
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  const int item = tree.FindPath(m_aMarkPaths[k]);
  // A path the list has not caught up with names no item: nothing is touched.
  if (item < 0) return;
  doc->SetCurrentTree(item);
  tree.ShowTree(item);
  const int row = tree.GetRows().GetRowIndex(item);
  RefillList(row);
  m_pListBox->SetTopIndex(row);
  doc->UpdateAllViews(nullptr);
}

void CTrView::OnCheckFilter(wxCommandEvent& event) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  doc->GetTree().SetCheckFilter(FilterOf(event.GetId()));
  doc->GetTree().MakeTreeData();
  RefillList(-1);
}

void CTrView::OnUpdateCheckFilter(wxUpdateUIEvent& event) {
  CKestavonDoc* doc = GetDocument();
  event.Enable(doc != nullptr);
  event.Check(doc && doc->GetTree().GetCheckFilter() == FilterOf(event.GetId()));
}

void CTrView::LoadMarkTexts() {
  m_strMarkCheck = AfxGetProfileString("Mark", "Check", "○");
  m_strMarkDel = AfxGetProfileString("Mark", "Del", "×");
  m_strMarkDelCheck = AfxGetProfileString("Mark", "Delcheck", "○×");
  m_strMarkNormal = AfxGetProfileString("Mark", "Normal", "");
}

void CTrView::OnMarkText(wxCommandEvent&) {
  CMarkDlg dialog(wxGetTopLevelParent(this));
  dialog.m_strCheck = m_strMarkCheck;
  dialog.m_strDel = m_strMarkDel;
  dialog.m_strDelCheck = m_strMarkDelCheck;
  dialog.m_strNormal = m_strMarkNormal;
  if (dialog.ShowModal() != wxID_OK) return;
  m_strMarkCheck = dialog.m_strCheck;
  m_strMarkDel = dialog.m_strDel;
  m_strMarkDelCheck = dialog.m_strDelCheck;
  m_strMarkNormal = dialog.m_strNormal;
  AfxWriteProfileString("Mark", "Check", m_strMarkCheck);
  AfxWriteProfileString("Mark", "Del", m_strMarkDel);
  AfxWriteProfileString("Mark", "Delcheck", m_strMarkDelCheck);
  AfxWriteProfileString("Mark", "Normal", m_strMarkNormal);
}
