#include "control/pages/PageControls.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>

#include "platform/base/CodePage.h"
#include "platform/desktop/DlgItem.h"

namespace {

wxSizer* LabelRow(wxWindow* page, wxSizer* to, const char* label) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(page, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  to->Add(row, 0, wxEXPAND | wxALL, 3);
  return row;
}

}  // namespace

wxCheckBox* AddCheck(wxWindow* page, wxSizer* to, int id, const char* label) {
  auto* check = new wxCheckBox(page, id, CP932ToWx(label));
  to->Add(check, 0, wxALL, 3);
  return check;
}

wxRadioButton* AddRadio(wxWindow* page, wxSizer* to, int id, const char* label, bool firstOfGroup) {
  auto* radio = new wxRadioButton(page, id, CP932ToWx(label), wxDefaultPosition, wxDefaultSize,
                                  firstOfGroup ? wxRB_GROUP : 0);
  to->Add(radio, 0, wxALL, 3);
  return radio;
}

wxTextCtrl* AddEdit(wxWindow* page, wxSizer* to, int id, const char* label, int maxChars) {
  wxSizer* row = LabelRow(page, to, label);
  auto* edit = new wxTextCtrl(page, id);
  if (maxChars > 0) edit->SetMaxLength(maxChars);
  row->Add(edit, 1, wxALIGN_CENTER_VERTICAL);
  return edit;
}

wxTextCtrl* AddSpinEdit(wxWindow* page, wxSizer* to, int id, const char* label, int spinId, int low, int high) {
  wxSizer* row = LabelRow(page, to, label);
  auto* edit = new wxTextCtrl(page, id);
  auto* spin = new wxSpinButton(page, spinId, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL | wxSP_ARROW_KEYS);
  spin->SetRange(low, high);
  row->Add(edit, 1, wxALIGN_CENTER_VERTICAL);
  row->Add(spin, 0, wxALIGN_CENTER_VERTICAL);
  // The spin starts from whatever number the edit holds, as a buddy spin does.
  const auto step = [edit, spin, low, high](wxSpinEvent& event, int delta) {
    long value = std::strtol(edit->GetValue().utf8_str(), nullptr, 10) + delta;
    if (value < low) value = low;
    if (value > high) value = high;
    edit->SetValue(wxString::Format("%ld", value));
    spin->SetValue(static_cast<int>(value));
    event.Veto();
  };
  spin->Bind(wxEVT_SPIN_UP, [step](wxSpinEvent& event) { step(event, 1); });
  spin->Bind(wxEVT_SPIN_DOWN, [step](wxSpinEvent& event) { step(event, -1); });
  return edit;
}

wxChoice* AddChoice(wxWindow* page, wxSizer* to, int id, const char* label, std::initializer_list<const char*> entries) {
  wxSizer* row = LabelRow(page, to, label);
  auto* choice = new wxChoice(page, id);
  for (const char* entry : entries) choice->Append(CP932ToWx(entry));
  row->Add(choice, 1, wxALIGN_CENTER_VERTICAL);
  return choice;
}

wxButton* AddButton(wxWindow* page, wxSizer* to, int id, const char* label) {
  auto* button = new wxButton(page, id, CP932ToWx(label));
  to->Add(button, 0, wxALL, 3);
  return button;
}

wxSizer* AddGroup(wxWindow* page, wxSizer* to, const char* title) {
  auto* group = new wxStaticBoxSizer(wxVERTICAL, page, CP932ToWx(title));
  to->Add(group, 0, wxEXPAND | wxALL, 3);
  return group;
}

void SetCheck(wxWindow* page, int id, bool checked) {
  wxWindow* item = page->FindWindow(id);
  if (auto* check = dynamic_cast<wxCheckBox*>(item)) check->SetValue(checked);
  if (auto* radio = dynamic_cast<wxRadioButton*>(item)) radio->SetValue(checked);
}

bool IsChecked(wxWindow* page, int id) {
  wxWindow* item = page->FindWindow(id);
  if (auto* check = dynamic_cast<wxCheckBox*>(item)) return check->GetValue();
  if (auto* radio = dynamic_cast<wxRadioButton*>(item)) return radio->GetValue();
  return false;
}

void SetEditText(wxWindow* page, int id, const CString& text) {
  if (wxTextCtrl* edit = DlgEdit(page, id)) edit->ChangeValue(CP932ToWx(text.GetString()));
}

CString GetEditText(wxWindow* page, int id) {
  wxTextCtrl* edit = DlgEdit(page, id);
  return edit ? WxToCP932(edit->GetValue()) : CString();
}

long GetEditNumber(wxWindow* page, int id, bool isSigned) {
  const CString text = GetEditText(page, id);
  const char* digits = text.GetString();
  while (*digits == ' ') ++digits;
  bool negative = false;
  if (isSigned && (*digits == '-' || *digits == '+')) negative = *digits++ == '-';
  long value = 0;
  for (; *digits >= '0' && *digits <= '9'; ++digits) value = value * 10 + (*digits - '0');
  return negative ? -value : value;
}

void SetChoice(wxWindow* page, int id, int index) {
  wxChoice* choice = DlgChoice(page, id);
  if (choice && index >= 0 && index < static_cast<int>(choice->GetCount())) choice->SetSelection(index);
}

int GetChoice(wxWindow* page, int id) {
  wxChoice* choice = DlgChoice(page, id);
  return choice ? choice->GetSelection() : -1;
}

void EnableItem(wxWindow* page, int id, bool enable) {
  if (wxWindow* item = page->FindWindow(id)) item->Enable(enable);
}
