#pragma once
// The sort dialog: the order (one of twelve), whether only the direct children are sorted, and
// whether titles compare as numbers. It reads its three settings when built and writes them back
// only when confirmed.
#include <wx/dialog.h>

#include "platform/base/WinTypes.h"

class CSortDlg : public wxDialog {
 public:
  enum { IDD = 126, IDC_MODE = 159, IDC_SAME_LEVEL = 298, IDC_NUMBERS = 299 };
  static constexpr DWORD kHelpTopic = 59;
  static constexpr int kModeCount = 12;

  explicit CSortDlg(wxWindow* parent);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  int m_nMode = 0;
  int m_bSameLevel = 0;
  int m_bNumbers = 0;

 private:
  void OnOK(wxCommandEvent& event);
};
