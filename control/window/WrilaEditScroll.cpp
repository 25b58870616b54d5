// The scroll bars of the control: their ranges follow the layout (text, wrapping, font, window
// size), and their requests move the view's first column and row.
#include <algorithm>

#include "control/CTextBuffer.h"
#include "control/EditMessages.h"
#include "control/window/WrilaEdit.h"
#include "control/window/WrilaEditWindow.h"

int WrilaEdit::MaxFirstColumn() const {
  return m_cust.HScrollPastEnd ? m_widestExtent : std::max(0, m_widestExtent - m_windowColumns + 1);
}

int WrilaEdit::MaxTopRow() const {
  return m_cust.VScrollPastEnd ? m_lastRow : std::max(0, m_lastRow - m_pageRows + 1);
}

// The bars are the window's own children, so the text area is the client area less the bars that
// show. Whether a bar shows depends on the layout, and the layout on the area the bars leave: two
// rounds settle it.
void WrilaEdit::RecalcScrollBars(int clientWidth, int clientHeight) {
  CTextBuffer& buffer = GetBuffer();
  const int barWidth = m_window ? m_window->BarBreadth(wxVERTICAL) : 0;
  const int barHeight = m_window ? m_window->BarBreadth(wxHORIZONTAL) : 0;
  for (int round = 0; round < 3; ++round) {
    const int width = clientWidth - (m_vBarShown ? barWidth : 0);
    const int height = clientHeight - (m_hBarShown ? barHeight : 0);
    m_windowColumns = std::max(1, width / m_columnWidth - m_leftMargin + 1);
    m_visibleColumns = m_windowColumns;
    if (m_cust.WrapMode == 2 && std::max(16, m_windowColumns - 3) != m_wrapWidth && buffer.RewrapAll()) {
      CancelSelection(true);
      m_caretView = buffer.LogicalToViewClamped(m_caretLogical.x, m_caretLogical.y);
      m_runs.Invalidate();
      if (m_window) m_window->Refresh(false);
    }
    m_widestExtent = m_wrapWidth + 2;
    m_lastRow = std::max(0, buffer.GetTotalRows() - 1);
    m_pageRows = std::max(1, (height - m_rulerHeight) / m_rowHeight);
    const bool vertical = m_cust.VScrollBar != 0 && (m_cust.VBarAlways || CanScrollRows());
    const bool horizontal = m_cust.HScrollBar != 0 && (m_cust.HBarAlways || CanScrollColumns());
    if (vertical == m_vBarShown && horizontal == m_hBarShown) break;
    m_vBarShown = vertical;
    m_hBarShown = horizontal;
  }
  m_firstColumn = std::clamp(m_firstColumn, 0, MaxFirstColumn());
  m_topRow = std::clamp(m_topRow, 0, MaxTopRow());
  ApplyScrollBars();
}

bool WrilaEdit::CanScrollRows() const { return m_cust.VScrollPastEnd ? m_lastRow >= 1 : m_pageRows <= m_lastRow; }

bool WrilaEdit::CanScrollColumns() const {
  return m_cust.HScrollPastEnd ? m_widestExtent >= 1 : m_windowColumns <= m_widestExtent;
}

void WrilaEdit::RecalcScrollBars() {
  if (!m_window) return;
  const wxSize client = m_window->GetClientSize();
  RecalcScrollBars(client.x, client.y);
}

// A bar kept always visible is disabled while there is nothing to scroll.
void WrilaEdit::ApplyScrollBars() {
  if (!m_window) return;
  const int columns = m_cust.HScrollPastEnd ? m_windowColumns + m_widestExtent : m_widestExtent + 1;
  const int rows = m_cust.VScrollPastEnd ? m_pageRows + m_lastRow : m_lastRow + 1;
  m_window->SetBar(wxHORIZONTAL, m_hBarShown, CanScrollColumns(), m_firstColumn, m_windowColumns, columns);
  m_window->SetBar(wxVERTICAL, m_vBarShown, CanScrollRows(), m_topRow, m_pageRows, rows);
}

int WrilaEdit::VerticalRangeMax() const { return m_cust.VScrollPastEnd ? m_pageRows + m_lastRow - 1 : m_lastRow; }

void WrilaEdit::ScrollTo(int column, int row) { ScrollWithin(column, row, MaxFirstColumn(), MaxTopRow()); }

void WrilaEdit::ScrollWithin(int column, int row, int maxColumn, int maxRow) {
  column = std::max(0, std::min(column, maxColumn));
  row = std::max(0, std::min(row, maxRow));
  if (column == m_firstColumn && row == m_topRow) return;
  const bool sameColumn = column == m_firstColumn;
  m_firstColumn = column;
  m_topRow = row;
  if (m_needEvents & EVENT_ONSCROLL) FireScroll();
  if (!m_window) return;
  m_window->SetBarPosition(wxHORIZONTAL, m_firstColumn);
  m_window->SetBarPosition(wxVERTICAL, m_topRow);
  PlaceCaret();
  // The ruler only changes when the columns move.
  if (sameColumn) {
    InvalidateFrom(m_topRow);
  } else {
    m_window->Refresh(false);
  }
}

void WrilaEdit::EnsureCaretVisible(bool force) {
  if (!m_window || (!m_focused && !force)) return;
  int row = m_topRow;
  if (m_caretView.y < m_topRow) {
    row = m_caretView.y;
  } else if (m_caretView.y >= m_topRow + m_pageRows) {
    row = m_caretView.y - m_pageRows + 1;
  }
  // Sideways the view moves in steps of eight columns, so short moves do not scroll every time.
  int column = m_firstColumn;
  if (m_caretView.x < m_firstColumn) {
    column = m_caretView.x / 8 * 8;
  } else if (m_caretView.x >= m_firstColumn + m_windowColumns) {
    column = (m_caretView.x - m_windowColumns + 1 + 7) / 8 * 8;
  }
  column = std::min(column, std::max(0, m_widestExtent - m_windowColumns + 1));
  ScrollTo(column, row);
}

LRESULT WrilaEdit::OnScrollMessage(bool vertical, UINT code, LPARAM trackPosition) {
  int position = vertical ? m_topRow : m_firstColumn;
  const int page = vertical ? m_pageRows : m_windowColumns;
  switch (code) {
    case SB_LINEUP: --position; break;
    case SB_LINEDOWN: ++position; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK: position = static_cast<int>(trackPosition); break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = vertical ? MaxTopRow() : MaxFirstColumn(); break;
    default: return 0;
  }
  if (vertical) {
    ScrollTo(m_firstColumn, position);
  } else {
    ScrollTo(position, m_topRow);
  }
  return 0;
}
