#include "textarea/CWordChangeDlg.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/WinTypes.h"

CWordChangeDlg::CWordChangeDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("単語の修正")) {
  auto* grid = new wxFlexGridSizer(2, 6, 6);
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("修正前(&B):")), 0, wxALIGN_CENTER_VERTICAL);
  m_before = new wxTextCtrl(this, IDC_BEFORE, wxEmptyString, wxDefaultPosition, wxSize(220, -1), wxTE_READONLY);
  grid->Add(m_before, 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("修正後(&A):")), 0, wxALIGN_CENTER_VERTICAL);
  m_after = new wxTextCtrl(this, IDC_AFTER);
  grid->Add(m_after, 1, wxEXPAND);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 1, wxALL | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
}

int CWordChangeDlg::DoModal() {
  m_after->SetFocus();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CWordChangeDlg::TransferDataToWindow() {
  m_before->ChangeValue(CP932ToWx(m_strBefore.str()));
  m_after->ChangeValue(CP932ToWx(m_strAfter.str()));
  return true;
}

bool CWordChangeDlg::TransferDataFromWindow() {
  m_strAfter = WxToCP932(m_after->GetValue());
  return true;
}
