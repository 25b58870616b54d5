// The tree pane's date-tree command: its dialog is a secondary view's, so the frame, which sees
// both, asks for the days and has the tree pane add them.
#include "app/CKestavonDoc.h"
#include "shell/CMainFrame.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/desktop/MessageBox.h"
#include "treeview/CTrView.h"
#include "views/CDateTreeDlg.h"

void CMainFrame::OnDateTree(wxCommandEvent&) {
  CMDIChildWnd* child = MDIGetActive();
  auto* doc = child ? dynamic_cast<CKestavonDoc*>(child->GetActiveDocument()) : nullptr;
  auto* view = doc ? dynamic_cast<CTrView*>(doc->GetTreePane()) : nullptr;
  if (!view) return;
  doc->CommitTextArea();
  CDateTreeDlg dialog(this);
  if (dialog.DoModal() != IDOK) return;
  const int first[3] = {dialog.m_timeStart.GetYear(), dialog.m_timeStart.GetMonth(), dialog.m_timeStart.GetDay()};
  const int last[3] = {dialog.m_timeEnd.GetYear(), dialog.m_timeEnd.GetMonth(), dialog.m_timeEnd.GetDay()};
  const CString format = dialog.m_strFormat;
  view->AddDateTrees(first, last, dialog.m_bWeek, dialog.m_bHoliday, dialog.m_bSameLevel,
                     [&format](int y, int m, int d) { return CDateTreeDlg::FormatDate(y, m, d, format); });
}
