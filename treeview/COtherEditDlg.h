#pragma once
// Waits while a text is edited in another program: the user presses OK when the editing is done.
#include <wx/dialog.h>

class COtherEditDlg : public wxDialog {
 public:
  enum { IDD = 163 };
  explicit COtherEditDlg(wxWindow* parent);
};
