#include "convert/CTextFolderDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/CFolderDialog.h"
#include "platform/desktop/DlgItem.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"

namespace {

const char kSection[] = "TextPage";


}  // namespace

CTextFolderDlg::CTextFolderDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, CP932ToWx("フォルダでテキスト出力")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("トップフォルダ(&D):")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  auto* dirRow = new wxBoxSizer(wxHORIZONTAL);
  dirRow->Add(new wxTextCtrl(this, IDC_DIR, wxEmptyString, wxDefaultPosition, wxSize(320, -1)), 1,
              wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  dirRow->Add(new wxButton(this, IDC_BROWSE, CP932ToWx("参照...")));
  top->Add(dirRow, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("このフォルダ配下に、親ツリーがフォルダになって出力されます。")), 0,
           wxLEFT | wxRIGHT, 8);
  auto* extRow = new wxBoxSizer(wxHORIZONTAL);
  extRow->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("拡張子(&E):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  extRow->Add(new wxTextCtrl(this, IDC_EXT, wxEmptyString, wxDefaultPosition, wxSize(80, -1)));
  top->Add(extRow, 0, wxALL, 8);
  const std::pair<int, const char*> checks[] = {
      {IDC_TITLE, "ツリータイトルを本文一行目にする(&T)"}, {IDC_SELECT_TREE, "選択したツリーのみ(&S)"},
      {IDC_TOP_OUT, "トップツリーもフォルダ化する(&F)"},     {IDC_OVERWRITE, "既存ファイルを上書き(&W)"},
      {IDC_PARENT_TEXT, "親ツリーのテキストもファイル化する(&P)"}};
  for (const auto& [id, label] : checks) top->Add(new wxCheckBox(this, id, CP932ToWx(label)), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, &CTextFolderDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, &CTextFolderDlg::OnBrowse, this, IDC_BROWSE);
}

int CTextFolderDlg::DoModal() {
  m_strDir = AfxGetProfileString(kSection, "Dir", "");
  m_strExt = AfxGetProfileString(kSection, "Ext", "txt");
  m_bTitle = AfxGetProfileInt(kSection, "Title", 1);
  m_bTopOut = AfxGetProfileInt(kSection, "TopOut", 1);
  m_bSelectTree = AfxGetProfileInt(kSection, "SelectTree", 1);
  m_bParentText = AfxGetProfileInt(kSection, "ParentText", 1);
  m_bOverwrite = AfxGetProfileInt(kSection, "Overwrite", 1);
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CTextFolderDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_DIR)->ChangeValue(CP932ToWx(m_strDir.str()));
  DlgEdit(this, IDC_EXT)->ChangeValue(CP932ToWx(m_strExt.str()));
  DlgCheck(this, IDC_TITLE)->SetValue(m_bTitle != 0);
  DlgCheck(this, IDC_TOP_OUT)->SetValue(m_bTopOut != 0);
  DlgCheck(this, IDC_SELECT_TREE)->SetValue(m_bSelectTree != 0);
  DlgCheck(this, IDC_PARENT_TEXT)->SetValue(m_bParentText != 0);
  DlgCheck(this, IDC_OVERWRITE)->SetValue(m_bOverwrite != 0);
  return true;
}

bool CTextFolderDlg::TransferDataFromWindow() {
  m_strDir = WxToCP932(DlgEdit(this, IDC_DIR)->GetValue());
  m_strExt = WxToCP932(DlgEdit(this, IDC_EXT)->GetValue());
  m_bTitle = DlgCheck(this, IDC_TITLE)->GetValue() ? 1 : 0;
  m_bTopOut = DlgCheck(this, IDC_TOP_OUT)->GetValue() ? 1 : 0;
  m_bSelectTree = DlgCheck(this, IDC_SELECT_TREE)->GetValue() ? 1 : 0;
  m_bParentText = DlgCheck(this, IDC_PARENT_TEXT)->GetValue() ? 1 : 0;
  m_bOverwrite = DlgCheck(this, IDC_OVERWRITE)->GetValue() ? 1 : 0;
  return true;
}

BOOL CTextFolderDlg::ChooseFolder(CString& folder) {
  return CFolderDialog::Choose(folder);
}

void CTextFolderDlg::OnBrowse(wxCommandEvent&) {
  TransferDataFromWindow();
  if (ChooseFolder(m_strDir)) TransferDataToWindow();
}

void CTextFolderDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  AfxWriteProfileString(kSection, "Dir", m_strDir);
  AfxWriteProfileString(kSection, "Ext", m_strExt);
  AfxWriteProfileInt(kSection, "Title", m_bTitle);
  AfxWriteProfileInt(kSection, "TopOut", m_bTopOut);
  AfxWriteProfileInt(kSection, "SelectTree", m_bSelectTree);
  AfxWriteProfileInt(kSection, "ParentText", m_bParentText);
  AfxWriteProfileInt(kSection, "Overwrite", m_bOverwrite);
  EndModal(IDOK);
}
