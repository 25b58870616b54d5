#include "treeview/CPrnFormDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>

#include "app/CKinsokuDlg.h"
#include "app/CKinsokuSettings.h"
#include "foundation/CFileDialogEx.h"
#include "foundation/CPelkoInifile.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"
#include "treeview/CPrintFontDlg.h"

namespace {

constexpr DWORD kHelpTopic = 27;
const char kSection[] = "Print";
const char kAuto[] = "自動";

wxRadioButton* Radio(wxWindow* dialog, int id) { return dynamic_cast<wxRadioButton*>(dialog->FindWindow(id)); }
wxComboBox* Combo(wxWindow* dialog, int id) { return dynamic_cast<wxComboBox*>(dialog->FindWindow(id)); }

wxChoice* NewChoice(wxWindow* dialog, int id, std::initializer_list<const char*> entries) {
  auto* choice = new wxChoice(dialog, id);
  for (const char* entry : entries) choice->Append(CP932ToWx(entry));
  return choice;
}

void AddLabelled(wxSizer* grid, wxWindow* dialog, const char* label, wxObject* control) {
  grid->Add(new wxStaticText(dialog, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
  if (auto* sizer = dynamic_cast<wxSizer*>(control))
    grid->Add(sizer, 0, wxEXPAND);
  else
    grid->Add(static_cast<wxWindow*>(control), 0, wxEXPAND);
}

// A file chooser starts in the folder of the file chosen there last time.
CString StartFolder(const char* key) {
  const CString remembered = AfxGetProfileString("InitDir", key, "");
  return remembered.Left(remembered.ReverseFind('/') + 1);
}

}  // namespace

CPrnFormDlg::CPrnFormDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("印刷形式")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(2, 6, 8);
  auto radios = [&](const char* label, std::initializer_list<std::pair<int, const char*>> entries) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    bool first = true;
    for (const auto& [id, text] : entries) {
      row->Add(new wxRadioButton(this, id, CP932ToWx(text), wxDefaultPosition, wxDefaultSize, first ? wxRB_GROUP : 0),
               0, wxRIGHT, 8);
      first = false;
    }
    AddLabelled(grid, this, label, row);
  };
  radios("テキストエリア(&K)", {{IDC_TEXT_NO, "印刷しない"}, {IDC_TEXT_YES, "印刷する"}});
  radios("ページ(&P)", {{IDC_PAGE_NONE, "付けない"}, {IDC_PAGE_HEADER, "ヘッダ"}, {IDC_PAGE_FOOTER, "フッタ"}});
  AddLabelled(grid, this, "ヘッダ(&H):", new wxTextCtrl(this, IDC_HEADER, wxEmptyString, wxDefaultPosition, wxSize(300, -1)));
  AddLabelled(grid, this, "フッタ(&T):", new wxTextCtrl(this, IDC_FOOTER, wxEmptyString, wxDefaultPosition, wxSize(300, -1)));
  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  columns->Add(new wxTextCtrl(this, IDC_COLUMNS, wxEmptyString, wxDefaultPosition, wxSize(50, -1)));
  columns->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("段")), 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 4);
  AddLabelled(grid, this, "段組(&U):", columns);
  auto* margin = new wxComboBox(this, IDC_LINE_MARGIN, wxEmptyString, wxDefaultPosition, wxSize(100, -1));
  margin->Append(CP932ToWx(kAuto));
  AddLabelled(grid, this, "行間のマージン(&M):", margin);
  AddLabelled(grid, this, "改ページ(&G):",
              NewChoice(this, IDC_PAGE_MODE,
                          {"ツリーで改ページしない", "全ツリーで改ページ", "第１階層で改ページ", "第２階層で改ページ",
                           "第３階層で改ページ", "第４階層で改ページ", "第５階層で改ページ"}));
  auto* check = new wxBoxSizer(wxHORIZONTAL);
  check->Add(new wxCheckBox(this, IDC_CHECK_PRINT, CP932ToWx("チェックマークの印刷(&C)")), 0, wxALIGN_CENTER_VERTICAL);
  check->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("→印刷方法")), 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 8);
  check->Add(NewChoice(this, IDC_CHECK_BMP, {"テキスト", "ビットマップ"}), 0, wxLEFT, 4);
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  top->Add(check, 0, wxLEFT | wxRIGHT, 8);
  const std::pair<int, const char*> boxes[] = {
      {IDC_HLINE, "ヘッダの下に罫線あり(&A)"},       {IDC_FLINE, "フッタの上に罫線あり(&L)"},
      {IDC_SELECTED, "選択したツリーのみ印刷(&S)"},  {IDC_INDENT, "階層によりインデントする(&I)"},
      {IDC_INDENT_SHO, "章立て文字分インデントする(&J)"}, {IDC_DELLINE_OUT, "削除線ツリーも印刷する(&D)"},
      {IDC_FONT_REL, "選択ツリーを第一階層としてフォント指定(&N)"}, {IDC_TREE_COLOR, "ツリー色の反映(&R)"}};
  for (const auto& [id, label] : boxes) top->Add(new wxCheckBox(this, id, CP932ToWx(label)), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  auto* files = new wxBoxSizer(wxHORIZONTAL);
  files->Add(new wxButton(this, IDC_SAVE, CP932ToWx("設定保存(&O)...")), 0, wxRIGHT, 6);
  files->Add(new wxButton(this, IDC_LOAD, CP932ToWx("設定読込(&Y)...")), 0, wxRIGHT, 18);
  files->Add(new wxButton(this, IDC_FONTS, CP932ToWx("フォント(&F)...")), 0, wxRIGHT, 6);
  files->Add(new wxButton(this, IDC_KINSOKU, CP932ToWx("禁則処理(&E)...")));
  top->Add(files, 0, wxALL, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  for (int id : {IDC_TEXT_NO, IDC_TEXT_YES})
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { UpdateEnabling(); }, id);
  Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { UpdateEnabling(); }, IDC_CHECK_PRINT);
  Bind(wxEVT_BUTTON, &CPrnFormDlg::OnSave, this, IDC_SAVE);
  Bind(wxEVT_BUTTON, &CPrnFormDlg::OnLoad, this, IDC_LOAD);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    if (m_pFonts && m_pColors) CPrintFontDlg(this, m_pFonts, m_pColors).ShowModal();
  }, IDC_FONTS);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CKinsokuDlg(this, GetKinsokuSettings()).ShowModal(); }, IDC_KINSOKU);
  BindDialogHelp(this, kHelpTopic);
  CentreOnParent();
}

void CPrnFormDlg::LoadSettings(const char* path) {
  CPelkoInifile ini(path);
  auto get = [&](const char* key, int value) { return ini.GetProfileInt(kSection, key, value); };
  m_nBunsho = get("Bunsho", 1);
  m_nPage = get("Page", 0);
  m_strHeader = ini.GetProfileString(kSection, "Header", "");
  m_bHLine = get("HLine", 1);
  m_strFooter = ini.GetProfileString(kSection, "Footer", "");
  m_bFLine = get("FLine", 1);
  m_bSelected = get("Selected", 0);
  m_nDangumi = get("Dangumi", 1);
  m_bIndent = get("Indent", 0);
  m_bIndentSho = get("IndentSho", 0);
  m_bCheckPrint = get("CheckPrint", 1);
  m_nCheckBmp = get("CheckBmp", 0);
  m_nLineHeight = get("LineHeight", 0);
  m_nPageMode = get("PageMode", -1);
  m_bDellineOut = get("DellineOut", 1);
  m_bFontRel = get("FontRel", 1);
  m_bTreeColor = get("TreeColor", 0);
}

BOOL CPrnFormDlg::SaveSettings(const char* path) const {
  CPelkoInifile ini(path);
  const std::pair<const char*, int> numbers[] = {
      {"CheckPrint", m_bCheckPrint}, {"CheckBmp", m_nCheckBmp}, {"DellineOut", m_bDellineOut},
      {"Bunsho", m_nBunsho},         {"Page", m_nPage},         {"LineHeight", m_nLineHeight},
      {"PageMode", m_nPageMode},     {"FontZoom", 2},           {"FontRel", m_bFontRel},
      {"HLine", m_bHLine},           {"FLine", m_bFLine},       {"Selected", m_bSelected},
      {"Indent", m_bIndent},         {"IndentSho", m_bIndentSho}, {"Dangumi", m_nDangumi},
      {"TreeColor", m_bTreeColor}};
  BOOL ok = TRUE;
  for (const auto& [key, value] : numbers) ok = ini.WriteProfileInt(kSection, key, value) && ok;
  ok = ini.WriteProfileString(kSection, "Header", m_strHeader) && ok;
  ok = ini.WriteProfileString(kSection, "Footer", m_strFooter) && ok;
  return ok;
}

bool CPrnFormDlg::TransferDataToWindow() {
  if (m_bCheckFilter) m_bSelected = 0;
  Radio(this, m_nBunsho ? IDC_TEXT_YES : IDC_TEXT_NO)->SetValue(true);
  Radio(this, m_nPage == 1 ? IDC_PAGE_HEADER : m_nPage == 2 ? IDC_PAGE_FOOTER : IDC_PAGE_NONE)->SetValue(true);
  DlgEdit(this, IDC_HEADER)->ChangeValue(CP932ToWx(m_strHeader.str()));
  DlgEdit(this, IDC_FOOTER)->ChangeValue(CP932ToWx(m_strFooter.str()));
  DlgEdit(this, IDC_COLUMNS)->ChangeValue(wxString::Format("%d", m_nDangumi));
  CString margin;
  if (m_nLineHeight == -1)
    margin = kAuto;
  else
    margin.Format("%d", m_nLineHeight);
  Combo(this, IDC_LINE_MARGIN)->SetValue(CP932ToWx(margin.str()));
  DlgChoice(this, IDC_PAGE_MODE)->SetSelection(m_nPageMode >= -1 && m_nPageMode <= 5 ? m_nPageMode + 1 : wxNOT_FOUND);
  DlgChoice(this, IDC_CHECK_BMP)->SetSelection(m_nCheckBmp == 1 ? 1 : 0);
  const std::pair<int, int> boxes[] = {{IDC_HLINE, m_bHLine},           {IDC_FLINE, m_bFLine},
                                       {IDC_SELECTED, m_bSelected},     {IDC_INDENT, m_bIndent},
                                       {IDC_INDENT_SHO, m_bIndentSho},  {IDC_DELLINE_OUT, m_bDellineOut},
                                       {IDC_FONT_REL, m_bFontRel},      {IDC_TREE_COLOR, m_bTreeColor},
                                       {IDC_CHECK_PRINT, m_bCheckPrint}};
  for (const auto& [id, value] : boxes) DlgCheck(this, id)->SetValue(value != 0);
  DlgCheck(this, IDC_SELECTED)->Enable(!m_bCheckFilter);
  UpdateEnabling();
  return true;
}

bool CPrnFormDlg::TransferDataFromWindow() {
  const long columns = std::strtol(WxToCP932(DlgEdit(this, IDC_COLUMNS)->GetValue()).GetString(), nullptr, 10);
  if (columns < 1 || columns > 10) {
    AfxMessageBox("1 から 10 までの整数を入力してください。", MB_ICONEXCLAMATION);
    DlgEdit(this, IDC_COLUMNS)->SetFocus();
    return false;
  }
  m_nDangumi = static_cast<int>(columns);
  m_nBunsho = Radio(this, IDC_TEXT_YES)->GetValue() ? 1 : 0;
  m_nPage = Radio(this, IDC_PAGE_HEADER)->GetValue() ? 1 : Radio(this, IDC_PAGE_FOOTER)->GetValue() ? 2 : 0;
  m_strHeader = WxToCP932(DlgEdit(this, IDC_HEADER)->GetValue());
  m_strFooter = WxToCP932(DlgEdit(this, IDC_FOOTER)->GetValue());
  const CString margin = WxToCP932(Combo(this, IDC_LINE_MARGIN)->GetValue());
  m_nLineHeight = margin == kAuto ? -1 : std::atoi(margin);
  if (DlgChoice(this, IDC_PAGE_MODE)->GetSelection() != wxNOT_FOUND)
    m_nPageMode = DlgChoice(this, IDC_PAGE_MODE)->GetSelection() - 1;
  m_nCheckBmp = DlgChoice(this, IDC_CHECK_BMP)->GetSelection() == 1 ? 1 : 0;
  m_bHLine = DlgCheck(this, IDC_HLINE)->GetValue() ? 1 : 0;
  m_bFLine = DlgCheck(this, IDC_FLINE)->GetValue() ? 1 : 0;
  m_bSelected = DlgCheck(this, IDC_SELECTED)->GetValue() ? 1 : 0;
  m_bIndent = DlgCheck(this, IDC_INDENT)->GetValue() ? 1 : 0;
  m_bIndentSho = DlgCheck(this, IDC_INDENT_SHO)->GetValue() ? 1 : 0;
  m_bDellineOut = DlgCheck(this, IDC_DELLINE_OUT)->GetValue() ? 1 : 0;
  m_bFontRel = DlgCheck(this, IDC_FONT_REL)->GetValue() ? 1 : 0;
  m_bTreeColor = DlgCheck(this, IDC_TREE_COLOR)->GetValue() ? 1 : 0;
  m_bCheckPrint = DlgCheck(this, IDC_CHECK_PRINT)->GetValue() ? 1 : 0;
  return true;
}

void CPrnFormDlg::UpdateEnabling() {
  FindWindow(IDC_FONTS)->Enable(m_pFonts && m_pColors);
  DlgCheck(this, IDC_CHECK_PRINT)->Enable(Radio(this, IDC_TEXT_YES)->GetValue());
  DlgChoice(this, IDC_CHECK_BMP)->Enable(DlgCheck(this, IDC_CHECK_PRINT)->GetValue());
}

BOOL CPrnFormDlg::ChooseSaveFile(CString& path) {
  CFileDialogEx dialog(FALSE, "dat", "PrintKvn1.dat", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "ﾃﾞｰﾀﾌｧｲﾙ(*.dat) |*.dat|全てのファイル(*.*) |*.*||", this);
  dialog.m_ofn.lpstrTitle = "印刷設定の保存";
  dialog.m_ofn.lpstrInitialDir = StartFolder("PrintExport");
  if (dialog.DoModal() != IDOK) return FALSE;
  path = dialog.GetPathName();
  AfxWriteProfileString("InitDir", "PrintExport", path);
  return TRUE;
}

BOOL CPrnFormDlg::ChooseLoadFile(CString& path) {
  CFileDialogEx dialog(TRUE, "dat", "*.dat", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                       "ﾃﾞｰﾀﾌｧｲﾙ(*.dat) |*.dat|全てのﾌｧｲﾙ(*.*) |*.*||", this);
  dialog.m_ofn.lpstrTitle = "印刷設定の読み込み";
  dialog.m_ofn.lpstrInitialDir = StartFolder("PrintImport");
  if (dialog.DoModal() != IDOK) return FALSE;
  path = dialog.GetPathName();
  AfxWriteProfileString("InitDir", "PrintImport", path);
  return TRUE;
}

void CPrnFormDlg::OnSave(wxCommandEvent&) {
  if (!TransferDataFromWindow()) return;
  CString path;
  if (!ChooseSaveFile(path)) return;
  if (!SaveSettings(path)) AfxMessageBox("印刷設定を保存できませんでした", MB_ICONEXCLAMATION);
}

void CPrnFormDlg::OnLoad(wxCommandEvent&) {
  if (!TransferDataFromWindow()) return;
  CString path;
  if (!ChooseLoadFile(path)) return;
  LoadSettings(path);
  TransferDataToWindow();
}
