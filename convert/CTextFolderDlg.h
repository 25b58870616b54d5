#pragma once
// The options of the text-folder export: the top folder, the extension of the written files,
// the title line, the range, whether the top tree becomes a folder, overwriting, and text files
// for trees with children. The dialog keeps them in settings section "TextPage", where the export
// reads them.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CTextFolderDlg : public wxDialog {
 public:
  enum {
    IDD = 1549,
    IDC_SELECT_TREE = 104,
    IDC_OVERWRITE = 105,
    IDC_BROWSE = 164,
    IDC_DIR = 168,
    IDC_TITLE = 183,
    IDC_TOP_OUT = 284,
    IDC_EXT = 285,
    IDC_PARENT_TEXT = 286,
  };

  explicit CTextFolderDlg(wxWindow* parent);
  // Reads the settings, shows them and runs the dialog; IDOK or IDCANCEL.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strDir;
  CString m_strExt;
  int m_bTitle = 1;
  int m_bTopOut = 1;
  int m_bSelectTree = 1;
  int m_bParentText = 1;
  int m_bOverwrite = 1;

 protected:
  // Asks for a folder, starting at the one given; FALSE when none was chosen. OK asks too when the
  // top folder is empty.
  virtual BOOL ChooseFolder(CString& folder);

 private:
  void OnBrowse(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);
};
