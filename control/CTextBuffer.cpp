#include "control/CTextBuffer.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "control/CEditCore.h"
#include "control/ControlRoutines.h"
#include "control/EditMessages.h"
#include "platform/base/CodePage.h"

namespace {

bool IsSpaceClass(int cls) { return cls == 1 || cls == 6; }

}  // namespace

CTextBuffer::CTextBuffer(CEditCore* owner) : m_owner(owner) {}

CTextBuffer::~CTextBuffer() = default;

int CTextBuffer::GetLineLength(int line) const {
  if (line < 0 || line >= GetLineCount()) return 0;
  return GetLine(line)->GetLength();
}

int CTextBuffer::GetLineSize(int line) const {
  if (line < 0 || line >= GetLineCount()) return 0;
  const CLine* l = GetLine(line);
  if (line == GetLineCount() - 1) return l->GetLength();
  return l->GetLength() + (l->GetKind() == LINEEND_CRLF ? 2 : 1);
}

// First rows are set lazily: an edit that changes a line's row count only marks the lines after it,
// and they are renumbered when someone asks, so a keystroke costs nothing for the text below it.
void CTextBuffer::EnsureRows(int line) {
  if (line >= GetLineCount()) line = GetLineCount() - 1;
  if (line < m_rowsValid) return;
  int i = m_rowsValid;
  if (i == 0) {
    m_lines[0]->m_firstRow = 0;
    i = 1;
  }
  for (; i <= line; ++i) m_lines[i]->m_firstRow = m_lines[i - 1]->m_firstRow + m_lines[i - 1]->GetRowCount();
  m_rowsValid = line + 1;
}

void CTextBuffer::InvalidateRows(int line) { m_rowsValid = std::min(m_rowsValid, std::max(line, 0)); }

int CTextBuffer::GetFirstRow(int line) {
  if (line < 0 || line >= GetLineCount()) return 0;
  EnsureRows(line);
  return GetLine(line)->m_firstRow;
}

std::unique_ptr<CLine> CTextBuffer::MakeLine(const char* text, int length, int kind, bool full) {
  return std::make_unique<CLine>(m_owner, text, length, kind, full);
}

void CTextBuffer::InsertLines(int index, std::vector<std::unique_ptr<CLine>>& lines) {
  for (const auto& line : lines) m_totalRows += line->GetRowCount();
  m_lines.insert(m_lines.begin() + index, std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
  InvalidateRows(index);
  lines.clear();
}

void CTextBuffer::EraseLines(int index, int count) {
  for (int i = index; i < index + count; ++i) m_totalRows -= m_lines[i]->GetRowCount();
  m_lines.erase(m_lines.begin() + index, m_lines.begin() + index + count);
  InvalidateRows(index);
}

void CTextBuffer::RewrapLine(int line) { RewrapLine(line, 0, 0); }

// `delta` bytes inserted (or removed) at `offset`; 0 and 0 rewrap the whole line.
void CTextBuffer::RewrapLine(int line, int offset, int delta) {
  CLine* l = GetLine(line);
  const int before = l->GetRowCount();
  if (delta == 0) {
    l->Rewrap(true);
  } else {
    l->RewrapEdit(offset, delta);
  }
  const int after = l->GetRowCount();
  if (after != before) {
    m_totalRows += after - before;
    InvalidateRows(line + 1);
  }
}

int CTextBuffer::LogicalToSerial(int column, int line) const {
  int serial = column;
  line = std::min(line, GetLineCount());
  for (int i = 0; i < line; ++i) serial += GetLineSize(i);
  return serial;
}

POINT CTextBuffer::SerialToLogical(int offset) const {
  POINT pos;
  if (GetLineCount() == 0) return pos;
  int line = 0;
  while (line < GetLineCount() - 1 && offset - GetLineSize(line) >= 0) {
    offset -= GetLineSize(line);
    ++line;
  }
  pos.y = line;
  pos.x = std::clamp(offset, 0, GetLineLength(line));
  return pos;
}

int CTextBuffer::LineOfRowFrom(int row, int start) {
  int line = std::clamp(start, 0, GetLineCount() - 1);
  while (line > 0 && GetFirstRow(line) > row) --line;
  while (line + 1 < GetLineCount() && GetFirstRow(line + 1) <= row) ++line;
  return line;
}

int CTextBuffer::RowToLine(int row, int hint) {
  if (GetLineCount() == 0) return 0;
  if (m_owner->m_cust.WrapMode == 0) return std::clamp(row, 0, GetLineCount() - 1);
  if (hint >= 0) return LineOfRowFrom(row, hint);
  if (m_rowsValid > 0) {
    const CLine* last = GetLine(m_rowsValid - 1);
    if (row < last->m_firstRow + last->GetRowCount()) {
      auto it = std::upper_bound(m_lines.begin(), m_lines.begin() + m_rowsValid, row,
                                 [](int r, const std::unique_ptr<CLine>& l) { return r < l->m_firstRow; });
      return static_cast<int>(it - m_lines.begin()) - 1;
    }
    return LineOfRowFrom(row, m_rowsValid - 1);
  }
  const long long estimate = m_totalRows > 0 ? static_cast<long long>(row) * GetLineCount() / m_totalRows : 0;
  return LineOfRowFrom(row, static_cast<int>(estimate));
}

POINT CTextBuffer::ViewToLogical(int column, int row, int mode, int hint) {
  POINT pos;
  if (GetLineCount() == 0) return pos;
  column = std::max(column, 0);
  row = std::max(row, 0);
  if (row >= m_totalRows) {
    row = m_totalRows - 1;
    if (mode == 1 || mode == 2) column = m_owner->m_wrapWidth + 2;
  }
  const int line = RowToLine(row, hint);
  const CLine* l = GetLine(line);
  int offset = l->RowColToOffset(column, row - GetFirstRow(line), mode);
  offset = std::clamp(offset, 0, l->GetLength());
  if (ByteKindAt(offset, l->GetText()) == 2) {
    if (mode == -1) {
      --offset;
    } else if ((mode == 1 || mode == 2) && m_owner->m_cust.WrapMode != 0) {
      ++offset;
    }
  }
  pos.x = offset;
  pos.y = line;
  return pos;
}

POINT CTextBuffer::LogicalToView(int column, int line) {
  POINT view;
  if (line < 0 || line >= GetLineCount()) return view;
  const POINT rc = GetLine(line)->OffsetToRowCol(column);
  view.x = rc.x;
  view.y = GetFirstRow(line) + rc.y;
  return view;
}

POINT CTextBuffer::LogicalToViewClamped(int column, int line) {
  if (GetLineCount() == 0) return POINT{};
  line = std::clamp(line, 0, GetLineCount() - 1);
  const CLine* l = GetLine(line);
  column = std::clamp(column, 0, l->GetLength());
  if (ByteKindAt(column, l->GetText()) == 2) --column;
  return LogicalToView(column, line);
}

POINT CTextBuffer::NormalizePos(POINT view) {
  if (GetLineCount() == 0) return POINT{};
  const POINT logical = ViewToLogical(view.x, view.y, -1);
  return LogicalToView(logical.x, logical.y);
}

// Character classes drive word motion and word selection.
int CTextBuffer::CharClass(const char* text, int offset, int length) {
  if (offset >= length) return 0;
  const auto ch = static_cast<unsigned char>(text[offset]);
  if (CharLengthAt(text, offset, length) == 1) {
    if (ch == 0) return 0;
    if (ch == ' ' || (ch >= 0x09 && ch <= 0x0D)) return 1;
    if (ch < 0x80) return (std::isalnum(ch) || ch == '_') ? 3 : 2;
    return (ch >= 0xA6 && ch <= 0xDF) ? 4 : 5;
  }
  const unsigned code = ch * 256u + static_cast<unsigned char>(text[offset + 1]);
  if (code == 0x8140) return 6;
  switch (code) {
    case 0x814B: case 0x814A: case 0x8175: case 0x8176: case 0x8141: case 0x8142: case 0x8145: return 12;
    case 0x815B: return 10;
    case 0x8158: return 11;
    case 0x8151: return 8;
    default: break;
  }
  if ((code >= 0x824F && code <= 0x8258) || (code >= 0x8260 && code <= 0x8279) || (code >= 0x8281 && code <= 0x829A) ||
      (code >= 0x839F && code <= 0x83D6) || (code >= 0x8440 && code <= 0x8491))
    return 8;
  if (code >= 0x829F && code <= 0x82F1) return 9;
  if (code >= 0x8340 && code <= 0x8396) return 10;
  if (code >= 0x889F && code <= 0xEAA4) return 11;
  return 7;
}

POINT CTextBuffer::MoveByCommand(UINT command, POINT& logical) {
  if (GetLineCount() == 0) {
    logical = POINT{};
    return POINT{};
  }
  logical.y = std::clamp<LONG>(logical.y, 0, GetLineCount() - 1);
  const CLine* line = GetLine(logical.y);
  const char* text = line->GetText();
  const int length = line->GetLength();
  logical.x = std::clamp<LONG>(logical.x, 0, length);
  if (ByteKindAt(logical.x, text) == 2) --logical.x;
  const bool lastLine = logical.y == GetLineCount() - 1;
  switch (command) {
    case ID_WRILA_CHARRIGHT: case ID_WRILA_SELCHARRIGHT:
      if (logical.x < length) {
        logical.x += CharLengthAt(text, logical.x, length);
      } else if (!lastLine) {
        logical = POINT{0, logical.y + 1};
      }
      break;
    case ID_WRILA_CHARLEFT: case ID_WRILA_SELCHARLEFT:
      if (logical.x > 0) {
        logical.x = static_cast<LONG>(PrevChar(text, text + logical.x) - text);
      } else if (logical.y > 0) {
        logical = POINT{GetLineLength(logical.y - 1), logical.y - 1};
      }
      break;
    case ID_WRILA_WORDRIGHT: case ID_WRILA_SELWORDRIGHT: {
      if (logical.x >= length) {
        if (!lastLine) logical = POINT{0, logical.y + 1};
        break;
      }
      int i = logical.x;
      const int cls = CharClass(text, i, length);
      while (i < length && CharClass(text, i, length) == cls) i += CharLengthAt(text, i, length);
      while (i < length && IsSpaceClass(CharClass(text, i, length))) i += CharLengthAt(text, i, length);
      logical.x = i;
      break;
    }
    case ID_WRILA_WORDLEFT: case ID_WRILA_SELWORDLEFT: {
      if (logical.x == 0) {
        if (logical.y > 0) logical = POINT{GetLineLength(logical.y - 1), logical.y - 1};
        break;
      }
      int i = logical.x;
      auto prev = [&](int at) { return static_cast<int>(PrevChar(text, text + at) - text); };
      while (i > 0 && IsSpaceClass(CharClass(text, prev(i), length))) i = prev(i);
      if (i > 0) {
        const int cls = CharClass(text, prev(i), length);
        while (i > 0 && CharClass(text, prev(i), length) == cls) i = prev(i);
      }
      logical.x = i;
      break;
    }
    case ID_WRILA_ROWSTART: case ID_WRILA_SELROWSTART: {
      const POINT rc = line->OffsetToRowCol(logical.x);
      logical.x = line->GetRowStart(rc.y);
      break;
    }
    case ID_WRILA_ROWEND: case ID_WRILA_SELROWEND: {
      const POINT rc = line->OffsetToRowCol(logical.x);
      logical.x = line->GetRowEnd(rc.y);
      break;
    }
    case ID_WRILA_LOGICALSTART: case ID_WRILA_SELLOGICALSTART: logical.x = 0; break;
    case ID_WRILA_LOGICALEND: case ID_WRILA_SELLOGICALEND: logical.x = length; break;
    case ID_WRILA_TEXTSTART: case ID_WRILA_SELTEXTSTART: logical = POINT{}; break;
    default: break;
  }
  return LogicalToView(logical.x, logical.y);
}

POINT CTextBuffer::MoveVertical(UINT command, POINT view, POINT& logical, int rowsPerPage) {
  int row = view.y;
  int mode = -1;
  switch (command) {
    case ID_WRILA_ROWDOWN: case ID_WRILA_SELROWDOWN: ++row; break;
    case ID_WRILA_ROWUP: case ID_WRILA_SELROWUP: --row; break;
    case ID_WRILA_PAGEDOWN: case ID_WRILA_SELPAGEDOWN: row += rowsPerPage; break;
    case ID_WRILA_PAGEUP: case ID_WRILA_SELPAGEUP: row -= rowsPerPage; break;
    case ID_WRILA_TEXTEND: case ID_WRILA_SELTEXTEND: row = m_totalRows - 1; break;
    case ID_WRILA_TEXTSTART: case ID_WRILA_SELTEXTSTART: logical = POINT{}; return LogicalToView(0, 0);
    default: break;
  }
  logical = ViewToLogical(view.x, row, mode, logical.y);
  return LogicalToView(logical.x, logical.y);
}

void CTextBuffer::Clear() {
  m_lines.clear();
  m_undo.clear();
  m_redo.clear();
  m_totalRows = 0;
  m_rowsValid = 0;
  m_inUndo = m_inRedo = m_modified = false;
  m_loadedCode = 3;
}

bool CTextBuffer::IsEmpty() const { return GetLineCount() == 0 || (GetLineCount() == 1 && GetLineLength(0) == 0); }

BOOL CTextBuffer::InsertEmptyLine(int index, int kind) {
  if (IsAtRowLimit()) return FALSE;
  index = std::clamp(index, 0, GetLineCount());
  std::vector<std::unique_ptr<CLine>> one;
  one.push_back(MakeLine("", 0, kind, false));
  InsertLines(index, one);
  return TRUE;
}

CRefString CTextBuffer::GetTextRange(POINT startView, POINT endView) {
  const POINT s = ViewToLogical(startView.x, startView.y, -1);
  const POINT e = ViewToLogical(endView.x, endView.y, 1, s.y);
  if (s.y != e.y) return CRefString();
  const int from = std::min(s.x, e.x);
  return GetLine(s.y)->GetText().Mid(from, std::abs(e.x - s.x));
}

CRefString CTextBuffer::GetRowText(int row) {
  if (row < 0 || row >= m_totalRows) return CRefString();
  const int line = RowToLine(row);
  const CLine* l = GetLine(line);
  const int r = row - GetFirstRow(line);
  const int start = l->GetRowStart(r);
  const int end = r + 1 < l->GetRowCount() ? l->GetRowStart(r + 1) : l->GetLength();
  return ExpandTabs(0, l->GetText().Mid(start, end - start), m_owner->m_cust.TabSpace);
}

BOOL CTextBuffer::GetRowSpan(int row, int firstColumn, int lastColumn, CRowSpan* span) {
  if (row < 0 || row >= m_totalRows) return FALSE;
  const int line = RowToLine(row);
  const CLine* l = GetLine(line);
  const int r = row - GetFirstRow(line);
  span->text = l->GetText();
  span->line = line;
  span->lineLength = l->GetLength();
  span->rowStart = l->GetRowStart(r);
  span->rowEnd = r + 1 < l->GetRowCount() ? l->GetRowStart(r + 1) : l->GetLength();
  span->from = l->RowColToOffset(std::max(firstColumn, 0), r, -1);
  span->to = std::max(span->from, l->RowColToOffset(std::max(lastColumn, 0), r, 2));
  span->commentState = l->m_commentState;
  return TRUE;
}

int CTextBuffer::GetRangeSize(POINT startView, POINT endView, bool quote) {
  const POINT s = ViewToLogical(startView.x, startView.y, -1);
  const POINT e = ViewToLogical(endView.x, endView.y, 1);
  const int prefix = quote ? static_cast<int>(strnlen(m_owner->m_cust.Prefix, sizeof(m_owner->m_cust.Prefix))) : 0;
  int size = 1;
  for (int i = s.y; i <= e.y && i < GetLineCount(); ++i) {
    const int from = i == s.y ? s.x : 0;
    const int to = i == e.y ? e.x : GetLineLength(i);
    size += std::max(0, to - from) + prefix + (i < e.y ? 2 : 0);
  }
  return size;
}

CRefString CTextBuffer::RangeToGlobal(POINT startView, POINT endView, bool quote) {
  POINT s = ViewToLogical(startView.x, startView.y, -1);
  POINT e = ViewToLogical(endView.x, endView.y, 1);
  if (e.y < s.y || (e.y == s.y && e.x < s.x)) std::swap(s, e);
  return RangeText(s, e, quote);
}

CRefString CTextBuffer::RangeText(POINT s, POINT e, bool quote) const {
  CRefString out;
  for (int i = s.y; i <= e.y && i < GetLineCount(); ++i) {
    const CLine* l = GetLine(i);
    const int from = i == s.y ? s.x : 0;
    const int to = i == e.y ? e.x : l->GetLength();
    if (quote) out += m_owner->m_cust.Prefix;
    if (to > from) out.Append(l->GetText().GetString() + from, to - from);
    if (i < e.y) out += LineEndBytes(l->GetKind());
  }
  return out;
}

CRefString CTextBuffer::GetWholeText() {
  if (GetLineCount() == 0) return CRefString();
  CRefString out;
  out.GetBuffer(LogicalToSerial(GetLineLength(GetLineCount() - 1), GetLineCount() - 1));
  out.ReleaseBuffer(0);
  for (int i = 0; i < GetLineCount(); ++i) {
    out += GetLine(i)->GetText();
    if (i + 1 < GetLineCount()) out += LineEndBytes(GetLine(i)->GetKind());
  }
  return out;
}

int CTextBuffer::GetTabExpandedWidth(int row, int* kind) {
  *kind = -1;
  if (row < 0 || row >= m_totalRows) return -1;
  const int line = RowToLine(row);
  const CLine* l = GetLine(line);
  if (row - GetFirstRow(line) != l->GetRowCount() - 1) return -1;
  *kind = l->GetKind();
  return l->OffsetToRowCol(l->GetLength()).x;
}

int CTextBuffer::GetCharAt(POINT view) {
  if (GetLineCount() == 0) return 0;
  const POINT pos = ViewToLogical(view.x, view.y, -1);
  const CLine* l = GetLine(pos.y);
  if (pos.x >= l->GetLength()) {
    if (pos.y == GetLineCount() - 1) return 0;
    switch (l->GetKind()) {
      case LINEEND_CR: return 13;
      case LINEEND_LF: return 10;
      default: return 0x0D0A;
    }
  }
  const char* text = l->GetText();
  if (CharLengthAt(text, pos.x, l->GetLength()) == 2)
    return static_cast<unsigned char>(text[pos.x]) * 256 + static_cast<unsigned char>(text[pos.x + 1]);
  return static_cast<unsigned char>(text[pos.x]);
}

BOOL CTextBuffer::GetWordAt(POINT view, POINT* start, POINT* end) {
  if (GetLineCount() == 0) return FALSE;
  const POINT pos = ViewToLogical(view.x, view.y, -1);
  const CLine* l = GetLine(pos.y);
  const char* text = l->GetText();
  const int length = l->GetLength();
  const int cls = CharClass(text, pos.x, length);
  int from = pos.x;
  int to = pos.x;
  if (cls != 0) {
    while (to < length && CharClass(text, to, length) == cls) to += CharLengthAt(text, to, length);
    while (from > 0) {
      const int prev = static_cast<int>(PrevChar(text, text + from) - text);
      if (CharClass(text, prev, length) != cls) break;
      from = prev;
    }
  }
  *start = LogicalToView(from, pos.y);
  *end = LogicalToView(to, pos.y);
  return cls != 0;
}

BOOL CTextBuffer::GetLineColor(int row, COLORREF* text, COLORREF* back, BOOL* underline) {
  if (row < 0 || row >= m_totalRows) return FALSE;
  const CLine* l = GetLine(RowToLine(row));
  if (!l->m_hasLineColor) return FALSE;
  *text = l->m_textColor;
  *back = l->m_backColor;
  *underline = l->m_underline;
  return TRUE;
}

BOOL CTextBuffer::SetLineColor(int first, int last, COLORREF text, COLORREF back, BOOL underline) {
  first = std::max(first, 0);
  last = std::min(last, GetLineCount() - 1);
  if (first > last) return FALSE;
  for (int i = first; i <= last; ++i) {
    CLine* l = GetLine(i);
    l->m_textColor = text;
    l->m_backColor = back;
    l->m_underline = underline ? 1 : 0;
    l->m_hasLineColor = 1;
  }
  return TRUE;
}

BOOL CTextBuffer::EraseLineColor(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, GetLineCount() - 1);
  BOOL erased = FALSE;
  for (int i = first; i <= last; ++i) {
    CLine* l = GetLine(i);
    if (l->m_hasLineColor) erased = TRUE;
    l->m_hasLineColor = 0;
  }
  return erased;
}

int CTextBuffer::GetLineMark(int line) const {
  if (line < 0 || line >= GetLineCount()) return -1;
  const int mark = GetLine(line)->m_mark;
  return mark == 0xFF ? -1 : mark;
}

BOOL CTextBuffer::SetLineMark(int line, int mark) {
  if (line < 0 || line >= GetLineCount()) return FALSE;
  CLine* l = GetLine(line);
  l->m_mark = static_cast<std::uint8_t>(mark);
  m_owner->RepaintRows(2, LogicalToView(0, line), l->GetRowCount());
  return TRUE;
}

bool CTextBuffer::RewrapAll() {
  const CCustomizeInfo& cust = m_owner->m_cust;
  const int old = m_owner->m_wrapWidth;
  switch (cust.WrapMode) {
    case 0: m_owner->m_wrapWidth = 16; break;
    case 1: m_owner->m_wrapWidth = std::max(cust.MarginNormal, cust.MarginQuote); break;
    default: m_owner->m_wrapWidth = std::max(16, m_owner->m_visibleColumns - 3); break;
  }
  m_owner->BeginWaitCursor();
  int row = 0;
  for (auto& line : m_lines) {
    line->m_firstRow = row;
    line->Rewrap(true);
    row += line->GetRowCount();
  }
  m_totalRows = row;
  m_rowsValid = GetLineCount();
  m_owner->EndWaitCursor();
  return old != m_owner->m_wrapWidth;
}

int CTextBuffer::ScanComments(int line, int state) const {
  const CCustomizeInfo& cust = m_owner->m_cust;
  const char* text = GetLine(line)->GetText();
  for (;;) {
    const char* delimiter = state ? cust.CommentEnd : cust.CommentBegin;
    const char* found = std::strstr(text, delimiter);
    if (!found) return state;
    state = !state;
    text = found + 1;
  }
}

// Rescans the comment states of the changed lines and of the following lines until one starts in
// the state it had; returns true when lines below the changed ones changed too.
bool CTextBuffer::UpdateComments(int line, int count) {
  const CCustomizeInfo& cust = m_owner->m_cust;
  if (cust.HiliteComment == -1 || !cust.CommentBegin[0] || !cust.CommentEnd[0] || GetLineCount() == 0) return false;
  line = std::clamp(line, 0, GetLineCount() - 1);
  int state = line == 0 ? 0 : ScanComments(line - 1, GetLine(line - 1)->m_commentState);
  const int end = std::min(GetLineCount(), line + std::max(count, 1));
  for (int i = line; i < end; ++i) {
    GetLine(i)->m_commentState = static_cast<std::uint8_t>(state);
    state = ScanComments(i, state);
  }
  if (end >= GetLineCount() || GetLine(end)->m_commentState == state) return false;
  m_owner->BeginWaitCursor();
  for (int i = end; i < GetLineCount(); ++i) {
    if (GetLine(i)->m_commentState == state) break;
    GetLine(i)->m_commentState = static_cast<std::uint8_t>(state);
    state = ScanComments(i, state);
  }
  m_owner->EndWaitCursor();
  return true;
}

void CTextBuffer::RecalcComments() {
  if (m_owner->m_cust.HiliteComment == -1) return;
  const CCustomizeInfo& cust = m_owner->m_cust;
  int state = 0;
  const bool active = cust.CommentBegin[0] && cust.CommentEnd[0];
  for (int i = 0; i < GetLineCount(); ++i) {
    GetLine(i)->m_commentState = static_cast<std::uint8_t>(state);
    if (active) state = ScanComments(i, state);
  }
}

void CTextBuffer::SetModified(bool modified) {
  if (modified != m_modified) {
    m_modified = modified;
    if (m_owner->m_needEvents & EVENT_ONMODIFIED) m_owner->FireOnModified(modified);
  }
  if (m_owner->m_needEvents & EVENT_CHANGE) m_owner->FireChange();
}

void CTextBuffer::SetModifiedState(bool modified) {
  SetModified(modified);
  if (!modified) MarkRecordsModified();
}

void CTextBuffer::SetAccelEntries(const std::vector<CAccelEntry>& entries) {
  m_accel = entries;
  RebuildAccelTable();
}

void CTextBuffer::RebuildAccelTable() { m_accelTable = std::make_unique<CAccelTable>(m_accel); }

CRefString CTextBuffer::GetCommandKeys(UINT command) const {
  CRefString keys;
  bool first = true;
  for (const CAccelEntry& entry : m_accel) {
    if (entry.cmd != command) continue;
    if (!first) keys += ", ";
    keys += GetKeyText(entry);
    first = false;
  }
  return keys;
}
