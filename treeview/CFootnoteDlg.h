#pragma once
// How footnotes are written out: where the footnote block goes, the marks that enclose a footnote
// in a text, the strings around the reference number in the body and in the block, and the
// block's title. A plain data dialog: the caller fills the members and stores them after OK.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class CFootnoteDlg : public wxDialog {
 public:
  enum {
    IDD = 176,
    IDC_END = 106,
    IDC_POSITION = 258,
    IDC_BODY_BEFORE = 259,
    IDC_BODY_AFTER = 260,
    IDC_NOTE_BEFORE = 261,
    IDC_NOTE_AFTER = 262,
    IDC_TITLE = 263,
    IDC_START = 265,
  };

  explicit CFootnoteDlg(wxWindow* parent);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  int m_nPosition = -1;  // -1: none chosen
  CString m_strHonbun1;
  CString m_strHonbun2;
  CString m_strKyaku1;
  CString m_strKyaku2;
  CString m_strTitle;
  CString m_strEndStr;
  CString m_strStartStr;
};
