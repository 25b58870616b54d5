// Rearranging the outline: moving a tree among its siblings or to a place picked in the outline,
// raising and lowering levels, deleting several trees picked at once, and the join command, which
// the text pane carries out.
#include <wx/event.h>
#include "platform/desktop/CWaitCursor.h"

#include <vector>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "model/CDirData.h"
#include "resources/CommandIds.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"
#include "treeview/CTreePickerDlg.h"

void CTrView::OnMoveUp(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  const int item = SelectedItem();
  if (!doc || item <= 0) return;
  const int prev = doc->GetTree().GetPrevSibling(item);
  if (prev < 0) return;
  doc->CommitTextArea();
  doc->SaveUndo();
  doc->GetTree().MoveTree(item, prev);
  EndEdit(prev);
}

void CTrView::OnUpdateMoveUp(wxUpdateUIEvent& event) {
  const int item = SelectedItem();
  event.Enable(item > 0 && GetDocument()->GetTree().GetPrevSibling(item) >= 0);
}

void CTrView::OnMoveDown(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  const int item = SelectedItem();
  if (!doc || item <= 0) return;
  ATREE& tree = doc->GetTree();
  const int next = tree.GetNextSibling(item, FALSE);
  if (next < 0) return;
  doc->CommitTextArea();
  doc->SaveUndo();
  const int moved = tree.MoveTree(next, item);
  EndEdit(item + moved);
}

void CTrView::OnUpdateMoveDown(wxUpdateUIEvent& event) {
  const int item = SelectedItem();
  event.Enable(item > 0 && GetDocument()->GetTree().GetNextSibling(item, FALSE) >= 0);
}

void CTrView::OnLevelUp(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc || item == 0) return;
  doc->SaveUndo();
  EndEdit(doc->GetTree().PromoteTree(item));
}

void CTrView::OnUpdateLevelUp(wxUpdateUIEvent& event) {
  const int item = SelectedItem();
  event.Enable(item > 0 && GetDocument()->GetTree().GetLevel(item) >= 2);
}

void CTrView::OnLevelDown(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc || item == 0) return;
  doc->SaveUndo();
  const CKestavonApp* app = GetKestavonApp();
  const int moved = doc->GetTree().DemoteTree(item, app ? app->m_bLevelDownOpen : 1);
  if (moved < 0) return;
  EndEdit(moved);
}

void CTrView::OnLevelDownFollowing(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc || item == 0) return;
  ATREE& tree = doc->GetTree();
  doc->SaveUndo();
  const int end = tree.GetNextSibling(tree.GetParent(item), TRUE);
  // Each following sibling lands under the one before it, which after the first step is the item.
  for (int i = item + 1; i < end; i = tree.GetNextSibling(i, TRUE)) tree.DemoteTree(i, TRUE);
  EndEdit(item);
}

void CTrView::OnUpdateLevelDownFollowing(wxUpdateUIEvent& event) {
  const int item = SelectedItem();
  const ATREE& tree = GetDocument()->GetTree();
  event.Enable(item > 0 && item + 1 < tree.GetDirDataCount() && tree.GetLevel(item + 1) == tree.GetLevel(item));
}

void CTrView::OnLevelUpFollowing(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc || item == 0) return;
  ATREE& tree = doc->GetTree();
  doc->SaveUndo();
  std::vector<int> children;
  if (tree.HasChildren(item))
    for (int c = item + 1; c >= 0; c = tree.GetNextSibling(c, FALSE)) children.push_back(c);
  // From the last: each raised child lands right after the item's subtree, before those raised
  // already, so the children keep their order.
  for (auto c = children.rbegin(); c != children.rend(); ++c) tree.PromoteTree(*c);
  EndEdit(item);
}

void CTrView::OnUpdateLevelUpFollowing(wxUpdateUIEvent& event) {
  const int item = SelectedItem();
  const ATREE& tree = GetDocument()->GetTree();
  event.Enable(item > 0 && item + 1 < tree.GetDirDataCount() && tree.GetLevel(item + 1) == tree.GetLevel(item) + 1);
}

void CTrView::OnJoin(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  CTextPane* text = doc ? doc->GetTextView() : nullptr;
  if (!text) return;
  CView& view = text->GetPaneView();
  wxCommandEvent join(wxEVT_MENU, ID_TREE_JOIN);
  join.SetEventObject(&view);
  view.GetEventHandler()->ProcessEvent(join);
}

void CTrView::OnTreeMove(wxCommandEvent&) {
  int source = -1;
  CKestavonDoc* doc = BeginEdit(source);
  // The top tree holds the whole outline: it has nowhere to go.
  if (!doc || source == 0) return;
  ATREE& tree = doc->GetTree();
  CTreeMoveDlg dialog(this);
  dialog.m_pTree = &tree;
  dialog.m_nIndex = source;
  if (dialog.ShowModal() != wxID_OK) return;
  const int target = dialog.m_nIndex;
  const int end = tree.GetNextSibling(source, TRUE);
  // A target inside the moved tree would be deleted with it: refused, as a drop there is.
  if (target < 0 || (target >= source && target < end)) return;
  const BOOL sameLevel = dialog.m_bSameLevel && target != 0;
  doc->SaveUndo();
  // Moved records keep their times: the items are the same items in another place.
  CString records = tree.GetSubtreeRecords(source, TRUE);
  if (source < target) {
    PasteRecords(target, records, sameLevel);
    tree.DeleteTree(source);
  } else {
    tree.DeleteTree(source);
    PasteRecords(target, records, sameLevel);
  }
  tree.MakeTreeData();
  // The row selected is the item that now stands at the chosen index.
  EndEdit(target);
}

void CTrView::OnDeleteSeveral(wxCommandEvent&) {
  int selected = -1;
  CKestavonDoc* doc = BeginEdit(selected);
  if (!doc) return;
  ATREE& tree = doc->GetTree();
  CTreeMultiDlg dialog(this);
  dialog.m_pTree = &tree;
  dialog.m_nIndex = selected;
  if (dialog.ShowModal() != wxID_OK || dialog.m_checkArray.GetSize() == 0) return;
  CWaitCursor wait;
  std::vector<int> items;
  for (int i = 0; i < dialog.m_checkArray.GetSize(); ++i) {
    const int item = static_cast<int>(dialog.m_checkArray[i]);
    // The top tree holds the whole outline and is never deleted.
    if (item > 0 && item < tree.GetDirDataCount()) items.push_back(item);
  }
  if (items.empty()) return;
  doc->SaveUndo();
  // One pass over the outline, a ticked child of a ticked parent going with its parent.
  tree.DeleteTrees(items);
  const int count = tree.GetDirDataCount();
  EndEdit(selected >= count - 1 ? count - 1 : selected);
}
