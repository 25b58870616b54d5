#pragma once
// The about box: the program's name and version and a link to its home page.
#include <wx/dialog.h>

class CAboutDlg : public wxDialog {
 public:
  enum { IDD = 100, IDC_HOMEPAGE = 1000 };
  explicit CAboutDlg(wxWindow* parent);
};
