#include "views/CGrepDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "foundation/CFolderDialog.h"
#include "foundation/IRegExp.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"

namespace {

wxChoice* MakeChoice(wxWindow* parent, int id, std::initializer_list<const char*> items) {
  auto* choice = new wxChoice(parent, id);
  for (const char* item : items) choice->Append(CP932ToWx(item));
  return choice;
}

void AddLabelled(wxWindow* parent, wxSizer* sizer, const char* label, wxWindow* control) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(parent, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  row->Add(control, 1, wxALIGN_CENTER_VERTICAL);
  sizer->Add(row, 0, wxLEFT | wxRIGHT | wxTOP | wxEXPAND, 8);
}

BOOL RegExpAvailable() {
  IRegExp probe;
  return probe.CreateDispatch("VBScript.RegExp");
}

}  // namespace

CGrepDlg::CGrepDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("ファイル検索")) {
  m_wordHistory.SetSection("Search");
  m_folderHistory.SetSection("FolderHistory");
  m_options.m_nFileType = -1;
  m_options.m_nWordMode = -1;
  auto* top = new wxBoxSizer(wxVERTICAL);
  m_word = new wxComboBox(this, IDC_WORD, wxEmptyString, wxDefaultPosition, wxSize(320, -1));
  AddLabelled(this, top, "検索語(&W)：", m_word);
  top->Add(new wxCheckBox(this, IDC_CASE, CP932ToWx("大文字小文字を区別する(&O)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(new wxCheckBox(this, IDC_WIDTH, CP932ToWx("全角半角を区別する(&Z)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  auto* targets = new wxStaticBoxSizer(wxHORIZONTAL, this, CP932ToWx("検索対象(&O)"));
  targets->Add(new wxCheckBox(targets->GetStaticBox(), IDC_TITLE, CP932ToWx("ツリータイトル(&T)")), 0, wxALL, 4);
  targets->Add(new wxCheckBox(targets->GetStaticBox(), IDC_TEXT, CP932ToWx("テキストエリア(&E)")), 0, wxALL, 4);
  targets->Add(new wxCheckBox(targets->GetStaticBox(), IDC_LINK, CP932ToWx("リンクファイル名(&L)")), 0, wxALL, 4);
  top->Add(targets, 0, wxLEFT | wxRIGHT | wxTOP | wxEXPAND, 8);
  auto* folderRow = new wxBoxSizer(wxHORIZONTAL);
  m_folder = new wxComboBox(this, IDC_FOLDER, wxEmptyString, wxDefaultPosition, wxSize(260, -1));
  folderRow->Add(m_folder, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  folderRow->Add(new wxButton(this, IDC_BROWSE, CP932ToWx("参照(&B)...")));
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("フォルダ(&F):")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(folderRow, 0, wxLEFT | wxRIGHT | wxTOP | wxEXPAND, 8);
  AddLabelled(this, top, "ファイルタイプ(&W):",
              MakeChoice(this, IDC_FILE_TYPE, {".kvnファイルのみ", ".kvnファイルと.txtファイル"}));
  top->Add(new wxCheckBox(this, IDC_SUB_FOLDER, CP932ToWx("サブフォルダも検索(&S)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(new wxCheckBox(this, IDC_REG_EXP, CP932ToWx("正規表現(&R)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  AddLabelled(this, top, "複数語(&M):",
              MakeChoice(this, IDC_WORD_MODE,
                         {"単独語", "ツリー単位 - ＯＲ", "ツリー単位 - ＡＮＤ", "ファイル単位 - ＯＲ", "ファイル単位 - ＡＮＤ"}));
  wxSizer* buttons = CreateOkCancelButtons(this, IDOK, IDCANCEL);
  if (auto* ok = wxDynamicCast(FindWindow(IDOK), wxButton)) ok->SetLabel(CP932ToWx("検索開始"));
  top->Add(buttons, 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  BindDialogHelp(this, 176);
  Bind(wxEVT_BUTTON, &CGrepDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, &CGrepDlg::OnBrowse, this, IDC_BROWSE);
  Bind(wxEVT_CHECKBOX, &CGrepDlg::OnRegExp, this, IDC_REG_EXP);
}

int CGrepDlg::DoModal() {
  m_wordHistory.Load();
  m_folderHistory.Load();
  m_options.LoadSettings();
  m_options.m_nWordMode = AfxGetProfileInt("System", "MSearchGrep", 1);

  const CString word = m_options.m_strWord;
  m_wordHistory.FillComboBox(m_word);
  if (!word.IsEmpty()) m_word->SetValue(CP932ToWx(word.str()));
  if (!m_folderHistory.GetFirst().IsEmpty()) {
    m_folderHistory.FillComboBox(m_folder);
  } else {
    m_folder->SetValue(wxGetHomeDir());
  }
  if (!RegExpAvailable()) {
    m_options.m_bRegExp = 0;
    FindWindow(IDC_REG_EXP)->Disable();
  }
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CGrepDlg::TransferDataToWindow() {
  DlgCheck(this, IDC_CASE)->SetValue(m_options.m_bCase != 0);
  DlgCheck(this, IDC_WIDTH)->SetValue(m_options.m_bWidth != 0);
  DlgCheck(this, IDC_TITLE)->SetValue(m_options.m_bTitle != 0);
  DlgCheck(this, IDC_TEXT)->SetValue(m_options.m_bText != 0);
  DlgCheck(this, IDC_LINK)->SetValue(m_options.m_bLink != 0);
  DlgCheck(this, IDC_SUB_FOLDER)->SetValue(m_options.m_bSubFolder != 0);
  DlgCheck(this, IDC_REG_EXP)->SetValue(m_options.m_bRegExp != 0);
  DlgChoice(this, IDC_FILE_TYPE)->SetSelection(m_options.m_nFileType);
  DlgChoice(this, IDC_WORD_MODE)->SetSelection(m_options.m_nWordMode);
  FindWindow(IDC_WIDTH)->Enable(m_options.m_bRegExp == 0);
  return true;
}

bool CGrepDlg::TransferDataFromWindow() {
  m_options.m_strWord = WxToCP932(m_word->GetValue());
  m_options.m_strFolder = WxToCP932(m_folder->GetValue());
  m_options.m_bCase = DlgCheck(this, IDC_CASE)->GetValue();
  m_options.m_bWidth = DlgCheck(this, IDC_WIDTH)->GetValue();
  m_options.m_bTitle = DlgCheck(this, IDC_TITLE)->GetValue();
  m_options.m_bText = DlgCheck(this, IDC_TEXT)->GetValue();
  m_options.m_bLink = DlgCheck(this, IDC_LINK)->GetValue();
  m_options.m_bSubFolder = DlgCheck(this, IDC_SUB_FOLDER)->GetValue();
  m_options.m_bRegExp = DlgCheck(this, IDC_REG_EXP)->GetValue();
  m_options.m_nFileType = DlgChoice(this, IDC_FILE_TYPE)->GetSelection();
  m_options.m_nWordMode = DlgChoice(this, IDC_WORD_MODE)->GetSelection();
  return true;
}

BOOL CGrepDlg::ChooseFolder(CString& folder) { return CFolderDialog::Choose(folder); }

void CGrepDlg::OnBrowse(wxCommandEvent&) {
  TransferDataFromWindow();
  if (ChooseFolder(m_options.m_strFolder)) m_folder->SetValue(CP932ToWx(m_options.m_strFolder.str()));
}

void CGrepDlg::OnRegExp(wxCommandEvent&) {
  TransferDataFromWindow();
  FindWindow(IDC_WIDTH)->Enable(m_options.m_bRegExp == 0);
}

void CGrepDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_options.m_strWord.IsEmpty()) {
    AfxMessageBox("検索語がありません");
    return;
  }
  if (m_options.m_strFolder.IsEmpty()) {
    AfxMessageBox("フォルダが指定されていません");
    return;
  }
  AfxWriteProfileInt("System", "ISearch", m_options.m_bCase);
  AfxWriteProfileInt("System", "ZSearch", m_options.m_bWidth);
  AfxWriteProfileInt("System", "MSearchGrep", m_options.m_nWordMode);
  AfxWriteProfileInt("System", "TitleSearch", m_options.m_bTitle);
  AfxWriteProfileInt("System", "TextAreaSearch", m_options.m_bText);
  AfxWriteProfileInt("System", "LinkNameSearch", m_options.m_bLink);
  AfxWriteProfileInt("Grep", "SubFolder", m_options.m_bSubFolder);
  AfxWriteProfileInt("Grep", "FileType", m_options.m_nFileType);
  AfxWriteProfileInt("Grep", "RegExp", m_options.m_bRegExp);
  m_wordHistory.Add(m_options.m_strWord);
  m_folderHistory.Add(m_options.m_strFolder);
  m_wordHistory.Save();
  m_folderHistory.Save();
  EndModal(IDOK);
}
