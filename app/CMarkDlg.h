#pragma once
// The four texts that stand for an item's check and strike-through marks when the outline is
// written out as text.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxTextCtrl;

class CMarkDlg : public wxDialog {
 public:
  enum { IDD = 116, IDC_CHECK = 138, IDC_DEL = 140, IDC_BOTH = 142, IDC_NORMAL = 143 };
  static constexpr DWORD kHelpTopic = 94;

  explicit CMarkDlg(wxWindow* parent = nullptr);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  // Set by the caller, read after OK.
  CString m_strCheck;
  CString m_strDel;
  CString m_strDelCheck;
  CString m_strNormal;

 private:
  wxTextCtrl* m_edit[4];
};
