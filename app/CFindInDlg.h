#pragma once
// The small window shown while a search over many files runs: two status lines, the numbers of
// files and trees with hits, and a cancel button that the searching loop asks about between files.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxStaticText;

class CFindInDlg : public wxDialog {
 public:
  enum { IDD = 166, IDC_STATUS1 = 1035, IDC_STATUS2 = 1036, IDC_HIT_FILES = 231, IDC_HIT_TREES = 232, IDC_CANCEL = 1085 };

  CFindInDlg() = default;
  // The modeless window, owned by the window the search was started from (the main frame or a
  // modal dialog) so that it stays above it; it destroys itself when closed.
  BOOL Create();
  // A file with trees hits: counts one more file and its trees; a file without hits changes nothing.
  void AddHitFile(int trees);
  void SetStatus(const char* line1, const char* line2);

  CString m_strStatus1;
  CString m_strStatus2;
  CString m_strHitFiles = "0";
  CString m_strHitTrees = "0";
  BOOL m_bCancel = FALSE;

 private:
  void ShowTexts();
  void OnCancel(wxCommandEvent& event);
  void OnClose(wxCloseEvent& event);
};
