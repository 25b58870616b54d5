#pragma once
// A splitter window: panes in rows or columns with a movable bar between them, on
// wxSplitterWindow. A static splitter has a fixed grid; a dynamic one starts with one pane and
// lets the user add a second row (or column) of the same view and remove it again.
//
// Each pane is a direct child whose window id names its cell (IdFromRowCol); a pane under another
// id is not laid out and stays hidden. One splitter holds at most two cells (1 x 1, 1 x 2 or
// 2 x 1); larger layouts nest a splitter in a cell of another, the splitter taking the cell's id.
//
// Every row and column keeps a size record: RecalcLayout gives each cell but the last its ideal
// size and the last one the rest. A cell left with less than its minimum (or nothing) is
// collapsed: the other pane fills the splitter and the bar goes, as when the user drags the bar
// to the edge.
#include <wx/splitter.h>

#include <functional>
#include <vector>

#include "platform/framework/FrameworkIds.h"
#include "platform/base/WinTypes.h"

struct CCreateContext;
class CFrameWnd;
class CView;

#ifndef WS_CHILD
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_BORDER 0x00800000L
#endif

class CSplitterWnd : public wxSplitterWindow {
 public:
  using ViewClass = std::function<CView*()>;

  CSplitterWnd();
  ~CSplitterWnd() override;

  // A splitter of nRows x nCols cells as child window nID of parent (when parent is a splitter, the
  // id names the cell it fills there). FALSE for a grid of more than two cells.
  BOOL CreateStatic(wxWindow* parent, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                    UINT nID = AFX_IDW_PANE_FIRST);
  // A dynamic splitter of at most nMaxRows x nMaxCols (one of them 1, the other at most 2) whose
  // first pane is the context's view; new panes are views of the same class on the same document.
  BOOL Create(wxWindow* parent, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* context,
              DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = AFX_IDW_PANE_FIRST);
  // A view of the class in the cell, attached to the context's document; its size is the ideal
  // size of the cell's row and column.
  virtual BOOL CreateView(int row, int col, const ViewClass& viewClass, SIZE sizeInit, CCreateContext* context);

  int GetRowCount() const { return m_nRows; }
  int GetColumnCount() const { return m_nCols; }
  int GetMaxRowCount() const { return m_nMaxRows; }

  // Current size (0 while collapsed) and minimum of a row or column.
  void GetRowInfo(int row, int& cyCur, int& cyMin) const;
  void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
  // Ideal size and minimum; they take effect at the next RecalcLayout.
  void SetRowInfo(int row, int cyIdeal, int cyMin);
  void SetColumnInfo(int col, int cxIdeal, int cxMin);

  wxWindow* GetPane(int row, int col) const;
  int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + 16 * row + col; }
  // TRUE when the window is a pane of this splitter; its cell goes to row and col.
  BOOL IsChildPane(const wxWindow* window, int* row, int* col) const;
  // The frame's active view when it is a pane here, else null; its cell goes to row and col.
  CView* GetActivePane(int* row = nullptr, int* col = nullptr) const;
  // Makes the cell's pane (or the given window) the frame's active view and gives it the focus; a
  // nested splitter there activates its own first pane.
  void SetActivePane(int row, int col, wxWindow* window = nullptr);

  // Lays the panes out from the ideal sizes of the rows and columns.
  virtual void RecalcLayout();

  // Dynamic splitters: a second row (column) whose first pane is cyBefore (cxBefore) high (wide);
  // FALSE when the splitter has all its rows (columns) or the view cannot be made.
  virtual BOOL SplitRow(int cyBefore);
  virtual BOOL SplitColumn(int cxBefore);
  // Destroys the row's (column's) pane; the panes after it move up (left).
  virtual void DeleteRow(int rowDelete);

  void SizeWindows() override;

 protected:
  struct CRowColInfo {
    int nMinSize = 0;
    int nIdealSize = 0;
    int nCurSize = 0;
  };

  CFrameWnd* GetParentFrame() const;

  int m_nMaxRows = 1;
  int m_nMaxCols = 1;
  int m_nRows = 1;
  int m_nCols = 1;
  std::vector<CRowColInfo> m_pRowInfo;
  std::vector<CRowColInfo> m_pColInfo;

 private:
  BOOL CreateCommon(wxWindow* parent, int nMaxRows, int nMaxCols, DWORD dwStyle, UINT nID);
  // The two cells laid out one after the other, and the size records of that direction.
  bool Vertical() const { return m_nCols > 1 || (m_nMaxCols > 1 && m_nMaxRows == 1); }
  std::vector<CRowColInfo>& Records() { return Vertical() ? m_pColInfo : m_pRowInfo; }
  void ShowOnly(wxWindow* pane);
  void SplitPanes(wxWindow* first, wxWindow* second, int position);
  void UpdateCurSizes();
  BOOL SplitDynamic(int sizeBefore);
  void DeleteCell(int index, bool destroyLater);

  void OnUnsplit(wxWindow* removed) override;
  void OnDoubleClickSash(int x, int y) override;
  void OnSizeEvent(wxSizeEvent& event);
  void OnSashChanged(wxSplitterEvent& event);

  bool m_bDynamic = false;
  bool m_bLayout = false;  // the splitter itself is changing the split
  ViewClass m_pDynamicViewClass;
};
