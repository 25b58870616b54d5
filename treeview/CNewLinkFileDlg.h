#pragma once
// Asks for the name of a new link file and what a new text file starts with (the tree's title,
// its text); the two choices are kept in the settings file.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CNewLinkFileDlg : public wxDialog {
 public:
  enum { IDD = 130, IDC_FILENAME = 117, IDC_TITLE = 183, IDC_BODY = 184 };

  explicit CNewLinkFileDlg(wxWindow* parent);

  // Reads NewLinkFile/Title and Body into the checks.
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strFileName;
  BOOL m_bTitle = TRUE;
  BOOL m_bBody = FALSE;

 private:
  void OnOK(wxCommandEvent& event);
};
