#pragma once
// The printed outline on a device context: the ten print fonts with their colours, each font's
// character widths measured once and kept for the whole job.
#include <array>
#include <unordered_map>

#include "platform/desktop/CFont.h"
#include "treeview/TreePrintPage.h"

class wxDC;

class TreePrintDcCanvas : public TreePrintCanvas {
 public:
  explicit TreePrintDcCanvas(const CFont* fonts);
  // The context drawn on for the next page; the measured widths stay.
  void SetDC(wxDC* dc) { m_pDC = dc; m_nFont = -1; }

  void SelectFont(int font, COLORREF colour) override;
  int CharWidth(const char* ch, int bytes) override;
  int FontHeight() override { return Metrics().height; }
  int AveCharWidth() override { return Metrics().average; }
  void DrawChars(const char* text, int length, int x, int y) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawCheckBitmap(int x, int y, int size) override;

 private:
  struct FontMetrics {
    bool known = false;
    int height = 0;
    int average = 0;
    std::array<int, 256> single{};
    std::unordered_map<int, int> doubles;
  };
  FontMetrics& Metrics();

  const CFont* m_pFonts;
  wxDC* m_pDC = nullptr;
  int m_nFont = -1;
  std::array<FontMetrics, kPrintFontCount> m_metrics;
};
