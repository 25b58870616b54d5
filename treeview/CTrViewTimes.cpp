// Time stamps in the tree pane: which of an item's times the rows show, and changing the selected
// item's created and updated times.
#include <wx/event.h>

#include "app/CKestavonDoc.h"
#include "model/CDirData.h"
#include "platform/framework/CWinApp.h"
#include "resources/CommandIds.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTimeStampDlg.h"
#include "treeview/CTrView.h"

namespace {

int TimeModeOf(int command) {
  switch (command) {
    case ID_VIEW_TIME_UPDATED: return 1;
    case ID_VIEW_TIME_CREATED: return 2;
    case ID_VIEW_TIME_VIEWED: return 3;
    default: return 0;
  }
}

}  // namespace

void CTrView::OnTimeMode(wxCommandEvent& event) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || !m_pListBox) return;
  doc->CommitTextArea();
  m_pListBox->m_nTimeMode = TimeModeOf(event.GetId());
  AfxWriteProfileInt("View", "Time", m_pListBox->m_nTimeMode);
  RefillList(-1);
  doc->UpdateAllViews(nullptr);
}

void CTrView::OnUpdateTimeMode(wxUpdateUIEvent& event) {
  event.Check(m_pListBox && m_pListBox->m_nTimeMode == TimeModeOf(event.GetId()));
}

void CTrView::OnChangeTimes(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) return;
  ATREE& tree = doc->GetTree();
  CTimeStampDlg dialog(this);
  dialog.m_timeCreate = tree.GetDirData(item)->GetCreateTime();
  dialog.m_timeUpdate = tree.GetDirData(item)->GetUpdateTime();
  if (dialog.ShowModal() != wxID_OK) return;
  // The times are stored with the document: a change is undoable and needs saving.
  doc->SaveUndo();
  CDirData* data = tree.EditDirData(item);
  data->SetCreateTime(dialog.m_timeCreate);
  data->SetUpdateTime(dialog.m_timeUpdate);
  EndEdit(item);
  doc->UpdateAllViews(nullptr);
}
