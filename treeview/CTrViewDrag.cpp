// Moving a tree with the mouse: a press on a row arms the drag, moving the selection onto another
// row starts it, and the release drops the tree there, as a child of the row's tree, at its place
// or below it, as the drag-and-drop mode and, when asked, the user say.
#include <wx/cursor.h>
#include <wx/event.h>
#include <wx/utils.h>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "model/CDirData.h"
#include "model/CTreeData.h"
#include "treeview/CDragDropDlg.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

namespace {

// The old fixed rule: onto a tree with children as a child, onto one without at its place.
constexpr int kModeOff = 0;
constexpr int kModeAsk = 1;
constexpr int kModeOldRule = 3;

}  // namespace

void CTrView::OnListLButtonDown() {
  const CKestavonApp* app = GetKestavonApp();
  if (!m_pListBox || !app || app->m_nDragDropMode <= kModeOff) return;
  m_bDragArmed = 1;
  m_bDragStarted = 0;
  m_nDragSource = m_pListBox->GetCurTree();
  m_nDragSourceRow = m_pListBox->GetCurSel();
}

void CTrView::OnListMouseMove() {
  if (!m_bDragArmed || m_bDragStarted || m_pListBox->GetCurTree() == m_nDragSource) return;
  m_pListBox->SetCursor(wxCursor(wxCURSOR_HAND));
  m_bDragStarted = 1;
}

void CTrView::CancelDrag() {
  m_bDragArmed = 0;
  m_bDragStarted = 0;
  if (m_pListBox) m_pListBox->SetCursor(wxNullCursor);
}

void CTrView::OnListLButtonUp() {
  if (!m_bDragArmed) return;
  CancelDrag();
  CKestavonDoc* doc = GetDocument();
  const int target = m_pListBox->GetCurTree();
  const int row = m_pListBox->GetCurSel();
  const int source = m_nDragSource;
  if (!doc || target < 0 || source <= 0 || target == source) return;
  ATREE& tree = doc->GetTree();
  // A tree cannot go into itself.
  if (target > source && target < tree.GetNextSibling(source, TRUE)) return;

  doc->CommitTextArea();
  doc->SaveUndo();
  CKestavonApp* app = GetKestavonApp();
  const int mode = app ? app->m_nDragDropMode : kModeAsk;
  int position = AfxGetProfileInt("System", "DragDropPos", 0);
  bool ask = false;
  if (tree.HasChildren(target)) {
    ask = mode == kModeAsk && row != 0;
    if (!ask && (mode == kModeOldRule || row == 0)) position = CDragDropDlg::kAsChild;
  } else {
    ask = mode == kModeAsk;
    if (!ask && mode == kModeOldRule) position = CDragDropDlg::kAtPlace;
  }
  if (ask) {
    CDragDropDlg dialog(this);
    dialog.m_nMode = mode;
    if (dialog.ShowModal() != wxID_OK) {
      m_pListBox->SetCurSel(m_nDragSourceRow);
      doc->SetCurrentTree(m_pListBox->GetCurTree());
      UpdateStatusBar();
      doc->UpdateAllViews(nullptr, CKestavonDoc::kHintCurrentItem);
      return;
    }
    position = dialog.m_nPosition;
  }
  DropTree(source, target, position);
}

BOOL CTrView::DropTree(int source, int target, int position) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return FALSE;
  ATREE& tree = doc->GetTree();
  const int end = tree.GetNextSibling(source, TRUE);
  if (source <= 0 || target < 0 || target == source || (target > source && target < end)) return FALSE;
  const bool sourceAfter = source > target;
  const int size = end - source;
  // Dragged items keep their times: they are the same items in another place.
  CString records = tree.GetSubtreeRecords(source, TRUE);
  // The other index stays valid when the later of the two places changes first.
  if (sourceAfter) tree.DeleteTree(source);
  int first;
  if (position == CDragDropDlg::kAsChild && tree.HasChildren(target)) {
    // Under a folded tree the pasted tree is hidden (-1): the target stays selected.
    first = PasteRecords(target, records, FALSE);
  } else if (position == CDragDropDlg::kAsChild) {
    first = tree.PasteTreeRecords(target, records, FALSE);
  } else if (position == CDragDropDlg::kAtPlace) {
    // At the target's place: before it, or after it when the tree came from above, so that it
    // takes the place the target had.
    first = tree.InsertTreeRecords(target, records, tree.HasChildren(target) || sourceAfter ? FALSE : TRUE);
  } else {
    first = tree.InsertTreeRecords(target, records, TRUE);
  }
  if (!sourceAfter) tree.DeleteTree(source);
  if (first >= 0 && !sourceAfter) first -= size;
  tree.MakeTreeData();
  doc->SetModifiedFlag(TRUE);
  const int targetNow = sourceAfter ? target : target - size;
  const int select = first >= 0 && tree.GetRows().GetRowIndex(first) >= 0 ? first : targetNow;
  RebuildMarkList();
  RefillList(tree.GetRows().GetRowIndex(select));
  UpdateStatusBar();
  return TRUE;
}

void CTrView::ShowStatusPath(int x, int y) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox) return;
  const int row = m_pListBox->ItemFromPoint(x, y);
  const CTreeData* data = row >= 0 ? m_pListBox->GetItemDataPtr(row) : nullptr;
  const int item = data ? data->m_nItem : m_pListBox->GetCurTree();
  const ATREE& tree = doc->GetTree();
  if (item < 0 || item >= tree.GetDirDataCount()) return;
  const CKestavonApp* app = GetKestavonApp();
  CString text = tree.GetName(item);
  const CString& path = tree.GetDirData(item)->m_strPath;
  const int separator = path.Find('\x01');
  if ((!app || app->m_bStatusBarFull) && separator >= 0) {
    text = path.Mid(separator + 1);
    text.Replace("\x01", " > ");
  }
  SetStatusText(text);
}

void CTrView::OnStatusPath(wxCommandEvent&) {
  if (!m_pListBox) return;
  const wxPoint at = m_pListBox->ScreenToClient(wxGetMousePosition());
  ShowStatusPath(at.x, at.y);
}
