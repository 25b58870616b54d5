// Printing the outline from the tree pane: the print job, its preview, page setup, and the print
// fonts of the settings.
#include <wx/print.h>
#include <wx/printdlg.h>

#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/CPrintMargins.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CTextOutputOptions.h"
#include "model/Footnotes.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/MulDiv.h"
#include "platform/framework/PrinterSettings.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CPrnFormDlg.h"
#include "treeview/CTrView.h"
#include "treeview/CTreePrintPreview.h"
#include "treeview/CTreePrintout.h"

namespace {

const char* const kFontSections[kPrintFontCount] = {
    "PrintFont0", "PrintFont1",    "PrintFont2",      "PrintFont3",     "PrintFont4",
    "PrintFont5", "PrintFont6",    "PrintFontText",   "PrintFontHeader", "PrintFontFooter"};

const char kDefaultFace[] = "ＭＳ ゴシック";

// The font again with its height and width taken from the screen's resolution to the printer's.
void ScaleFont(CFont& font, int ppiX, int ppiY) {
  LOGFONT lf;
  if (!font.GetLogFont(&lf)) return;
  const int screen = CFont::GetScreenPPI();
  lf.lfHeight = MulDiv(lf.lfHeight, ppiY, screen);
  lf.lfWidth = MulDiv(lf.lfWidth, ppiX, screen);
  font.CreateFontIndirect(&lf);
}

}  // namespace

void CTrView::LoadPrintFonts(CFont* fonts, COLORREF* colours, int ppiX, int ppiY) {
  int zoom = ReadSetting(Settings::Print::FontZoom);
  if (ReadSetting(InSection(Settings::Font::FaceName, kFontSections[0]), "").IsEmpty()) zoom = 2;
  for (int i = 0; i < kPrintFontCount; ++i) {
    const bool level = i <= kPrintFontLevel6;
    const bool band = i >= kPrintFontHeader;
    if (zoom == 2) {
      LoadProfileFont(fonts[i], kFontSections[i], kDefaultFace, band ? 12 : 22, level ? TRUE : FALSE);
      if (ppiY > 0) ScaleFont(fonts[i], ppiX, ppiY);
    } else if (!band) {
      LoadProfileFont(fonts[i], kFontSections[i], kDefaultFace, 64, level ? TRUE : FALSE);
    } else {
      // The old format kept no header and footer fonts: they are made with the defaults.
      fonts[i].CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0x30, kDefaultFace);
      if (ppiY > 0) ScaleFont(fonts[i], ppiX, ppiY);
    }
  }
  for (int i = 0; i < kPrintFontCount; ++i)
    colours[i] = static_cast<COLORREF>(ReadSetting(Settings::Print::PrintFontColor, i));
}

void CTrView::SavePrintFonts(const CFont* fonts, const COLORREF* colours) {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  for (int i = 0; i < kPrintFontCount; ++i) SaveProfileFont(fonts[i], kFontSections[i]);
  for (int i = 0; i < kPrintFontCount; ++i)
    WriteSetting(Settings::Print::PrintFontColor, i, static_cast<int>(colours[i]));
}

TreePrintSettings CTrView::GetPrintSettings() const {
  TreePrintSettings settings;
  settings.bunsho = ReadSetting(Settings::Print::Bunsho);
  settings.page = ReadSetting(Settings::Print::Page);
  settings.lineHeight = ReadSetting(Settings::Print::LineHeight);
  settings.pageMode = ReadSetting(Settings::Print::PageMode);
  settings.titleMargin = ReadSetting(Settings::Print::TitleMargin);
  settings.checkPrint = ReadSetting(Settings::Print::CheckPrint);
  settings.checkBmp = ReadSetting(Settings::Print::CheckBmp);
  settings.checkText = m_strMarkCheck;
  settings.fontRel = ReadSetting(Settings::Print::FontRel);
  settings.tabSpace = ReadSetting(Settings::View::TabNo);
  settings.columns = m_nPrintColumns;
  settings.indent = m_bPrintIndent;
  settings.indentSho = m_bPrintIndentSho;
  settings.treeColor = m_bPrintTreeColor;
  settings.chapterDisplay = m_pListBox && m_pListBox->m_nTreeMode == 1;
  settings.showNumbers = m_pListBox && m_pListBox->m_bShowSho;
  if (CKestavonDoc* doc = GetDocument()) {
    const CDocProperties& properties = doc->GetTree().GetProperties();
    settings.header = properties.m_strHeader;
    settings.footer = properties.m_strFooter;
    settings.headerLine = properties.m_bHeaderLine;
    settings.footerLine = properties.m_bFooterLine;
    settings.titleFirstLine = properties.m_bAutoTitle;
  }
  CFont fonts[kPrintFontCount];
  LoadPrintFonts(fonts, settings.colours, 0, 0);
  return settings;
}

std::unique_ptr<CTreePrintout> CTrView::MakePrintout() {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return nullptr;
  doc->CommitTextArea();
  CTextOutputOptions options;
  options.Load();
  auto model = std::make_unique<ATREE>(doc->GetTree());
  const BOOL filtered = model->GetCheckFilter() != 0;
  int start = SelectedItem();
  if (start < 0 || !m_bPrintSelected || filtered) start = 0;
  if (!ReadSetting(Settings::Print::DellineOut) || filtered) {
    if (!model->PruneForPrint(&start)) {
      AfxMessageBox("印刷対象ツリーがありません");
      return nullptr;
    }
  }
  ConvertFootnotes(*model, options);
  // Every item prints, folded or not: the copy shows them all, so each has its row.
  model->ExpandAll(0);
  model->MakeTreeData();
  const int end = m_bPrintSelected && !filtered ? model->GetNextSibling(start, TRUE) : model->GetDirDataCount();
  return std::make_unique<CTreePrintout>(std::move(model), start, end, GetPrintSettings());
}

void CTrView::OnFilePrint(wxCommandEvent&) {
  std::unique_ptr<CTreePrintout> printout = MakePrintout();
  if (!printout) return;
  wxPrintDialogData data(GetAppPrintData());
  wxPrinter printer(&data);
  if (printer.Print(this, printout.get(), true)) GetAppPrintData() = printer.GetPrintDialogData().GetPrintData();
}

void CTrView::OnFilePrintPreview(wxCommandEvent&) {
  std::unique_ptr<CTreePrintout> preview = MakePrintout();
  if (!preview) return;
  std::unique_ptr<CTreePrintout> print = MakePrintout();
  wxPrintDialogData data(GetAppPrintData());
  auto* printPreview = new CTreePrintPreview(preview.release(), print.release(), &data);
  if (!printPreview->IsOk()) {
    delete printPreview;
    return;
  }
  auto* frame = new CTreePreviewFrame(printPreview, AfxGetMainFrameWindow(), CP932ToWx("印刷プレビュー"));
  frame->Initialize();
  frame->Show();
}

void CTrView::OnFilePageSetup(wxCommandEvent&) {
  CPrintMargins margins;
  margins.Load("Print");
  margins.PageSetup(this);
}

void CTrView::OnPrintFormat(wxCommandEvent&) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return;
  doc->CommitTextArea();
  CFont fonts[kPrintFontCount];
  COLORREF colours[kPrintFontCount];
  LoadPrintFonts(fonts, colours, 0, 0);
  const CString settingsPath = CTextOutputOptions::GetSettingsPath();
  CDocProperties& properties = doc->GetTree().GetProperties();
  CPrnFormDlg dialog(this);
  dialog.LoadSettings(settingsPath);
  dialog.m_bHLine = properties.m_bHeaderLine;
  dialog.m_bFLine = properties.m_bFooterLine;
  dialog.m_bCheckFilter = doc->GetTree().GetCheckFilter() != 0 ? 1 : 0;
  dialog.m_bSelected = dialog.m_bCheckFilter ? 0 : m_bPrintSelected;
  dialog.m_strHeader = properties.m_strHeader;
  dialog.m_strFooter = properties.m_strFooter;
  dialog.m_pFonts = fonts;
  dialog.m_pColors = colours;
  dialog.TransferDataToWindow();
  if (dialog.ShowModal() != IDOK) return;
  if (!dialog.SaveSettings(settingsPath)) AfxMessageBox("印刷設定を保存できませんでした", MB_ICONEXCLAMATION);
  SavePrintFonts(fonts, colours);
  properties.m_bHeaderLine = dialog.m_bHLine;
  properties.m_bFooterLine = dialog.m_bFLine;
  m_bPrintSelected = dialog.m_bSelected;
  m_nPrintColumns = dialog.m_nDangumi;
  m_bPrintIndent = dialog.m_bIndent;
  m_bPrintIndentSho = dialog.m_bIndentSho;
  m_bPrintTreeColor = dialog.m_bTreeColor;
  properties.m_strHeader = dialog.m_strHeader;
  properties.m_strFooter = dialog.m_strFooter;
  doc->SetModifiedFlag();
}
