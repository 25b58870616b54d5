#include "online/CWebAcountDlg.h"

#include <sys/stat.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/CKestavonApp.h"
#include "app/WebPages.h"
#include "foundation/CStaticLink.h"
#include "foundation/PasswordScramble.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"

namespace {

// The settings file holds the scrambled password: only its owner may read it.
void KeepSettingsPrivate() {
  CWinApp* app = AfxGetApp();
  if (app && !app->m_pszProfileName.IsEmpty()) chmod(CP932ToUTF8(app->m_pszProfileName.str()).c_str(), 0600);
}

}  // namespace

CWebAcountDlg::CWebAcountDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("Pelko Webアカウントの設定")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("取得したPelko Webアカウントを設定してください。")), 0, wxALL, 8);
  auto* link = new CStaticLink(kWebServiceUrl);
  link->Create(this, IDC_LINK, CP932ToWx("Pelko Webアカウントを取得していない人はこのページから取得してください"));
  top->Add(link, 0, wxLEFT | wxRIGHT, 8);
  auto* grid = new wxFlexGridSizer(2, 8, 8);
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("ID(メールアドレス)：")), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(new wxTextCtrl(this, IDC_MAIL, wxEmptyString, wxDefaultPosition, wxSize(240, -1)), 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("パスワード：")), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(new wxTextCtrl(this, IDC_PASSWORD, wxEmptyString, wxDefaultPosition, wxSize(240, -1), wxTE_PASSWORD), 1,
            wxEXPAND);
  top->Add(grid, 1, wxALL | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, IDOK);
}

int CWebAcountDlg::DoModal() {
  m_strPassword = m_strInitPassword;
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CWebAcountDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_MAIL)->ChangeValue(CP932ToWx(m_strMail.str()));
  DlgEdit(this, IDC_PASSWORD)->ChangeValue(CP932ToWx(m_strPassword.str()));
  return true;
}

bool CWebAcountDlg::TransferDataFromWindow() {
  m_strMail = WxToCP932(DlgEdit(this, IDC_MAIL)->GetValue());
  m_strPassword = WxToCP932(DlgEdit(this, IDC_PASSWORD)->GetValue());
  return true;
}

void CWebAcountDlg::OnOK() {
  TransferDataFromWindow();
  if (m_strPassword != m_strInitPassword) {
    m_strInitPassword = m_strPassword;
    AfxWriteProfileString("System", "WebID", m_strMail);
    AfxWriteProfileString("System", "WP",
                          m_strPassword.IsEmpty() ? "" : ScramblePassword(m_strPassword, kWebPasswordKey, 8).GetString());
    KeepSettingsPrivate();
  }
  EndModal(IDOK);
}

BOOL CheckWebAccount(const char* message) {
  CKestavonApp* app = GetKestavonApp();
  if (!app) return FALSE;
  while (app->m_strWebID.IsEmpty() || app->m_strWebPassword.IsEmpty()) {
    AfxMessageBox(message);
    CWebAcountDlg dialog(AfxGetMainFrameWindow());
    if (dialog.DoModal() != IDOK) return FALSE;
    app->m_strWebID = dialog.m_strMail;
    app->m_strWebPassword = dialog.m_strPassword;
  }
  return TRUE;
}

void EditWebAccount() {
  CKestavonApp* app = GetKestavonApp();
  if (!app) return;
  CWebAcountDlg dialog(AfxGetMainFrameWindow());
  dialog.m_strMail = app->m_strWebID;
  if (!app->m_strWebPassword.IsEmpty()) dialog.m_strInitPassword = CWebAcountDlg::kPlaceholder;
  const CString shown = dialog.m_strInitPassword;
  if (dialog.DoModal() != IDOK) return;
  app->m_strWebID = dialog.m_strMail;
  if (dialog.m_strPassword != shown) app->m_strWebPassword = dialog.m_strPassword;
}
