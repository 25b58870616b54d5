#pragma once
// One entry of a document's template list: the title shown in the list and the text file that is
// inserted.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class wxTextCtrl;

class CTemplateEditDlg : public wxDialog {
 public:
  enum { IDD = 157, IDC_BROWSE = 106, IDC_FILE = 117, IDC_TITLE = 149 };

  explicit CTemplateEditDlg(wxWindow* parent = nullptr);

  bool TransferDataToWindow() override;
  // Refuses an entry without a file or a title, with the message, so the dialog stays open.
  bool TransferDataFromWindow() override;

  // Puts a chosen file into the dialog: its path, and its name as the title while none is typed.
  void TakeChosenFile(const char* path, const char* name);

  // Set by the caller, read after OK.
  CString m_strTitle;
  CString m_strFile;

 private:
  void OnBrowse(wxCommandEvent& event);

  wxTextCtrl* m_title;
  wxTextCtrl* m_file;
};
