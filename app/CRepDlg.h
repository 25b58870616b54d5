#pragma once
// The replace dialog: the word and its replacement for the tree replace, or, in link mode, for
// renaming link file names. Both texts are remembered in histories; the caller replaces.
#include <wx/dialog.h>

#include "foundation/CHistoryList.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxCheckBox;
class wxComboBox;

class CRepDlg : public wxDialog {
 public:
  enum { IDD = 117, IDC_FIND = 201, IDC_REPLACE = 202, IDC_TEXTAREA = 141, IDC_REGEXP = 184 };
  static constexpr DWORD kHelpTopic = 38;

  // The histories and the options come from the settings here.
  CRepDlg(wxWindow* parent, BOOL linkMode);

  bool TransferDataToWindow() override;
  // Takes both texts and the options; both histories and the options go to the settings.
  bool TransferDataFromWindow() override;

  CHistoryList m_findHistory;
  CHistoryList m_replaceHistory;
  BOOL m_bLinkMode;
  BOOL m_bTextArea;
  CString m_strFind;
  CString m_strReplace;
  BOOL m_bRegExp;

 private:
  wxComboBox* m_find;
  wxComboBox* m_replace;
  wxCheckBox* m_textArea;
  wxCheckBox* m_regExp;
};
