#pragma once
// Edits one word of the spell check: the word as it stands, and the word to put in its place.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class wxTextCtrl;

class CWordChangeDlg : public wxDialog {
 public:
  enum { IDD = 158, IDC_BEFORE = 1001, IDC_AFTER = 1002 };

  explicit CWordChangeDlg(wxWindow* parent);
  // IDOK with the edited word in m_strAfter, or IDCANCEL.
  int DoModal();

  CString m_strBefore;
  CString m_strAfter;

 private:
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  wxTextCtrl* m_before;
  wxTextCtrl* m_after;
};
