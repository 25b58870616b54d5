// Attributes of items from the tree pane: the title-output setting and category of a subtree, the
// colour of the selected item's row; the document file's properties; and the text pane's commands
// that reach the tree pane.
#include <sys/stat.h>

#include <wx/event.h>

#include "app/CKestavonDoc.h"
#include "app/ColorChoice.h"
#include "model/CDirData.h"
#include "platform/framework/CView.h"
#include "platform/base/CodePage.h"
#include "platform/services/FileManager.h"
#include "platform/desktop/MessageBox.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"
#include "treeview/CTreePropDlg.h"

void CTrView::OnTreeAttributes(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc) return;
  ATREE& tree = doc->GetTree();
  CTreePropDlg dialog(this, tree.GetProperties().GetCategories());
  if (dialog.ShowModal() != wxID_OK) return;
  if (dialog.m_nOutput == -1 && dialog.m_nCategory == -1) return;
  // The items' attributes are part of the document: undoable, and the document needs saving.
  doc->SaveUndo();
  tree.SetBelowAttributes(item, dialog.m_nOutput, dialog.m_nCategory);
  EndEdit(item);
}

void CTrView::OnTreeColor(wxCommandEvent&) {
  int item = -1;
  CKestavonDoc* doc = BeginEdit(item);
  if (!doc || !m_pListBox) return;
  doc->SaveUndo();
  ATREE& tree = doc->GetTree();
  const CDirData* data = tree.GetDirData(item);
  const COLORREF initial = data->m_nIdDigit ? static_cast<COLORREF>(data->m_nIdHigh) : m_pListBox->m_crText;
  COLORREF chosen = initial;
  if (!ChooseColorRef(this, chosen) || chosen == initial) return;
  tree.SetTreeColor(item, static_cast<int>(chosen));
  doc->SetModifiedFlag(TRUE);
  m_pListBox->Refresh(true);
}

void CTrView::OnProperties(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || doc->GetPathName().IsEmpty()) return;
  const CString path = doc->GetPathName();
  if (ShowPropertiesInFileManager(path)) return;
  // Without a file manager that answers, the file's own facts.
  struct stat st;
  if (stat(CP932ToUTF8(path.str()).c_str(), &st) != 0) {
    AfxMessageBox("ファイルが見つかりませんでした");
    return;
  }
  char modified[32] = {};
  struct tm local;
  localtime_r(&st.st_mtime, &local);
  strftime(modified, sizeof(modified), "%Y/%m/%d %H:%M:%S", &local);
  CString facts;
  facts.Format("%s\n\nサイズ: %lld バイト\n更新日時: %s", static_cast<const char*>(path),
               static_cast<long long>(st.st_size), modified);
  AfxMessageBox(facts, MB_OK | MB_ICONINFORMATION);
}

void CTrView::OnUpdateProperties(wxUpdateUIEvent& event) {
  CKestavonDoc* doc = GetDocument();
  if (!doc || doc->GetPathName().IsEmpty()) event.Enable(false);
}

void CTrView::OnPassToText(wxCommandEvent& event) {
  CKestavonDoc* doc = GetDocument();
  CTextPane* text = doc ? doc->GetTextView() : nullptr;
  if (!text) return;
  wxCommandEvent command(wxEVT_MENU, event.GetId());
  text->GetPaneView().GetEventHandler()->ProcessEvent(command);
}
