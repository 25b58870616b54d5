#pragma once
// Edits one category: name, description and colour.
#include <wx/dialog.h>

#include "model/CCategoryArray.h"

class wxTextCtrl;

class CCategoryEditDlg : public wxDialog {
 public:
  enum { IDD = 190, IDC_NAME = 291, IDC_MEMO = 107, IDC_COLOR = 308 };

  explicit CCategoryEditDlg(wxWindow* parent = nullptr);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  // Filled by the caller before ShowModal and read after OK.
  CTreeCategory m_category;

 private:
  void OnColor(wxCommandEvent& event);

  wxTextCtrl* m_name;
  wxTextCtrl* m_memo;
};
