#pragma once
// The password entry: a prompt, the document's file name when it is an enciphered file being
// opened, and a masked password field.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class CPasswordDlg : public wxDialog {
 public:
  enum { IDD = 167, IDC_PROMPT = 1035, IDC_PASSWORD = 238, IDC_FILENAME = 313 };

  explicit CPasswordDlg(wxWindow* parent);
  // IDOK or IDCANCEL.
  int DoModal();

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strPrompt;
  CString m_strPassword;
  CString m_strFileName;
};
