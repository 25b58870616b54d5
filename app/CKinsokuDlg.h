#pragma once
// The Japanese line-breaking rules as the user edits them, for tree printing, the text pane's
// printing and the exports alike: the characters that may not begin or end a line, whether each
// rule is on, English word wrap and no breaks inside tags.
#include <wx/dialog.h>

class CKinsokuSettings;

class CKinsokuDlg : public wxDialog {
 public:
  enum {
    IDD = 142,
    IDC_KINSOKU_LAST = 106,
    IDC_WORD_WRAP = 197,
    IDC_KIN_FIRST = 198,
    IDC_KIN_LAST = 199,
    IDC_KINSOKU_FIRST = 200,
    IDC_TAG_KINSOKU = 201,
  };

  // OK writes into settings; Cancel leaves it as it was.
  CKinsokuDlg(wxWindow* parent, CKinsokuSettings& settings);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  // Each rule's characters can be edited only while the rule is on.
  void UpdateEnabling();

  CKinsokuSettings& m_settings;
};
