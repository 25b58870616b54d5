// Every change of the control's text: typing, line splits and joins, inserted and deleted ranges,
// indentation, line ends at wrap points, replace-all, whole-text replacement and search.
#include <algorithm>
#include <cstring>

#include "control/CEditCore.h"
#include "control/CTextBuffer.h"
#include "control/ControlRoutines.h"

namespace {

bool HasTab(const char* text, int length) { return std::memchr(text, '\t', static_cast<size_t>(length)) != nullptr; }

// The record flag that remembers a removed line end's kind, so undo gives back the same bytes.
std::uint32_t LineEndFlag(int kind) {
  return kind == LINEEND_CR ? UNDO_LINEEND_CR : kind == LINEEND_LF ? UNDO_LINEEND_LF : 0;
}

int CharCode(const char* text, int offset, int length) {
  const int n = CharLengthAt(text, offset, length);
  const int first = static_cast<unsigned char>(text[offset]);
  return n == 2 ? first | (static_cast<unsigned char>(text[offset + 1]) << 8) : first;
}

}  // namespace

CTextBuffer::LineEdit CTextBuffer::BeginLineEdit(POINT caret) {
  LineEdit edit;
  const CLine* line = GetLine(caret.y);
  edit.line = caret.y;
  edit.oldRows = line->GetRowCount();
  edit.caretRow = line->OffsetToRowCol(caret.x).y;
  edit.oldRowStart = line->GetRowStart(edit.caretRow);
  edit.oldPrevRowStart = edit.caretRow > 0 ? line->GetRowStart(edit.caretRow - 1) : 0;
  edit.oldViewRow = GetFirstRow(caret.y) + edit.caretRow;
  return edit;
}

// Tells the control which rows to repaint after an edit of one line.
void CTextBuffer::AfterLineEdit(const LineEdit& edit, POINT caret, bool commentsBelow) {
  if (!m_repaint) return;
  const CLine* line = GetLine(edit.line);
  int code = 1;
  if (line->GetRowCount() != edit.oldRows || commentsBelow) {
    code = 2;
  } else if (edit.caretRow > 0 && line->GetRowStart(edit.caretRow - 1) != edit.oldPrevRowStart) {
    code = 5;
  } else if (line->GetRowStart(edit.caretRow) != edit.oldRowStart) {
    code = 4;
  }
  const POINT view = LogicalToView(caret.x, caret.y);
  if (view.y != edit.oldViewRow) code = 0;
  const int rows = GetFirstRow(edit.line) + line->GetRowCount() - view.y;
  m_owner->RepaintRows(code, view, rows);
}

void CTextBuffer::RepaintFrom(POINT caret, int code) {
  if (!m_repaint || GetLineCount() == 0) return;
  const POINT view = LogicalToView(caret.x, caret.y);
  m_owner->RepaintRows(code, view, m_totalRows - view.y);
}

// Splits a line at a position: the text after it becomes the next line with the old line end; the
// line itself gets `kind` (-1 keeps it).
POINT CTextBuffer::SplitLine(POINT pos, int kind) {
  CLine* line = GetLine(pos.y);
  const CRefString tail = line->GetText().Mid(pos.x);
  const int oldKind = line->GetKind();
  line->Text().Truncate(pos.x);
  if (kind != -1) line->SetKind(kind);
  RewrapLine(pos.y);
  std::vector<std::unique_ptr<CLine>> next;
  next.push_back(MakeLine(tail, tail.GetLength(), oldKind, HasTab(tail, tail.GetLength())));
  InsertLines(pos.y + 1, next);
  UpdateComments(pos.y, 2);
  RepaintFrom(pos, 2);
  return POINT{0, pos.y + 1};
}

// Joins the next line onto a line; the joined line takes the next line's line end.
POINT CTextBuffer::JoinWithNext(int line) {
  CLine* first = GetLine(line);
  const CLine* second = GetLine(line + 1);
  const POINT join{first->GetLength(), line};
  first->Text() += second->GetText();
  first->SetKind(second->GetKind());
  EraseLines(line + 1, 1);
  RewrapLine(line);
  UpdateComments(line, 1);
  RepaintFrom(join, 2);
  return join;
}

POINT CTextBuffer::InsertChar(POINT pos, UINT ch, int kind) {
  if (GetLineCount() == 0 && !InsertEmptyLine(0, LINEEND_CRLF)) return pos;
  pos.y = std::clamp<LONG>(pos.y, 0, GetLineCount() - 1);
  pos.x = std::clamp<LONG>(pos.x, 0, GetLineLength(pos.y));
  CLine* line = GetLine(pos.y);
  if (ch == 10) {
    CRefString indent;
    if (m_owner->m_cust.AutoIndent && !m_inUndo && !m_inRedo) {
      const char* text = line->GetText();
      int i = 0;
      while (i < line->GetLength() &&
             (text[i] == ' ' || text[i] == '\t' || (CharLengthAt(text, i, line->GetLength()) == 2 &&
                                                    static_cast<unsigned char>(text[i]) == 0x81 && text[i + 1] == 0x40)))
        i += CharLengthAt(text, i, line->GetLength());
      if (i <= pos.x) indent = line->GetText().Left(i);
    }
    if (IsAtRowLimit()) {  // the line stays whole; the new line is refused
      m_owner->Beep();
      return pos;
    }
    POINT caret = SplitLine(pos, kind);
    AddUndoRecord(caret.x, caret.y, 0, 0, UNDO_CHAR_INSERTED, 10);
    SetModified(true);
    if (!indent.IsEmpty()) {
      const bool group = m_group;
      m_group = true;
      caret = InsertText(caret, indent, indent.GetLength());
      m_group = group;
    }
    return caret;
  }
  char bytes[2] = {static_cast<char>(ch & 0xFF), static_cast<char>((ch >> 8) & 0xFF)};
  const int n = ch < 256 ? 1 : 2;
  const LineEdit edit = BeginLineEdit(pos);
  line->Text().Insert(pos.x, bytes, n);
  RewrapLine(pos.y, pos.x, n);
  const bool below = UpdateComments(pos.y, 1);
  const POINT caret{pos.x + n, pos.y};
  AfterLineEdit(edit, caret, below);
  AddUndoRecord(caret.x, caret.y, 0, 0, UNDO_CHAR_INSERTED, static_cast<int>(ch));
  SetModified(true);
  return caret;
}

POINT CTextBuffer::NextRowOrNewline(POINT view, int kind) {
  if (view.y + 1 < m_totalRows) return ViewToLogical(view.x, view.y + 1, -1);
  return InsertChar(ViewToLogical(view.x, view.y, -1), 10, kind);
}

POINT CTextBuffer::InsertText(POINT pos, const char* text) {
  return InsertText(pos, text, text ? static_cast<int>(std::strlen(text)) : 0);
}

POINT CTextBuffer::InsertText(POINT pos, const char* text, int length) {
  if (!text || length <= 0) return pos;
  if (GetLineCount() == 0 && !InsertEmptyLine(0, LINEEND_CRLF)) return pos;
  pos.y = std::clamp<LONG>(pos.y, 0, GetLineCount() - 1);
  pos.x = std::clamp<LONG>(pos.x, 0, GetLineLength(pos.y));
  CLine* line = GetLine(pos.y);
  const char* end = text + length;
  const char* firstEnd = text;
  while (firstEnd < end && *firstEnd != '\r' && *firstEnd != '\n') ++firstEnd;
  POINT caret;
  if (firstEnd == end) {
    const LineEdit edit = BeginLineEdit(pos);
    line->Text().Insert(pos.x, text, length);
    RewrapLine(pos.y, pos.x, length);
    caret = POINT{pos.x + length, pos.y};
    AfterLineEdit(edit, caret, UpdateComments(pos.y, 1));
  } else {
    // Segments up to each line end, with the kind of that line end.
    const CRefString tail = line->GetText().Mid(pos.x);
    const int oldKind = line->GetKind();
    std::vector<std::unique_ptr<CLine>> created;
    auto lineEnd = [&](const char* p, int* kind) {
      if (*p == '\r' && p + 1 < end && p[1] == '\n') {
        *kind = LINEEND_CRLF;
        return p + 2;
      }
      *kind = *p == '\r' ? LINEEND_CR : LINEEND_LF;
      return p + 1;
    };
    int kind = 0;
    const char* segment = lineEnd(firstEnd, &kind);
    line->Text().Truncate(pos.x);
    line->Text().Append(text, static_cast<int>(firstEnd - text));
    line->SetKind(kind);
    RewrapLine(pos.y);
    int rows = m_totalRows;
    for (;;) {
      const char* p = segment;
      while (p < end && *p != '\r' && *p != '\n') ++p;
      if (p == end || rows >= m_rowLimit) break;
      created.push_back(MakeLine(segment, static_cast<int>(p - segment), 0, HasTab(segment, static_cast<int>(p - segment))));
      segment = lineEnd(p, &kind);
      created.back()->SetKind(kind);
      rows += created.back()->GetRowCount();
    }
    if (rows >= m_rowLimit) segment = end;  // the rest of the text is not inserted
    CRefString last(segment, static_cast<int>(end - segment));
    const int caretColumn = last.GetLength();
    last += tail;
    created.push_back(MakeLine(last, last.GetLength(), oldKind, HasTab(last, last.GetLength())));
    const int count = static_cast<int>(created.size());
    InsertLines(pos.y + 1, created);
    caret = POINT{caretColumn, pos.y + count};
    UpdateComments(pos.y, count + 1);
    RepaintFrom(pos, 2);
  }
  AddUndoRecord(pos.x, pos.y, caret.x, caret.y, UNDO_TEXT_INSERTED, 0);
  SetModified(true);
  return caret;
}

POINT CTextBuffer::InsertGlobal(POINT view, const char* text, int length, bool columnBlock) {
  if (GetLineCount() == 0 && !InsertEmptyLine(0, LINEEND_CRLF)) return POINT{};
  if (!text || length <= 0) return ViewToLogical(view.x, view.y, -1);
  // Text from outside may carry NUL bytes; they become spaces, as they do on load.
  CRefString clean;
  if (std::memchr(text, '\0', static_cast<size_t>(length))) {
    clean = CRefString(text, length);
    char* bytes = clean.GetBuffer(length);
    std::replace(bytes, bytes + length, '\0', ' ');
    clean.ReleaseBuffer(length);
    text = clean.GetString();
  }
  if (!columnBlock) {
    const POINT pos = ViewToLogical(view.x, view.y, 0);
    return InsertText(pos, text, length);
  }
  // The block's lines, without their line ends.
  std::vector<std::pair<const char*, int>> lines;
  const char* end = text + length;
  const char* start = text;
  for (const char* p = text; p <= end; ++p) {
    if (p == end || *p == '\r' || *p == '\n') {
      lines.emplace_back(start, static_cast<int>(p - start));
      if (p < end && *p == '\r' && p + 1 < end && p[1] == '\n') ++p;
      start = p + 1;
    }
  }
  // A box copy ends every row with a line end; that end closes the last row and starts none, so the
  // row below the block is left alone.
  if (lines.size() > 1 && lines.back().second == 0) lines.pop_back();
  const POINT caret = NormalizePos(view);
  const int lastRow = caret.y + static_cast<int>(lines.size()) - 1;
  const bool group = m_group;
  const bool repaint = m_repaint;
  bool grouped = false;
  while (lastRow >= m_totalRows && !IsAtRowLimit()) {
    const int last = GetLineCount() - 1;
    InsertChar(POINT{GetLineLength(last), last}, 10, GetLine(last)->GetKind());
    m_group = grouped = true;
  }
  m_repaint = false;
  for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i) {
    const int row = caret.y + i;
    if (row >= m_totalRows) continue;
    const POINT pos = ViewToLogical(caret.x, row, -1);
    const POINT posView = LogicalToView(pos.x, pos.y);
    // Only a row that ends before the column is padded; a column inside a double-byte character or
    // a TAB's cell takes the text in front of that character instead.
    const bool insideCharacter = pos.x < GetLineLength(pos.y) && posView.y == row;
    const int shortBy = insideCharacter ? 0 : caret.x - posView.x;
    CRefString piece = shortBy > 0 ? CRefString(' ', shortBy) : CRefString();
    piece.Append(lines[static_cast<size_t>(i)].first, lines[static_cast<size_t>(i)].second);
    if (piece.IsEmpty()) continue;
    InsertText(pos, piece, piece.GetLength());
    m_group = grouped = true;
  }
  m_repaint = repaint;
  m_group = group;
  m_owner->Relayout(0);
  RepaintFrom(POINT{}, 2);
  return ViewToLogical(caret.x, caret.y, -1);
}

POINT CTextBuffer::DeleteChar(POINT pos, bool* keepLineEnd) {
  if (GetLineCount() == 0) return pos;
  pos.y = std::clamp<LONG>(pos.y, 0, GetLineCount() - 1);
  CLine* line = GetLine(pos.y);
  pos.x = std::clamp<LONG>(pos.x, 0, line->GetLength());
  if (pos.x >= line->GetLength()) {
    if (keepLineEnd && *keepLineEnd) {
      *keepLineEnd = false;
      return pos;
    }
    if (pos.y == GetLineCount() - 1) {
      m_owner->Beep();
      return pos;
    }
    const int removedKind = line->GetKind();
    JoinWithNext(pos.y);
    AddUndoRecord(pos.x, pos.y, 0, 0, UNDO_DELETE | LineEndFlag(removedKind), 10);
  } else {
    const LineEdit edit = BeginLineEdit(pos);
    const int code = CharCode(line->GetText(), pos.x, line->GetLength());
    const int n = CharLengthAt(line->GetText(), pos.x, line->GetLength());
    line->Text().Delete(pos.x, n);
    RewrapLine(pos.y, pos.x, -n);
    AfterLineEdit(edit, pos, UpdateComments(pos.y, 1));
    AddUndoRecord(pos.x, pos.y, 0, 0, UNDO_DELETE, code);
  }
  SetModified(true);
  return pos;
}

POINT CTextBuffer::DeleteCharBefore(POINT pos) {
  if (GetLineCount() == 0) return pos;
  pos.y = std::clamp<LONG>(pos.y, 0, GetLineCount() - 1);
  CLine* line = GetLine(pos.y);
  pos.x = std::clamp<LONG>(pos.x, 0, line->GetLength());
  if (pos.x == 0 && pos.y == 0) {
    m_owner->Beep();
    return pos;
  }
  POINT caret;
  if (pos.x == 0) {
    const int removedKind = GetLine(pos.y - 1)->GetKind();
    caret = JoinWithNext(pos.y - 1);
    AddUndoRecord(caret.x, caret.y, 0, 0, UNDO_BACKSPACE | LineEndFlag(removedKind), 10);
  } else {
    const char* text = line->GetText();
    const int start = static_cast<int>(PrevChar(text, text + pos.x) - text);
    const int code = CharCode(text, start, line->GetLength());
    caret = POINT{start, pos.y};
    const LineEdit edit = BeginLineEdit(pos);
    line->Text().Delete(start, pos.x - start);
    RewrapLine(pos.y, start, start - pos.x);
    AfterLineEdit(edit, caret, UpdateComments(pos.y, 1));
    AddUndoRecord(caret.x, caret.y, 0, 0, UNDO_BACKSPACE, code);
  }
  SetModified(true);
  return caret;
}

POINT CTextBuffer::DeleteRange(POINT start, POINT end) {
  if (GetLineCount() == 0) return start;
  if (end.y < start.y || (end.y == start.y && end.x < start.x)) std::swap(start, end);
  start.y = std::clamp<LONG>(start.y, 0, GetLineCount() - 1);
  end.y = std::clamp<LONG>(end.y, 0, GetLineCount() - 1);
  start.x = std::clamp<LONG>(start.x, 0, GetLineLength(start.y));
  end.x = std::clamp<LONG>(end.x, 0, GetLineLength(end.y));
  if (start.y == end.y && start.x == end.x) return start;
  const CRefString removed = RangeText(start, end, false);
  CLine* first = GetLine(start.y);
  if (start.y == end.y) {
    const LineEdit edit = BeginLineEdit(start);
    first->Text().Delete(start.x, end.x - start.x);
    RewrapLine(start.y, start.x, start.x - end.x);
    AfterLineEdit(edit, start, UpdateComments(start.y, 1));
  } else {
    const CLine* last = GetLine(end.y);
    first->Text().Truncate(start.x);
    first->Text().Append(last->GetText().GetString() + end.x, last->GetLength() - end.x);
    first->SetKind(last->GetKind());
    EraseLines(start.y + 1, end.y - start.y);
    RewrapLine(start.y);
    UpdateComments(start.y, 1);
    RepaintFrom(start, 2);
  }
  AddUndoRecord(start.x, start.y, end.x, end.y, UNDO_TEXT_DELETED, 0, removed);
  SetModified(true);
  return start;
}

POINT CTextBuffer::Indent(POINT start, POINT end) {
  if (GetLineCount() == 0) return start;
  if (end.y < start.y || (end.y == start.y && end.x < start.x)) std::swap(start, end);
  const int first = std::clamp<int>(start.y, 0, GetLineCount() - 1);
  int last = end.x > 0 ? end.y : end.y - 1;
  if (last >= GetLineCount()) {
    last = GetLineCount() - 1;
    end = POINT{GetLineLength(last), last};
  }
  last = std::max(last, first);
  bool endShifted = false;
  for (int i = first; i <= last; ++i) {
    CLine* line = GetLine(i);
    if (line->GetLength() == 0) continue;
    line->Text().Insert(0, "\t", 1);
    RewrapLine(i);
    if (i == end.y) endShifted = true;
  }
  UpdateComments(first, last - first + 1);
  m_owner->Relayout(0);
  AddUndoRecord(0, first, end.x, end.y, UNDO_INDENTED, 0);
  SetModified(true);
  return POINT{end.x + (endShifted ? 1 : 0), end.y};
}

POINT CTextBuffer::Unindent(POINT start, POINT end) {
  if (GetLineCount() == 0) return start;
  if (end.y < start.y || (end.y == start.y && end.x < start.x)) std::swap(start, end);
  const int first = std::clamp<int>(start.y, 0, GetLineCount() - 1);
  int last = end.x > 0 ? end.y : end.y - 1;
  if (last >= GetLineCount()) last = GetLineCount() - 1;
  last = std::max(last, first);
  const int tab = std::max(1, static_cast<int>(m_owner->m_cust.TabSpace));
  const bool group = m_group;
  bool any = false;
  int endShift = 0;
  for (int i = first; i <= last; ++i) {
    CLine* line = GetLine(i);
    const char* text = line->GetText();
    const int length = line->GetLength();
    int column = 0;
    int cut = 0;
    while (cut < length && column < tab) {
      int next = column;
      if (text[cut] == ' ') {
        next = column + 1;
      } else if (text[cut] == '\t') {
        next = (column / tab + 1) * tab;
      } else if (CharLengthAt(text, cut, length) == 2 && static_cast<unsigned char>(text[cut]) == 0x81 &&
                 text[cut + 1] == 0x40) {
        next = column + 2;
      } else {
        break;
      }
      if (next > tab) break;
      column = next;
      cut += CharLengthAt(text, cut, length);
    }
    if (cut == 0) continue;
    const CRefString removed = line->GetText().Left(cut);
    line->Text().Delete(0, cut);
    RewrapLine(i);
    if (i == end.y) endShift = std::min<int>(cut, end.x);
    AddUndoRecord(0, i, cut, i, UNDO_TEXT_DELETED, 0, removed);
    m_group = true;
    any = true;
  }
  m_group = group;
  if (!any) return end;
  UpdateComments(first, last - first + 1);
  m_owner->Relayout(0);
  SetModified(true);
  return POINT{end.x - endShift, end.y};
}

POINT CTextBuffer::InsertNewlinesAtWraps(POINT caret, int firstRow, int lastRow) {
  if (GetLineCount() == 0) return caret;
  const POINT caretView = LogicalToView(caret.x, caret.y);
  lastRow = std::min(lastRow, m_totalRows - 1);
  // Bottom up, so each split leaves the rows above it where they were.
  std::vector<POINT> splits;
  for (int row = firstRow + 1; row <= lastRow; ++row) {
    const POINT pos = ViewToLogical(0, row, 1);
    if (pos.x != 0) splits.push_back(pos);
  }
  if (splits.empty()) return caret;
  const bool group = m_group;
  const bool repaint = m_repaint;
  m_repaint = false;
  for (auto it = splits.rbegin(); it != splits.rend(); ++it) {
    if (IsAtRowLimit()) break;
    const POINT next = SplitLine(*it, LINEEND_CRLF);
    AddUndoRecord(next.x, next.y, 0, 0, UNDO_CHAR_INSERTED, 10);
    m_group = true;
  }
  m_group = group;
  m_repaint = repaint;
  m_owner->Relayout(0);
  const POINT moved = ViewToLogical(caretView.x, caretView.y, -1);
  RepaintFrom(moved, 2);
  SetModified(true);
  return moved;
}

POINT CTextBuffer::DeleteNewlines(POINT start, POINT end) {
  if (GetLineCount() == 0) return start;
  if (end.y < start.y) std::swap(start, end);
  int line = std::clamp<int>(start.y, 0, GetLineCount() - 1);
  int last = std::min<int>(end.y, GetLineCount() - 1);
  const bool group = m_group;
  const bool repaint = m_repaint;
  bool any = false;
  m_repaint = false;
  while (line < last) {
    if (GetLineLength(line) > 0 && GetLineLength(line + 1) > 0) {
      const int removedKind = GetLine(line)->GetKind();
      const POINT join = JoinWithNext(line);
      AddUndoRecord(join.x, join.y, 0, 0, UNDO_DELETE | LineEndFlag(removedKind), 10);
      m_group = true;
      any = true;
      --last;
    } else {
      ++line;
    }
  }
  m_group = group;
  m_repaint = repaint;
  if (!any) return start;
  m_owner->Relayout(0);
  RepaintFrom(start, 2);
  SetModified(true);
  return POINT{std::min<int>(start.x, GetLineLength(start.y)), start.y};
}

bool CTextBuffer::MatchAt(const char* text, int length, int offset, const char* find, int findLength,
                          bool matchCase) const {
  if (offset + findLength > length) return false;
  for (int i = 0; i < findLength;) {
    const int n = CharLengthAt(find, i, findLength);
    if (CharLengthAt(text, offset + i, length) != n) return false;
    if (n == 2 || matchCase) {
      if (std::memcmp(text + offset + i, find + i, static_cast<size_t>(n)) != 0) return false;
    } else {
      const auto a = static_cast<unsigned char>(text[offset + i]);
      const auto b = static_cast<unsigned char>(find[i]);
      if (a != b && !(a < 0x80 && b < 0x80 && std::tolower(a) == std::tolower(b))) return false;
    }
    i += n;
  }
  return true;
}

int CTextBuffer::ReplaceAllLines(const char* find, const char* replace, bool matchCase) {
  const int findLength = find ? static_cast<int>(std::strlen(find)) : 0;
  if (findLength == 0) return 0;
  if (!replace) replace = "";
  const int replaceLength = static_cast<int>(std::strlen(replace));
  if (std::strpbrk(replace, "\r\n")) return ReplaceAllSplitting(find, findLength, replace, replaceLength, matchCase);
  const bool group = m_group;
  const CRefString findText(find);
  int count = 0;
  for (int y = 0; y < GetLineCount(); ++y) {
    CLine* line = GetLine(y);
    const char* text = line->GetText();
    const int length = line->GetLength();
    CRefString replaced;
    int copied = 0;
    bool changed = false;
    for (int x = 0; x + findLength <= length;) {
      if (!MatchAt(text, length, x, find, findLength, matchCase)) {
        x += CharLengthAt(text, x, length);
        continue;
      }
      if (!changed) {
        replaced.GetBuffer(length + replaceLength);
        replaced.ReleaseBuffer(0);
        changed = true;
      }
      replaced.Append(text + copied, x - copied);
      const int at = replaced.GetLength();
      // The matched bytes as they were (they may differ in case from the search string); an exact
      // match shares the search string's buffer.
      const bool exact = std::memcmp(text + x, find, static_cast<size_t>(findLength)) == 0;
      AddUndoRecord(at, y, at + findLength, y, UNDO_TEXT_DELETED, 0, exact ? findText : CRefString(text + x, findLength));
      m_group = true;
      AddUndoRecord(at, y, at + replaceLength, y, UNDO_TEXT_INSERTED, 0);
      replaced.Append(replace, replaceLength);
      x += findLength;
      copied = x;
      ++count;
    }
    if (!changed) continue;
    replaced.Append(text + copied, length - copied);
    line->Text() = std::move(replaced);
  }
  m_group = group;
  if (count > 0) {
    RewrapAll();
    RecalcComments();
    m_owner->Relayout(0);
    SetModified(true);
  }
  return count;
}

// A replacement with line ends splits lines, so it goes through the ordinary range edits, from the
// last hit to the first so that the positions of the hits before stay valid.
int CTextBuffer::ReplaceAllSplitting(const char* find, int findLength, const char* replace, int replaceLength,
                                     bool matchCase) {
  std::vector<POINT> hits;
  for (int y = 0; y < GetLineCount(); ++y) {
    const CLine* line = GetLine(y);
    const char* text = line->GetText();
    const int length = line->GetLength();
    for (int x = 0; x + findLength <= length;) {
      if (MatchAt(text, length, x, find, findLength, matchCase)) {
        hits.push_back(POINT{x, y});
        x += findLength;
      } else {
        x += CharLengthAt(text, x, length);
      }
    }
  }
  if (hits.empty()) return 0;
  const bool group = m_group;
  const bool repaint = m_repaint;
  m_repaint = false;
  for (auto it = hits.rbegin(); it != hits.rend(); ++it) {
    DeleteRange(*it, POINT{it->x + findLength, it->y});
    m_group = true;
    InsertText(*it, replace, replaceLength);
  }
  m_group = group;
  m_repaint = repaint;
  m_owner->Relayout(0);
  RepaintFrom(POINT{}, 2);
  return static_cast<int>(hits.size());
}

BOOL CTextBuffer::SetText(const char* text) { return SetText(text, text ? static_cast<int>(std::strlen(text)) : 0); }

BOOL CTextBuffer::SetText(const char* text, int length) {
  // Loading a text is no change to it: no event fires and the modified flag stays clear.
  const DWORD events = m_owner->m_needEvents;
  m_owner->m_needEvents = 0;
  const BOOL done = LoadText(text, length);
  m_owner->m_needEvents = events;
  return done;
}

BOOL CTextBuffer::LoadText(const char* text, int length) {
  Clear();
  if (!InsertEmptyLine(0, LINEEND_CRLF)) return FALSE;
  if (m_owner->m_cust.WrapMode == 0) m_owner->m_wrapWidth = 16;
  if (text && length > 0) {
    const bool repaint = m_repaint;
    m_repaint = false;
    InsertText(POINT{}, text, length);
    m_repaint = repaint;
    m_undo.clear();
  }
  RewrapAll();
  RecalcComments();
  m_owner->Relayout(2);
  m_modified = false;
  return TRUE;
}

BOOL CTextBuffer::FindString(const char* text, int direction, bool matchCase, POINT startView, POINT* foundStart,
                             POINT* foundEnd, bool skipFirst) {
  const int findLength = text ? static_cast<int>(std::strlen(text)) : 0;
  if (findLength == 0 || GetLineCount() == 0) return FALSE;
  const POINT start = ViewToLogical(startView.x, startView.y, -1);
  auto found = [&](int x, int y) {
    *foundStart = LogicalToView(x, y);
    *foundEnd = LogicalToView(x + findLength, y);
    return TRUE;
  };
  if (direction) {
    for (int y = start.y; y < GetLineCount(); ++y) {
      const CLine* line = GetLine(y);
      const char* bytes = line->GetText();
      int x = y == start.y ? start.x : 0;
      while (x + findLength <= line->GetLength()) {
        if (!(skipFirst && y == start.y && x == start.x) && MatchAt(bytes, line->GetLength(), x, text, findLength, matchCase))
          return found(x, y);
        x += CharLengthAt(bytes, x, line->GetLength());
      }
    }
  } else {
    std::vector<int> starts;
    for (int y = start.y; y >= 0; --y) {
      const CLine* line = GetLine(y);
      const char* bytes = line->GetText();
      const int length = line->GetLength();
      const int from = y == start.y ? std::min<int>(start.x, length - findLength) : length - findLength;
      starts.clear();
      for (int x = 0; x <= from; x += CharLengthAt(bytes, x, length)) starts.push_back(x);
      for (auto it = starts.rbegin(); it != starts.rend(); ++it) {
        if (skipFirst && y == start.y && *it == start.x) continue;
        if (MatchAt(bytes, length, *it, text, findLength, matchCase)) return found(*it, y);
      }
    }
  }
  return FALSE;
}
