#include "model/dialogs/CPasswordDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/desktop/DialogButtons.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

CPasswordDlg::CPasswordDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, CP932ToWx("パスワードの入力")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, IDC_PROMPT, CP932ToWx("パスワードを入力してください(&P):")), 0,
           wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(this, IDC_FILENAME, wxEmptyString), 0, wxLEFT | wxRIGHT | wxEXPAND, 8);
  top->Add(new wxTextCtrl(this, IDC_PASSWORD, wxEmptyString, wxDefaultPosition, wxSize(260, -1), wxTE_PASSWORD),
           0, wxALL | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
}

int CPasswordDlg::DoModal() {
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CPasswordDlg::TransferDataToWindow() {
  if (!m_strPrompt.IsEmpty()) FindWindow(IDC_PROMPT)->SetLabel(CP932ToWx(m_strPrompt.str()));
  FindWindow(IDC_FILENAME)->SetLabel(CP932ToWx(m_strFileName.str()));
  static_cast<wxTextCtrl*>(FindWindow(IDC_PASSWORD))->ChangeValue(CP932ToWx(m_strPassword.str()));
  return true;
}

bool CPasswordDlg::TransferDataFromWindow() {
  m_strPassword = WxToCP932(static_cast<wxTextCtrl*>(FindWindow(IDC_PASSWORD))->GetValue());
  return true;
}
