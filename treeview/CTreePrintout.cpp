#include "treeview/CTreePrintout.h"

#include <wx/dc.h>

#include <ctime>
#include <limits>

#include "foundation/CPrintMargins.h"
#include "treeview/CTrView.h"

CTreePrintout::CTreePrintout(std::unique_ptr<ATREE> model, int start, int end, const TreePrintSettings& settings)
    : wxPrintout("Kestavon"), m_pModel(std::move(model)), m_canvas(m_fonts), m_job(*m_pModel, start, end, settings) {}

void CTreePrintout::OnPreparePrinting() {
  // A printer needs the page count before the first page: the whole outline is laid out.
  wxDC* dc = GetDC();
  if (IsPreview() || !dc) return;
  const RECT page = PreparePage(*dc);
  m_job.PaginateTo(m_canvas, page, std::numeric_limits<int>::max());
}

bool CTreePrintout::HasPage(int page) {
  if (page < 1) return false;
  if (page <= m_job.GetKnownPages()) return true;
  wxDC* dc = GetDC();
  if (!dc) return !m_job.IsComplete();
  return m_job.PaginateTo(m_canvas, PreparePage(*dc), page) != FALSE;
}

void CTreePrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  *minPage = 1;
  // 0 while the preview has not found the last page: a total the preview shows as unknown.
  *maxPage = m_job.IsComplete() ? m_job.GetKnownPages() : 0;
  *pageFrom = 1;
  *pageTo = *maxPage;
}

bool CTreePrintout::OnPrintPage(int page) {
  wxDC* dc = GetDC();
  if (!dc) return false;
  const RECT rect = PreparePage(*dc);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  dc->SetClippingRegion(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  const BOOL printed = m_job.PrintPage(m_canvas, rect, page, local);
  dc->DestroyClippingRegion();
  if (m_onPageDrawn) m_onPageDrawn();
  return printed != FALSE;
}

RECT CTreePrintout::PreparePage(wxDC& dc) {
  MapScreenSizeToDevice();
  int printerX = 0;
  int printerY = 0;
  GetPPIPrinter(&printerX, &printerY);
  if (printerX <= 0 || printerY <= 0) printerX = printerY = 72;
  if (!m_bFontsMade) {
    COLORREF colours[kPrintFontCount];
    CTrView::LoadPrintFonts(m_fonts, colours, printerX, printerY);
    m_bFontsMade = true;
  }
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  m_canvas.SetDC(&dc);

  int width = 0;
  int height = 0;
  GetPageSizePixels(&width, &height);
  RECT rect = {0, 0, width, height};
  CPrintMargins margins;
  margins.Load("Print");
  const wxRect paper = GetPaperRectPixels();
  margins.NarrowRect(rect, 2540.0 / printerX, 2540.0 / printerY, POINT{-paper.x, -paper.y});
  return rect;
}
