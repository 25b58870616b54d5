#include "platform/CPropertyPage.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cerrno>
#include <cstdlib>

#include "platform/CodePage.h"
#include "platform/MessageBox.h"

wxWindow* CPropertyPage::Create(wxWindow* parent) {
  m_pWnd = new wxPanel(parent, wxID_ANY);
  auto* top = new wxBoxSizer(wxVERTICAL);
  CreateControls(m_pWnd, top);
  auto* border = new wxBoxSizer(wxVERTICAL);
  border->Add(top, 1, wxALL | wxEXPAND, 10);
  m_pWnd->SetSizer(border);
  return m_pWnd;
}

wxWindow* CPropertyPage::GetWindow() const { return m_pWnd; }

wxWindow* CPropertyPage::GetDlgItem(int id) const { return m_pWnd ? m_pWnd->FindWindow(id) : nullptr; }

bool CPropertyPage::TransferDataToWindow() {
  if (m_pWnd == nullptr) return false;
  DoDataExchange(false);
  OnInitDialog();
  return true;
}

bool CPropertyPage::TransferDataFromWindow() { return m_pWnd != nullptr && DoDataExchange(true); }

namespace {

wxSizer* LabelledRow(wxWindow* page, wxSizer* sizer, const char* label) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  if (label != nullptr) row->Add(new wxStaticText(page, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  sizer->Add(row, 0, wxBOTTOM | wxEXPAND, 4);
  return row;
}

}  // namespace

wxWindow* CPropertyPage::AddCheck(wxWindow* page, wxSizer* sizer, int id, const char* label) {
  auto* box = new wxCheckBox(page, id, CP932ToWx(label));
  sizer->Add(box, 0, wxBOTTOM, 4);
  return box;
}

wxWindow* CPropertyPage::AddCombo(wxWindow* page, wxSizer* sizer, int id, const char* label,
                                  const std::vector<const char*>& entries) {
  wxArrayString choices;
  for (const char* entry : entries) choices.Add(CP932ToWx(entry));
  auto* combo = new wxChoice(page, id, wxDefaultPosition, wxDefaultSize, choices);
  if (label == nullptr)
    sizer->Add(combo, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 6);
  else
    LabelledRow(page, sizer, label)->Add(combo, 0, wxALIGN_CENTER_VERTICAL);
  return combo;
}

wxWindow* CPropertyPage::AddEdit(wxWindow* page, wxSizer* sizer, int id, const char* label, int width,
                                 const char* unit) {
  auto* edit = new wxTextCtrl(page, id, wxEmptyString, wxDefaultPosition, wxSize(width, -1));
  wxSizer* row = LabelledRow(page, sizer, label);
  row->Add(edit, width > 200 ? 1 : 0, wxALIGN_CENTER_VERTICAL);
  if (unit != nullptr) row->Add(new wxStaticText(page, wxID_ANY, CP932ToWx(unit)), 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 4);
  return edit;
}

wxWindow* CPropertyPage::AddButton(wxWindow* page, wxSizer* sizer, int id, const char* label) {
  auto* button = new wxButton(page, id, CP932ToWx(label));
  sizer->Add(button, 0, wxBOTTOM, 4);
  return button;
}

void CPropertyPage::DDX_Check(bool save, int id, int& value) {
  auto* box = dynamic_cast<wxCheckBox*>(GetDlgItem(id));
  if (box == nullptr) return;
  if (save)
    value = box->GetValue() ? 1 : 0;
  else
    box->SetValue(value != 0);
}

void CPropertyPage::DDX_CBIndex(bool save, int id, int& value) {
  auto* combo = dynamic_cast<wxChoice*>(GetDlgItem(id));
  if (combo == nullptr) return;
  if (save)
    value = combo->GetSelection();
  else
    combo->SetSelection(value >= 0 && value < static_cast<int>(combo->GetCount()) ? value : wxNOT_FOUND);
}

void CPropertyPage::DDX_Text(bool save, int id, CString& value) {
  auto* edit = dynamic_cast<wxTextCtrl*>(GetDlgItem(id));
  if (edit == nullptr) return;
  if (save)
    value = WxToCP932(edit->GetValue());
  else
    edit->ChangeValue(CP932ToWx(value.str()));
}

bool CPropertyPage::DDX_Text(bool save, int id, UINT& value, UINT min, UINT max) {
  auto* edit = dynamic_cast<wxTextCtrl*>(GetDlgItem(id));
  if (edit == nullptr) return true;
  if (!save) {
    edit->ChangeValue(wxString::Format("%u", value));
    return true;
  }
  const CString text = WxToCP932(edit->GetValue()).Trim();
  char* end = nullptr;
  errno = 0;
  const unsigned long long number = std::strtoull(text, &end, 10);
  const bool whole = !text.IsEmpty() && text[0] != '-' && end != nullptr && *end == '\0' && errno == 0;
  if (!whole || number < min || number > max) {
    CString message;
    if (min == 0 && max == 0xFFFFFFFFu)
      message = "正の整数を入力してください。";
    else
      message.Format("%u から %u までの整数を入力してください。", min, max);
    return Refuse(id, message);
  }
  value = static_cast<UINT>(number);
  return true;
}

bool CPropertyPage::Refuse(int id, const char* message) {
  AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
  if (wxWindow* control = GetDlgItem(id)) control->SetFocus();
  return false;
}

void CPropertyPage::Enable(int id, bool enable) {
  if (wxWindow* control = GetDlgItem(id)) control->Enable(enable);
}

bool CPropertyPage::IsChecked(int id) const {
  auto* box = dynamic_cast<wxCheckBox*>(GetDlgItem(id));
  return box != nullptr && box->GetValue();
}
