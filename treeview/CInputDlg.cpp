#include "treeview/CInputDlg.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"

CInputDlg::CInputDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "Kestavon") {
  m_prompt = new wxStaticText(this, IDC_PROMPT, wxEmptyString);
  m_edit = new wxTextCtrl(this, IDC_TEXT, wxEmptyString, wxDefaultPosition, wxSize(320, -1));
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(m_prompt, 0, wxLEFT | wxRIGHT | wxTOP, 10);
  top->Add(m_edit, 0, wxALL | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(top);
}

bool CInputDlg::TransferDataToWindow() {
  // The prompt may be long: the dialog grows to show it whole before it is centred.
  m_prompt->SetLabel(m_pPrompt != nullptr ? CP932ToWx(m_pPrompt) : wxString());
  m_edit->ChangeValue(CP932ToWx(m_strText.str()));
  GetSizer()->Fit(this);
  CentreOnParent();
  return true;
}

bool CInputDlg::TransferDataFromWindow() {
  m_strText = WxToCP932(m_edit->GetValue());
  return true;
}
