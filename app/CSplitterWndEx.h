#pragma once
// A static splitter that can hide one row and one column and show them again at their old place;
// the hidden panes stay alive, parked under ids outside the grid.
#include "platform/CSplitterWnd.h"

class CSplitterWndEx : public CSplitterWnd {
 public:
  CSplitterWndEx() = default;
  ~CSplitterWndEx() override;

  // Nothing of that kind may be hidden already.
  void HideRow(int rowHide);
  void HideColumn(int colHide);
  // Only while a row (column) is hidden.
  void ShowRow();
  void ShowColumn();

 protected:
  int m_nHiddenCol = -1;
  int m_nHiddenRow = -1;
};
