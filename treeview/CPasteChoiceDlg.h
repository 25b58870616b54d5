#pragma once
// The two questions a paste may ask: where copied trees go (below the selected tree or at its
// level), and how plain text becomes trees. Each is a radio group whose choice is stored under its
// settings key, with a box that stops the question from being asked again.
#include <wx/dialog.h>

#include "foundation/SettingEntry.h"

class wxCheckBox;
class wxRadioBox;

class CPasteChoiceDlg : public wxDialog {
 public:
  int m_nChoice = -1;  // the radio group's choice; -1 until the dialog opened
  int m_bNoShow = 0;   // "do not show again"

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 protected:
  // The choice is stored in choiceSetting; whether to ask again in showSetting.
  CPasteChoiceDlg(wxWindow* parent, const char* caption, const char* prompt, const char* group,
                  const std::initializer_list<const char*>& choices, const char* noShow,
                  const IntSetting& choiceSetting, const IntSetting& showSetting);

 private:
  void OnOK(wxCommandEvent& event);

  wxRadioBox* m_group;
  wxCheckBox* m_noShow;
  const IntSetting& m_choiceSetting;
  const IntSetting& m_showSetting;
};

// Where copied trees are pasted: 0 below, 1 at the same level (System/PasteLevel, PasteDlg).
class CPasteDlg : public CPasteChoiceDlg {
 public:
  enum { IDD = 141 };
  explicit CPasteDlg(wxWindow* parent);
};

// How plain text is pasted: the modes 0-4 (System/TextPasteMode, PasteTextDlg).
class CTextPasteDlg : public CPasteChoiceDlg {
 public:
  enum { IDD = 140 };
  explicit CTextPasteDlg(wxWindow* parent);
};
