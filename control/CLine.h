#pragma once
// One logical line of the control's text: its Shift JIS bytes (without the line end), the kind of
// its line end and the offsets where its wrapped rows begin.
#include <cstdint>

#include "control/CArrayEx.h"
#include "control/CRefString.h"
#include "platform/base/WinTypes.h"

class CEditCore;

// Line-end kinds.
enum : int { LINEEND_CRLF = 0, LINEEND_CR = 1, LINEEND_LF = 2 };
inline const char* LineEndBytes(int kind) { return kind == LINEEND_CR ? "\r" : kind == LINEEND_LF ? "\n" : "\r\n"; }

class CLine {
 public:
  // Wraps itself; `full` forces the column walk (needed when the text holds a TAB).
  CLine(CEditCore* owner, const char* text, int length, int kind, bool full);

  const CRefString& GetText() const { return m_text; }
  CRefString& Text() { return m_text; }
  int GetLength() const { return m_text.GetLength(); }
  int GetKind() const { return m_kind; }
  void SetKind(int kind) { m_kind = static_cast<std::uint8_t>(kind & 3); }

  const CDWordArrayEx& GetBreaks() const { return m_breaks; }
  int GetRowCount() const { return m_breaks.GetSize() + 1; }
  int GetRowStart(int row) const;
  int GetRowEnd(int row) const;
  POINT OffsetToRowCol(int offset) const;  // x: display column in the row, y: row
  int RowColToOffset(int column, int row, int mode) const;
  int GetDisplayWidth() const;

  void Wrap(bool full);
  void Rewrap(bool full);
  // Rewraps after `delta` bytes were inserted at `offset` (or -delta bytes removed there): rows well
  // before the edit keep their breaks, and once a row starts where an old row started (moved by
  // delta) past the edit, the old breaks are taken over. A keystroke thus costs a few rows, not
  // the whole line.
  void RewrapEdit(int offset, int delta);

  bool IsKinsokuBegin(int position) const;
  bool IsKinsokuEnd(int position) const;

  int m_firstRow = 0;
  COLORREF m_textColor = 0xFFFFFF;
  COLORREF m_backColor = 0;
  std::uint8_t m_underline = 0;
  std::uint8_t m_hasLineColor = 0;
  std::uint8_t m_commentState = 0;
  std::uint8_t m_mark = 0xFF;

 private:
  struct Resync {
    const std::uint32_t* oldBreaks;  // the old breaks after the restart point
    int count;
    int minStart;  // a new row start at or after this lies past the edit
    int delta;
  };
  void BreakFrom(int rowStart, bool full, const Resync* resync);
  int ColumnsOf(int from, int to) const;
  int WrapWidth() const;

  CRefString m_text;
  CDWordArrayEx m_breaks;
  CEditCore* m_owner;
  std::uint8_t m_kind = 0;
};

// Display width of the character at `offset` starting at display column `column`, and its byte
// length in `bytes`: a TAB runs to the next stop, a double-byte character is 2 columns.
int CharCells(const char* text, int offset, int length, int column, int tabSpace, int* bytes);
// A copy of a text with every TAB turned into spaces up to the next stop, counted from `startColumn`.
CRefString ExpandTabs(int startColumn, const CRefString& text, int tabSpace);
// Whether the character at text[offset] is one of the characters of `set` (a double-byte entry
// matches only both bytes).
bool IsCharInSet(const char* set, const char* text, int offset, int length);
