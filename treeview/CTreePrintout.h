#pragma once
// The print job of an outline, for the printer and for the print preview alike: a private copy
// of the outline, the ten print fonts scaled to the printer, the margins of section "Print", and
// the pages found as they are asked for.
#include <wx/print.h>

#include <functional>
#include <memory>

#include "model/ATREE.h"
#include "platform/desktop/CFont.h"
#include "treeview/TreePrintDcCanvas.h"
#include "treeview/TreePrintPage.h"

class CTreePrintout : public wxPrintout {
 public:
  // Takes the prepared copy of the outline with its printed range [start, end).
  CTreePrintout(std::unique_ptr<ATREE> model, int start, int end, const TreePrintSettings& settings);

  void OnPreparePrinting() override;
  bool HasPage(int page) override;
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
  bool OnPrintPage(int page) override;

  const TreePrintJob& GetJob() const { return m_job; }
  // Called after each page drawn, when the pages found may have changed.
  void SetPageDrawnHandler(std::function<void()> handler) { m_onPageDrawn = std::move(handler); }

 private:
  // Device units as the printer's pixels, the fonts made for it; the page's drawing rectangle.
  RECT PreparePage(wxDC& dc);

  std::unique_ptr<ATREE> m_pModel;
  CFont m_fonts[kPrintFontCount];
  bool m_bFontsMade = false;
  TreePrintDcCanvas m_canvas;
  TreePrintJob m_job;
  std::function<void()> m_onPageDrawn;
};
