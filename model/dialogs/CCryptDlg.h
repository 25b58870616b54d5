#pragma once
// Sets, changes and removes a document's read and write passwords. The document keeps only their
// hashes; a password that is set shows as a placeholder and is changed through its button.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class CCryptDlg : public wxDialog {
 public:
  enum { IDD = 165, IDC_READ = 235, IDC_WRITE = 236, IDC_CHANGE_READ = 239, IDC_CHANGE_WRITE = 240 };
  static constexpr char kPlaceholder[] = "***********";

  explicit CCryptDlg(wxWindow* parent);
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strStartReadHash;
  CString m_strStartWriteHash;
  CString m_strReadHash;   // in and out
  CString m_strWriteHash;  // in and out
  CString m_strReadText;
  CString m_strWriteText;

 private:
  struct Password {
    CString CCryptDlg::*hash;
    CString CCryptDlg::*start;
    CString CCryptDlg::*text;
    int edit;
    int button;
    const char* confirmPrompt;
  };
  static const Password kRead;
  static const Password kWrite;

  void OnChange(const Password& which);
  void OnOK(wxCommandEvent& event);
  bool Confirm(const Password& which);
};
