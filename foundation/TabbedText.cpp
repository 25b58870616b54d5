#include "foundation/TabbedText.h"

#include "platform/base/CodePage.h"

int CharBytesAt(const char* text, int i, int length) {
  return i + 1 < length && IsDBCSLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
}

int NextTabStop(int x, int tabWidth) { return tabWidth > 0 ? (x / tabWidth + 1) * tabWidth : x; }

int FittingPrefix(TabbedTextCanvas& canvas, const char* text, int length, int width, int tabWidth) {
  int x = 0;
  int i = 0;
  while (i < length) {
    const int bytes = CharBytesAt(text, i, length);
    const int next = text[i] == '\t' ? NextTabStop(x, tabWidth) : x + canvas.CharWidth(text + i, bytes);
    if (next > width) break;
    x = next;
    i += bytes;
  }
  return i;
}

int TabbedTextWidth(TabbedTextCanvas& canvas, const char* text, int length, int tabWidth) {
  int x = 0;
  for (int i = 0; i < length;) {
    const int bytes = CharBytesAt(text, i, length);
    x = text[i] == '\t' ? NextTabStop(x, tabWidth) : x + canvas.CharWidth(text + i, bytes);
    i += bytes;
  }
  return x;
}

void DrawTabbed(TabbedTextCanvas& canvas, const char* text, int length, int left, int y, int tabWidth) {
  int x = 0;
  int run = 0;
  int runX = 0;
  for (int i = 0; i < length;) {
    if (text[i] == '\t') {
      if (i > run) canvas.DrawChars(text + run, i - run, left + runX, y);
      x = NextTabStop(x, tabWidth);
      run = ++i;
      runX = x;
      continue;
    }
    const int bytes = CharBytesAt(text, i, length);
    x += canvas.CharWidth(text + i, bytes);
    i += bytes;
  }
  if (length > run) canvas.DrawChars(text + run, length - run, left + runX, y);
}
