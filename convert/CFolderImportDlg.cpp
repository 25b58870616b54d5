#include "convert/CFolderImportDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/CFolderDialog.h"
#include "platform/desktop/DlgItem.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

namespace {

const char kSection[] = "FolderImport";


}  // namespace

CFolderImportDlg::CFolderImportDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, CP932ToWx("フォルダをインポート")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("トップフォルダ(&D):")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  auto* dirRow = new wxBoxSizer(wxHORIZONTAL);
  dirRow->Add(new wxTextCtrl(this, IDC_DIR, wxEmptyString, wxDefaultPosition, wxSize(320, -1)), 1,
              wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  dirRow->Add(new wxButton(this, IDC_BROWSE, CP932ToWx("参照...")));
  top->Add(dirRow, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("拡張子(&E):")), 0, wxLEFT | wxRIGHT, 8);
  top->Add(new wxTextCtrl(this, IDC_EXT, wxEmptyString), 0, wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("読み込み対象とするファイルの拡張子を;で区切って複数指定可能")), 0,
           wxLEFT | wxRIGHT, 8);
  top->Add(new wxCheckBox(this, IDC_EXT_NAME, CP932ToWx("拡張子もツリー名に入れる(&A)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(new wxCheckBox(this, IDC_OTHER_LINK, CP932ToWx("読み込み対象ファイル以外をリンクファイル化(&L)")), 0,
           wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, &CFolderImportDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, &CFolderImportDlg::OnBrowse, this, IDC_BROWSE);
}

int CFolderImportDlg::DoModal() {
  m_strDir = AfxGetProfileString(kSection, "Dir", "");
  m_strExt = AfxGetProfileString(kSection, "Ext", "txt");
  m_bExtName = AfxGetProfileInt(kSection, "ExtName", 0);
  m_bOtherLink = AfxGetProfileInt(kSection, "OtherLink", 0);
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CFolderImportDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_DIR)->ChangeValue(CP932ToWx(m_strDir.str()));
  DlgEdit(this, IDC_EXT)->ChangeValue(CP932ToWx(m_strExt.str()));
  DlgCheck(this, IDC_EXT_NAME)->SetValue(m_bExtName != 0);
  DlgCheck(this, IDC_OTHER_LINK)->SetValue(m_bOtherLink != 0);
  return true;
}

bool CFolderImportDlg::TransferDataFromWindow() {
  m_strDir = WxToCP932(DlgEdit(this, IDC_DIR)->GetValue());
  m_strExt = WxToCP932(DlgEdit(this, IDC_EXT)->GetValue());
  m_bExtName = DlgCheck(this, IDC_EXT_NAME)->GetValue() ? 1 : 0;
  m_bOtherLink = DlgCheck(this, IDC_OTHER_LINK)->GetValue() ? 1 : 0;
  return true;
}

BOOL CFolderImportDlg::ChooseFolder(CString& folder) {
  return CFolderDialog::Choose(folder);
}

void CFolderImportDlg::OnBrowse(wxCommandEvent&) {
  TransferDataFromWindow();
  if (ChooseFolder(m_strDir)) TransferDataToWindow();
}

void CFolderImportDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  AfxWriteProfileString(kSection, "Dir", m_strDir);
  AfxWriteProfileString(kSection, "Ext", m_strExt);
  AfxWriteProfileInt(kSection, "ExtName", m_bExtName);
  AfxWriteProfileInt(kSection, "OtherLink", m_bOtherLink);
  EndModal(IDOK);
}
