#include "platform/framework/CPropertyPage.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <cerrno>
#include <cstdlib>

#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

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
