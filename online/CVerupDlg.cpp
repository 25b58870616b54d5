#include "online/CVerupDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

CVerupDlg::CVerupDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("バージョンアップしています")) {
  auto* grid = new wxFlexGridSizer(2, 8, 8);
  grid->AddGrowableCol(1);
  auto row = [&](const char* label, int id) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, wxSize(260, -1), wxTE_READONLY), 1, wxEXPAND);
  };
  row("最新版バージョン(&V):", IDC_VERSION);
  row("更新日付(&D):", IDC_DATE);
  row("メッセージ(&M):", IDC_MESSAGE);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, IDOK, CP932ToWx("ホームページを開いて最新版をダウンロードする")), 0, wxRIGHT, 8);
  buttons->Add(new wxButton(this, IDCANCEL, CP932ToWx("閉じる")));
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 1, wxALL | wxEXPAND, 8);
  top->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
}

int CVerupDlg::DoModal() {
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CVerupDlg::TransferDataToWindow() {
  static_cast<wxTextCtrl*>(FindWindow(IDC_DATE))->ChangeValue(CP932ToWx(m_strDate.str()));
  static_cast<wxTextCtrl*>(FindWindow(IDC_MESSAGE))->ChangeValue(CP932ToWx(m_strMessage.str()));
  static_cast<wxTextCtrl*>(FindWindow(IDC_VERSION))->ChangeValue(CP932ToWx(m_strVersion.str()));
  return true;
}
