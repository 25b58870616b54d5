#include "treeview/TreePrintDcCanvas.h"

#include <wx/dc.h>

#include <string_view>

#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"

TreePrintDcCanvas::TreePrintDcCanvas(const CFont* fonts) : m_pFonts(fonts) {
  for (FontMetrics& metrics : m_metrics) metrics.single.fill(-1);
}

void TreePrintDcCanvas::SelectFont(int font, COLORREF colour) {
  if (font != m_nFont) {
    m_nFont = font;
    if (m_pFonts[font].HasFont()) m_pDC->SetFont(m_pFonts[font]);
  }
  m_pDC->SetTextForeground(ColorRefToWx(colour));
  m_pDC->SetPen(wxPen(ColorRefToWx(colour)));
}

TreePrintDcCanvas::FontMetrics& TreePrintDcCanvas::Metrics() {
  FontMetrics& metrics = m_metrics[static_cast<size_t>(m_nFont < 0 ? 0 : m_nFont)];
  if (!metrics.known) {
    metrics.known = true;
    metrics.height = m_pDC->GetCharHeight();
    metrics.average = m_pDC->GetCharWidth();
  }
  return metrics;
}

int TreePrintDcCanvas::CharWidth(const char* ch, int bytes) {
  FontMetrics& metrics = Metrics();
  int* cached = nullptr;
  if (bytes == 1) {
    cached = &metrics.single[static_cast<unsigned char>(ch[0])];
  } else {
    const int code = (static_cast<unsigned char>(ch[0]) << 8) | static_cast<unsigned char>(ch[1]);
    auto found = metrics.doubles.try_emplace(code, -1).first;
    cached = &found->second;
  }
  if (*cached < 0) *cached = m_pDC->GetTextExtent(CP932ToWx(std::string_view(ch, static_cast<size_t>(bytes)))).x;
  return *cached;
}

void TreePrintDcCanvas::DrawChars(const char* text, int length, int x, int y) {
  m_pDC->DrawText(CP932ToWx(std::string_view(text, static_cast<size_t>(length))), x, y);
}

void TreePrintDcCanvas::DrawLine(int x1, int y1, int x2, int y2) { m_pDC->DrawLine(x1, y1, x2, y2); }

void TreePrintDcCanvas::DrawCheckBitmap(int x, int y, int size) {
  // The check box as the tree shows it: a frame with a tick.
  m_pDC->SetBrush(*wxTRANSPARENT_BRUSH);
  m_pDC->DrawRectangle(x, y, size - 2, size - 2);
  m_pDC->DrawLine(x + 2, y + size / 2, x + size / 3, y + size - 5);
  m_pDC->DrawLine(x + size / 3, y + size - 5, x + size - 4, y + 2);
}
