// Drawing of the control: fonts and cell metrics, rows in colour runs, marks, the margin with line
// numbers, the ruler, and the repaints that follow the buffer's change notices.
#include <wx/dc.h>
#include <wx/dcscreen.h>
#include <wx/fontenum.h>
#include <wx/settings.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "control/CLine.h"
#include "control/window/CMarkImageList.h"
#include "control/CTextBuffer.h"
#include "control/ControlRoutines.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"
#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"

namespace {

constexpr const char* kFallbackFace = "Noto Sans Mono CJK JP";

int Digits(unsigned value) {
  int digits = 1;
  while (value >= 10) {
    value /= 10;
    ++digits;
  }
  return digits;
}

// The display text of a row: TABs expanded to spaces, with the line offset of every display byte.
struct RowCells {
  std::string text;
  std::vector<int> offset;  // per display byte, and one past the end
};

RowCells ExpandRow(const char* line, int length, int rowStart, int rowEnd, int tabSpace) {
  RowCells cells;
  cells.text.reserve(static_cast<size_t>(rowEnd - rowStart) + 8);
  int column = 0;
  for (int i = rowStart; i < rowEnd;) {
    int bytes = 1;
    const int width = CharCells(line, i, length, column, tabSpace, &bytes);
    if (line[i] == '\t') {
      cells.text.append(static_cast<size_t>(width), ' ');
      cells.offset.insert(cells.offset.end(), static_cast<size_t>(width), i);
    } else {
      cells.text.append(line + i, static_cast<size_t>(bytes));
      for (int k = 0; k < bytes; ++k) cells.offset.push_back(i);
    }
    column += width;
    i += bytes;
  }
  cells.offset.push_back(rowEnd);
  return cells;
}

bool IsControlByte(unsigned char ch) { return ch < 0x20 || ch == 0x7F; }

}  // namespace

void WrilaEdit::CreateFonts() {
  const CLogFont logFont = CLogFont::FromBytes(m_cust.DisplayFont);
  wxScreenDC screen;
  const int ppi = std::max(screen.GetPPI().y, 1);
  // A Windows height counts pixels; both signs are taken as the character height here.
  const double points = std::max(1.0, std::abs(logFont.lfHeight ? logFont.lfHeight : 16) * 72.0 / ppi);
  wxString face = CP932ToWx(logFont.lfFaceName);
  if (face.empty() || !wxFontEnumerator::IsValidFacename(face)) face = kFallbackFace;
  m_font = wxFont(wxFontInfo(static_cast<float>(points)).FaceName(face).Family(wxFONTFAMILY_TELETYPE));
  m_fontUnderline = wxFont(wxFontInfo(static_cast<float>(points)).FaceName(face).Family(wxFONTFAMILY_TELETYPE).Underlined());
  wxFont gui = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  gui.SetPixelSize(wxSize(0, 10));
  m_uiFont = gui;

  screen.SetFont(m_font);
  const wxSize half = screen.GetTextExtent("0000000000");
  m_columnWidth = std::max(1, (half.x + 5) / 10);
  m_charHeight = std::max(1, screen.GetCharHeight());
  m_rowHeight = m_charHeight + m_charHeight * m_cust.LineSpace / 10;
  m_markA = m_columnWidth / 2;
  m_markB = m_charHeight / 4;
  m_rowReach = 32752 / m_rowHeight;
  // Whole runs go out in one call only when every kind of character advances exactly its cells;
  // otherwise each character is placed in its own cell.
  const wxString wide = CP932ToWx("日本語あア漢字");
  const wxString kana = CP932ToWx("ｶﾀｶﾅ");
  m_cellExact = half.x == 10 * m_columnWidth && screen.GetTextExtent(wide).x == 14 * m_columnWidth &&
                screen.GetTextExtent(kana).x == 4 * m_columnWidth;
  m_currentRole = -1;
}

int WrilaEdit::ComputeMargin() const {
  if (!m_cust.ShowLineNumber) return m_markColumn ? 2 : 1;
  const CTextBuffer& buffer = const_cast<WrilaEdit*>(this)->GetBuffer();
  const unsigned count = static_cast<unsigned>(m_cust.ShowLogicalLine ? buffer.GetLineCount() : buffer.GetTotalRows());
  return std::max(5, Digits(count) + 1 + (m_markColumn ? 1 : 0));
}

int WrilaEdit::ColumnToX(int column) const {
  if (column < 0) return -1;
  if (column == INT_MAX) return INT_MAX;
  return (m_leftMargin - m_firstColumn + column) * m_columnWidth;
}

int WrilaEdit::RowToY(int row) const {
  if (row - m_topRow >= m_rowReach || row - m_topRow < -m_rowReach) return INT_MIN;
  return (row - m_topRow) * m_rowHeight + m_rulerHeight;
}

POINT WrilaEdit::PointToCell(int x, int y) const {
  return POINT{(x - m_columnWidth / 2) / m_columnWidth - m_leftMargin + m_firstColumn + 1,
               (y - m_rulerHeight) / m_rowHeight + m_topRow};
}

char WrilaEdit::RulerLabel(int c) {
  switch (c % 10) {
    case 0: return c > 9 ? '0' : ' ';
    case 9: return c > 8 ? static_cast<char>('0' + (c + 1) / 10 % 10) : ' ';
    case 8: return c > 97 ? static_cast<char>('0' + (c + 2) / 100 % 10) : ' ';
    case 7: return c > 996 ? static_cast<char>('0' + (c + 3) / 1000 % 10) : ' ';
    case 6: return c > 9995 ? static_cast<char>('0' + (c + 4) / 10000 % 10) : ' ';
    default: return ' ';
  }
}

int WrilaEdit::SelectRole(wxDC& dc, int role, int row) {
  if (role == ROLE_NORMAL || role == ROLE_CARETLINE) {
    COLORREF text = 0, back = 0;
    BOOL underline = FALSE;
    if (row >= 0 && GetBuffer().GetLineColor(row, &text, &back, &underline)) {
      dc.SetFont(underline ? m_fontUnderline : m_font);
      dc.SetTextForeground(ColorRefToWx(text));
      dc.SetTextBackground(ColorRefToWx(back));
      m_lineColorInForce = true;
      m_currentRole = role;
      return role;
    }
  }
  if (role != m_currentRole || m_lineColorInForce) {
    dc.SetFont(m_colors.Underline[role] ? m_fontUnderline : m_font);
    dc.SetTextForeground(ColorRefToWx(m_colors.Text[role]));
    dc.SetTextBackground(ColorRefToWx(m_colors.Back[role]));
    m_currentRole = role;
    m_lineColorInForce = false;
  }
  return role;
}

void WrilaEdit::DrawCells(wxDC& dc, const char* text, int length, int column, int row) {
  if (length <= 0) return;
  const int x = ColumnToX(column);
  const int y = RowToY(row);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(dc.GetTextBackground()));
  dc.DrawRectangle(x, y, length * m_columnWidth, m_rowHeight);
  // Control characters are drawn over afterwards; blanks keep the run's advance exact.
  std::string cells(text, static_cast<size_t>(length));
  for (char& ch : cells) {
    if (IsControlByte(static_cast<unsigned char>(ch))) ch = ' ';
  }
  if (m_cellExact) {
    dc.DrawText(CP932ToWx(cells), x, y);
    return;
  }
  for (int i = 0; i < length;) {
    const int n = CharLengthAt(cells.data(), i, length);
    if (cells[static_cast<size_t>(i)] != ' ') {
      dc.DrawText(CP932ToWx(std::string_view(cells.data() + i, static_cast<size_t>(n))), x + i * m_columnWidth, y);
    }
    i += n;
  }
}

void WrilaEdit::DrawTabMark(wxDC& dc, int x, int y) {
  const int a = m_markA, b = m_markB;
  const wxPoint stroke1[] = {{x, y + 2 * b}, {x + 2 * a, y + 2 * b}, {x + a, y + b}};
  dc.DrawLines(3, stroke1);
  dc.DrawLine(x + 2 * a, y + 2 * b, x + a, y + 3 * b);
}

void WrilaEdit::DrawDbSpaceMark(wxDC& dc, int x, int y) {
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(x + 1, y + 1, 2 * m_columnWidth - 2, m_charHeight - 2);
}

void WrilaEdit::DrawLineEndMark(wxDC& dc, int x, int y, int kind, bool eof, bool selected) {
  if (!selected) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ColorRefToWx(m_colors.Back[ROLE_MARKS])));
    dc.DrawRectangle(x, y, m_columnWidth, m_rowHeight);
  }
  dc.SetPen(wxPen(ColorRefToWx(m_colors.Text[ROLE_MARKS])));
  const int a = m_markA, b = m_markB;
  const bool separate = m_cust.CrLfSeparateMark != 0;
  if (eof && separate) {
    dc.DrawLine(x + a, y + b / 2, x, y + 7 * b / 2);
    dc.DrawLine(x + 3 * a / 2, y + b, x + a / 2, y + 4 * b);
  } else if (eof || (separate && kind == LINEEND_CR)) {
    const wxPoint head[] = {{x + 2 * a, y + 2 * b}, {x, y + 2 * b}, {x + a, y + b}};
    dc.DrawLines(3, head);
    dc.DrawLine(x, y + 2 * b, x + a, y + 3 * b);
  } else if (separate && kind == LINEEND_CRLF) {
    const wxPoint body[] = {{x + 3 * a / 2, y + b}, {x + 3 * a / 2, y + 3 * b}, {x, y + 3 * b}, {x + a, y + 2 * b}};
    dc.DrawLines(4, body);
    dc.DrawLine(x, y + 3 * b, x + a, y + 4 * b);
  } else {
    const wxPoint body[] = {{x + a, y + b}, {x + a, y + 3 * b}, {x, y + 2 * b}};
    dc.DrawLines(3, body);
    dc.DrawLine(x + a, y + 3 * b, x + 2 * a, y + 2 * b);
  }
}

void WrilaEdit::DrawRow(wxDC& dc, int fromColumn, int row, int toColumn, bool lineEndMark, bool outside, int role) {
  CTextBuffer& buffer = GetBuffer();
  CRowSpan span;
  if (!buffer.GetRowSpan(row, 0, 0, &span)) return;
  const CLine* line = buffer.GetLine(span.line);
  const RowCells cells = ExpandRow(span.text, span.lineLength, span.rowStart, span.rowEnd, std::max(1, m_cust.TabSpace));
  const int rowColumns = static_cast<int>(cells.text.size());
  const int y = RowToY(row);
  if (outside) {
    const int x = std::max(ColumnToX(rowColumns), ColumnToX(m_firstColumn));
    int right = ClientSize().x;
    if (m_cust.WrapMode == 1) right = std::min(right, (m_wrapWidth + 2 - m_firstColumn + m_leftMargin) * m_columnWidth);
    if (right > x) {
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(dc.GetTextBackground()));
      dc.DrawRectangle(x, y, right - x, m_rowHeight);
    }
  }
  int from = std::max(fromColumn, 0);
  int to = std::min(toColumn, rowColumns);
  const auto isTrail = [&](int column) {
    return column > 0 && column < rowColumns && cells.offset[static_cast<size_t>(column)] ==
                                                    cells.offset[static_cast<size_t>(column - 1)] &&
           span.text[cells.offset[static_cast<size_t>(column)]] != '\t';
  };
  if (isTrail(from)) --from;
  if (isTrail(to)) ++to;
  const char* text = cells.text.data();
  if (from < to) {
    if (role == ROLE_SELECTION) {
      DrawCells(dc, text + from, to - from, from, row);
    } else {
      CColorRunInput input;
      input.cust = &m_cust;
      input.hilite = &m_hiliteIndex;
      input.search = m_searchHilite ? m_searchString.GetString() : nullptr;
      input.searchMatchCase = m_searchMatchCase;
      input.tabRuns = m_colors.Back[ROLE_MARKS] != m_colors.Back[ROLE_NORMAL];
      const std::vector<CColorRun>& runs = m_runs.Build(input, line->GetText(), span.rowStart, span.rowEnd, span.commentState != 0);
      int column = 0;
      for (const CColorRun& run : runs) {
        // The run's end in display columns: the first display byte at or past its end offset.
        int end = column;
        while (end < rowColumns && cells.offset[static_cast<size_t>(end)] < run.end) ++end;
        const int a = std::max(column, from), b = std::min(end, to);
        if (a < b) {
          SelectRole(dc, run.role == ROLE_NORMAL ? role : run.role, row);
          DrawCells(dc, text + a, b - a, a, row);
        }
        column = end;
        if (column >= to) break;
      }
      SelectRole(dc, role, row);
    }
    // Control characters in reversed colours.
    for (int c = from; c < to; ++c) {
      const auto ch = static_cast<unsigned char>(text[c]);
      if (!IsControlByte(ch) || span.text[cells.offset[static_cast<size_t>(c)]] == '\t') continue;
      const char shown = ch == 30 ? '~' : ch == 0x7F ? '?' : static_cast<char>(ch + 64);
      const wxColour fore = dc.GetTextForeground(), back = dc.GetTextBackground();
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(fore));
      dc.DrawRectangle(ColumnToX(c), y, m_columnWidth, m_rowHeight);
      dc.SetTextForeground(back);
      dc.DrawText(wxString(static_cast<wxChar>(shown)), ColumnToX(c), y);
      dc.SetTextForeground(fore);
    }
  }
  dc.SetPen(wxPen(ColorRefToWx(m_colors.Text[ROLE_MARKS])));
  if (m_cust.ShowTab || m_cust.ShowDbSpace) {
    for (int c = from; c < to; ++c) {
      const int offset = cells.offset[static_cast<size_t>(c)];
      if (m_cust.ShowTab && span.text[offset] == '\t' && (c == 0 || cells.offset[static_cast<size_t>(c - 1)] != offset)) {
        DrawTabMark(dc, ColumnToX(c), y);
      } else if (m_cust.ShowDbSpace && c + 1 < rowColumns && text[c] == '\x81' && text[c + 1] == '\x40' &&
                 !isTrail(c)) {
        DrawDbSpaceMark(dc, ColumnToX(c), y);
      }
    }
  }
  const bool lastRowOfLine = span.rowEnd >= span.lineLength;
  if (lineEndMark && to >= rowColumns && toColumn > rowColumns && lastRowOfLine) {
    const bool lastLine = span.line == buffer.GetLineCount() - 1;
    if (lastLine ? m_cust.ShowEOF : m_cust.ShowCR) {
      DrawLineEndMark(dc, ColumnToX(rowColumns), y, line->GetKind(), lastLine, role == ROLE_SELECTION);
    }
  }
}

void WrilaEdit::DrawSelection(wxDC& dc, int firstRow, int lastRow, int fromColumn, int toColumn) {
  const POINT start = SelectionStart(), end = SelectionEnd();
  SelectRole(dc, ROLE_SELECTION, -1);
  const int lo = std::max<int>(firstRow, start.y), hi = std::min<int>(lastRow, end.y);
  for (int row = lo; row <= hi; ++row) {
    if (m_selKind == SEL_BOX) {
      // The box's right edge is exclusive, as the stream's end column is.
      const int left = std::min(m_selAnchor.x, m_selEnd.x), right = std::max(m_selAnchor.x, m_selEnd.x);
      if (right > left) DrawRow(dc, std::max(left, fromColumn), row, std::min(right, toColumn), false, false, ROLE_SELECTION);
    } else if (start.y == end.y) {
      DrawRow(dc, std::max<int>(start.x, fromColumn), row, std::min<int>(end.x, toColumn), false, false, ROLE_SELECTION);
    } else if (row == start.y) {
      DrawRow(dc, std::max<int>(start.x, fromColumn), row, toColumn, true, false, ROLE_SELECTION);
    } else if (row == end.y) {
      DrawRow(dc, fromColumn, row, std::min<int>(end.x, toColumn), false, false, ROLE_SELECTION);
    } else {
      DrawRow(dc, fromColumn, row, toColumn, true, false, ROLE_SELECTION);
    }
  }
}

void WrilaEdit::DrawLineNumbers(wxDC& dc, int firstRow, int lastRow) {
  SelectRole(dc, ROLE_OUTSIDE, -1);
  CTextBuffer& buffer = GetBuffer();
  const int width = m_leftMargin - 1;
  char format[16];
  std::snprintf(format, sizeof(format), "%%%du ", width);
  char number[32];
  for (int row = firstRow; row <= lastRow; ++row) {
    unsigned value = static_cast<unsigned>(row) + 1;
    bool blank = false;
    if (m_cust.ShowLogicalLine) {
      const int line = buffer.RowToLine(row);
      value = static_cast<unsigned>(line) + 1;
      blank = buffer.GetFirstRow(line) != row;
    }
    int length = blank ? 0 : std::snprintf(number, sizeof(number), format, value);
    if (blank) {
      length = width + 1;
      std::memset(number, ' ', static_cast<size_t>(length));
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(dc.GetTextBackground()));
    dc.DrawRectangle(0, RowToY(row), length * m_columnWidth, m_rowHeight);
    dc.DrawText(wxString(number, static_cast<size_t>(length)), 0, RowToY(row));
  }
  const int lineX = m_leftMargin * m_columnWidth - m_columnWidth / 2;
  dc.SetPen(wxPen(ColorRefToWx(m_colors.Text[ROLE_OUTSIDE])));
  dc.DrawLine(lineX, RowToY(firstRow), lineX, RowToY(lastRow) + m_rowHeight);
  if (m_rulerHeight) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ColorRefToWx(m_colors.Back[ROLE_OUTSIDE])));
    dc.DrawRectangle(0, 0, m_leftMargin * m_columnWidth, m_rulerHeight);
  }
}

void WrilaEdit::DrawMarks(wxDC& dc, int firstRow, int lastRow) {
  if (!m_markImages) m_markImages = std::make_unique<CMarkImageList>();
  CTextBuffer& buffer = GetBuffer();
  const int marginWidth = m_leftMargin * m_columnWidth;
  for (int row = firstRow; row <= lastRow; ++row) {
    const int mark = buffer.GetLineMark(buffer.RowToLine(row));
    if (mark < 0) continue;
    // A row lower than the picture shows its top part only, so neighbours keep their own marks.
    wxDCClipper clip(dc, wxRect(0, RowToY(row), marginWidth, m_rowHeight));
    m_markImages->Draw(dc, mark, 0, RowToY(row));
  }
}

void WrilaEdit::DrawRuler(wxDC& dc, int firstColumn, int lastColumn) {
  if (m_cust.WrapMode != 0) lastColumn = std::min(lastColumn, m_wrapWidth);
  SelectRole(dc, ROLE_OUTSIDE, -1);
  const wxColour ink = ColorRefToWx(m_colors.Text[ROLE_OUTSIDE]);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColorRefToWx(m_colors.Back[ROLE_OUTSIDE])));
  const int left = ColumnToX(firstColumn);
  const int right = ColumnToX(lastColumn + 1);
  dc.DrawRectangle(left, 0, right - left, m_rulerHeight);
  dc.SetFont(m_uiFont);
  dc.SetTextForeground(ink);
  const int offset = (m_columnWidth - 4) / 2;
  for (int c = firstColumn; c <= lastColumn; ++c) {
    const char label = RulerLabel(c);
    if (label != ' ') dc.DrawText(wxString(static_cast<wxChar>(label)), ColumnToX(c) + offset, 0);
  }
  dc.SetPen(wxPen(ink));
  dc.DrawLine(left, 10, right, 10);
  for (int c = firstColumn; c <= lastColumn; ++c) {
    const int top = c % 10 == 0 ? 0 : c % 5 == 0 ? 3 : 6;
    dc.DrawLine(ColumnToX(c), 10, ColumnToX(c), top);
  }
  if (m_caretView.x >= firstColumn && m_caretView.x <= lastColumn) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ink));
    dc.DrawRectangle(ColumnToX(m_caretView.x) + 1, 3, m_columnWidth - 1, 7);
  }
  m_currentRole = -1;
}

void WrilaEdit::Paint(wxDC& dc, const wxRect& update) {
  if (!m_window) return;
  CTextBuffer& buffer = GetBuffer();
  const wxFont oldFont = dc.GetFont();
  const wxPen oldPen = dc.GetPen();
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  m_currentRole = -1;
  m_lineColorInForce = false;
  const int totalRows = buffer.GetTotalRows();
  const int firstRow = std::max(0, (update.GetTop() - m_rulerHeight) / m_rowHeight + m_topRow);
  const int lastRow = std::min(totalRows - 1, std::max(0, update.GetBottom() - m_rulerHeight) / m_rowHeight + m_topRow);
  const int fromColumn = std::max(0, update.GetLeft() / m_columnWidth - m_leftMargin + m_firstColumn);
  const int toColumn = update.GetRight() / m_columnWidth - m_leftMargin + m_firstColumn + 1;
  const wxSize client = ClientSize();

  for (int row = firstRow; row <= lastRow; ++row) {
    const bool caretLine = !HasSelection() && row == m_caretView.y && m_focused;
    const int role = SelectRole(dc, caretLine ? ROLE_CARETLINE : ROLE_NORMAL, row);
    DrawRow(dc, fromColumn, row, toColumn, true, true, role);
  }
  if (HasSelection()) DrawSelection(dc, firstRow, lastRow, fromColumn, toColumn);

  // The areas outside the text: the margin without line numbers, the right of the wrap boundary,
  // below the last row.
  const wxColour outside = ColorRefToWx(m_colors.Back[ROLE_OUTSIDE]);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(outside));
  if (!m_cust.ShowLineNumber && update.GetLeft() < m_leftMargin * m_columnWidth) {
    dc.DrawRectangle(0, m_rulerHeight, m_leftMargin * m_columnWidth, client.y - m_rulerHeight);
  }
  if (m_cust.WrapMode == 1) {
    const int x = (m_wrapWidth + 2 - m_firstColumn + m_leftMargin) * m_columnWidth;
    if (x < client.x) dc.DrawRectangle(x, m_rulerHeight, client.x - x, client.y - m_rulerHeight);
  }
  const int below = totalRows > 0 ? RowToY(totalRows) : m_rulerHeight;
  if (below != INT_MIN && below < client.y) {
    dc.DrawRectangle(m_leftMargin * m_columnWidth, below, client.x, client.y - below);
    if (m_cust.ShowLineNumber) dc.DrawRectangle(0, below, m_leftMargin * m_columnWidth, client.y - below);
  }

  if (m_cust.ShowLineNumber && update.GetLeft() < m_leftMargin * m_columnWidth && lastRow >= firstRow) {
    DrawLineNumbers(dc, firstRow, lastRow);
  }
  if (m_markColumn && update.GetLeft() < m_leftMargin * m_columnWidth && lastRow >= firstRow) {
    DrawMarks(dc, firstRow, lastRow);
  }
  if (m_rulerHeight && update.GetTop() < m_rulerHeight) {
    DrawRuler(dc, fromColumn, std::max(fromColumn, toColumn));
    if (!m_cust.ShowLineNumber) {
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(outside));
      dc.DrawRectangle(0, 0, m_leftMargin * m_columnWidth, m_rulerHeight);
    }
  }
  dc.SetFont(oldFont);
  dc.SetPen(oldPen);
  m_currentRole = -1;
}

void WrilaEdit::InvalidateRows(int fromColumn, int fromRow, int toColumn, int toRow, bool now) {
  if (!m_window) return;
  const wxSize client = ClientSize();
  const int top = RowToY(fromRow);
  if (top == INT_MIN) {
    InvalidateFrom(m_topRow);
    return;
  }
  const int left = fromColumn <= 0 ? 0 : std::max(0, ColumnToX(fromColumn));
  const int right = toColumn < 0 ? client.x : std::min(client.x, ColumnToX(toColumn + 1));
  const int bottom = RowToY(toRow) == INT_MIN ? client.y : std::min(client.y, RowToY(toRow) + m_rowHeight);
  if (right > left && bottom > top) m_window->RefreshRect(wxRect(left, top, right - left, bottom - top), false);
  if (now) m_window->Update();
}

void WrilaEdit::InvalidateFrom(int row) {
  if (!m_window) return;
  const wxSize client = ClientSize();
  const int top = std::max(m_rulerHeight, RowToY(std::max(row, m_topRow)));
  if (top < client.y) m_window->RefreshRect(wxRect(0, top, client.x, client.y - top), false);
}

void WrilaEdit::RepaintRows(int code, POINT caretView, int rows) {
  m_runs.Invalidate();
  if (m_cust.ShowLineNumber && ComputeMargin() != m_leftMargin) {
    Relayout(RELAYOUT_PLAIN);
    return;
  }
  const int row = caretView.y;
  switch (code) {
    case 0:
      RecalcScrollBars();
      if (m_window) m_window->Refresh(false);
      break;
    case 1:
      InvalidateRows(0, row, -1, row + rows + 1, false);
      RecalcScrollBars();
      break;
    case 2:
      // The rows below moved as well.
      RecalcScrollBars();
      InvalidateFrom(row);
      break;
    case 4:
    case 5:
      InvalidateRows(0, row - (code == 4 ? 1 : 2), -1, row + rows + 1, false);
      break;
    default:
      InvalidateFrom(row);
      break;
  }
}

void WrilaEdit::Relayout(int reason) {
  m_runs.Invalidate();
  if (reason == RELAYOUT_CARET) {
    const POINT view = GetBuffer().NormalizePos(m_caretView);
    MoveCaret(GetBuffer().ViewToLogical(view.x, view.y, -1));
    return;
  }
  if (m_window) m_window->AttachInputMethod(!m_readOnly);
  if (reason == RELAYOUT_READONLY) return;
  m_rulerHeight = m_cust.ShowRuler ? 12 : 0;
  m_leftMargin = ComputeMargin();
  if (reason == RELAYOUT_REWRAP) CancelSelection(true);
  m_caretView = GetBuffer().LogicalToViewClamped(m_caretLogical.x, m_caretLogical.y);
  RecalcScrollBars();
  m_desiredColumn = m_caretView.x;
  EnsureCaretVisible(false);
  if (m_window) m_window->Refresh(false);
}
