// Going back and forward among the items shown before, the lists of the recently updated and
// recently displayed items, and the jump to the item named on the command line.
#include <wx/event.h>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "platform/desktop/MessageBox.h"
#include "treeview/CTrView.h"
#include "treeview/CTreeListDlg.h"

namespace {

constexpr int kRecentLimit = 100;

}  // namespace

void CTrView::OnBack(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || doc->GetCurrentTree() < 0) return;
  const int item = doc->GetTree().GoBack(doc->GetCurrentTree());
  if (item != -1) GoToTree(item);
}

void CTrView::OnForward(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  const int item = doc->GetTree().GoForward();
  if (item != -1) GoToTree(item);
}

void CTrView::OnUpdateForward(wxUpdateUIEvent& event) {
  CKestavonDoc* doc = GetDocument();
  event.Enable(doc && doc->GetTree().HasForward());
}

void CTrView::OnRecentUpdated(wxCommandEvent&) { ShowRecentList(TRUE); }
void CTrView::OnRecentViewed(wxCommandEvent&) { ShowRecentList(FALSE); }

void CTrView::ShowRecentList(BOOL updated) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  if (updated) doc->CommitTextArea();
  const ATREE& tree = doc->GetTree();
  std::vector<const CDirData*> items;
  const int count = updated ? tree.ListRecentUpdated(0, items, kRecentLimit)
                            : tree.ListRecentDisplayed(0, items, kRecentLimit);
  if (count == 0) {
    if (updated) AfxMessageBox("更新情報のあるツリーがありません");
    return;
  }
  CTreeListDlg dialog(this, items, tree);
  if (!updated) dialog.m_strCaption = "ツリー表示順リスト";
  if (dialog.ShowModal() == wxID_OK && dialog.m_nResult >= 0) GoToTree(dialog.m_nResult);
}

void CTrView::OnCursorJump(wxCommandEvent&) {
  CKestavonApp* app = GetKestavonApp();
  CKestavonDoc* doc = GetDocument();
  if (!app || !doc) return;
  if (app->m_nJumpNumber != 0) {
    const int number = app->m_nJumpNumber;
    app->m_nJumpNumber = 0;
    if (number < doc->GetTree().GetDirDataCount()) GoToTree(number - 1);
  } else if (!app->m_strJumpTitle.IsEmpty()) {
    const int found = doc->GetTree().FindName(app->m_strJumpTitle);
    app->m_strJumpTitle.Empty();
    if (found != -1) GoToTree(found);
  }
}
