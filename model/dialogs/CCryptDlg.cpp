#include "model/dialogs/CCryptDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "model/dialogs/CPasswordDlg.h"
#include "platform/desktop/DialogButtons.h"
#include "model/KvnCrypt.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

const CCryptDlg::Password CCryptDlg::kRead = {&CCryptDlg::m_strReadHash, &CCryptDlg::m_strStartReadHash,
                                              &CCryptDlg::m_strReadText, IDC_READ, IDC_CHANGE_READ,
                                              "確認のため、再度、新しい読込みパスワードを入力してください"};
const CCryptDlg::Password CCryptDlg::kWrite = {&CCryptDlg::m_strWriteHash, &CCryptDlg::m_strStartWriteHash,
                                               &CCryptDlg::m_strWriteText, IDC_WRITE, IDC_CHANGE_WRITE,
                                               "確認のため、再度、新しい書込パスワードを入力してください"};

namespace {

wxTextCtrl* Edit(wxWindow* dlg, int id) { return static_cast<wxTextCtrl*>(dlg->FindWindow(id)); }

}  // namespace

CCryptDlg::CCryptDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("パスワード")) {
  auto* grid = new wxFlexGridSizer(3, 8, 8);
  grid->AddGrowableCol(1);
  auto row = [&](const char* label, int edit, int button, const char* buttonLabel) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(this, edit, wxEmptyString, wxDefaultPosition, wxSize(200, -1), wxTE_PASSWORD), 1,
              wxEXPAND);
    grid->Add(new wxButton(this, button, CP932ToWx(buttonLabel)));
  };
  row("読込みパスワード(&R)", IDC_READ, IDC_CHANGE_READ, "変更(&E)...");
  row("書込パスワード(&W)", IDC_WRITE, IDC_CHANGE_WRITE, "変更(&C)...");
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 1, wxALL | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnChange(kRead); }, IDC_CHANGE_READ);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnChange(kWrite); }, IDC_CHANGE_WRITE);
  Bind(wxEVT_BUTTON, &CCryptDlg::OnOK, this, IDOK);
}

int CCryptDlg::DoModal() {
  m_strStartReadHash = m_strReadHash;
  m_strStartWriteHash = m_strWriteHash;
  for (const Password* which : {&kRead, &kWrite}) {
    const bool set = !(this->*which->hash).IsEmpty();
    this->*which->text = set ? CString(kPlaceholder) : CString();
    Edit(this, which->edit)->SetEditable(!set);
    FindWindow(which->button)->Enable(set);
  }
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CCryptDlg::TransferDataToWindow() {
  Edit(this, IDC_READ)->ChangeValue(CP932ToWx(m_strReadText.str()));
  Edit(this, IDC_WRITE)->ChangeValue(CP932ToWx(m_strWriteText.str()));
  return true;
}

bool CCryptDlg::TransferDataFromWindow() {
  m_strReadText = WxToCP932(Edit(this, IDC_READ)->GetValue());
  m_strWriteText = WxToCP932(Edit(this, IDC_WRITE)->GetValue());
  return true;
}

void CCryptDlg::OnChange(const Password& which) {
  TransferDataFromWindow();
  CPasswordDlg old(this);
  old.m_strPrompt = "旧パスワードを入力してください";
  if (old.DoModal() != IDOK) return;
  if (PasswordHash(old.m_strPassword) != this->*which.hash) {
    AfxMessageBox("旧パスワードが違います。");
    return;
  }
  CPasswordDlg fresh(this);
  fresh.m_strPrompt = "新パスワードを入力してください";
  if (fresh.DoModal() != IDOK) return;
  if (fresh.m_strPassword.IsEmpty()) {
    (this->*which.hash).Empty();
    (this->*which.text).Empty();
    Edit(this, which.edit)->SetEditable(true);
  } else {
    this->*which.hash = PasswordHash(fresh.m_strPassword);
    this->*which.text = fresh.m_strPassword;
  }
  TransferDataToWindow();
}

bool CCryptDlg::Confirm(const Password& which) {
  const CString& text = this->*which.text;
  if (!text.IsEmpty() && text != kPlaceholder) this->*which.hash = PasswordHash(text);
  const CString& hash = this->*which.hash;
  if (hash.IsEmpty() || hash == this->*which.start) return true;
  CPasswordDlg again(this);
  again.m_strPrompt = which.confirmPrompt;
  if (again.DoModal() != IDOK) return false;
  if (again.m_strPassword.IsEmpty() || PasswordHash(again.m_strPassword) != hash) {
    AfxMessageBox("パスワードが違います。");
    return false;
  }
  return true;
}

void CCryptDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  if (!Confirm(kRead) || !Confirm(kWrite)) return;
  EndModal(IDOK);
}
