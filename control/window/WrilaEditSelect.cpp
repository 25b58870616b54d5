// The caret and the three kinds of selection (stream, whole lines, box): motion commands, the
// selection-mode commands, the mouse, and automatic scrolling at the window's edges.
#include <wx/window.h>
#include <wx/caret.h>
#include <wx/utils.h>

#include <algorithm>

#include "control/CTextBuffer.h"
#include "control/EditMessages.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"

namespace {

bool Before(POINT a, POINT b) { return a.y < b.y || (a.y == b.y && a.x < b.x); }

bool IsExtending(UINT id) {
  return (id >= ID_WRILA_SELCHARRIGHT && id <= ID_WRILA_SELTEXTEND) || id == ID_WRILA_SELWORDRIGHT ||
         id == ID_WRILA_SELWORDLEFT || id == ID_WRILA_SELLOGICALSTART || id == ID_WRILA_SELLOGICALEND;
}

bool IsVertical(UINT id) {
  switch (id) {
    case ID_WRILA_ROWDOWN:
    case ID_WRILA_ROWUP:
    case ID_WRILA_PAGEDOWN:
    case ID_WRILA_PAGEUP:
    case ID_WRILA_TEXTSTART:
    case ID_WRILA_TEXTEND:
    case ID_WRILA_SELROWUP:
    case ID_WRILA_SELROWDOWN:
    case ID_WRILA_SELPAGEUP:
    case ID_WRILA_SELPAGEDOWN:
    case ID_WRILA_SELTEXTSTART:
    case ID_WRILA_SELTEXTEND:
    case ID_WRILA_SCROLLUP:
    case ID_WRILA_SCROLLDOWN:
      return true;
    default:
      return false;
  }
}

// Motions that collapse a selection onto its start rather than its end.
bool CollapsesToStart(UINT id) {
  return id == ID_WRILA_ROWUP || id == ID_WRILA_CHARLEFT || id == ID_WRILA_PAGEUP || id == ID_WRILA_ROWSTART ||
         id == ID_WRILA_TEXTSTART || id == ID_WRILA_WORDLEFT || id == ID_WRILA_SCROLLUP;
}

// Rows or columns one tick of automatic scrolling moves, by how far the pointer is outside the
// window: one inside the 10-pixel band, two up to 10 pixels outside, four beyond.
int AutoScrollStep(int outside) { return outside <= 0 ? 1 : outside <= 10 ? 2 : 4; }

}  // namespace

POINT WrilaEdit::SelectionStart() const { return Before(m_selEnd, m_selAnchor) ? m_selEnd : m_selAnchor; }

bool WrilaEdit::IsInSelection(POINT cell) const {
  return HasSelection() && !Before(cell, SelectionStart()) && Before(cell, SelectionEnd());
}

POINT WrilaEdit::SelectionEnd() const { return Before(m_selEnd, m_selAnchor) ? m_selAnchor : m_selEnd; }

void WrilaEdit::RepaintRowSpan(int row1, int row2) {
  InvalidateRows(0, std::min(row1, row2), -1, std::max(row1, row2), false);
}

void WrilaEdit::CancelSelection(bool clearModes) {
  const bool had = HasSelection();
  if (had) RepaintRowSpan(m_selAnchor.y, m_selEnd.y);
  m_selKind = SEL_NONE;
  if (had) FireSelChangedIfAsked();
  if (clearModes) m_modeLine = m_modeBox = m_modeWord = false;
  m_sticky = false;
}

void WrilaEdit::StartSelection(POINT view, int kind) {
  m_selAnchor = m_selEnd = view;
  m_selKind = kind;
}

// The selection's end follows the caret: whole lines from the anchor row to the caret row in
// line mode, the rectangle or the stream between anchor and caret otherwise.
void WrilaEdit::ExtendSelection(POINT caretView) {
  CTextBuffer& buffer = GetBuffer();
  const int oldLow = std::min(m_selAnchor.y, m_selEnd.y), oldHigh = std::max(m_selAnchor.y, m_selEnd.y);
  if (m_selKind == SEL_LINE) {
    const auto rowStart = [&](int row) {
      if (row <= m_lastRow) return POINT{0, row};
      const int last = buffer.GetLineCount() - 1;
      return buffer.LogicalToView(buffer.GetLineLength(last), last);
    };
    if (caretView.y >= m_lineAnchorRow) {
      m_selAnchor = rowStart(m_lineAnchorRow);
      m_selEnd = rowStart(caretView.y + 1);
    } else {
      m_selAnchor = rowStart(m_lineAnchorRow + 1);
      m_selEnd = rowStart(caretView.y);
    }
  } else {
    m_selEnd = caretView;
  }
  RepaintRowSpan(std::min<int>(oldLow, std::min(m_selAnchor.y, m_selEnd.y)),
                 std::max<int>(oldHigh, std::max(m_selAnchor.y, m_selEnd.y)));
  if (m_selKind != SEL_LINE && m_selAnchor.x == m_selEnd.x && m_selAnchor.y == m_selEnd.y) m_selKind = SEL_NONE;
  FireSelChangedIfAsked();
}

void WrilaEdit::SelectStream(POINT anchor, POINT end) {
  StartSelection(anchor, SEL_STREAM);
  m_selEnd = end;
  if (anchor.x == end.x && anchor.y == end.y) m_selKind = SEL_NONE;
}

void WrilaEdit::SelectAll() {
  CTextBuffer& buffer = GetBuffer();
  if (buffer.GetLineCount() == 0) return;
  const int last = buffer.GetLineCount() - 1;
  m_modeLine = m_modeBox = m_modeWord = false;
  SelectStream(POINT{}, buffer.LogicalToView(buffer.GetLineLength(last), last));
  FireSelChangedIfAsked();
  if (m_window) m_window->Refresh(false);
}

CRefString WrilaEdit::SelectedText(bool quote) {
  if (!HasSelection()) return CRefString();
  if (m_selKind == SEL_BOX) return GetBuffer().GetBoxText(m_selAnchor, m_selEnd, quote);
  const POINT start = SelectionStart(), end = SelectionEnd();
  return GetBuffer().RangeToGlobal(start, end, quote);
}

void WrilaEdit::RunMotion(UINT id) {
  CTextBuffer& buffer = GetBuffer();
  POINT logical = m_caretLogical;
  const int oldRow = m_caretView.y;
  const int desired = m_desiredColumn >= 0 ? m_desiredColumn : m_caretView.x;
  if (id == ID_WRILA_SCROLLUP || id == ID_WRILA_SCROLLDOWN) {
    // The view moves one row; the caret moves only when it would leave the view.
    ScrollTo(m_firstColumn, m_topRow + (id == ID_WRILA_SCROLLUP ? -1 : 1));
    const int row = std::clamp<int>(m_caretView.y, m_topRow, std::max(m_topRow, m_topRow + m_pageRows - 1));
    if (row != m_caretView.y) buffer.MoveVertical(0, POINT{desired, row}, logical, m_pageRows);
  } else if (IsVertical(id)) {
    buffer.MoveVertical(id, POINT{desired, m_caretView.y}, logical, m_pageRows);
    if (id == ID_WRILA_TEXTEND || id == ID_WRILA_SELTEXTEND) buffer.MoveByCommand(ID_WRILA_ROWEND, logical);
  } else {
    buffer.MoveByCommand(id, logical);
  }
  m_caretLogical = logical;
  m_caretView = buffer.LogicalToViewClamped(logical.x, logical.y);
  m_desiredColumn = IsVertical(id) && id != ID_WRILA_TEXTSTART && id != ID_WRILA_SELTEXTSTART ? desired : m_caretView.x;
  if (id == ID_WRILA_PAGEDOWN || id == ID_WRILA_SELPAGEDOWN) ScrollTo(m_firstColumn, m_topRow + m_pageRows);
  if (id == ID_WRILA_PAGEUP || id == ID_WRILA_SELPAGEUP) ScrollTo(m_firstColumn, m_topRow - m_pageRows);
  if (id == ID_WRILA_TEXTEND || id == ID_WRILA_SELTEXTEND) m_desiredColumn = m_caretView.x;
  EnsureCaretVisible(false);
  if (oldRow != m_caretView.y) RepaintRowSpan(oldRow, oldRow);
  RepaintRowSpan(m_caretView.y, m_caretView.y);
  PlaceCaret();
}

bool WrilaEdit::OnMotionCommand(UINT id) {
  const bool extend = IsExtending(id) || m_sticky;
  if (HasSelection() && !extend) {
    const POINT to = CollapsesToStart(id) ? SelectionStart() : SelectionEnd();
    CancelSelection(true);
    MoveCaret(GetBuffer().ViewToLogical(to.x, to.y, -1));
    if (id != ID_WRILA_CHARRIGHT && id != ID_WRILA_CHARLEFT) RunMotion(id);
    return true;
  }
  if (!HasSelection() && extend) {
    const int kind = m_modeBox ? SEL_BOX : m_modeLine ? SEL_LINE : SEL_STREAM;
    StartSelection(m_caretView, kind);
    m_lineAnchorRow = m_caretView.y;
    RunMotion(id);
    ExtendSelection(m_caretView);
    return true;
  }
  RunMotion(id);
  if (HasSelection()) ExtendSelection(m_caretView);
  return true;
}

bool WrilaEdit::OnSelectionCommand(UINT id) {
  switch (id) {
    case ID_WRILA_CANCELSELECTION:
      CancelSelection(true);
      return true;
    case ID_EDIT_SELECT_ALL:
      SelectAll();
      return true;
    case ID_WRILA_SELECTMODE:
      if (m_sticky) {
        CancelSelection(true);
      } else {
        m_sticky = true;
      }
      return true;
    case ID_WRILA_BOXSELECT:
    case ID_WRILA_LINESELECT: {
      const bool line = id == ID_WRILA_LINESELECT;
      if (m_sticky) {
        CancelSelection(true);
        return true;
      }
      CancelSelection(true);
      m_sticky = true;
      (line ? m_modeLine : m_modeBox) = true;
      if (line) {
        m_lineAnchorRow = m_caretView.y;
        StartSelection(m_caretView, SEL_LINE);
        ExtendSelection(m_caretView);
      }
      return true;
    }
    default:
      return false;
  }
}

// The cell nearest a client point, never on the second half of a double-byte character.
POINT WrilaEdit::CellAt(int x, int y) {
  if (x > 32768) x = 0;
  if (y > 32768) y = 0;
  const POINT cell = PointToCell(x, y);
  return GetBuffer().NormalizePos(POINT{std::max<LONG>(cell.x, 0), std::max<LONG>(cell.y, 0)});
}

void WrilaEdit::OnLButtonDown(WPARAM flags, int x, int y) {
  CTextBuffer& buffer = GetBuffer();
  const POINT cell = CellAt(x, y);
  const bool shift = (flags & MK_SHIFT) != 0, alt = (flags & MK_ALT_HELD) != 0;
  const bool extend = shift || m_sticky;
  if (!extend) {
    m_modeBox = alt;
    m_modeLine = !alt && x < m_leftMargin * m_columnWidth && m_firstColumn == 0;
    m_modeWord = false;
  }
  if (HasSelection() && !extend && !m_modeLine && !m_modeBox && m_selKind != SEL_BOX && m_selKind != SEL_LINE) {
    const POINT start = SelectionStart(), end = SelectionEnd();
    if (!Before(cell, start) && Before(cell, end) && m_window) {
      m_window->DragSelection();
      return;
    }
  }
  const POINT oldCaret = m_caretView;
  MoveCaret(buffer.ViewToLogical(cell.x, cell.y, -1));
  // A press on a link opens it and ends the click, when the caret landed on the pressed row.
  if (!extend && !m_cust.LinkDoubleClick && m_caretView.y == cell.y) {
    CRefString link;
    if (const int kind = LinkAt(cell, false, &link)) {
      CancelSelection(true);
      OpenLink(link, kind);
      return;
    }
  }
  m_mouseSelecting = true;
  if (extend) {
    if (!HasSelection()) {
      StartSelection(oldCaret, m_modeBox ? SEL_BOX : m_modeLine ? SEL_LINE : SEL_STREAM);
      m_lineAnchorRow = oldCaret.y;
    }
    OnMouseMove(x, y);
    return;
  }
  CancelSelection(false);
  m_sticky = false;
  if (m_modeLine) {
    m_lineAnchorRow = m_caretView.y;
    StartSelection(m_caretView, SEL_LINE);
    ExtendSelection(m_caretView);
  } else {
    StartSelection(m_caretView, SEL_NONE);
  }
}

void WrilaEdit::OnMouseMove(int x, int y) {
  if (!m_mouseSelecting) return;
  CTextBuffer& buffer = GetBuffer();
  POINT cell = CellAt(x, y);
  if (m_modeBox) {  // a box corner may lie past a row's end, but not below the text
    cell = PointToCell(std::min(x, 32768), std::min(y, 32768));
    cell.x = std::max<LONG>(cell.x, 0);
    cell.y = std::clamp<LONG>(cell.y, 0, m_lastRow);
  }
  if (m_modeWord) {
    POINT start, end;
    buffer.GetWordAt(cell, &start, &end);
    if (Before(cell, m_wordStart)) {
      m_selAnchor = m_wordEnd;
      cell = start;
    } else {
      m_selAnchor = m_wordStart;
      cell = Before(end, m_wordEnd) ? m_wordEnd : end;
    }
    m_selKind = SEL_STREAM;
  } else if (m_selKind == SEL_NONE && (cell.x != m_selAnchor.x || cell.y != m_selAnchor.y)) {
    m_selKind = m_modeBox ? SEL_BOX : SEL_STREAM;
  }
  if (m_modeBox) {
    m_caretLogical = buffer.ViewToLogical(cell.x, cell.y, -1);
    m_caretView = cell;
    EnsureCaretVisible(false);
    PlaceCaret();
  } else {
    MoveCaret(buffer.ViewToLogical(cell.x, cell.y, -1));
  }
  if (HasSelection()) ExtendSelection(m_modeBox ? cell : m_caretView);
  if (HasSelection() && m_window) m_window->StartTimer(TIMER_SELECTSCROLL);
}

void WrilaEdit::OnLButtonUp(int x, int y) {
  if (!m_mouseSelecting) return;
  OnMouseMove(x, y);
  m_mouseSelecting = false;
  if (m_window) m_window->StopTimer(TIMER_SELECTSCROLL);
  PlaceCaret();
}

void WrilaEdit::OnLButtonDblClk(int x, int y) {
  const POINT cell = CellAt(x, y);
  if (m_cust.LinkDoubleClick && cell.y == m_caretView.y) {
    CRefString link;
    if (const int kind = LinkAt(cell, false, &link)) {
      OpenLink(link, kind);
      return;
    }
  }
  POINT start, end;
  GetBuffer().GetWordAt(cell, &start, &end);
  CancelSelection(true);
  m_modeWord = true;
  m_mouseSelecting = true;
  m_wordStart = start;
  m_wordEnd = end;
  MoveCaret(GetBuffer().ViewToLogical(end.x, end.y, -1));
  StartSelection(start, SEL_STREAM);
  ExtendSelection(end);
}

void WrilaEdit::AutoScroll(int x, int y) {
  const wxSize client = ClientSize();
  if (y < 10) {
    ScrollTo(m_firstColumn, m_topRow - AutoScrollStep(-y));
  } else if (y > client.y - 10) {
    ScrollTo(m_firstColumn, m_topRow + AutoScrollStep(y - client.y + 1));
  } else if (x < 10) {
    ScrollTo(m_firstColumn - AutoScrollStep(-x), m_topRow);
  } else if (x > client.x - 10) {
    ScrollTo(m_firstColumn + AutoScrollStep(x - client.x + 1), m_topRow);
  }
}

void WrilaEdit::OnTimer(UINT id) {
  if (!m_window) return;
  const wxPoint point = m_window->ScreenToClient(wxGetMousePosition());
  AutoScroll(point.x, point.y);
  if (id == TIMER_SELECTSCROLL) OnMouseMove(point.x, point.y);
}

void WrilaEdit::JumpTo(int column, int row) {
  CancelSelection(true);
  row = std::clamp(row, 0, m_lastRow);
  MoveCaret(GetBuffer().ViewToLogical(column, row, -1));
  RecalcScrollBars();
  if (m_caretView.y < m_topRow || m_caretView.y >= m_topRow + m_pageRows || m_caretView.x < m_firstColumn ||
      m_caretView.x >= m_firstColumn + m_windowColumns) {
    ScrollTo(std::max(0, m_caretView.x - m_windowColumns / 2), std::max(0, m_caretView.y - m_pageRows / 2));
  }
  PlaceCaret();
}

// The caret sits at its cell; one whose row is out of view is parked left of the window.
void WrilaEdit::PlaceCaret() {
  if (m_firedCaret.x != m_caretView.x || m_firedCaret.y != m_caretView.y) {
    m_firedCaret = m_caretView;
    if (m_needEvents & EVENT_ONCARETMOVED) FireCaretMoved();
  }
  if (!m_window) return;
  wxCaret* caret = m_window->GetCaret();
  if (!caret) return;
  const bool overwrite = m_cust.Overwrite != 0 && !m_dragHovering;
  const wxSize size(overwrite ? m_columnWidth : 2, m_charHeight);
  if (caret->GetSize() != size) caret->SetSize(size);
  const int y = RowToY(m_caretView.y);
  wxPoint at(-2 * m_columnWidth, 0);
  if (m_caretView.y >= m_topRow && y != INT_MIN && y >= m_rulerHeight) {
    at = wxPoint(ColumnToX(m_caretView.x), y + m_rowHeight - m_charHeight);
  }
  if (caret->GetPosition() == at) return;
  caret->Move(at);
  if (at.x >= 0) m_window->SetInputCursor(wxRect(at.x, y, m_columnWidth, m_rowHeight));
}
