#include "convert/CHtmlTreeOptDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "convert/CBackDlg.h"
#include "model/CDocProperties.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"

namespace {

const CHtmlFilePicker kPickers[] = {
    {CHtmlTreeOptDlg::IDC_CSS_BROWSE, CHtmlTreeOptDlg::IDC_CSS, "css", "*.css", kHtmlCssFilter, "CSSﾌｧｲﾙ名", true},
    {CHtmlTreeOptDlg::IDC_HEAD_BROWSE, CHtmlTreeOptDlg::IDC_HEAD_FILE, "css", "*.css", kHtmlHeadFilter,
     "ﾍｯﾀﾞに挿入するﾌｧｲﾙ名", false},
    {CHtmlTreeOptDlg::IDC_UP_BROWSE, CHtmlTreeOptDlg::IDC_INS_UP, "*", "*.*", kHtmlInsertFilter, "上部に挿入するﾌｧｲﾙ名",
     false},
    {CHtmlTreeOptDlg::IDC_BOTTOM_BROWSE, CHtmlTreeOptDlg::IDC_INS_BOTTOM, "*", "*.*", kHtmlInsertFilter,
     "下部に挿入するﾌｧｲﾙ名", false},
};

}  // namespace

CHtmlTreeOptDlg::CHtmlTreeOptDlg(wxWindow* parent, CDocProperties& properties)
    : wxDialog(parent, wxID_ANY, CP932ToWx("ツリーオプション")), m_properties(properties) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(3, 6, 6);
  grid->AddGrowableCol(1);
  const std::pair<int, const char*> fields[] = {{IDC_CSS, "CSSファイル名(&C):"},
                                                {IDC_HEAD_FILE, "HEADタグ内(&H):"},
                                                {IDC_INS_UP, "上部(&U):"},
                                                {IDC_INS_BOTTOM, "下部(&B):"}};
  for (const auto& [id, label] : fields) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(this, id, wxEmptyString, wxDefaultPosition, wxSize(260, -1)), 1, wxEXPAND);
    for (const CHtmlFilePicker& picker : kPickers) {
      if (picker.field != id) continue;
      auto* browse = new wxButton(this, picker.button, CP932ToWx("参照..."));
      browse->Bind(wxEVT_BUTTON, [this, id = picker.field](wxCommandEvent&) { OnBrowse(id); });
      grid->Add(browse);
    }
  }
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxCheckBox(this, IDC_TREE_CLOSE, CP932ToWx("ツリーを閉じる(&T)")), 0, wxLEFT | wxRIGHT, 8);
  auto* background = new wxButton(this, IDC_BACKGROUND, CP932ToWx("背景の設定(&B)..."));
  background->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EditBackground(m_strBody); });
  top->Add(background, 0, wxALL, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, &CHtmlTreeOptDlg::OnOK, this, IDOK);
  BindDialogHelp(this, kHelpTopic);
}

int CHtmlTreeOptDlg::DoModal() {
  m_strCss = m_properties.m_strCss2;
  m_strHeadFile = m_properties.m_strHeadFile2;
  m_strInsFileUp = m_properties.m_strInsFileUp2;
  m_strInsFileBottom = m_properties.m_strInsFileBottom2;
  m_strBody = m_properties.m_strHtmlBodyTree;
  m_bTreeClose = AfxGetProfileInt("Html", "TreeClose", 1);
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CHtmlTreeOptDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_CSS)->ChangeValue(CP932ToWx(m_strCss.str()));
  DlgEdit(this, IDC_HEAD_FILE)->ChangeValue(CP932ToWx(m_strHeadFile.str()));
  DlgEdit(this, IDC_INS_UP)->ChangeValue(CP932ToWx(m_strInsFileUp.str()));
  DlgEdit(this, IDC_INS_BOTTOM)->ChangeValue(CP932ToWx(m_strInsFileBottom.str()));
  DlgCheck(this, IDC_TREE_CLOSE)->SetValue(m_bTreeClose != 0);
  return true;
}

bool CHtmlTreeOptDlg::TransferDataFromWindow() {
  m_strCss = WxToCP932(DlgEdit(this, IDC_CSS)->GetValue());
  m_strHeadFile = WxToCP932(DlgEdit(this, IDC_HEAD_FILE)->GetValue());
  m_strInsFileUp = WxToCP932(DlgEdit(this, IDC_INS_UP)->GetValue());
  m_strInsFileBottom = WxToCP932(DlgEdit(this, IDC_INS_BOTTOM)->GetValue());
  m_bTreeClose = DlgCheck(this, IDC_TREE_CLOSE)->GetValue() ? 1 : 0;
  return true;
}

BOOL CHtmlTreeOptDlg::ChooseFile(const CHtmlFilePicker& picker, CString& path) {
  return ChooseHtmlFile(this, picker, path);
}

BOOL CHtmlTreeOptDlg::EditBackground(CString& bodyTag) { return EditBodyTag(this, bodyTag); }

void CHtmlTreeOptDlg::OnBrowse(int field) {
  TransferDataFromWindow();
  for (const CHtmlFilePicker& picker : kPickers) {
    if (picker.field != field) continue;
    CString path;
    if (!ChooseFile(picker, path)) return;
    CString& member = field == IDC_CSS         ? m_strCss
                      : field == IDC_HEAD_FILE ? m_strHeadFile
                      : field == IDC_INS_UP    ? m_strInsFileUp
                                               : m_strInsFileBottom;
    member = picker.nameOnly ? path.Mid(path.ReverseFind('/') + 1) : path;
  }
  TransferDataToWindow();
}

void CHtmlTreeOptDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  m_properties.m_strCss2 = m_strCss;
  m_properties.m_strHeadFile2 = m_strHeadFile;
  m_properties.m_strInsFileUp2 = m_strInsFileUp;
  m_properties.m_strInsFileBottom2 = m_strInsFileBottom;
  m_properties.m_strHtmlBodyTree = m_strBody;
  m_properties.m_bHtmlOptionsSet = 1;
  AfxWriteProfileInt("Html", "TreeClose", m_bTreeClose);
  EndModal(IDOK);
}
