#include "textarea/TextPrintPage.h"

#include "foundation/TabbedText.h"

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

bool IsLineEnd(char ch) { return ch == '\r' || ch == '\n'; }

// Where a line that does not fit is broken: at the last blank inside the fitting prefix (or right
// after it); at the prefix's end when it holds none; never before the first character, so every
// line takes at least one character even when that alone is wider than the page.
int BreakPosition(const char* text, int length, int fit) {
  int lastBlank = 0;
  for (int i = 0; i <= fit && i < length; i += CharBytesAt(text, i, length))
    if (IsBlank(text[i])) lastBlank = i;
  if (lastBlank > 0) return lastBlank;
  return fit > 0 ? fit : CharBytesAt(text, 0, length);
}

enum class Align { kLeft, kCenter, kRight };

// A band's text, TABs at every eighth blank, placed in the band's width.
void DrawBandText(TextPrintCanvas& canvas, const CString& text, const RECT& band, Align align) {
  const int tabWidth = 8 * canvas.CharWidth(" ", 1);
  const int width = TabbedTextWidth(canvas, text, text.GetLength(), tabWidth);
  int x = band.left;
  if (align == Align::kCenter) x = band.left + (band.right - band.left - width) / 2;
  if (align == Align::kRight) x = band.right - width;
  DrawTabbed(canvas, text, text.GetLength(), x, band.top, tabWidth);
}

}  // namespace

int LayoutTextPage(TextPrintCanvas& canvas, const CString& text, int start, const RECT& rect, int tabWidth,
                   std::vector<TextPrintLine>& lines) {
  const char* s = text.GetString();
  const int length = text.GetLength();
  const int lineHeight = canvas.FontHeight() + canvas.ExternalLeading();
  const int width = rect.right - rect.left;
  int pos = start;
  int y = rect.top;
  while (pos < length && y + lineHeight <= rect.bottom) {
    int lineEnd = pos;
    while (lineEnd < length && !IsLineEnd(s[lineEnd])) ++lineEnd;
    if (pos == lineEnd) y += lineHeight;
    while (pos < lineEnd && y + lineHeight <= rect.bottom) {
      const int rest = lineEnd - pos;
      const int fit = FittingPrefix(canvas, s + pos, rest, width, tabWidth);
      const int piece = fit < rest ? BreakPosition(s + pos, rest, fit) : rest;
      lines.push_back(TextPrintLine{pos, piece, y});
      y += lineHeight;
      pos += piece;
      if (pos < lineEnd)
        while (pos < lineEnd && IsBlank(s[pos])) ++pos;
    }
    if (pos < lineEnd) return pos;  // the page is full inside this line
    if (pos < length && s[pos] == '\r') ++pos;
    if (pos < length && s[pos] == '\n') ++pos;
  }
  return pos;
}

RECT TextBodyRect(RECT page, int fontHeight) {
  page.top += fontHeight + fontHeight / 2;
  page.bottom -= 2 * fontHeight;
  return page;
}

int PrintTextPage(TextPrintCanvas& canvas, const CString& text, int start, const RECT& page,
                  const TextPrintBands& bands, int pageNumber, int tabSpace) {
  const int h = canvas.FontHeight();
  const RECT headerBand = {page.left, page.top, page.right, page.top + h};
  if (!bands.header.IsEmpty()) DrawBandText(canvas, bands.header, headerBand, Align::kCenter);
  if (bands.pageStyle == 1) {
    CString number;
    number.Format("Page -%3d", pageNumber);
    DrawBandText(canvas, number, headerBand, Align::kRight);
  }
  const RECT body = TextBodyRect(page, h);
  if (bands.headerLine) canvas.DrawRule(body.left, body.right, body.top - h / 2);

  const int tabWidth = tabSpace * canvas.CharWidth(" ", 1);
  std::vector<TextPrintLine> lines;
  const int stop = LayoutTextPage(canvas, text, start, body, tabWidth, lines);
  for (const TextPrintLine& line : lines)
    DrawTabbed(canvas, text.GetString() + line.offset, line.length, body.left, line.y, tabWidth);

  const RECT footerBand = {body.left, body.bottom + h, body.right, body.bottom + 2 * h};
  if (!bands.footer.IsEmpty()) DrawBandText(canvas, bands.footer, footerBand, Align::kLeft);
  if (bands.pageStyle == 2) {
    CString number;
    number.Format("- %d -", pageNumber);
    DrawBandText(canvas, number, footerBand, Align::kCenter);
  }
  if (bands.footerLine) canvas.DrawRule(body.left, body.right, body.bottom);
  return stop;
}

std::vector<int> PaginateText(TextPrintCanvas& canvas, const CString& text, const RECT& page, int tabSpace) {
  const RECT body = TextBodyRect(page, canvas.FontHeight());
  const int tabWidth = tabSpace * canvas.CharWidth(" ", 1);
  std::vector<int> starts{0};
  std::vector<TextPrintLine> lines;
  for (;;) {
    lines.clear();
    const int stop = LayoutTextPage(canvas, text, starts.back(), body, tabWidth, lines);
    // A page that takes nothing (a body lower than one line) ends the pagination.
    if (stop >= text.GetLength() || stop == starts.back()) break;
    starts.push_back(stop);
  }
  return starts;
}
