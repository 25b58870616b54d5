#pragma once
// A static splitter that can hide one row and one column and show them again at their old place;
// the hidden panes stay alive, parked under ids outside the grid.
#include "platform/framework/CSplitterWnd.h"

class CSplitterWndEx : public CSplitterWnd {
 public:
  CSplitterWndEx() = default;
  ~CSplitterWndEx() override;

  // Nothing of that kind may be hidden already.
  void HideRow(int rowHide) { HideOne(true, rowHide); }
  void HideColumn(int colHide) { HideOne(false, colHide); }
  // Only while a row (column) is hidden.
  void ShowRow() { ShowOne(true); }
  void ShowColumn() { ShowOne(false); }

 protected:
  int m_nHiddenCol = -1;
  int m_nHiddenRow = -1;

 private:
  void HideOne(bool rows, int hide);
  void ShowOne(bool rows);
  wxWindow* PaneAt(bool rows, int along, int across) const;
  int IdAt(bool rows, int along, int across) const;
};
