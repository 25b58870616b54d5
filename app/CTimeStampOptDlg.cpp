#include "app/CTimeStampOptDlg.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "model/DateText.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"

CTimeStampOptDlg::CTimeStampOptDlg(wxWindow* parent)
    : wxDialog(parent, IDD, CP932ToWx("タイムスタンプ")), m_strFormat(GetTimeDisplayFormat()) {
  m_format = new wxTextCtrl(this, IDC_FORMAT, wxEmptyString, wxDefaultPosition, wxSize(200, -1));
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("表示形式(&V):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  row->Add(m_format, 1, wxEXPAND);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(row, 0, wxEXPAND | wxALL, 8);
  top->Add(CreateOkCancelButtons(this), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  CentreOnParent();
}

bool CTimeStampOptDlg::TransferDataToWindow() {
  m_format->ChangeValue(CP932ToWx(m_strFormat.str()));
  return true;
}

bool CTimeStampOptDlg::TransferDataFromWindow() {
  m_strFormat = WxToCP932(m_format->GetValue());
  SetTimeDisplayFormat(m_strFormat);
  return true;
}
