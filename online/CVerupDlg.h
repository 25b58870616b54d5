#pragma once
// Tells of a newer version: its date, message and version, and offers the download page.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class CVerupDlg : public wxDialog {
 public:
  enum { IDD = 1548, IDC_DATE = 139, IDC_MESSAGE = 140, IDC_VERSION = 223 };

  explicit CVerupDlg(wxWindow* parent);
  // IDOK for the button that opens the download page, IDCANCEL for "閉じる".
  int DoModal();
  bool TransferDataToWindow() override;

  CString m_strDate;
  CString m_strMessage;
  CString m_strVersion;
};
