#pragma once
// The title-output setting and category that every item below the selected one gets; each can be
// left unchanged.
#include <wx/dialog.h>

class CCategoryArray;

class CTreePropDlg : public wxDialog {
 public:
  enum { IDD = 192, IDC_OUTPUT = 267, IDC_CATEGORY = 290 };

  // The categories fill the category choice after "変更無し" and "未設定".
  CTreePropDlg(wxWindow* parent, const CCategoryArray& categories);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  int m_nCategory = -1;  // -1 no change, 0 none, k > 0 category k
  int m_nOutput = -1;    // -1 no change, else 0-3
};
