#pragma once
// The one-page HTML output: numbering, which parts of the trees are written, the fold script, the
// standard style sheet and its colour, tag escaping, and the page's character set. OK stores the
// option values in section "Text"; the character set belongs to the document and is handed in
// and out by the caller.
#include <wx/dialog.h>

#include "model/CTextOutputOptions.h"

class CFormHtmlDlg : public wxDialog {
 public:
  enum {
    IDD = 1562,
    IDC_FILE_OUT = 103,
    IDC_SELECT_ONLY = 104,
    IDC_EDIT_OUT = 105,
    IDC_DELLINE_OUT = 106,
    IDC_FORM = 122,
    IDC_SHOW_STR = 139,
    IDC_CSS = 271,
    IDC_CHARSET = 275,
    IDC_JQUERY = 356,
    IDC_CSS_SET = 357,
    IDC_COLOR_BUTTON = 358,
    IDC_CSS_COLOR = 359,
    IDC_HTML_ESCAPE = 363,
  };

  explicit CFormHtmlDlg(wxWindow* parent);
  // Loads the options, runs the dialog and stores them on OK; IDOK or IDCANCEL.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CTextOutputOptions m_options;
  int m_nCharset = 0;  // 0 UTF-8, 1 Shift JIS

 private:
  void OnOK(wxCommandEvent& event);
  void OnColor(wxCommandEvent& event);
};
