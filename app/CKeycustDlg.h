#pragma once
// One key binding, added or changed: a key with Alt, Ctrl and Shift, and the command it sends.
// A combination bound to another command is taken over from it after a question.
#include <wx/dialog.h>

#include <vector>

#include "app/CKeycustArray.h"

class wxCheckBox;
class wxListBox;

class CKeycustDlg : public wxDialog {
 public:
  enum {
    IDD = 135,
    IDC_MENULIST = 118,
    IDC_KEYLIST = 159,
    IDC_CTRL = 160,
    IDC_SHIFT = 161,
    IDC_ALT = 162,
  };

  // editKey -1 adds a binding; otherwise the working binding is a copy of the one being changed.
  CKeycustDlg(wxWindow* parent, CKeycustArray& table, const std::vector<CString>& commandNames,
              const std::vector<UINT>& commandIds, const CKeycust& working, int editKey);

  int DoModal();
  // The OK button's work: IDOK (the working binding takes the choice), IDCANCEL (nothing chosen)
  // or 0 when the user keeps the dialog open.
  int TakeChoice();

  CKeycust m_keycust;  // the binding being added or changed; read after IDOK

 private:
  void FillKeyList();
  void SelectMatchingMenu();
  void UpdateOkLabel();
  UINT SelectedKey() const;
  void OnModifier(wxCommandEvent& event);
  void OnKey(wxCommandEvent& event);
  void OnOK(wxCommandEvent& event);

  CKeycustArray& m_table;
  const std::vector<CString>& m_commandNames;
  const std::vector<UINT>& m_commandIds;
  int m_nEditKey;
  CKeycust m_original;  // the combination being changed
  wxListBox* m_menuList;
  wxListBox* m_keyList;
  wxCheckBox* m_alt;
  wxCheckBox* m_ctrl;
  wxCheckBox* m_shift;
};
