#pragma once
// The HTML export of one page per tree: the output folder, the index file's name, whether only the
// selected tree goes out and whether titles keep their heading numbers. The values live in the
// document's properties, which the dialog reads when they were set before and writes on OK.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDocProperties;

class CHtmlDlg : public wxDialog {
 public:
  enum {
    IDD = 154,
    IDC_SELECT_TREE = 104,
    IDC_SHO_STR = 105,
    IDC_INDEX_FILE = 108,
    IDC_OUTPUT_PREVIEW = 114,
    IDC_BROWSE_DIR = 164,
    IDC_BROWSE_INDEX = 167,
    IDC_DIR = 168,
    IDC_OPTIONS = 172,
  };
  static constexpr DWORD kHelpTopic = 21;

  CHtmlDlg(wxWindow* parent, CDocProperties& properties);
  // Takes the document's values when it has them, runs the dialog and stores them on OK.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strDir;
  CString m_strIndexFile;
  int m_bSelectTree = 0;
  int m_bShoStr = 0;
  BOOL m_bPreview = FALSE;  // "出力してプレビュー" closed the dialog

 protected:
  virtual BOOL ChooseFolder(CString& folder);
  virtual BOOL ChooseIndexFile(const char* folder, const char* name, CString& path);

 private:
  void OnOK(wxCommandEvent& event);
  void OnBrowseDir(wxCommandEvent& event);
  void OnBrowseIndex(wxCommandEvent& event);

  CDocProperties& m_properties;
};
