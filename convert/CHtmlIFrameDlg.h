#pragma once
// The HTML export through the template page: the output folder, the main page's and the start
// tree's file names, the width of the main page's index, the range and the heading numbers, with
// the main page's options and the HTML option sheet a button away. The values live in the
// document's properties; the folder is shown from them only once a framed export has set them.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDocProperties;

class CHtmlIFrameDlg : public wxDialog {
 public:
  enum {
    IDD = 1563,
    IDC_SELECT_TREE = 104,
    IDC_SHO_STR = 105,
    IDC_TREE_FILE = 107,
    IDC_INDEX_FILE = 108,
    IDC_OUTPUT_PREVIEW = 114,
    IDC_WIDTH = 119,
    IDC_BROWSE_DIR = 164,
    IDC_BROWSE_TREE = 166,
    IDC_BROWSE_INDEX = 167,
    IDC_DIR = 168,
    IDC_TREE_OPTIONS = 171,
    IDC_OPTIONS = 172,
  };

  // The record is the active document's; it is borrowed for the dialog's life.
  CHtmlIFrameDlg(wxWindow* parent, CDocProperties& properties);
  // Loads the record (the folder only when a framed export set it; else the caller's m_strDir
  // stays), runs the dialog and stores the six values on OK; IDOK or IDCANCEL.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strDir;
  CString m_strTreeFile;
  CString m_strIndexFile;
  CString m_strWidth;
  int m_bSelectTree = 0;
  int m_bShoStr = 0;
  BOOL m_bPreview = FALSE;  // "出力後プレビュー(&P)" closed the dialog

 protected:
  virtual BOOL ChooseFolder(CString& folder);
  virtual BOOL ChoosePageFile(const char* folder, const char* name, const char* title, CString& path);
  virtual void EditTreeOptions();
  virtual void EditOptions();

 private:
  void OnBrowseFile(int field);
  void OnOK(wxCommandEvent& event);

  CDocProperties& m_properties;
};
