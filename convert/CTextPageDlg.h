#pragma once
// The text export of one file per tree: the output folder, the index file, how the files are named,
// the title line and the range. The caller fills the folder and the index file; the other options
// come from settings section "TextPage", and OK stores all five there.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CTextPageDlg : public wxDialog {
 public:
  enum {
    IDD = 155,
    IDC_SELECT_TREE = 104,
    IDC_INDEX_FILE = 108,
    IDC_BROWSE_DIR = 164,
    IDC_BROWSE_INDEX = 167,
    IDC_DIR = 168,
    IDC_TITLE = 183,
    IDC_NAMING = 203,
  };
  static constexpr DWORD kHelpTopic = 23;

  explicit CTextPageDlg(wxWindow* parent);
  // Reads the stored options, runs the dialog and stores them on OK; IDOK or IDCANCEL.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strDir;
  CString m_strIndexFile;
  int m_bTitle = 1;
  int m_nNaming = 0;  // 0 index file name and a serial number, 1 the tree's title
  int m_bSelectTree = 1;

 protected:
  virtual BOOL ChooseFolder(CString& folder);
  virtual BOOL ChooseIndexFile(const char* folder, const char* name, CString& path);

 private:
  void OnOK(wxCommandEvent& event);
  void OnBrowseDir(wxCommandEvent& event);
  void OnBrowseIndex(wxCommandEvent& event);
};
