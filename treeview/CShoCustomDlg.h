#pragma once
// Edits the custom number strings of one heading-number style, one string per line.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class wxTextCtrl;

class CShoCustomDlg : public wxDialog {
 public:
  enum { IDD = 197, IDC_CUSTOM_EDIT = 303 };

  explicit CShoCustomDlg(wxWindow* parent = nullptr);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  // The strings joined, each followed by the separator byte; set before ShowModal, read after OK.
  CString m_strCustom;

 private:
  wxTextCtrl* m_edit;
};
