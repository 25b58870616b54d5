#pragma once
// Shift JIS text measured and drawn character by character, with TABs going to the next tab stop:
// what the text pane's and the outline's print layouts share. A canvas gives the widths and draws.
#include "platform/base/WinTypes.h"

class TabbedTextCanvas {
 public:
  virtual ~TabbedTextCanvas() = default;
  // Width of one character of one or two Shift JIS bytes (never a TAB or a line end).
  virtual int CharWidth(const char* ch, int bytes) = 0;
  // Draws characters without TABs with their cell's top left at x, y.
  virtual void DrawChars(const char* text, int length, int x, int y) = 0;
};

// Bytes of the character at text[i]: a lead byte takes its trail byte along when there is one.
int CharBytesAt(const char* text, int i, int length);
// The tab stop after x; x itself when tabWidth is 0.
int NextTabStop(int x, int tabWidth);
// Bytes of the longest prefix of whole characters that fits width; the character that passes the
// edge is left out whole, so a double-byte character is never split.
int FittingPrefix(TabbedTextCanvas& canvas, const char* text, int length, int width, int tabWidth);
int TabbedTextWidth(TabbedTextCanvas& canvas, const char* text, int length, int tabWidth);
// Draws the text from left, its TABs as gaps to the next tab stop.
void DrawTabbed(TabbedTextCanvas& canvas, const char* text, int length, int left, int y, int tabWidth);
