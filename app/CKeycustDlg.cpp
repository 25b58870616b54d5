#include "app/CKeycustDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "platform/framework/DialogHelp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"

CKeycustDlg::CKeycustDlg(wxWindow* parent, CKeycustArray& table, const std::vector<CString>& commandNames,
                         const std::vector<UINT>& commandIds, const CKeycust& working, int editKey)
    : wxDialog(parent, wxID_ANY, CP932ToWx(editKey == -1 ? "キーカスタマイズの追加" : "キーカスタマイズの変更")),
      m_keycust(working),
      m_table(table),
      m_commandNames(commandNames),
      m_commandIds(commandIds),
      m_nEditKey(editKey),
      m_original(working) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* lists = new wxBoxSizer(wxHORIZONTAL);
  auto* keys = new wxBoxSizer(wxVERTICAL);
  auto* modifiers = new wxBoxSizer(wxHORIZONTAL);
  m_alt = new wxCheckBox(this, IDC_ALT, "Alt(&A)");
  m_ctrl = new wxCheckBox(this, IDC_CTRL, "Ctrl(&C)");
  m_shift = new wxCheckBox(this, IDC_SHIFT, "Shift(&S)");
  for (wxCheckBox* box : {m_alt, m_ctrl, m_shift}) modifiers->Add(box, 0, wxRIGHT, 8);
  keys->Add(modifiers, 0, wxBOTTOM, 6);
  m_keyList = new wxListBox(this, IDC_KEYLIST, wxDefaultPosition, wxSize(170, 280));
  keys->Add(m_keyList, 1, wxEXPAND);
  lists->Add(keys, 0, wxEXPAND | wxRIGHT, 10);
  wxArrayString names;
  names.Add(CP932ToWx("（なし）"));
  for (const CString& name : m_commandNames) names.Add(CP932ToWx(name.str()));
  m_menuList = new wxListBox(this, IDC_MENULIST, wxDefaultPosition, wxSize(300, 300), names);
  lists->Add(m_menuList, 1, wxEXPAND);
  top->Add(lists, 1, wxALL | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(top);

  m_alt->SetValue(m_keycust.m_nAlt != 0);
  m_ctrl->SetValue(m_keycust.m_nCtrl != 0);
  m_shift->SetValue(m_keycust.m_nShift != 0);
  FillKeyList();
  for (int i = 0; i < CKeycustArray::GetKeyNameCount(); ++i)
    if (CKeycustArray::GetKeyCodeAt(i) == m_keycust.m_nKey) m_keyList->SetSelection(i);
  SelectMatchingMenu();
  UpdateOkLabel();

  for (int id : {IDC_ALT, IDC_CTRL, IDC_SHIFT}) Bind(wxEVT_CHECKBOX, &CKeycustDlg::OnModifier, this, id);
  Bind(wxEVT_LISTBOX, &CKeycustDlg::OnKey, this, IDC_KEYLIST);
  Bind(wxEVT_BUTTON, &CKeycustDlg::OnOK, this, wxID_OK);
  BindDialogHelp(this, 98);
}

int CKeycustDlg::DoModal() {
  CentreOnParent();
  return ShowModal() == wxID_OK ? IDOK : IDCANCEL;
}

UINT CKeycustDlg::SelectedKey() const {
  const int selection = m_keyList->GetSelection();
  return selection == wxNOT_FOUND ? m_keycust.m_nKey : CKeycustArray::GetKeyCodeAt(selection);
}

void CKeycustDlg::FillKeyList() {
  CString prefix;
  if (m_alt->GetValue()) prefix += "Alt+";
  if (m_shift->GetValue()) prefix += "Shift+";
  if (m_ctrl->GetValue()) prefix += "Ctrl+";
  const int selection = m_keyList->GetSelection();
  wxArrayString lines;
  for (int i = 0; i < CKeycustArray::GetKeyNameCount(); ++i) lines.Add(CP932ToWx((prefix + CKeycustArray::GetKeyNameAt(i)).str()));
  m_keyList->Set(lines);
  if (selection != wxNOT_FOUND) m_keyList->SetSelection(selection);
}

void CKeycustDlg::SelectMatchingMenu() {
  UINT command = m_table.LookupCommand(SelectedKey(), m_alt->GetValue(), m_shift->GetValue(), m_ctrl->GetValue());
  if (command == 0 && m_nEditKey != -1) command = m_keycust.m_nCommand;
  const auto at = std::find(m_commandIds.begin(), m_commandIds.end(), command);
  m_menuList->SetSelection(command == 0 || at == m_commandIds.end() ? 0 : static_cast<int>(at - m_commandIds.begin()) + 1);
}

void CKeycustDlg::UpdateOkLabel() {
  const bool bound = m_table.Find(SelectedKey(), m_alt->GetValue(), m_shift->GetValue(), m_ctrl->GetValue()) >= 0;
  FindWindow(wxID_OK)->SetLabel(CP932ToWx(bound ? "変更" : "追加"));
}

void CKeycustDlg::OnModifier(wxCommandEvent&) {
  FillKeyList();
  SelectMatchingMenu();
  UpdateOkLabel();
}

void CKeycustDlg::OnKey(wxCommandEvent&) {
  SelectMatchingMenu();
  UpdateOkLabel();
}

int CKeycustDlg::TakeChoice() {
  const int menu = m_menuList->GetSelection();
  const UINT key = SelectedKey();
  // No command, or no key at all while adding: nothing to bind.
  if (menu <= 0 || key == 0) return IDCANCEL;
  const int alt = m_alt->GetValue() ? 1 : 0;
  const int shift = m_shift->GetValue() ? 1 : 0;
  const int ctrl = m_ctrl->GetValue() ? 1 : 0;
  const bool sameAsChanged = m_nEditKey != -1 && m_original.IsCombination(key, alt, shift, ctrl);
  const int bound = m_table.Find(key, alt, shift, ctrl);
  if (!sameAsChanged && bound >= 0) {
    const UINT other = m_table.GetAt(bound)->m_nCommand;
    const auto at = std::find(m_commandIds.begin(), m_commandIds.end(), other);
    if (at != m_commandIds.end()) {
      const CString question =
          "このキーは " + m_commandNames[static_cast<size_t>(at - m_commandIds.begin())] + " に設定済みです。変更しますか？";
      if (AfxMessageBox(question, MB_OKCANCEL) != IDOK) return 0;
      m_table.RemoveAt(bound);
    }
  }
  m_keycust.m_nKey = key;
  m_keycust.m_nAlt = alt;
  m_keycust.m_nShift = shift;
  m_keycust.m_nCtrl = ctrl;
  m_keycust.m_nCommand = m_commandIds[static_cast<size_t>(menu - 1)];
  return IDOK;
}

void CKeycustDlg::OnOK(wxCommandEvent&) {
  const int result = TakeChoice();
  if (result != 0) EndModal(result == IDOK ? wxID_OK : wxID_CANCEL);
}
