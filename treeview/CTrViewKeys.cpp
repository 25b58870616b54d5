// The tree pane's navigation commands (first, last and parent tree), the redraw and tree/text
// display commands, the current tree's title for the text pane, selecting a tree by index, and the
// auto-save that the pane's timer drives.
#include <wx/timer.h>

#include "app/CEdSetDlg.h"
#include "app/CKestavonDoc.h"
#include "foundation/CFileBackup.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CWinApp.h"
#include "resources/CommandIds.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

namespace {

// The pane looks at the clock this often; the interval of the setting is counted in minutes.
constexpr int kAutoSaveTickMs = 10000;

}  // namespace

void CTrView::OnGoFirst(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox || m_pListBox->GetCount() == 0) return;
  doc->CommitTextArea();
  m_pListBox->SetCurSel(0);
  doc->SetCurrentTree(0);
  UpdateStatusBar();
  doc->UpdateAllViews(nullptr);
}

void CTrView::OnGoLast(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox || m_pListBox->GetCount() == 0) return;
  doc->CommitTextArea();
  // The last shown row: a folded or filtered outline ends before its last item.
  m_pListBox->SetCurSel(m_pListBox->GetCount() - 1);
  doc->SetCurrentTree(m_pListBox->GetCurTree());
  UpdateStatusBar();
  doc->UpdateAllViews(nullptr);
}

void CTrView::OnGoParent(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  const int item = SelectedItem();
  if (!doc || item <= 0) return;
  doc->CommitTextArea();
  const int row = doc->GetTree().GetRows().GetRowIndex(doc->GetTree().GetParent(item));
  if (row >= 0) SelectRowAndNotify(row);
}

void CTrView::OnUpdateGoParent(wxUpdateUIEvent& event) {
  CKestavonDoc* doc = GetDocument();
  event.Enable(doc && doc->GetCurrentTree() != 0);
}

void CTrView::OnRedraw(wxCommandEvent&) { RefillList(-1); }

void CTrView::OnTreeTextOnly(wxCommandEvent&) {
  if (CFrameWnd* frame = GetParentFrame()) frame->SendCommand(ID_VIEW_TEXT_ONLY);
}

CString CTrView::GetCurTreeTitle() const {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return CString();
  const int item = doc->GetCurrentTree();
  const ATREE& tree = doc->GetTree();
  return item >= 0 && item < tree.GetDirDataCount() ? tree.GetName(item) : CString();
}

void CTrView::SetCurTreeTitle(const char* title) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  const int item = doc->GetCurrentTree();
  ATREE& tree = doc->GetTree();
  if (item < 0 || item >= tree.GetDirDataCount()) return;
  tree.RenameTree(item, title, tree.GetLink(item));
  doc->SetModifiedFlag(TRUE);
  RefillList(-1);
}

void CTrView::SelectTree(int item) {
  CKestavonDoc* doc = GetDocument();
  if (!m_bReady || !doc) return;
  doc->CommitTextArea();
  if (item < 0 || item >= doc->GetTree().GetDirDataCount()) return;
  const int row = doc->GetTree().GetRows().GetRowIndex(item);
  if (row < 0) return;
  m_pListBox->SetCurSel(row);
  doc->SetCurrentTree(m_pListBox->GetCurTree());
  UpdateStatusBar();
  doc->UpdateAllViews(nullptr, CKestavonDoc::kHintCurrentItem);
}

void CTrView::GoToTree(int item) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox || item < 0 || item >= doc->GetTree().GetDirDataCount()) return;
  doc->CommitTextArea();
  ATREE& tree = doc->GetTree();
  if (tree.GetRows().GetRowIndex(item) < 0) tree.ShowTree(item);
  RefillList(tree.GetRows().GetRowIndex(item));
  UpdateStatusBar();
  doc->UpdateAllViews(nullptr, CKestavonDoc::kHintCurrentItem);
}

void CTrView::StartAutoSave() {
  m_bAutoSave = AfxGetProfileInt("System", "AutoSave", 0);
  m_nSaveTime = AfxGetProfileInt("System", "SaveTime", 5);
  m_strEditor = AfxGetProfileString("System", "Editor", CEdSetDlg::kDefaultEditor);
  m_timeAutoSave = COleDateTime::GetCurrentTime();
  // No timer reaches the pane otherwise; an auto-save that is switched on must run.
  if (!m_bAutoSave) return;
  m_pAutoSaveTimer = std::make_unique<wxTimer>(this);
  Bind(wxEVT_TIMER, &CTrView::OnAutoSaveTimer, this, m_pAutoSaveTimer->GetId());
  m_pAutoSaveTimer->Start(kAutoSaveTickMs);
}

void CTrView::OnAutoSaveTimer(wxTimerEvent&) { AutoSave(COleDateTime::GetCurrentTime()); }

void CTrView::AutoSave(const COleDateTime& now) {
  CKestavonDoc* doc = GetDocument();
  if (!m_bAutoSave || !doc) return;
  doc->CommitTextArea();
  if (!doc->IsModified() || !(now > m_timeAutoSave + COleDateTimeSpan(0, 0, m_nSaveTime, 0))) return;
  m_timeAutoSave = now;
  const CString path = doc->GetPathName();
  if (path.IsEmpty() || !doc->IsWritable(path)) return;
  if (AfxGetProfileInt("System", "AutoSaveMode", 0) == 1) {
    // A copy beside the document: the document keeps its path, lock and modified state.
    doc->SaveFile(CFileBackup().GetBackupFileName(path), TRUE);
  } else {
    doc->SaveFile(path, FALSE);
  }
}
