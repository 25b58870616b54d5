#pragma once
// The program that edits texts outside: a path, typed or picked.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class CEdSetDlg : public wxDialog {
 public:
  enum { IDD = 103, IDC_EDITOR = 105, IDC_BROWSE = 106 };
  // The editor when none is set: the desktop's opener, which hands a text file to the user's
  // text editor.
  static constexpr const char* kDefaultEditor = "xdg-open";

  explicit CEdSetDlg(wxWindow* parent = nullptr);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strEditor;

 private:
  void OnBrowse(wxCommandEvent& event);
};
