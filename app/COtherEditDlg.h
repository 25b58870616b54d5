#pragma once
// Waits while a text is edited in another program (the text pane's outside editor, the outside
// tools): the user presses OK when the editing there is done.
#include <wx/dialog.h>

class COtherEditDlg : public wxDialog {
 public:
  enum { IDD = 163 };
  explicit COtherEditDlg(wxWindow* parent);
};
