#include "app/CSplitterWndEx.h"

CSplitterWndEx::~CSplitterWndEx() = default;

void CSplitterWndEx::HideRow(int rowHide) {
  m_nHiddenRow = rowHide;
  int row = 0;
  int col = 0;
  if (GetActivePane(&row, &col) && row == rowHide) SetActivePane((row + 1) % m_nRows, col);
  for (int c = 0; c < m_nCols; ++c) {
    wxWindow* hidden = GetPane(rowHide, c);
    if (hidden) {
      hidden->Hide();
      hidden->SetId(IdFromRowCol(m_nRows, c));
    }
    for (int r = rowHide + 1; r < m_nRows; ++r)
      if (wxWindow* pane = GetPane(r, c)) pane->SetId(IdFromRowCol(r - 1, c));
  }
  --m_nRows;
  m_pRowInfo[static_cast<size_t>(m_nRows)].nCurSize = m_pRowInfo[static_cast<size_t>(rowHide)].nCurSize;
  RecalcLayout();
}

void CSplitterWndEx::HideColumn(int colHide) {
  m_nHiddenCol = colHide;
  int row = 0;
  int col = 0;
  if (GetActivePane(&row, &col) && col == colHide) SetActivePane(row, (col + 1) % m_nCols);
  for (int r = 0; r < m_nRows; ++r) {
    wxWindow* hidden = GetPane(r, colHide);
    if (hidden) {
      hidden->Hide();
      hidden->SetId(IdFromRowCol(r, m_nCols));
    }
    for (int c = colHide + 1; c < m_nCols; ++c)
      if (wxWindow* pane = GetPane(r, c)) pane->SetId(IdFromRowCol(r, c - 1));
  }
  --m_nCols;
  m_pColInfo[static_cast<size_t>(m_nCols)].nCurSize = m_pColInfo[static_cast<size_t>(colHide)].nCurSize;
  RecalcLayout();
}

void CSplitterWndEx::ShowRow() {
  const int rowShow = m_nHiddenRow;
  m_nHiddenRow = -1;
  const int saved = m_pRowInfo[static_cast<size_t>(m_nRows)].nCurSize;
  ++m_nRows;
  for (int c = 0; c < m_nCols; ++c) {
    wxWindow* parked = GetPane(m_nRows, c);
    if (parked) parked->Show();
    for (int r = m_nRows - 2; r >= rowShow; --r)
      if (wxWindow* pane = GetPane(r, c)) pane->SetId(IdFromRowCol(r + 1, c));
    if (parked) parked->SetId(IdFromRowCol(rowShow, c));
  }
  for (int r = m_nRows - 1; r > rowShow; --r)
    m_pRowInfo[static_cast<size_t>(r)].nIdealSize = m_pRowInfo[static_cast<size_t>(r - 1)].nCurSize;
  m_pRowInfo[static_cast<size_t>(rowShow)].nIdealSize = saved;
  RecalcLayout();
}

void CSplitterWndEx::ShowColumn() {
  const int colShow = m_nHiddenCol;
  m_nHiddenCol = -1;
  const int saved = m_pColInfo[static_cast<size_t>(m_nCols)].nCurSize;
  ++m_nCols;
  for (int r = 0; r < m_nRows; ++r) {
    wxWindow* parked = GetPane(r, m_nCols);
    if (parked) parked->Show();
    for (int c = m_nCols - 2; c >= colShow; --c)
      if (wxWindow* pane = GetPane(r, c)) pane->SetId(IdFromRowCol(r, c + 1));
    if (parked) parked->SetId(IdFromRowCol(r, colShow));
  }
  for (int c = m_nCols - 1; c > colShow; --c)
    m_pColInfo[static_cast<size_t>(c)].nIdealSize = m_pColInfo[static_cast<size_t>(c - 1)].nCurSize;
  m_pColInfo[static_cast<size_t>(colShow)].nIdealSize = saved;
  RecalcLayout();
}
