#include "convert/CHtmlDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "convert/CHtmlOptSheet.h"
#include "convert/ExportDialogParts.h"
#include "model/CDocProperties.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"
#include "platform/framework/DialogHelp.h"

CHtmlDlg::CHtmlDlg(wxWindow* parent, CDocProperties& properties)
    : wxDialog(parent, wxID_ANY, CP932ToWx("ツリー別HTML出力")), m_properties(properties) {
  auto* grid = new wxFlexGridSizer(3, 6, 8);
  grid->AddGrowableCol(1);
  AddLabelled(grid, this, "ディレクトリ(&D):", new wxTextCtrl(this, IDC_DIR, wxEmptyString, wxDefaultPosition, wxSize(300, -1)));
  grid->Add(new wxButton(this, IDC_BROWSE_DIR, CP932ToWx("参照(&B)...")));
  AddLabelled(grid, this, "インデックスファイル名(&I):", new wxTextCtrl(this, IDC_INDEX_FILE));
  grid->Add(new wxButton(this, IDC_BROWSE_INDEX, CP932ToWx("参照(&R)...")));

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxCheckBox(this, IDC_SELECT_TREE, CP932ToWx("選択したツリーのみ(&T)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(new wxCheckBox(this, IDC_SHO_STR, CP932ToWx("章立て文字表示(&S)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  auto* extra = new wxBoxSizer(wxHORIZONTAL);
  extra->Add(new wxButton(this, IDC_OPTIONS, CP932ToWx("オプション(&O)...")), 0, wxRIGHT, 8);
  extra->AddStretchSpacer();
  extra->Add(new wxButton(this, IDC_OUTPUT_PREVIEW, CP932ToWx("出力してプレビュー(&P)")));
  top->Add(extra, 0, wxALL | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  FindWindow(IDOK)->SetLabel(CP932ToWx("出力"));
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);

  Bind(wxEVT_BUTTON, &CHtmlDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
    m_bPreview = TRUE;
    OnOK(event);
  }, IDC_OUTPUT_PREVIEW);
  Bind(wxEVT_BUTTON, &CHtmlDlg::OnBrowseDir, this, IDC_BROWSE_DIR);
  Bind(wxEVT_BUTTON, &CHtmlDlg::OnBrowseIndex, this, IDC_BROWSE_INDEX);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CHtmlOptSheet(this, m_properties).DoModal(); }, IDC_OPTIONS);
  BindDialogHelp(this, kHelpTopic);
}

int CHtmlDlg::DoModal() {
  if (m_properties.m_bHtmlDirSet) {
    m_strDir = m_properties.m_strHtmlDir;
    m_strIndexFile = m_properties.m_strHtmlIndexFile;
    m_bSelectTree = m_properties.m_nHtmlSelectTree;
    m_bShoStr = m_properties.m_nHtmlShoStr;
  }
  m_bPreview = FALSE;
  TransferDataToWindow();
  UpdateWindowUI(wxUPDATE_UI_RECURSE);
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CHtmlDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_DIR)->ChangeValue(CP932ToWx(m_strDir.str()));
  DlgEdit(this, IDC_INDEX_FILE)->ChangeValue(CP932ToWx(m_strIndexFile.str()));
  DlgCheck(this, IDC_SELECT_TREE)->SetValue(m_bSelectTree != 0);
  DlgCheck(this, IDC_SHO_STR)->SetValue(m_bShoStr != 0);
  return true;
}

bool CHtmlDlg::TransferDataFromWindow() {
  m_strDir = WxToCP932(DlgEdit(this, IDC_DIR)->GetValue());
  m_strIndexFile = WxToCP932(DlgEdit(this, IDC_INDEX_FILE)->GetValue());
  m_bSelectTree = DlgCheck(this, IDC_SELECT_TREE)->GetValue() ? 1 : 0;
  m_bShoStr = DlgCheck(this, IDC_SHO_STR)->GetValue() ? 1 : 0;
  return true;
}

BOOL CHtmlDlg::ChooseFolder(CString& folder) { return ChooseOutputFolder(folder); }

BOOL CHtmlDlg::ChooseIndexFile(const char* folder, const char* name, CString& path) {
  return ::ChooseIndexFile(this, folder, name, path);
}

void CHtmlDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  m_properties.m_strHtmlDir = m_strDir;
  m_properties.m_strHtmlIndexFile = m_strIndexFile;
  m_properties.m_nHtmlSelectTree = m_bSelectTree;
  m_properties.m_nHtmlShoStr = m_bShoStr;
  m_properties.m_bHtmlDirSet = 1;
  EndModal(IDOK);
}

void CHtmlDlg::OnBrowseDir(wxCommandEvent&) {
  TransferDataFromWindow();
  if (ChooseFolder(m_strDir)) TransferDataToWindow();
}

void CHtmlDlg::OnBrowseIndex(wxCommandEvent&) {
  TransferDataFromWindow();
  CString path;
  if (!ChooseIndexFile(m_strDir, m_strIndexFile, path)) return;
  // The pages are written into the folder field; the index keeps only its name.
  m_strIndexFile = path.Mid(path.ReverseFind('/') + 1);
  TransferDataToWindow();
}
