#include "convert/CTextFolderDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/CFolderDialog.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/desktop/DlgItem.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"

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
  m_strDir = ReadSetting(Settings::TextPage::Dir);
  m_strExt = ReadSetting(Settings::TextPage::Ext);
  m_bTitle = ReadSetting(Settings::TextPage::Title);
  m_bTopOut = ReadSetting(Settings::TextPage::TopOut);
  m_bSelectTree = ReadSetting(Settings::TextPage::SelectTree);
  m_bParentText = ReadSetting(Settings::TextPage::ParentText);
  m_bOverwrite = ReadSetting(Settings::TextPage::Overwrite);
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
  // Without a top folder the files would land in whatever folder the program runs in: ask for
  // one, and stay open when none is chosen.
  if (m_strDir.IsEmpty()) {
    if (!ChooseFolder(m_strDir) || m_strDir.IsEmpty()) return;
    TransferDataToWindow();
  }
  WriteSetting(Settings::TextPage::Dir, m_strDir);
  WriteSetting(Settings::TextPage::Ext, m_strExt);
  WriteSetting(Settings::TextPage::Title, m_bTitle);
  WriteSetting(Settings::TextPage::TopOut, m_bTopOut);
  WriteSetting(Settings::TextPage::SelectTree, m_bSelectTree);
  WriteSetting(Settings::TextPage::ParentText, m_bParentText);
  WriteSetting(Settings::TextPage::Overwrite, m_bOverwrite);
  EndModal(IDOK);
}
