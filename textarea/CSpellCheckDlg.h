#pragma once
// Asks what to do with a doubtful word of the spell check: correct it here or everywhere, add it to
// the dictionary, or pass it. Opens just below the word and stays on the screen.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CSpellCheckListBox;

class CSpellCheckDlg : public wxDialog {
 public:
  enum { IDD = 159, IDC_ACTIONS = 1000 };
  enum Action { kNone = -1, kCorrect = 0, kCorrectAll = 1, kRegister = 2, kIgnore = 3 };

  explicit CSpellCheckDlg(wxWindow* parent);
  // Placed at m_ptPosition with the first action chosen; IDOK or IDCANCEL. On OK after a
  // correction, m_strWord is the corrected word.
  int DoModal();

  // The top left of a window of the size whose top left is wanted at position, kept on a screen of
  // the given size: above the line (of lineHeight) when it would pass the bottom, flush with the
  // right edge when it would pass that.
  static POINT KeepOnScreen(POINT position, int lineHeight, SIZE window, SIZE screen);

  CString m_strWord;
  POINT m_ptPosition = {0, 0};  // screen coordinates
  int m_nLineHeight = 0;
  CSpellCheckListBox* m_listAction;
  int m_nAction = kNone;

 private:
  void OnOK(wxCommandEvent& event);
};
