#pragma once
// The chart's other settings: the box width and whether items' own colours reach frames and text.
#include <wx/dialog.h>

#include "platform/base/WinTypes.h"

class wxCheckBox;
class wxTextCtrl;

class CChartSetDlg : public wxDialog {
 public:
  enum { IDD = 182, IDC_WIDTH = 119, IDC_TREE_TEXT = 317, IDC_TREE_BOX = 318 };

  explicit CChartSetDlg(wxWindow* parent);
  int DoModal();

  int m_nWidth = 14;
  BOOL m_bTreeBox = TRUE;
  BOOL m_bTreeText = TRUE;

  bool TransferDataToWindow() override;
  // FALSE, with a message, for a width that is not a number of at least 2.
  bool TransferDataFromWindow() override;

 private:
  wxTextCtrl* m_width;
  wxCheckBox* m_treeBox;
  wxCheckBox* m_treeText;
};
