#pragma once
// Asks how a selected text becomes a new tree: its title and link file, whether the title line
// leaves the text, whether the caret follows the new tree, whether it goes at the same level, and
// whether the dialog is asked again next time ("System"/"SplitDlg", written here on OK).
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CSplitDlg : public wxDialog {
 public:
  enum {
    IDD = 136,
    IDC_TITLE = 1000,
    IDC_FILE,
    IDC_BROWSE,
    IDC_DELETE_FIRST_LINE,
    IDC_MOVE_CARET,
    IDC_SAME_LEVEL,
    IDC_NO_DIALOG,
    IDC_AUTO_TITLE,
  };
  static constexpr DWORD kHelpTopic = 62;
  explicit CSplitDlg(wxWindow* parent);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strTitle;
  CString m_strFile;
  BOOL m_bDeleteFirstLine = FALSE;
  BOOL m_bMoveCaret = FALSE;
  BOOL m_bSameLevel = FALSE;
  BOOL m_bNoDialog = FALSE;
  BOOL m_bAutoTitle = FALSE;

 private:
  void OnBrowse(wxCommandEvent& event);
};
