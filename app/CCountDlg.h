#pragma once
// Character and tree counts of the outline, with the pages they fill at a number of characters per
// page the user can change.
#include <wx/dialog.h>

class wxStaticText;
class wxTextCtrl;

class CCountDlg : public wxDialog {
 public:
  enum {
    IDD = 111,
    IDC_ALL = 131,
    IDC_ALL_PAGES = 132,
    IDC_CHILD = 106,
    IDC_CHILD_PAGES = 133,
    IDC_THIS = 107,
    IDC_THIS_PAGES = 134,
    IDC_SEL = 110,
    IDC_SEL_PAGES = 135,
    IDC_TREES = 108,
    IDC_CHILD_TREES = 109,
    IDC_LEVEL1 = 279,  // to IDC_LEVEL1 + 4
    IDC_PER_PAGE = 217,
  };
  static constexpr int kLevels = 5;

  explicit CCountDlg(wxWindow* parent = nullptr);

  bool TransferDataToWindow() override;
  // Refuses a number of characters per page below 1; writes it to the settings otherwise.
  bool TransferDataFromWindow() override;

  // Filled by the caller.
  int m_nAll = 0;
  int m_nChild = 0;
  int m_nThis = 0;
  int m_nSel = 0;
  int m_nSelPages = 0;
  int m_nTrees = 0;
  int m_nChildTrees = 0;
  int m_nLevel[kLevels] = {};
  int m_nPerPage;  // from the settings
  int m_nAllPages = 0;
  int m_nChildPages = 0;
  int m_nThisPages = 0;

  // Takes the characters per page from its field (below 1: refused, the stored value again) and
  // counts the pages of the outline, the child trees and this tree again.
  void UpdatePages();

 private:
  void OnPerPageBlur(wxFocusEvent& event);
  void ShowNumber(int id, int value);
  int ReadPerPage() const;

  wxTextCtrl* m_perPage;
};
