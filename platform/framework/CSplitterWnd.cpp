#include "platform/framework/CSplitterWnd.h"

#include <algorithm>

#include "platform/framework/CDocument.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CView.h"

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::CreateCommon(wxWindow* parent, int nMaxRows, int nMaxCols, DWORD dwStyle, UINT nID) {
  if (!parent || nMaxRows < 1 || nMaxCols < 1 || nMaxRows * nMaxCols > 2) return FALSE;
  const long style = wxSP_LIVE_UPDATE | ((dwStyle & WS_BORDER) ? wxSP_THIN_SASH | wxSP_BORDER : wxSP_NOBORDER);
  if (!wxSplitterWindow::Create(parent, static_cast<wxWindowID>(nID), wxDefaultPosition, wxDefaultSize, style))
    return FALSE;
  m_nMaxRows = nMaxRows;
  m_nMaxCols = nMaxCols;
  m_pRowInfo.assign(static_cast<size_t>(nMaxRows) + 1, CRowColInfo());
  m_pColInfo.assign(static_cast<size_t>(nMaxCols) + 1, CRowColInfo());
  SetMinimumPaneSize(0);
  if (!(dwStyle & WS_VISIBLE)) Hide();
  Bind(wxEVT_SIZE, &CSplitterWnd::OnSizeEvent, this);
  Bind(wxEVT_SPLITTER_SASH_POS_CHANGED, &CSplitterWnd::OnSashChanged, this);
  return TRUE;
}

BOOL CSplitterWnd::CreateStatic(wxWindow* parent, int nRows, int nCols, DWORD dwStyle, UINT nID) {
  if (!CreateCommon(parent, nRows, nCols, dwStyle, nID)) return FALSE;
  m_bDynamic = false;
  m_nRows = nRows;
  m_nCols = nCols;
  return TRUE;
}

BOOL CSplitterWnd::Create(wxWindow* parent, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* context,
                          DWORD dwStyle, UINT nID) {
  if (!context || !context->m_pNewViewClass) return FALSE;
  if (!CreateCommon(parent, nMaxRows, nMaxCols, dwStyle, nID)) return FALSE;
  m_bDynamic = true;
  m_nRows = m_nCols = 1;
  for (CRowColInfo& info : m_pRowInfo) info.nMinSize = sizeMin.cy;
  for (CRowColInfo& info : m_pColInfo) info.nMinSize = sizeMin.cx;
  m_pDynamicViewClass = context->m_pNewViewClass;
  if (!CreateView(0, 0, m_pDynamicViewClass, SIZE{0, 0}, context)) {
    Destroy();
    return FALSE;
  }
  RecalcLayout();
  return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, const ViewClass& viewClass, SIZE sizeInit, CCreateContext* context) {
  CFrameWnd* frame = GetParentFrame();
  if (!frame || !viewClass || row < 0 || col < 0 || row >= m_nRows || col >= m_nCols || GetPane(row, col))
    return FALSE;
  CCreateContext cell;
  if (context) cell = *context;
  cell.m_pNewViewClass = viewClass;
  if (!frame->CreateView(&cell, this, IdFromRowCol(row, col))) return FALSE;
  m_pColInfo[static_cast<size_t>(col)].nIdealSize = sizeInit.cx;
  m_pRowInfo[static_cast<size_t>(row)].nIdealSize = sizeInit.cy;
  return TRUE;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const {
  const CRowColInfo& info = m_pRowInfo.at(static_cast<size_t>(row));
  cyCur = info.nCurSize;
  cyMin = info.nMinSize;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const {
  const CRowColInfo& info = m_pColInfo.at(static_cast<size_t>(col));
  cxCur = info.nCurSize;
  cxMin = info.nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin) {
  CRowColInfo& info = m_pRowInfo.at(static_cast<size_t>(row));
  info.nIdealSize = cyIdeal;
  info.nMinSize = cyMin;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin) {
  CRowColInfo& info = m_pColInfo.at(static_cast<size_t>(col));
  info.nIdealSize = cxIdeal;
  info.nMinSize = cxMin;
}

wxWindow* CSplitterWnd::GetPane(int row, int col) const {
  const int id = IdFromRowCol(row, col);
  for (wxWindow* child : GetChildren())
    if (child->GetId() == id) return child;
  return nullptr;
}

BOOL CSplitterWnd::IsChildPane(const wxWindow* window, int* row, int* col) const {
  for (int r = 0; r < m_nRows; ++r) {
    for (int c = 0; c < m_nCols; ++c) {
      if (window && GetPane(r, c) == window) {
        if (row) *row = r;
        if (col) *col = c;
        return TRUE;
      }
    }
  }
  return FALSE;
}

CView* CSplitterWnd::GetActivePane(int* row, int* col) const {
  CFrameWnd* frame = GetParentFrame();
  CView* view = frame ? frame->GetActiveView() : nullptr;
  return view && IsChildPane(view, row, col) ? view : nullptr;
}

void CSplitterWnd::SetActivePane(int row, int col, wxWindow* window) {
  wxWindow* pane = window ? window : GetPane(row, col);
  if (!pane) return;
  // A splitter in the cell passes the activation on to its first pane.
  if (auto* nested = dynamic_cast<CSplitterWnd*>(pane)) {
    nested->SetActivePane(0, 0);
    return;
  }
  if (CView* view = dynamic_cast<CView*>(pane); view && GetParentFrame())
    GetParentFrame()->SetActiveView(view);
  else
    pane->SetFocus();
}

CFrameWnd* CSplitterWnd::GetParentFrame() const {
  for (wxWindow* w = GetParent(); w; w = w->GetParent())
    if (auto* frame = dynamic_cast<CFrameWnd*>(w)) return frame;
  return nullptr;
}

void CSplitterWnd::RecalcLayout() {
  wxWindow* first = GetPane(0, 0);
  if (!first) return;
  const bool vertical = Vertical();
  wxWindow* second = m_nRows * m_nCols == 2 ? (vertical ? GetPane(0, 1) : GetPane(1, 0)) : nullptr;
  m_bLayout = true;
  if (!second) {
    ShowOnly(first);
  } else {
    const std::vector<CRowColInfo>& records = Records();
    const int total = vertical ? GetClientSize().x : GetClientSize().y;
    const int ideal = records[0].nIdealSize;
    const int rest = total - ideal - GetSashSize();
    // Before the splitter has a size the layout waits for it; only the ideal size is known.
    if (total > 0 && (ideal <= 0 || ideal < records[0].nMinSize))
      ShowOnly(second);
    else if (total > 0 && (rest <= 0 || rest < records[1].nMinSize))
      ShowOnly(first);
    else
      SplitPanes(first, second, std::max(ideal, 1));
  }
  // Panes outside the grid (parked ones) stay hidden.
  for (wxWindow* child : GetChildren()) {
    const bool shown = child == GetWindow1() || child == GetWindow2();
    if (child->IsShown() != shown) child->Show(shown);
  }
  m_bLayout = false;
  UpdateCurSizes();
}

void CSplitterWnd::ShowOnly(wxWindow* pane) {
  if (IsSplit()) Unsplit(GetWindow1() == pane ? GetWindow2() : GetWindow1());
  if (GetWindow1() != pane) Initialize(pane);
  SizeWindows();
}

void CSplitterWnd::SplitPanes(wxWindow* first, wxWindow* second, int position) {
  const wxSplitMode mode = Vertical() ? wxSPLIT_VERTICAL : wxSPLIT_HORIZONTAL;
  if (IsSplit() && GetWindow1() == first && GetWindow2() == second && GetSplitMode() == mode) {
    SetSashPosition(position);
    return;
  }
  if (IsSplit()) Unsplit();
  if (mode == wxSPLIT_VERTICAL)
    SplitVertically(first, second, position);
  else
    SplitHorizontally(first, second, position);
}

void CSplitterWnd::SizeWindows() {
  wxSplitterWindow::SizeWindows();
  UpdateCurSizes();
}

void CSplitterWnd::UpdateCurSizes() {
  // Records past the grid keep what they hold (a hidden row's size, say).
  for (int r = 0; r < m_nRows && r < static_cast<int>(m_pRowInfo.size()); ++r) {
    wxWindow* pane = GetPane(r, 0);
    m_pRowInfo[static_cast<size_t>(r)].nCurSize = pane && pane->IsShown() ? pane->GetSize().y : 0;
  }
  for (int c = 0; c < m_nCols && c < static_cast<int>(m_pColInfo.size()); ++c) {
    wxWindow* pane = GetPane(0, c);
    m_pColInfo[static_cast<size_t>(c)].nCurSize = pane && pane->IsShown() ? pane->GetSize().x : 0;
  }
}

BOOL CSplitterWnd::SplitRow(int cyBefore) {
  if (Vertical() || m_nRows >= m_nMaxRows) return FALSE;
  return SplitDynamic(cyBefore);
}

BOOL CSplitterWnd::SplitColumn(int cxBefore) {
  if (!Vertical() || m_nCols >= m_nMaxCols) return FALSE;
  return SplitDynamic(cxBefore);
}

BOOL CSplitterWnd::SplitDynamic(int sizeBefore) {
  wxWindow* first = GetPane(0, 0);
  if (!m_bDynamic || !first) return FALSE;
  const bool vertical = Vertical();
  CCreateContext context;
  if (auto* view = dynamic_cast<CView*>(first)) context.m_pCurrentDoc = view->GetDocument();
  (vertical ? m_nCols : m_nRows) = 2;
  if (!CreateView(vertical ? 0 : 1, vertical ? 1 : 0, m_pDynamicViewClass, SIZE{0, 0}, &context)) {
    (vertical ? m_nCols : m_nRows) = 1;
    return FALSE;
  }
  Records()[0].nIdealSize = sizeBefore;
  RecalcLayout();
  if (auto* view = dynamic_cast<CView*>(vertical ? GetPane(0, 1) : GetPane(1, 0))) view->OnInitialUpdate();
  return TRUE;
}

void CSplitterWnd::DeleteRow(int rowDelete) {
  if (!Vertical()) DeleteCell(rowDelete, false);
}

void CSplitterWnd::DeleteCell(int index, bool destroyLater) {
  const bool vertical = Vertical();
  int& count = vertical ? m_nCols : m_nRows;
  if (count < 2 || index < 0 || index >= count) return;
  auto cell = [&](int i) { return vertical ? GetPane(0, i) : GetPane(i, 0); };
  wxWindow* doomed = cell(index);
  wxWindow* other = cell(1 - index);
  if (!doomed || !other) return;
  // The active view goes to the pane that stays.
  if (GetActivePane() == doomed) SetActivePane(0, 0, other);
  m_bLayout = true;
  if (IsSplit()) Unsplit(doomed);
  if (GetWindow1() != other) Initialize(other);
  m_bLayout = false;
  if (destroyLater) {
    // Called from within the splitter's own mouse handling, which still holds the window.
    doomed->SetId(wxID_ANY);
    CallAfter([doomed] { doomed->Destroy(); });
  } else {
    doomed->Destroy();
  }
  other->SetId(IdFromRowCol(0, 0));
  count = 1;
  RecalcLayout();
}

void CSplitterWnd::OnUnsplit(wxWindow* removed) {
  wxSplitterWindow::OnUnsplit(removed);
  if (m_bLayout) return;
  // The user dragged the bar to an edge. A dynamic splitter loses that pane; a static one keeps
  // it collapsed until its cell gets room again.
  const bool vertical = Vertical();
  int row = 0;
  int col = 0;
  if (!IsChildPane(removed, &row, &col)) return;
  const int index = vertical ? col : row;
  if (m_bDynamic) {
    DeleteCell(index, true);
    return;
  }
  const int total = vertical ? GetClientSize().x : GetClientSize().y;
  Records()[0].nIdealSize = index == 0 ? 0 : total;
  UpdateCurSizes();
}

void CSplitterWnd::OnDoubleClickSash(int, int) {}

void CSplitterWnd::OnSizeEvent(wxSizeEvent& event) {
  RecalcLayout();
  event.Skip();
}

void CSplitterWnd::OnSashChanged(wxSplitterEvent& event) {
  // The event climbs to the splitters around this one; each takes only its own.
  if (event.GetEventObject() != this) {
    event.Skip();
    return;
  }
  if (!m_bLayout && IsSplit()) Records()[0].nIdealSize = event.GetSashPosition();
  UpdateCurSizes();
  event.Skip();
}
