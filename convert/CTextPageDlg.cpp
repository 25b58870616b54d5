#include "convert/CTextPageDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "convert/ExportDialogParts.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"
#include "platform/framework/DialogHelp.h"

namespace {
const char kSection[] = "TextPage";
}

CTextPageDlg::CTextPageDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("ツリー別テキスト出力")) {
  auto* grid = new wxFlexGridSizer(3, 6, 8);
  grid->AddGrowableCol(1);
  AddLabelled(grid, this, "フォルダ(&D):", new wxTextCtrl(this, IDC_DIR, wxEmptyString, wxDefaultPosition, wxSize(300, -1)));
  grid->Add(new wxButton(this, IDC_BROWSE_DIR, CP932ToWx("参照...")));
  AddLabelled(grid, this, "インデックスファイル名(&I):", new wxTextCtrl(this, IDC_INDEX_FILE));
  grid->Add(new wxButton(this, IDC_BROWSE_INDEX, CP932ToWx("参照(&B)...")));
  AddLabelled(grid, this, "ファイル名の付け方(&N):",
              NewDropList(this, IDC_NAMING, {"インデックスファイル名+連番", "ツリー名をファイル名にする"}));
  grid->AddSpacer(0);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxCheckBox(this, IDC_TITLE, CP932ToWx("ツリータイトルを本文一行目にする(&T)")), 0,
           wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(new wxCheckBox(this, IDC_SELECT_TREE, CP932ToWx("選択したツリーのみ(&S)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);

  Bind(wxEVT_BUTTON, &CTextPageDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, &CTextPageDlg::OnBrowseDir, this, IDC_BROWSE_DIR);
  Bind(wxEVT_BUTTON, &CTextPageDlg::OnBrowseIndex, this, IDC_BROWSE_INDEX);
  BindDialogHelp(this, kHelpTopic);
}

int CTextPageDlg::DoModal() {
  m_bTitle = AfxGetProfileInt(kSection, "Title", 1);
  m_nNaming = AfxGetProfileInt(kSection, "Naming", 0);
  m_bSelectTree = AfxGetProfileInt(kSection, "SelectTree", 1);
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CTextPageDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_DIR)->ChangeValue(CP932ToWx(m_strDir.str()));
  DlgEdit(this, IDC_INDEX_FILE)->ChangeValue(CP932ToWx(m_strIndexFile.str()));
  SetDropList(this, IDC_NAMING, m_nNaming);
  DlgCheck(this, IDC_TITLE)->SetValue(m_bTitle != 0);
  DlgCheck(this, IDC_SELECT_TREE)->SetValue(m_bSelectTree != 0);
  return true;
}

bool CTextPageDlg::TransferDataFromWindow() {
  m_strDir = WxToCP932(DlgEdit(this, IDC_DIR)->GetValue());
  m_strIndexFile = WxToCP932(DlgEdit(this, IDC_INDEX_FILE)->GetValue());
  m_nNaming = GetDropList(this, IDC_NAMING, m_nNaming);
  m_bTitle = DlgCheck(this, IDC_TITLE)->GetValue() ? 1 : 0;
  m_bSelectTree = DlgCheck(this, IDC_SELECT_TREE)->GetValue() ? 1 : 0;
  return true;
}

BOOL CTextPageDlg::ChooseFolder(CString& folder) { return ChooseOutputFolder(folder); }

BOOL CTextPageDlg::ChooseIndexFile(const char* folder, const char* name, CString& path) {
  return ::ChooseIndexFile(this, folder, name, path);
}

void CTextPageDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  AfxWriteProfileString(kSection, "Dir", m_strDir);
  AfxWriteProfileString(kSection, "IndexFile", m_strIndexFile);
  AfxWriteProfileInt(kSection, "Title", m_bTitle);
  AfxWriteProfileInt(kSection, "Naming", m_nNaming);
  AfxWriteProfileInt(kSection, "SelectTree", m_bSelectTree);
  EndModal(IDOK);
}

void CTextPageDlg::OnBrowseDir(wxCommandEvent&) {
  TransferDataFromWindow();
  if (ChooseFolder(m_strDir)) TransferDataToWindow();
}

void CTextPageDlg::OnBrowseIndex(wxCommandEvent&) {
  TransferDataFromWindow();
  CString path;
  if (!ChooseIndexFile(AfxGetProfileString("InitDir", "HtmlTextPage", ""), m_strIndexFile, path)) return;
  AfxWriteProfileString("InitDir", "HtmlTextPage", path);
  m_strIndexFile = path;
  TransferDataToWindow();
}
