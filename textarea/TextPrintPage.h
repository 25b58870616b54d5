#pragma once
// One printed page of a text: the header band (centred header, "Page -%3d" at the right), the
// body, and the footer band (left-aligned footer, "- %d -" centred), with their rules. The body
// wraps a line at its last blank before the right edge, never inside a double-byte character;
// a TAB goes to the next tab stop. Everything is measured and drawn through a canvas, so the
// layout does not depend on a printer.
#include <vector>

#include "foundation/TabbedText.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class TextPrintCanvas : public TabbedTextCanvas {
 public:
  // Height of the character cell, and the extra space the font puts between lines.
  virtual int FontHeight() = 0;
  virtual int ExternalLeading() = 0;
  virtual void DrawRule(int left, int right, int y) = 0;
};

struct TextPrintBands {
  CString header;
  CString footer;
  int pageStyle = 0;  // 0 none, 1 "Page -%3d" at the top right, 2 "- %d -" at the bottom centre
  BOOL headerLine = FALSE;
  BOOL footerLine = FALSE;
};

struct TextPrintLine {
  int offset;  // byte offset of the piece in the text
  int length;  // bytes drawn, trailing blanks of a wrapped piece left out
  int y;       // top of the line
};

// Lays out the lines that fit rect from offset start; returns the offset where the page stopped
// (the text's length when it all fitted). A page may stop inside a wrapped line: the next page goes
// on with the rest of it.
int LayoutTextPage(TextPrintCanvas& canvas, const CString& text, int start, const RECT& rect, int tabWidth,
                   std::vector<TextPrintLine>& lines);

// The body's rectangle inside the page's: 1.5 lines below the top for the header band, 2 above the
// bottom for the footer band.
RECT TextBodyRect(RECT page, int fontHeight);

// Draws page number page (from 1) with its bands, its body starting at start; returns where the
// body stopped. tabSpace is the number of blanks a tab stop is wide.
int PrintTextPage(TextPrintCanvas& canvas, const CString& text, int start, const RECT& page,
                  const TextPrintBands& bands, int pageNumber, int tabSpace);

// The offsets at which pages 1, 2, ... of the text start on pages of this rectangle.
std::vector<int> PaginateText(TextPrintCanvas& canvas, const CString& text, const RECT& page, int tabSpace);
