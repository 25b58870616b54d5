#include "convert/CRtfOutDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <iterator>

#include "convert/CFormDlg.h"
#include "convert/ExportDialogParts.h"
#include "foundation/CFileDialogEx.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"

namespace {

const char* const kPageFeeds[] = {"ツリーで改ページしない", "全ツリーで改ページ",   "第１階層で改ページ",
                                  "第２階層で改ページ",     "第３階層で改ページ", "第４階層で改ページ",
                                  "第５階層で改ページ"};

}  // namespace

CRtfOutDlg::CRtfOutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("RTF出力")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("ファイル名(&F):")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
  nameRow->Add(new wxTextCtrl(this, IDC_FILE_NAME, wxEmptyString, wxDefaultPosition, wxSize(320, -1)), 1,
               wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  nameRow->Add(new wxButton(this, IDC_BROWSE, CP932ToWx("参照(&R)...")));
  top->Add(nameRow, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxCheckBox(this, IDC_SELECT_TREE, CP932ToWx("選択したツリーのみ(&S)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(new wxCheckBox(this, IDC_FONT_LEVEL_REL, CP932ToWx("選択ツリーを第一階層としてフォント指定(&N)")), 0,
           wxLEFT | wxRIGHT | wxTOP, 8);
  auto* feedRow = new wxBoxSizer(wxHORIZONTAL);
  feedRow->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("改ページ(&E):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  auto* feeds = new wxChoice(this, IDC_PAGE_FEED);
  for (const char* feed : kPageFeeds) feeds->Append(CP932ToWx(feed));
  feedRow->Add(feeds);
  top->Add(feedRow, 0, wxALL, 8);
  auto* settingsRow = new wxBoxSizer(wxHORIZONTAL);
  settingsRow->Add(new wxButton(this, IDC_NAME_FROM_DOC, CP932ToWx("ファイル名初期設定(&I)...")), 0, wxRIGHT, 6);
  settingsRow->Add(new wxButton(this, IDC_PRINT_FONTS, CP932ToWx("フォント(印刷形式と共通)...")), 0, wxRIGHT, 6);
  settingsRow->Add(new wxButton(this, IDC_TEXT_FORMAT, CP932ToWx("テキスト出力形式の設定(&T)...")));
  top->Add(settingsRow, 0, wxALL, 8);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, IDC_PREVIEW, CP932ToWx("出力してプレビュー(&P)")), 0, wxALIGN_CENTER_VERTICAL);
  buttons->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 1, wxEXPAND);
  top->Add(buttons, 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  FindWindow(IDOK)->SetLabel(CP932ToWx("出力"));
  FindWindow(IDCANCEL)->SetLabel(CP932ToWx("キャンセル"));
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, &CRtfOutDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, &CRtfOutDlg::OnPreview, this, IDC_PREVIEW);
  Bind(wxEVT_BUTTON, &CRtfOutDlg::OnBrowse, this, IDC_BROWSE);
  Bind(wxEVT_BUTTON, &CRtfOutDlg::OnNameFromDocument, this, IDC_NAME_FROM_DOC);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnTextFormat(); }, IDC_TEXT_FORMAT);
  Bind(wxEVT_BUTTON, &CRtfOutDlg::OnPrintFonts, this, IDC_PRINT_FONTS);
  BindDialogHelp(this, kHelpTopic);
}

int CRtfOutDlg::DoModal() {
  m_nSelectTree = ReadSetting(Settings::RtfOut::SelectTree);
  m_nPageFeed = ReadSetting(Settings::RtfOut::PageFeed);
  m_nFontLevelRel = ReadSetting(Settings::RtfOut::FontLevelRel);
  FindWindow(IDC_PRINT_FONTS)->Enable(static_cast<bool>(m_editLevelFonts));
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CRtfOutDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_FILE_NAME)->ChangeValue(CP932ToWx(m_strFileName.str()));
  DlgCheck(this, IDC_SELECT_TREE)->SetValue(m_nSelectTree != 0);
  DlgCheck(this, IDC_FONT_LEVEL_REL)->SetValue(m_nFontLevelRel != 0);
  const int feeds = static_cast<int>(std::size(kPageFeeds));
  DlgChoice(this, IDC_PAGE_FEED)->SetSelection(m_nPageFeed >= 0 && m_nPageFeed < feeds ? m_nPageFeed : wxNOT_FOUND);
  return true;
}

bool CRtfOutDlg::TransferDataFromWindow() {
  m_strFileName = WxToCP932(DlgEdit(this, IDC_FILE_NAME)->GetValue());
  m_nSelectTree = DlgCheck(this, IDC_SELECT_TREE)->GetValue() ? 1 : 0;
  m_nFontLevelRel = DlgCheck(this, IDC_FONT_LEVEL_REL)->GetValue() ? 1 : 0;
  const int feed = DlgChoice(this, IDC_PAGE_FEED)->GetSelection();
  if (feed != wxNOT_FOUND) m_nPageFeed = feed;
  return true;
}

BOOL CRtfOutDlg::ChooseFile(CString& path) {
  CFileDialogEx dialog(FALSE, "rtf", "*.rtf", OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST,
                       "RTFﾌｧｲﾙ(*.rtf) |*.rtf||", this);
  dialog.m_ofn.lpstrTitle = "RTFファイルの出力";
  // The setting keeps the last file; the chooser starts in its folder.
  dialog.m_ofn.lpstrInitialDir = FolderToStartIn(ReadSetting(Settings::RtfOut::InitDir));
  if (dialog.DoModal() != IDOK) return FALSE;
  path = dialog.GetPathName();
  WriteSetting(Settings::RtfOut::InitDir, path);
  return TRUE;
}

void CRtfOutDlg::OnTextFormat() {
  CFormDlg form(this, FALSE);
  form.DoModal();
}

void CRtfOutDlg::OnBrowse(wxCommandEvent&) {
  TransferDataFromWindow();
  if (ChooseFile(m_strFileName)) TransferDataToWindow();
}

void CRtfOutDlg::OnNameFromDocument(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_strDocPath.IsEmpty()) {
    AfxMessageBox("この機能は一度ファイルを保存することで有効になります");
    return;
  }
  m_strFileName = m_strDocPath.Left(m_strDocPath.ReverseFind('.') + 1) + "rtf";
  TransferDataToWindow();
}

void CRtfOutDlg::OnPrintFonts(wxCommandEvent&) {
  if (m_editLevelFonts) m_editLevelFonts(this);
}

void CRtfOutDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  WriteSetting(Settings::RtfOut::SelectTree, m_nSelectTree);
  WriteSetting(Settings::RtfOut::PageFeed, m_nPageFeed);
  WriteSetting(Settings::RtfOut::FontLevelRel, m_nFontLevelRel);
  EndModal(IDOK);
}

void CRtfOutDlg::OnPreview(wxCommandEvent& event) {
  m_bPreview = TRUE;
  OnOK(event);
}
