#include "shell/CSplitterWndEx.h"

CSplitterWndEx::~CSplitterWndEx() = default;

// Rows and columns are handled alike: "along" counts the rows (or columns) being hidden, "across"
// the other direction.
wxWindow* CSplitterWndEx::PaneAt(bool rows, int along, int across) const {
  return rows ? GetPane(along, across) : GetPane(across, along);
}

int CSplitterWndEx::IdAt(bool rows, int along, int across) const {
  return rows ? IdFromRowCol(along, across) : IdFromRowCol(across, along);
}

void CSplitterWndEx::HideOne(bool rows, int hide) {
  int& count = rows ? m_nRows : m_nCols;
  const int others = rows ? m_nCols : m_nRows;
  std::vector<CRowColInfo>& info = rows ? m_pRowInfo : m_pColInfo;
  (rows ? m_nHiddenRow : m_nHiddenCol) = hide;
  int row = 0;
  int col = 0;
  if (GetActivePane(&row, &col) && (rows ? row : col) == hide) {
    const int next = ((rows ? row : col) + 1) % count;
    SetActivePane(rows ? next : row, rows ? col : next);
  }
  for (int a = 0; a < others; ++a) {
    if (wxWindow* hidden = PaneAt(rows, hide, a)) {
      hidden->Hide();
      hidden->SetId(IdAt(rows, count, a));  // parked just past the grid
    }
    for (int i = hide + 1; i < count; ++i)
      if (wxWindow* pane = PaneAt(rows, i, a)) pane->SetId(IdAt(rows, i - 1, a));
  }
  --count;
  info[static_cast<size_t>(count)].nCurSize = info[static_cast<size_t>(hide)].nCurSize;
  RecalcLayout();
}

void CSplitterWndEx::ShowOne(bool rows) {
  int& count = rows ? m_nRows : m_nCols;
  const int others = rows ? m_nCols : m_nRows;
  std::vector<CRowColInfo>& info = rows ? m_pRowInfo : m_pColInfo;
  int& hiddenIndex = rows ? m_nHiddenRow : m_nHiddenCol;
  const int show = hiddenIndex;
  hiddenIndex = -1;
  const int saved = info[static_cast<size_t>(count)].nCurSize;
  ++count;
  for (int a = 0; a < others; ++a) {
    wxWindow* parked = PaneAt(rows, count, a);
    if (parked) parked->Show();
    for (int i = count - 2; i >= show; --i)
      if (wxWindow* pane = PaneAt(rows, i, a)) pane->SetId(IdAt(rows, i + 1, a));
    if (parked) parked->SetId(IdAt(rows, show, a));
  }
  for (int i = count - 1; i > show; --i)
    info[static_cast<size_t>(i)].nIdealSize = info[static_cast<size_t>(i - 1)].nCurSize;
  info[static_cast<size_t>(show)].nIdealSize = saved;
  RecalcLayout();
}
