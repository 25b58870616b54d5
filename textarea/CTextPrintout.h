#pragma once
// The print job of a text pane's text, for the printer and for the print preview alike: the
// pane's text with its footnotes, the document's header and footer bands, the margins of the
// settings and the pane's own print font, scaled from the screen to the printer.
#include <wx/print.h>
#include <wx/weakref.h>

#include <vector>

#include "platform/desktop/CFont.h"
#include "textarea/TextPrintPage.h"

class CIEditView;

class CTextPrintout : public wxPrintout {
 public:
  explicit CTextPrintout(CIEditView* view);

  void OnPreparePrinting() override;
  void OnEndPrinting() override;
  bool HasPage(int page) override;
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
  bool OnPrintPage(int page) override;

  // The offsets at which the pages start, known once the job is prepared.
  const std::vector<int>& GetPageStarts() const { return m_pageStarts; }

 private:
  // Device units as the printer's pixels, the print font selected; returns the page's drawing
  // rectangle inside the margins.
  RECT PreparePage(wxDC& dc);

  wxWeakRef<CIEditView> m_pView;
  CString m_strText;
  TextPrintBands m_bands;
  int m_nTabSpace = 8;
  CFont m_fontPrint;
  std::vector<int> m_pageStarts;
};
