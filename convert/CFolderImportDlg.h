#pragma once
// The options of the folder import: the top folder, the extensions of the files read as texts,
// whether titles keep the extension and whether other files become link items. The dialog keeps
// them in the settings (section "FolderImport"), where the import reads them.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CFolderImportDlg : public wxDialog {
 public:
  enum {
    IDD = 1550,
    IDC_BROWSE = 164,
    IDC_DIR = 168,
    IDC_EXT = 285,
    IDC_EXT_NAME = 286,
    IDC_OTHER_LINK = 288,
  };

  explicit CFolderImportDlg(wxWindow* parent);
  // Reads the settings, shows them and runs the dialog; IDOK or IDCANCEL.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strDir;
  CString m_strExt;
  int m_bExtName = 0;
  int m_bOtherLink = 0;

 protected:
  // Asks for a folder, starting at the one given, and puts the choice there; FALSE when none was chosen.
  virtual BOOL ChooseFolder(CString& folder);

 private:
  void OnBrowse(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);
};
