#include "textarea/CTextPrintout.h"

#include <wx/dc.h>

#include <algorithm>

#include "foundation/CPrintMargins.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/MulDiv.h"
#include "textarea/CIEditView.h"
#include "textarea/TextPrintDcCanvas.h"

CTextPrintout::CTextPrintout(CIEditView* view) : wxPrintout("Kestavon"), m_pView(view) {}

void CTextPrintout::OnPreparePrinting() {
  if (!m_pView) return;
  m_pView->OnPreparePrinting();
  m_strText = m_pView->GetPrintText();
  m_bands = m_pView->GetPrintBands();
  m_nTabSpace = m_pView->GetEditCtrl().GetTabSpace();
  wxDC* dc = GetDC();
  if (!dc) return;
  const RECT page = PreparePage(*dc);
  TextPrintDcCanvas canvas(*dc);
  m_pageStarts = PaginateText(canvas, m_strText, page, m_nTabSpace);
}

void CTextPrintout::OnEndPrinting() {
  // A print of the text is done: the pane's next Print command prints the outline again.
  if (!IsPreview() && m_pView) m_pView->m_bTextPrint = FALSE;
}

bool CTextPrintout::HasPage(int page) { return page >= 1 && page <= static_cast<int>(m_pageStarts.size()); }

void CTextPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  *minPage = 1;
  *maxPage = std::max(1, static_cast<int>(m_pageStarts.size()));
  *pageFrom = 1;
  *pageTo = *maxPage;
}

bool CTextPrintout::OnPrintPage(int page) {
  wxDC* dc = GetDC();
  if (!dc || !HasPage(page)) return false;
  const RECT rect = PreparePage(*dc);
  dc->SetClippingRegion(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  TextPrintDcCanvas canvas(*dc);
  PrintTextPage(canvas, m_strText, m_pageStarts[page - 1], rect, m_bands, page, m_nTabSpace);
  dc->DestroyClippingRegion();
  return true;
}

RECT CTextPrintout::PreparePage(wxDC& dc) {
  MapScreenSizeToDevice();
  int printerX = 0;
  int printerY = 0;
  GetPPIPrinter(&printerX, &printerY);
  int screenX = 0;
  int screenY = 0;
  GetPPIScreen(&screenX, &screenY);
  if (printerX <= 0 || printerY <= 0) printerX = printerY = 72;
  if (screenY <= 0) screenY = printerY;

  if (!m_fontPrint.HasFont()) {
    // The height is the screen's: the same text takes the same room on paper.
    const int height = MulDiv(AfxGetProfileInt("PrintFontText", "Size", 14), printerY, screenY);
    m_fontPrint.CreateFont(height, 0, 0, 0, AfxGetProfileInt("PrintFontText", "Weight", 400),
                           static_cast<BYTE>(AfxGetProfileInt("PrintFontText", "Italic", 0)),
                           static_cast<BYTE>(AfxGetProfileInt("PrintFontText", "Underline", 0)), 0,
                           static_cast<BYTE>(AfxGetProfileInt("PrintFontText", "CharSet", 128)), 0, 0, 0, 0x30,
                           AfxGetProfileString("PrintFontText", "FaceName", "ＭＳ ゴシック"));
  }
  dc.SetFont(m_fontPrint);
  dc.SetTextForeground(*wxBLACK);
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

  int width = 0;
  int height = 0;
  GetPageSizePixels(&width, &height);
  RECT rect = {0, 0, width, height};
  CPrintMargins margins;
  margins.Load("PrintSet");
  const wxRect paper = GetPaperRectPixels();
  margins.NarrowRect(rect, 2540.0 / printerX, 2540.0 / printerY, POINT{-paper.x, -paper.y});
  // The text's own extra margins, whole millimetres.
  const int perMmX = printerX * 1000 / 254;  // pixels per millimetre times 100
  const int perMmY = printerY * 1000 / 254;
  rect.top += AfxGetProfileInt("Print", "Top", 3) * perMmY / 100;
  rect.left += AfxGetProfileInt("Print", "Left", 3) * perMmX / 100;
  rect.right -= AfxGetProfileInt("Print", "Right", 3) * perMmX / 100;
  rect.bottom -= AfxGetProfileInt("Print", "Bottom", 3) * perMmY / 100;
  return rect;
}
