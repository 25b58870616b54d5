#include "convert/CFormDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

#include "app/CKinsokuDlg.h"
#include "app/CKinsokuSettings.h"
#include "convert/ExportDialogParts.h"
#include "foundation/CFileDialogEx.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr std::pair<int, int CTextOutputOptions::*> kChecks[] = {
    {CFormDlg::IDC_SELECT_ONLY, &CTextOutputOptions::m_nSelectOnly},
    {CFormDlg::IDC_FILE_OUT, &CTextOutputOptions::m_nFileOut},
    {CFormDlg::IDC_EDIT_OUT, &CTextOutputOptions::m_nEditOut},
    {CFormDlg::IDC_DELLINE_OUT, &CTextOutputOptions::m_nDellineOut},
    {CFormDlg::IDC_TSPACE, &CTextOutputOptions::m_nTSpace},
    {CFormDlg::IDC_SPACE, &CTextOutputOptions::m_nSpace},
    {CFormDlg::IDC_HTML, &CTextOutputOptions::m_nHtml},
    {CFormDlg::IDC_HTML_ESCAPE, &CTextOutputOptions::m_nHtmlEscape},
};
constexpr std::pair<int, int CTextOutputOptions::*> kDropLists[] = {
    {CFormDlg::IDC_FORM, &CTextOutputOptions::m_nForm},
    {CFormDlg::IDC_INDENT, &CTextOutputOptions::m_nIndent},
    {CFormDlg::IDC_INDENT_POS, &CTextOutputOptions::m_nIndentPos},
    {CFormDlg::IDC_LEVEL, &CTextOutputOptions::m_nLevel},
};
constexpr std::pair<int, int CTextOutputOptions::*> kNumbers[] = {
    {CFormDlg::IDC_WIDTH, &CTextOutputOptions::m_nWidth},
    {CFormDlg::IDC_TAB_NO, &CTextOutputOptions::m_nTabNo},
    {CFormDlg::IDC_SPACE_NO, &CTextOutputOptions::m_nSpaceNo},
};

const char kSetFilter[] = "ﾃﾞｰﾀﾌｧｲﾙ(*.dat) |*.dat|全てのファイル(*.*) |*.*||";
const char kSetOpenFilter[] = "ﾃﾞｰﾀﾌｧｲﾙ(*.dat) |*.dat|全てのﾌｧｲﾙ(*.*) |*.*||";

// The number a field holds, as the dialogs of the system read one: optional blanks and sign, digits.
bool ParseInt(const wxString& text, int& value) {
  const std::string bytes = text.Strip(wxString::both).ToStdString();
  if (bytes.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long parsed = std::strtol(bytes.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
  value = static_cast<int>(parsed);
  return true;
}

wxButton* Button(wxWindow* dialog, int id, const char* label) { return new wxButton(dialog, id, CP932ToWx(label)); }

}  // namespace

CFormDlg::CFormDlg(wxWindow* parent, BOOL fromTextOutput)
    : wxDialog(parent, wxID_ANY, CP932ToWx("出力形式")), m_bFromTextOutput(fromTextOutput) {
  auto* grid = new wxFlexGridSizer(2, 6, 8);
  AddLabelled(grid, this, "出力形式(&F):", NewFormDropList(this, IDC_FORM));
  AddLabelled(grid, this, "インデント方式(&I):", NewDropList(this, IDC_INDENT, {"スペース", "タブ", "なし（改行もなし）"}));
  AddLabelled(grid, this, "インデント位置(&D):",
              NewDropList(this, IDC_INDENT_POS,
                          {"章立て文字の終了位置", "章立て文字の終了位置（空白を除く）", "章立て文字の開始位置",
                           "章立て文字の開始位置＋TAB"}));
  AddLabelled(grid, this, "出力階層(&V):",
              NewDropList(this, IDC_LEVEL,
                          {"全て", "第１階層まで", "第２階層まで", "第３階層まで", "第４階層まで", "第５階層まで",
                           "第６階層まで", "第７階層まで", "第８階層まで", "第９階層まで", "第10階層まで"}));
  AddLabelled(grid, this, "折り返し文字数(&C):", new wxTextCtrl(this, IDC_WIDTH));
  AddLabelled(grid, this, "タブ文字数(&T):", new wxTextCtrl(this, IDC_TAB_NO));
  AddLabelled(grid, this, "スペース数(&P):", new wxTextCtrl(this, IDC_SPACE_NO));
  AddLabelled(grid, this, "章区切記号(&H):", new wxTextCtrl(this, IDC_SHOW_STR));

  auto* checks = new wxBoxSizer(wxVERTICAL);
  const std::pair<int, const char*> checkLabels[] = {
      {IDC_SELECT_ONLY, "選択したツリーのみ出力(&L)"}, {IDC_FILE_OUT, "リンクファイルを出力(&Q)"},
      {IDC_EDIT_OUT, "テキストエリアを出力(&E)"},     {IDC_DELLINE_OUT, "削除線ツリーを出力(&R)"},
      {IDC_TSPACE, "第一階層に空白行挿入(&S)"},       {IDC_SPACE, "全ツリーに空白行挿入(&A)"},
      {IDC_HTML, "HTML出力(&M)"},                     {IDC_HTML_ESCAPE, "HTMLタグエスケープ(&G)"}};
  for (const auto& [id, label] : checkLabels) checks->Add(new wxCheckBox(this, id, CP932ToWx(label)), 0, wxBOTTOM, 6);

  auto* side = new wxBoxSizer(wxVERTICAL);
  const std::pair<int, const char*> sideButtons[] = {
      {IDC_WRITE_FILE, "ファイル出力(&X)..."}, {IDC_COPY_TEXT, "テキストコピー(&B)"}, {IDC_CSS, "CSS..."},
      {IDC_KINSOKU, "禁則処理(&K)..."},        {IDC_SET_EXPORT, "設定エクスポート..."}, {IDC_SET_IMPORT, "設定インポート..."},
      {IDC_HELP_BUTTON, "ヘルプ(&?)"}};
  for (const auto& [id, label] : sideButtons) side->Add(Button(this, id, label), 0, wxEXPAND | wxBOTTOM, 4);

  auto* body = new wxBoxSizer(wxHORIZONTAL);
  body->Add(grid, 0, wxALL, 8);
  body->Add(checks, 0, wxALL, 8);
  body->Add(side, 0, wxALL, 8);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(body);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  FindWindow(IDOK)->SetLabel(CP932ToWx("設定保存"));
  FindWindow(IDCANCEL)->SetLabel(CP932ToWx("キャンセル"));
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);

  Bind(wxEVT_BUTTON, &CFormDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCloseWith(CLOSE_WRITE_FILE); }, IDC_WRITE_FILE);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCloseWith(CLOSE_COPY_TEXT); }, IDC_COPY_TEXT);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AskOutsideCss(this); }, IDC_CSS);
  Bind(wxEVT_BUTTON, [](wxCommandEvent&) { ShowHelpTopic(kHelpTopic); }, IDC_HELP_BUTTON);
  Bind(wxEVT_BUTTON, &CFormDlg::OnSetExport, this, IDC_SET_EXPORT);
  Bind(wxEVT_BUTTON, &CFormDlg::OnSetImport, this, IDC_SET_IMPORT);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(m_bFromTextOutput != FALSE); }, IDC_WRITE_FILE);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Enable(m_bFromTextOutput != FALSE); }, IDC_COPY_TEXT);
  // The program's one set of line-breaking rules, changed at once: cancelling this dialog keeps them.
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CKinsokuDlg(this, GetKinsokuSettings()).ShowModal(); }, IDC_KINSOKU);
  BindDialogHelp(this, kHelpTopic);
}

int CFormDlg::DoModal() {
  m_options.Load();
  m_nCloseMode = CLOSE_SAVE;
  TransferDataToWindow();
  UpdateWindowUI(wxUPDATE_UI_RECURSE);
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CFormDlg::TransferDataToWindow() {
  for (const auto& [id, member] : kChecks) DlgCheck(this, id)->SetValue(m_options.*member != 0);
  for (const auto& [id, member] : kDropLists) SetDropList(this, id, m_options.*member);
  for (const auto& [id, member] : kNumbers) DlgEdit(this, id)->ChangeValue(wxString::Format("%d", m_options.*member));
  DlgEdit(this, IDC_SHOW_STR)->ChangeValue(CP932ToWx(m_options.m_strShowStr.str()));
  return true;
}

bool CFormDlg::TransferDataFromWindow() {
  int numbers[std::size(kNumbers)];
  for (size_t i = 0; i < std::size(kNumbers); ++i) {
    wxTextCtrl* field = DlgEdit(this, kNumbers[i].first);
    const char* problem = nullptr;
    if (!ParseInt(field->GetValue(), numbers[i])) {
      problem = "整数を入力してください。";
    } else if (kNumbers[i].first == IDC_WIDTH && (numbers[i] < 1 || numbers[i] > 32767)) {
      problem = "1 から 32767 までの整数を入力してください。";
    }
    if (problem != nullptr) {
      AfxMessageBox(problem, MB_OK | MB_ICONEXCLAMATION);
      field->SetFocus();
      field->SelectAll();
      return false;
    }
  }
  for (size_t i = 0; i < std::size(kNumbers); ++i) m_options.*kNumbers[i].second = numbers[i];
  for (const auto& [id, member] : kChecks) m_options.*member = DlgCheck(this, id)->GetValue() ? 1 : 0;
  for (const auto& [id, member] : kDropLists) m_options.*member = GetDropList(this, id, m_options.*member);
  m_options.m_strShowStr = WxToCP932(DlgEdit(this, IDC_SHOW_STR)->GetValue());
  return true;
}

BOOL CFormDlg::ChooseSetFile(BOOL save, const char* folder, CString& path) {
  CFileDialogEx dialog(save ? FALSE : TRUE, "dat", save ? "TextOut1.dat" : "*.dat",
                       save ? OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR
                            : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                       save ? kSetFilter : kSetOpenFilter, this);
  dialog.m_ofn.lpstrTitle = save ? "テキスト出力設定の保存" : "テキスト出力設定の読み込み";
  dialog.m_ofn.lpstrInitialDir = FolderToStartIn(folder);
  if (dialog.DoModal() != IDOK) return FALSE;
  path = dialog.GetPathName();
  return TRUE;
}

void CFormDlg::OnOK(wxCommandEvent&) { OnCloseWith(CLOSE_SAVE); }

void CFormDlg::OnCloseWith(int mode) {
  if (!TransferDataFromWindow()) return;
  m_nCloseMode = mode;
  // JQuery, CssSet and CssColor are not shown here and go back as they were loaded.
  m_options.SaveText(CTextOutputOptions::GetSettingsPath());
  EndModal(IDOK);
}

void CFormDlg::OnSetExport(wxCommandEvent&) {
  if (!TransferDataFromWindow()) return;
  CString path;
  if (!ChooseSetFile(TRUE, AfxGetProfileString("InitDir", "TextExport", ""), path)) return;
  AfxWriteProfileString("InitDir", "TextExport", path);
  CTextOutputOptions set;
  set.CopyLayoutFrom(m_options);
  if (!set.SaveText(path)) {
    AfxMessageBox(path + " に書き込めませんでした。", MB_OK | MB_ICONEXCLAMATION);
  }
  TransferDataToWindow();
}

void CFormDlg::OnSetImport(wxCommandEvent&) {
  if (!TransferDataFromWindow()) return;
  CString path;
  if (!ChooseSetFile(FALSE, AfxGetProfileString("InitDir", "TextExport", ""), path)) return;
  AfxWriteProfileString("InitDir", "TextExport", path);
  CTextOutputOptions set;
  set.LoadText(path);
  m_options.CopyLayoutFrom(set);
  TransferDataToWindow();
}
