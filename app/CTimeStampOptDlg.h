#pragma once
// The display format of every item time text, for as long as the program runs.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class wxTextCtrl;

class CTimeStampOptDlg : public wxDialog {
 public:
  enum { IDD = 1559, IDC_FORMAT = 328 };

  // Starts with the application's format.
  explicit CTimeStampOptDlg(wxWindow* parent = nullptr);

  bool TransferDataToWindow() override;
  // Makes the field the application's format.
  bool TransferDataFromWindow() override;

  CString m_strFormat;

 private:
  wxTextCtrl* m_format;
};
