#pragma once
// The file search dialog: the word, the folder and the options of a grep. It remembers words and
// folders in their histories and its options in the settings, once the user starts the search.
#include <wx/dialog.h>

#include "foundation/CHistoryList.h"
#include "views/GrepSearch.h"

class wxComboBox;

class CGrepDlg : public wxDialog {
 public:
  enum {
    IDD = 161,
    IDC_WORD = 158,
    IDC_CASE = 181,
    IDC_WIDTH = 182,
    IDC_TITLE = 183,
    IDC_TEXT = 141,
    IDC_LINK = 142,
    IDC_FOLDER = 159,
    IDC_BROWSE = 106,
    IDC_FILE_TYPE = 160,
    IDC_SUB_FOLDER = 225,
    IDC_REG_EXP = 184,
    IDC_WORD_MODE = 324,
  };

  explicit CGrepDlg(wxWindow* parent);
  // Reads the histories and settings, shows them and runs the dialog; IDOK or IDCANCEL. A word set
  // in m_options before the call is shown in place of the newest history entry.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CGrepOptions m_options;

 protected:
  virtual BOOL ChooseFolder(CString& folder);

 private:
  void OnBrowse(wxCommandEvent& event);
  void OnRegExp(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);

  CHistoryList m_wordHistory;
  CHistoryList m_folderHistory;
  wxComboBox* m_word;
  wxComboBox* m_folder;
};
