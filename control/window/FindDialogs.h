#pragma once
// The control's find dialog ("検索") and replace dialog ("置換"): combo boxes over the stored
// histories, the match-case option, and buttons that search or replace in the control while the
// dialog stays open.

#include <wx/dialog.h>

class WrilaEdit;
class wxCheckBox;
class wxComboBox;

// Item ids, as the control's dialog resources number them.
enum : int {
  IDC_FIND_UP = 1002,
  IDC_FIND_DOWN = 1003,
  IDC_REPLACE_ONE = 1006,
  IDC_REPLACE_ALL = 1007,
  IDC_MATCH_CASE = 1052,
  IDC_FIND_TEXT = 1057,
  IDC_REPLACE_TEXT = 1058,
};

class CFindReplaceDialog : public wxDialog {
 public:
  CFindReplaceDialog(WrilaEdit* edit, bool replace);

 private:
  // Stores the options and histories; false when the search text is empty.
  bool StoreState();
  void OnButton(wxCommandEvent& event);

  WrilaEdit* m_edit;
  bool m_replace;
  wxComboBox* m_find = nullptr;
  wxComboBox* m_replaceWith = nullptr;
  wxCheckBox* m_matchCase = nullptr;
};
