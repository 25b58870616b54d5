#pragma once
// The web search setting: the address template of the search ("%s" the selected words, "%t" the
// title, "%f" the link file) and whether the words go out in UTF-8.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class CNetSearchDlg : public wxDialog {
 public:
  enum { IDD = 218, IDC_URL = 109, IDC_UTF8 = 351 };

  explicit CNetSearchDlg(wxWindow* parent);
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strUrl;
  int m_bUtf8 = 1;
};

// Settings > web search: the dialog over System/NetSearch and System/NetSearchUni, both written
// back after OK.
void EditNetSearchSettings();
