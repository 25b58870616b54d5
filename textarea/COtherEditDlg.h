#pragma once
// Shown while the text is open in an outside editor: the user presses OK when the editing there
// is done, and the program reads the file back. It is modal but keeps the windows drawn.
#include <wx/dialog.h>

class COtherEditDlg : public wxDialog {
 public:
  enum { IDD = 163 };
  explicit COtherEditDlg(wxWindow* parent);
};
