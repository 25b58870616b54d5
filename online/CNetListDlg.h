#pragma once
// The user's files on the web file service, to open one or to delete one.
#include <wx/dialog.h>

#include "platform/base/WinTypes.h"

class CNetFileService;

class CNetListDlg : public wxDialog {
 public:
  enum { IDD = 1561, IDC_LIST = 161 };

  // The service's file list is shown; it must outlive the dialog.
  CNetListDlg(wxWindow* parent, CNetFileService* service, BOOL deleteMode);
  int DoModal();
  // Open mode: keeps the selection. Delete mode: asks, deletes the selected file and closes
  // whatever the service answered.
  void OnOK();

  int m_nSelect = -1;

 private:
  CNetFileService* m_pService;
  BOOL m_bDelete;
};
