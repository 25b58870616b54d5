#include "model/dialogs/CDocInfoDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "model/ATREE.h"
#include "platform/desktop/DlgItem.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"

namespace {


void Put(wxWindow* dialog, int id, CString text) {
  // The text control breaks lines at LF alone.
  text.Replace("\r\n", "\n");
  DlgEdit(dialog, id)->ChangeValue(CP932ToWx(text.str()));
}

CString Get(wxWindow* dialog, int id) {
  CString text = WxToCP932(DlgEdit(dialog, id)->GetValue());
  text.Replace("\r\n", "\n");
  text.Replace("\n", "\r\n");
  return text;
}

}  // namespace

CDocInfoDlg::CDocInfoDlg(wxWindow* parent, ATREE* tree)
    : wxDialog(parent, wxID_ANY, CP932ToWx("文書情報"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_pTree(tree) {
  auto* grid = new wxFlexGridSizer(2, 6, 8);
  grid->AddGrowableCol(1, 1);
  auto addField = [&](const char* label, int id) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, wxSize(320, -1)), 1, wxEXPAND);
  };
  addField("この文書の作成者(&W):", IDC_AUTHOR);
  addField("会社名(&C):", IDC_COMPANY);
  addField("メールアドレス(&M):", IDC_EMAIL);
  addField("ホームページ(&U):", IDC_URL);

  auto* links = new wxBoxSizer(wxHORIZONTAL);
  links->Add(new wxButton(this, IDC_OPEN_URL, CP932ToWx("開く...")), 0, wxRIGHT, 8);
  links->Add(new wxButton(this, IDC_SEND_MAIL, CP932ToWx("送信...")));

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  top->Add(links, 0, wxLEFT | wxRIGHT | wxALIGN_RIGHT, 8);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("説明(&W)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(new wxTextCtrl(this, IDC_MEMO, wxEmptyString, wxDefaultPosition, wxSize(-1, 120), wxTE_MULTILINE), 1,
           wxALL | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, &CDocInfoDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, &CDocInfoDlg::OnOpenUrl, this, IDC_OPEN_URL);
  Bind(wxEVT_BUTTON, &CDocInfoDlg::OnSendMail, this, IDC_SEND_MAIL);
  BindDialogHelp(this, kHelpTopic);
}

int CDocInfoDlg::DoModal() {
  const CDocProperties& properties = m_pTree->GetProperties();
  m_strAuthor = properties.m_strAuthor;
  m_strCompany = properties.m_strAuthorCorp;
  m_strMemo = properties.m_strMemo;
  m_strMemo.Replace("\x01", "\r\n");
  m_strUrl = properties.m_strAuthorUrl;
  m_strEmail = properties.m_strAuthorEmail;
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CDocInfoDlg::TransferDataToWindow() {
  Put(this, IDC_AUTHOR, m_strAuthor);
  Put(this, IDC_COMPANY, m_strCompany);
  Put(this, IDC_MEMO, m_strMemo);
  Put(this, IDC_URL, m_strUrl);
  Put(this, IDC_EMAIL, m_strEmail);
  return true;
}

bool CDocInfoDlg::TransferDataFromWindow() {
  m_strAuthor = Get(this, IDC_AUTHOR);
  m_strCompany = Get(this, IDC_COMPANY);
  m_strMemo = Get(this, IDC_MEMO);
  m_strUrl = Get(this, IDC_URL);
  m_strEmail = Get(this, IDC_EMAIL);
  return true;
}

void CDocInfoDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  CDocProperties& properties = m_pTree->GetProperties();
  properties.m_strAuthor = m_strAuthor;
  properties.m_strAuthorCorp = m_strCompany;
  properties.m_strAuthorEmail = m_strEmail;
  CString memo = m_strMemo;
  memo.Replace("\r\n", "\x01");
  properties.m_strMemo = memo;
  properties.m_strAuthorUrl = m_strUrl;
  EndModal(IDOK);
}

void CDocInfoDlg::OpenWithShell(const char* target) { OpenLinkTarget(this, target); }

void CDocInfoDlg::OnOpenUrl(wxCommandEvent&) {
  TransferDataFromWindow();
  OpenWithShell(m_strUrl);
  TransferDataToWindow();
}

void CDocInfoDlg::OnSendMail(wxCommandEvent&) {
  TransferDataFromWindow();
  OpenWithShell("mailto:" + m_strEmail);
  TransferDataToWindow();
}
