// Printing of the text pane's text: the text-only print command opens the print preview of the
// text, and the Print command prints the text while that is what the user asked for; otherwise
// Print belongs to the outline and goes on to the tree pane.
#include <wx/event.h>
#include <wx/print.h>
#include <wx/printdlg.h>

#include "app/CKestavonDoc.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/CTextOutputOptions.h"
#include "model/Footnotes.h"
#include "platform/framework/CPreviewFrame.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/PrinterSettings.h"
#include "textarea/CIEditView.h"
#include "textarea/CTextPrintout.h"

void CIEditView::OnPreparePrinting() {
  CKestavonDoc* doc = GetDocument();
  if (doc) {
    const CDocProperties& properties = doc->GetTree().GetProperties();
    m_strPrintHeader = properties.m_strHeader;
    m_strPrintFooter = properties.m_strFooter;
  }
  m_nPrintPageStyle = ReadSetting(Settings::Print::Page);
}

TextPrintBands CIEditView::GetPrintBands() const {
  TextPrintBands bands;
  bands.header = m_strPrintHeader;
  bands.footer = m_strPrintFooter;
  bands.pageStyle = m_nPrintPageStyle;
  if (CKestavonDoc* doc = GetDocument()) {
    const CDocProperties& properties = doc->GetTree().GetProperties();
    bands.headerLine = properties.m_bHeaderLine;
    bands.footerLine = properties.m_bFooterLine;
  }
  return bands;
}

CString CIEditView::GetPrintText() {
  CTextOutputOptions options;
  options.Load();
  CStringArray footnotes;
  CString text = ExtractFootnotes(options, footnotes, GetEditCtrl().GetText());
  text += GetFootnoteText(options, footnotes);
  return text;
}

void CIEditView::PreviewText() {
  wxPrintDialogData data(GetAppPrintData());
  auto* preview = new wxPrintPreview(new CTextPrintout(this), new CTextPrintout(this), &data);
  if (!preview->IsOk()) {
    delete preview;
    m_bTextPrint = FALSE;
    return;
  }
  auto* frame = new CPreviewFrame(preview, AfxGetMainFrameWindow(), CP932ToWx("印刷プレビュー"));
  // Closing the preview unprinted gives Print back to the outline as well.
  wxWeakRef<CIEditView> self(this);
  frame->Bind(wxEVT_CLOSE_WINDOW, [self](wxCloseEvent& event) {
    if (self) self->m_bTextPrint = FALSE;
    event.Skip();
  });
  frame->Initialize();
  frame->Show();
}

void CIEditView::OnPrintTextOnly(wxCommandEvent&) {
  m_bTextPrint = TRUE;
  PreviewText();
}

void CIEditView::OnFilePrint(wxCommandEvent& event) {
  if (!m_bTextPrint) {
    event.Skip();
    return;
  }
  wxPrintDialogData data(GetAppPrintData());
  wxPrinter printer(&data);
  CTextPrintout printout(this);
  if (printer.Print(this, &printout, true)) GetAppPrintData() = printer.GetPrintDialogData().GetPrintData();
  m_bTextPrint = FALSE;
}
