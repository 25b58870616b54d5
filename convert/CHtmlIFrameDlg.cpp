#include "convert/CHtmlIFrameDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "convert/CHtmlOptSheet.h"
#include "convert/CHtmlTreeOptDlg.h"
#include "convert/ExportDialogParts.h"
#include "model/CDocProperties.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"

CHtmlIFrameDlg::CHtmlIFrameDlg(wxWindow* parent, CDocProperties& properties)
    : wxDialog(parent, wxID_ANY, CP932ToWx("ツリー別HTML出力(フレーム)")), m_properties(properties) {
  auto* grid = new wxFlexGridSizer(3, 6, 8);
  grid->AddGrowableCol(1);
  AddLabelled(grid, this, "フォルダ(&D):", new wxTextCtrl(this, IDC_DIR, wxEmptyString, wxDefaultPosition, wxSize(300, -1)));
  grid->Add(new wxButton(this, IDC_BROWSE_DIR, CP932ToWx("参照...")));
  AddLabelled(grid, this, "メインファイル名(&M):", new wxTextCtrl(this, IDC_TREE_FILE));
  grid->Add(new wxButton(this, IDC_BROWSE_TREE, CP932ToWx("参照...")));
  AddLabelled(grid, this, "インデックスファイル名(&I):", new wxTextCtrl(this, IDC_INDEX_FILE));
  grid->Add(new wxButton(this, IDC_BROWSE_INDEX, CP932ToWx("参照...")));
  AddLabelled(grid, this, "メニューの幅(&W):", new wxTextCtrl(this, IDC_WIDTH));
  grid->AddSpacer(0);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxCheckBox(this, IDC_SELECT_TREE, CP932ToWx("選択したツリーのみ(&T)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(new wxCheckBox(this, IDC_SHO_STR, CP932ToWx("章立て文字表示(&S)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  auto* extra = new wxBoxSizer(wxHORIZONTAL);
  extra->Add(new wxButton(this, IDC_TREE_OPTIONS, CP932ToWx("オプション(&O)...")), 0, wxRIGHT, 8);
  extra->Add(new wxButton(this, IDC_OPTIONS, CP932ToWx("オプション(&J)...")), 0, wxRIGHT, 8);
  extra->AddStretchSpacer();
  extra->Add(new wxButton(this, IDC_OUTPUT_PREVIEW, CP932ToWx("出力後プレビュー(&P)")));
  top->Add(extra, 0, wxALL | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  FindWindow(IDOK)->SetLabel(CP932ToWx("出力"));
  FindWindow(IDCANCEL)->SetLabel(CP932ToWx("ｷｬﾝｾﾙ"));
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);

  Bind(wxEVT_BUTTON, &CHtmlIFrameDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
    m_bPreview = TRUE;
    OnOK(event);
  }, IDC_OUTPUT_PREVIEW);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    TransferDataFromWindow();
    if (ChooseFolder(m_strDir)) TransferDataToWindow();
  }, IDC_BROWSE_DIR);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBrowseFile(IDC_TREE_FILE); }, IDC_BROWSE_TREE);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBrowseFile(IDC_INDEX_FILE); }, IDC_BROWSE_INDEX);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EditTreeOptions(); }, IDC_TREE_OPTIONS);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EditOptions(); }, IDC_OPTIONS);
}

int CHtmlIFrameDlg::DoModal() {
  if (m_properties.m_bHtmlFramesSet) m_strDir = m_properties.m_strHtmlDir;
  m_strIndexFile = m_properties.m_strHtmlIndexFile;
  m_bSelectTree = m_properties.m_nHtmlSelectTree;
  m_strTreeFile = m_properties.m_strHtmlTreeFile;
  m_strWidth = m_properties.m_strHtmlWidth;
  m_bShoStr = m_properties.m_nHtmlShoStr;
  m_bPreview = FALSE;
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CHtmlIFrameDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_DIR)->ChangeValue(CP932ToWx(m_strDir.str()));
  DlgEdit(this, IDC_TREE_FILE)->ChangeValue(CP932ToWx(m_strTreeFile.str()));
  DlgEdit(this, IDC_INDEX_FILE)->ChangeValue(CP932ToWx(m_strIndexFile.str()));
  DlgEdit(this, IDC_WIDTH)->ChangeValue(CP932ToWx(m_strWidth.str()));
  DlgCheck(this, IDC_SELECT_TREE)->SetValue(m_bSelectTree != 0);
  DlgCheck(this, IDC_SHO_STR)->SetValue(m_bShoStr != 0);
  return true;
}

bool CHtmlIFrameDlg::TransferDataFromWindow() {
  m_strDir = WxToCP932(DlgEdit(this, IDC_DIR)->GetValue());
  m_strTreeFile = WxToCP932(DlgEdit(this, IDC_TREE_FILE)->GetValue());
  m_strIndexFile = WxToCP932(DlgEdit(this, IDC_INDEX_FILE)->GetValue());
  m_strWidth = WxToCP932(DlgEdit(this, IDC_WIDTH)->GetValue());
  m_bSelectTree = DlgCheck(this, IDC_SELECT_TREE)->GetValue() ? 1 : 0;
  m_bShoStr = DlgCheck(this, IDC_SHO_STR)->GetValue() ? 1 : 0;
  return true;
}

BOOL CHtmlIFrameDlg::ChooseFolder(CString& folder) { return ChooseOutputFolder(folder); }

BOOL CHtmlIFrameDlg::ChoosePageFile(const char* folder, const char* name, const char* title, CString& path) {
  return ChooseIndexFile(this, folder, name, path, title);
}

void CHtmlIFrameDlg::EditTreeOptions() { CHtmlTreeOptDlg(this, m_properties).DoModal(); }

void CHtmlIFrameDlg::EditOptions() { CHtmlOptSheet(this, m_properties).DoModal(); }

void CHtmlIFrameDlg::OnBrowseFile(int field) {
  TransferDataFromWindow();
  CString& name = field == IDC_TREE_FILE ? m_strTreeFile : m_strIndexFile;
  const char* title = field == IDC_TREE_FILE ? "ツリーファイル名の入力" : "Indexファイル名の入力";
  CString path;
  if (!ChoosePageFile(m_strDir, name, title, path)) return;
  // The pages are written into the folder field; a page file keeps only its name.
  name = path.Mid(path.ReverseFind('/') + 1);
  TransferDataToWindow();
}

void CHtmlIFrameDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  m_properties.m_bHtmlFramesSet = 1;
  m_properties.m_strHtmlDir = m_strDir;
  m_properties.m_strHtmlIndexFile = m_strIndexFile;
  m_properties.m_nHtmlSelectTree = m_bSelectTree;
  m_properties.m_strHtmlTreeFile = m_strTreeFile;
  m_properties.m_strHtmlWidth = m_strWidth;
  m_properties.m_nHtmlShoStr = m_bShoStr;
  EndModal(IDOK);
}
