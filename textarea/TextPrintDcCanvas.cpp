#include "textarea/TextPrintDcCanvas.h"

#include <wx/dc.h>

#include <string_view>

#include "platform/base/CodePage.h"

TextPrintDcCanvas::TextPrintDcCanvas(wxDC& dc) : m_dc(dc) {
  m_singleWidths.fill(-1);
  wxCoord width = 0;
  wxCoord height = 0;
  wxCoord descent = 0;
  wxCoord leading = 0;
  dc.GetTextExtent("M", &width, &height, &descent, &leading);
  m_nHeight = height;
  m_nLeading = leading;
}

int TextPrintDcCanvas::CharWidth(const char* ch, int bytes) {
  int* cached = bytes == 1 ? &m_singleWidths[static_cast<unsigned char>(ch[0])] : nullptr;
  if (cached && *cached >= 0) return *cached;
  const int width = m_dc.GetTextExtent(CP932ToWx(std::string_view(ch, bytes))).x;
  if (cached) *cached = width;
  return width;
}

void TextPrintDcCanvas::DrawChars(const char* text, int length, int x, int y) {
  m_dc.DrawText(CP932ToWx(std::string_view(text, length)), x, y);
}

void TextPrintDcCanvas::DrawRule(int left, int right, int y) { m_dc.DrawLine(left, y, right, y); }
