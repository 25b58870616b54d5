#include "treeview/CTreePrintPreview.h"

#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/weakref.h>

#include <algorithm>
#include <limits>

#include "treeview/CTreePrintout.h"

CTreePrintPreview::CTreePrintPreview(CTreePrintout* preview, CTreePrintout* print, wxPrintDialogData* data)
    : wxPrintPreview(preview, print, data), m_pPreview(preview) {}

bool CTreePrintPreview::IsTotalKnown() const { return m_pPreview->GetJob().IsComplete() != FALSE; }

int CTreePrintPreview::GetMaxPage() const {
  // Until the end is found every further page may exist; a page past the end is caught below.
  return IsTotalKnown() ? m_pPreview->GetJob().GetKnownPages() : std::numeric_limits<int>::max();
}

bool CTreePrintPreview::SetCurrentPage(int page) {
  // Rendering the last known page lays it out and finds where the next one starts, if any.
  const TreePrintJob& job = m_pPreview->GetJob();
  while (page > job.GetKnownPages() && !job.IsComplete()) {
    const int known = job.GetKnownPages();
    if (!RenderPage(known) || job.GetKnownPages() == known) break;
  }
  const bool moved = wxPrintPreview::SetCurrentPage(std::clamp(page, 1, job.GetKnownPages()));
  if (m_onPageAsked) m_onPageAsked();
  return moved;
}

CTreePreviewBar::CTreePreviewBar(CTreePrintPreview* preview, long buttons, wxWindow* parent)
    : wxPreviewControlBar(preview, buttons, parent), m_pPreview(preview) {
  // The preview asks for the page count before it draws a page, and drawing may find the last
  // one: the total is shown again after each page.
  wxWeakRef<CTreePreviewBar> self(this);
  static_cast<CTreePrintout*>(preview->GetPrintout())->SetPageDrawnHandler([self] {
    if (self) self->ShowPageTotal();
  });
  // The bar writes the page it asked for into the field after the preview moved, and a page
  // typed past the end stays there: the page actually shown goes there once the bar is done.
  preview->SetPageAskedHandler([self] {
    if (self) self->CallAfter(&CTreePreviewBar::ShowCurrentPage);
  });
}

void CTreePreviewBar::SetPageInfo(int minPage, int) {
  // Asked after every page drawn, with the printout's count (0 while unknown). The page field
  // takes any page: one past the end shows the last page (the preview stops there).
  wxPreviewControlBar::SetPageInfo(minPage, std::numeric_limits<int>::max());
  ShowPageTotal();
}

void CTreePreviewBar::ShowPageTotal() {
  // The total's label is the static text that the bar puts after the page number; it is empty
  // until the bar first sets the page range.
  for (wxWindow* child : GetChildren()) {
    if (m_pTotal) break;
    auto* text = dynamic_cast<wxStaticText*>(child);
    if (text && text->GetLabel().StartsWith("/")) m_pTotal = text;
  }
  if (!m_pTotal) return;
  const wxString label =
      m_pPreview->IsTotalKnown() ? wxString::Format("/ %d", m_pPreview->GetMaxPage()) : wxString("/ ?");
  if (m_pTotal->GetLabel() == label) return;
  m_pTotal->SetLabel(label);
  Layout();
}

void CTreePreviewBar::ShowCurrentPage() {
  if (auto* field = dynamic_cast<wxTextCtrl*>(FindWindow(wxID_PREVIEW_GOTO)))
    field->ChangeValue(wxString::Format("%d", m_pPreview->GetCurrentPage()));
}

CTreePreviewFrame::CTreePreviewFrame(CTreePrintPreview* preview, wxWindow* parent, const wxString& title)
    : CPreviewFrame(preview, parent, title) {}

void CTreePreviewFrame::CreateControlBar() {
  long buttons = wxPREVIEW_DEFAULT;
  if (m_printPreview->GetPrintoutForPrinting()) buttons |= wxPREVIEW_PRINT;
  m_controlBar = new CTreePreviewBar(static_cast<CTreePrintPreview*>(m_printPreview), buttons, this);
  m_controlBar->CreateButtons();
  LabelControlBar();
}
