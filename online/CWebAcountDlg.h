#pragma once
// The web account (mail address and password) with which the online operations log in, and the
// account check that every online operation runs first.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CWebAcountDlg : public wxDialog {
 public:
  enum { IDD = 214, IDC_LINK = 347, IDC_MAIL = 348, IDC_PASSWORD = 240 };
  // Shown instead of a stored password, which never goes back into a window.
  static constexpr char kPlaceholder[] = "qwvmzatrplx";

  explicit CWebAcountDlg(wxWindow* parent);
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;
  // Stores a changed password (and the mail with it) in the settings, then closes with OK.
  void OnOK();

  CString m_strInitPassword;  // what the password box shows when the dialog opens
  CString m_strMail;
  CString m_strPassword;
};

// While the running program has no account ID or password: shows the message and the account
// dialog; FALSE when the dialog was cancelled. The account of the dialog becomes the running one.
BOOL CheckWebAccount(const char* message);
// The account settings command: the account ID and, for a stored password, the placeholder.
void EditWebAccount();
