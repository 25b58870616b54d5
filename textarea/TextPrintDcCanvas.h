#pragma once
// The printed text page on a device context: Shift JIS text measured and drawn in the context's
// current font, single-byte widths measured once.
#include <array>

#include "textarea/TextPrintPage.h"

class wxDC;

class TextPrintDcCanvas : public TextPrintCanvas {
 public:
  explicit TextPrintDcCanvas(wxDC& dc);

  int CharWidth(const char* ch, int bytes) override;
  int FontHeight() override { return m_nHeight; }
  int ExternalLeading() override { return m_nLeading; }
  void DrawChars(const char* text, int length, int x, int y) override;
  void DrawRule(int left, int right, int y) override;

 private:
  wxDC& m_dc;
  int m_nHeight = 0;
  int m_nLeading = 0;
  std::array<int, 256> m_singleWidths;
};
