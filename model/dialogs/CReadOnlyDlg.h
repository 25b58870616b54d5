#pragma once
// The notice that a document is being opened read-only, and why.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CReadOnlyDlg : public wxDialog {
 public:
  enum { IDD = 204, IDC_MESSAGE = 1035, IDC_ICON = 314, IDC_PATH = 313, IDC_HELP_BUTTON = 150 };
  static constexpr DWORD kHelpTopic = 225;

  explicit CReadOnlyDlg(wxWindow* parent);
  int DoModal();
  bool TransferDataToWindow() override;

  int m_nReason = 0;  // 0 file in use, 1 read-only attribute, 2 lock failed
  CString m_strPath;
};
