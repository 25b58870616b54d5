#include "treeview/COwnerListBox.h"

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/renderer.h>

#include <algorithm>
#include <string_view>

#include "app/CKeycustArray.h"
#include "model/ATREE.h"
#include "model/CDirData.h"
#include "model/CTreeData.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/ColorRef.h"
#include "platform/desktop/VirtualKeys.h"
#include "treeview/CTrView.h"
#include "treeview/TreeBitmaps.h"
#include "treeview/TreeRowText.h"

namespace {

constexpr COLORREF kGreyLine = 0xC0C0C0;
constexpr COLORREF kBlackLine = 0x000000;
constexpr COLORREF kWhiteLine = 0xFFFFFF;
constexpr int kChapterIndent = 14;

int ViewInt(const char* key, int defaultValue) {
  CWinApp* app = AfxGetApp();
  return app ? app->GetProfileInt("View", key, defaultValue) : defaultValue;
}

std::string_view CellAt(const CString& text, int offset) {
  if (offset + 2 > text.GetLength()) return {};
  return std::string_view(text.GetString() + offset, 2);
}

bool IsArtCell(std::string_view cell) {
  return cell == "┃" || cell == "┣" || cell == "┗" || cell == "━" || cell == "  ";
}

wxPen PenOf(COLORREF color) { return wxPen(ColorRefToWx(color), 1, wxPENSTYLE_SOLID); }

// The time text a row shows in the time-stamp mode; empty when the mode is 0 or the time unset.
CString TimeTextOf(const ATREE* tree, const CTreeData* row, int mode) {
  if (!tree || mode < 1 || mode > 3 || row->m_nItem < 0 || row->m_nItem >= tree->GetDirDataCount()) return CString();
  const CDirData* item = tree->GetDirData(row->m_nItem);
  switch (mode) {
    case 1: return item->GetUpdateTimeText(FALSE);
    case 2: return item->GetCreateTimeText(FALSE);
    default: return item->GetDisplayTimeText(FALSE);
  }
}

}  // namespace

wxBEGIN_EVENT_TABLE(COwnerListBox, wxWindow)
  EVT_PAINT(COwnerListBox::OnPaint)
  EVT_SIZE(COwnerListBox::OnSize)
  EVT_SCROLLWIN(COwnerListBox::OnScrollWin)
  EVT_LEFT_DOWN(COwnerListBox::OnLButtonDown)
  EVT_LEFT_UP(COwnerListBox::OnLButtonUp)
  EVT_MOTION(COwnerListBox::OnMouseMove)
  EVT_MOUSE_CAPTURE_LOST(COwnerListBox::OnCaptureLost)
  EVT_LEFT_DCLICK(COwnerListBox::OnLButtonDblClk)
  EVT_RIGHT_DOWN(COwnerListBox::OnRButtonDown)
  EVT_MOUSEWHEEL(COwnerListBox::OnMouseWheel)
  EVT_KEY_DOWN(COwnerListBox::OnKeyDown)
  EVT_SET_FOCUS(COwnerListBox::OnFocus)
  EVT_KILL_FOCUS(COwnerListBox::OnFocus)
wxEND_EVENT_TABLE()

COwnerListBox::COwnerListBox() {
  LoadTreeBitmap(ID_BM_FOLDER, "ID_BM_FOLDER", m_bmpFolder);
  LoadTreeBitmap(ID_BM_FOLDER_EMPTY, "ID_BM_FOLDER_EMPTY", m_bmpFolderEmpty);
  LoadTreeBitmap(ID_BM_OPFOLDER, "ID_BM_OPFOLDER", m_bmpOpenFolderSelected);
  LoadTreeBitmap(ID_BM_PFOLDER, "ID_BM_PFOLDER", m_bmpPlusFolder);
  LoadTreeBitmap(ID_BM_PPFOLDER, "ID_BM_PPFOLDER", m_bmpPlusFolderSelected);
  LoadTreeBitmap(ID_BM_MFOLDER, "ID_BM_MFOLDER", m_bmpMinusFolder);
  LoadTreeBitmap(IDB_BITMAP_MARK, "IDB_BITMAP_MARK", m_bmpMark);
  LoadTreeBitmap(ID_BM_CHECK, "ID_BM_CHECK", m_bmpCheck);
  if (m_bmpCheck.IsOk()) m_sizeCheck = {m_bmpCheck.GetWidth(), m_bmpCheck.GetHeight()};
  if (m_bmpFolder.IsOk()) m_sizeFolder = {m_bmpFolder.GetWidth(), m_bmpFolder.GetHeight()};

  m_crBack = static_cast<COLORREF>(ViewInt("BackColor", 0xFFFFFF));
  m_crBackSelected = static_cast<COLORREF>(ViewInt("BackColor2", 0x800000));
  m_crText = static_cast<COLORREF>(ViewInt("StrColor", 0));
  m_crTextSelected = static_cast<COLORREF>(ViewInt("StrColor2", 0xFFFFFF));
  m_crLink = static_cast<COLORREF>(ViewInt("LinkColor", 0xFF0000));
  m_crLinkSelected = static_cast<COLORREF>(ViewInt("LinkColor2", 0x00FFFF));
  m_bCheck = ViewInt("Check", 1);
  m_bTurn = ViewInt("Turn", 0);
  m_bIcon = ViewInt("Icon", 1);
  m_bTreeButton = ViewInt("TreeButton", 1);
  m_nChild = ViewInt("Child", 0);
  m_bBold = ViewInt("Bold", 1);
  m_nMouseWheel = ViewInt("MouseWheel", 3);
  CWinApp* app = AfxGetApp();
  m_bMouseWheel = app ? app->GetProfileInt("System", "bMouseWheel", 1) : 1;
  m_nTreeHeight = ViewInt("TreeHeight", 1);
  m_nTreeMode = ViewInt("Tree", 0);
  m_nLevelWidth = ViewInt("LevelWidth", 14);
}

COwnerListBox::~COwnerListBox() = default;

BOOL COwnerListBox::Create(wxWindow* parent, wxWindowID id, const wxRect& rect) {
  if (!wxWindow::Create(parent, id, rect.GetPosition(), rect.GetSize(),
                        wxVSCROLL | wxHSCROLL | wxALWAYS_SHOW_SB | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE)) {
    return FALSE;
  }
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  UpdateScrollBars();
  return TRUE;
}

// ---- The list ----

int COwnerListBox::AddItemData(CTreeData* row) {
  m_rows.push_back(row);
  m_heights.push_back(DefaultItemHeight());
  if (m_bRedraw) UpdateScrollBars();
  return GetCount() - 1;
}

void COwnerListBox::ResetContent() {
  m_rows.clear();
  m_heights.clear();
  m_nCurSel = -1;
  m_nTopIndex = 0;
  Redraw();
}

CTreeData* COwnerListBox::GetItemDataPtr(int index) const {
  return index >= 0 && index < GetCount() ? m_rows[static_cast<size_t>(index)] : nullptr;
}

int COwnerListBox::SetCurSel(int index) {
  if (index < -1 || index >= GetCount()) {
    m_nCurSel = -1;
    Redraw();
    return -1;
  }
  m_nCurSel = index;
  if (index >= 0) {
    if (index < m_nTopIndex) {
      m_nTopIndex = index;
    } else {
      const int height = GetClientSize().GetHeight();
      int y = 0;
      for (int r = m_nTopIndex; r <= index; ++r) y += m_heights[static_cast<size_t>(r)];
      while (y > height && m_nTopIndex < index) y -= m_heights[static_cast<size_t>(m_nTopIndex++)];
    }
  }
  Redraw();
  return index;
}

int COwnerListBox::SetTopIndex(int index) {
  if (index < 0 || index >= std::max(1, GetCount())) return -1;
  m_nTopIndex = index;
  Redraw();
  return 0;
}

int COwnerListBox::GetItemHeight(int index) const {
  if (index >= 0 && index < GetCount()) return m_heights[static_cast<size_t>(index)];
  return m_heights.empty() ? m_nDefaultHeight : m_heights.front();
}

int COwnerListBox::SetItemHeight(int index, int height) {
  if (index < 0 || index >= GetCount()) return -1;
  m_heights[static_cast<size_t>(index)] = std::max(1, height);
  return 0;
}

void COwnerListBox::SetHorizontalExtent(int extent) {
  m_nExtent = std::max(0, extent);
  SetHScrollPos(m_nHScroll);
}

void COwnerListBox::SetHScrollPos(int pos) {
  const int limit = std::max(0, m_nExtent - GetClientSize().GetWidth());
  m_nHScroll = std::clamp(pos, 0, limit);
  Redraw();
}

BOOL COwnerListBox::GetItemRect(int index, RECT* rect) const {
  if (index < 0 || index >= GetCount()) return FALSE;
  int y = 0;
  if (index >= m_nTopIndex) {
    for (int r = m_nTopIndex; r < index; ++r) y += m_heights[static_cast<size_t>(r)];
  } else {
    for (int r = index; r < m_nTopIndex; ++r) y -= m_heights[static_cast<size_t>(r)];
  }
  rect->left = -m_nHScroll;
  rect->right = std::max(GetClientSize().GetWidth(), m_nExtent) - m_nHScroll;
  rect->top = y;
  rect->bottom = y + m_heights[static_cast<size_t>(index)];
  return TRUE;
}

int COwnerListBox::ItemFromPoint(int x, int y) const {
  if (x < 0 || y < 0) return -1;
  int top = 0;
  for (int r = m_nTopIndex; r < GetCount(); ++r) {
    top += m_heights[static_cast<size_t>(r)];
    if (y < top) return r;
  }
  return -1;
}

void COwnerListBox::SetRedraw(BOOL redraw) {
  m_bRedraw = redraw != FALSE;
  Redraw();
}

void COwnerListBox::InvalidateItem(int index) {
  RECT r;
  if (GetItemRect(index, &r)) RefreshRect(wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

void COwnerListBox::Redraw() {
  if (!m_bRedraw) return;
  UpdateScrollBars();
  Refresh(false);
}

int COwnerListBox::VisibleRowCount() const {
  const int height = GetClientSize().GetHeight();
  int count = 0;
  int y = 0;
  for (int r = m_nTopIndex; r < GetCount(); ++r) {
    y += m_heights[static_cast<size_t>(r)];
    if (y > height) break;
    ++count;
  }
  return std::max(1, count);
}

void COwnerListBox::UpdateScrollBars() {
  if (!GetHandle()) return;
  SetScrollbar(wxVERTICAL, m_nTopIndex, VisibleRowCount(), std::max(1, GetCount()));
  const int width = GetClientSize().GetWidth();
  SetScrollbar(wxHORIZONTAL, m_nHScroll, std::max(1, width), std::max(m_nExtent, 1));
}

int COwnerListBox::DefaultItemHeight() {
  if (m_nDefaultHeight < 0) {
    MEASUREITEMSTRUCT mis;
    MeasureItem(&mis);
    m_nDefaultHeight = static_cast<int>(mis.itemHeight);
  }
  return m_nDefaultHeight;
}

// ---- Drawing ----

void COwnerListBox::MeasureItem(MEASUREITEMSTRUCT* mis) {
  wxClientDC dc(this);
  if (m_fontTree.HasFont()) dc.SetFont(m_fontTree);
  mis->itemHeight = static_cast<UINT>(std::max(1, dc.GetCharHeight()));
  mis->itemWidth = static_cast<UINT>(60 * dc.GetCharWidth());
}

void COwnerListBox::DrawItem(DRAWITEMSTRUCT* dis) {
  if (m_nTreeMode == 0) {
    DrawTreeItem(dis);
  } else if (m_nTreeMode == 1) {
    DrawChapterItem(dis);
  }
}

void COwnerListBox::PaintRows(wxDC& dc, const wxRect& area) {
  const wxSize client = GetClientSize();
  int y = 0;
  const bool focused = HasFocus();
  for (int r = m_nTopIndex; r < GetCount() && y < area.GetBottom() + 1 && y < client.GetHeight(); ++r) {
    const int h = m_heights[static_cast<size_t>(r)];
    if (y + h > area.GetTop()) {
      DRAWITEMSTRUCT dis;
      dis.itemID = static_cast<UINT>(r);
      dis.itemAction = ODA_DRAWENTIRE;
      dis.itemState = (r == m_nCurSel ? ODS_SELECTED : 0) | (r == m_nCurSel && focused ? ODS_FOCUS : 0);
      dis.hDC = &dc;
      GetItemRect(r, &dis.rcItem);
      dis.itemData = m_rows[static_cast<size_t>(r)];
      // Rows paint their own background; what lies outside a row is not theirs to touch.
      wxDCClipper clip(dc, wxRect(0, y, client.GetWidth(), h));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      DrawItem(&dis);
    }
    y += h;
  }
  if (y < client.GetHeight()) {
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(ColorRefToWx(m_crBack)));
    dc.DrawRectangle(0, y, client.GetWidth(), client.GetHeight() - y);
  }
}

void COwnerListBox::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColorRefToWx(m_crBack)));
  dc.DrawRectangle(GetClientRect());
  PaintRows(dc, GetUpdateRegion().GetBox());
}

wxFont COwnerListBox::FontOf(const CFont& font) const {
  if (font.HasFont()) return font.GetWxFont();
  if (m_fontTree.HasFont()) return m_fontTree.GetWxFont();
  return GetFont();
}

BOOL COwnerListBox::DrawTransparentBitmap(wxDC& dc, int x, int y, int w, int h, const wxBitmap& source,
                                          COLORREF transparent) {
  if (!source.IsOk()) return TRUE;
  wxImage image = TreeBitmapPixels(source);
  if (image.GetWidth() != w || image.GetHeight() != h) image.Rescale(w, h, wxIMAGE_QUALITY_NEAREST);
  image.SetMaskColour(GetRValue(transparent), GetGValue(transparent), GetBValue(transparent));
  // As alpha the transparent pixels leave the destination as it is on every kind of context.
  image.InitAlpha();
  dc.DrawBitmap(wxBitmap(image, 32), x, y, false);
  return TRUE;
}

int COwnerListBox::TitleOffset(const CString& rowText) {
  int offset = 0;
  while (IsArtCell(CellAt(rowText, offset))) offset += 2;
  return offset;
}

int COwnerListBox::GetCurTree() const {
  if (m_nCurSel < 1) return m_nCurSel;
  const CTreeData* row = GetItemDataPtr(m_nCurSel);
  return row ? row->m_nItem : -1;
}

int COwnerListBox::GetButtonSize(wxDC* dc) {
  if (!m_bTurn) return GetItemHeight(0) / 2;
  if (dc) return dc->GetCharHeight() / 2;
  wxClientDC client(this);
  client.SetFont(FontOf(m_fontTree));
  return client.GetCharHeight() / 2;
}

void COwnerListBox::DrawTreeItem(DRAWITEMSTRUCT* dis) {
  if (!(dis->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) || !dis->itemData) return;
  wxDC& dc = *dis->hDC;
  const CTreeData* row = dis->itemData;
  RECT r = dis->rcItem;
  const int top = r.top;
  const int bottom = r.bottom;
  const int height = bottom - top;
  const int mid = (top + bottom) / 2;
  const int L = m_nLevelWidth;
  const bool selected = (dis->itemState & ODS_SELECTED) != 0;
  const bool link = !row->m_strLink.IsEmpty();

  dc.SetBrush(*wxWHITE_BRUSH);
  COLORREF textColor = selected ? (link ? m_crLinkSelected : m_crTextSelected) : (link ? m_crLink : m_crText);
  wxPen linePen = PenOf(kGreyLine);
  dc.SetPen(*wxTRANSPARENT_PEN);
  if (m_bIcon) {
    dc.SetBrush(wxBrush(ColorRefToWx(m_crBack)));
    dc.DrawRectangle(r.left, top, r.right - r.left, height);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc.SetTextBackground(ColorRefToWx(selected ? m_crBackSelected : m_crBack));
  } else {
    dc.SetBrush(wxBrush(ColorRefToWx(selected ? m_crBackSelected : m_crBack)));
    dc.DrawRectangle(r.left, top, r.right - r.left, height);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    if (selected) linePen = PenOf(kWhiteLine);
  }
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.SetPen(linePen);

  if (m_pTree) {
    const CCategoryArray& categories = m_pTree->GetProperties().GetCategories();
    const int n = row->GetCategory();
    if (n >= 1 && n <= categories.GetCount() && categories.GetAt(n - 1).Color != -1) {
      textColor = static_cast<COLORREF>(categories.GetAt(n - 1).Color);
    }
  }
  if (row->m_nIdDigit) textColor = static_cast<COLORREF>(row->m_nIdHigh);

  const int b = GetButtonSize(&dc);
  const bool button = m_bTreeButton && (row->m_nFold == 1 || row->m_nFold == 2);
  auto drawButton = [&](int x) {
    const int left = x - b / 2;
    const int boxTop = mid - b / 2;
    const int right = x + 1 + b / 2;
    const int boxBottom = mid + 1 + b / 2;
    dc.DrawRectangle(left, boxTop, right - left, boxBottom - boxTop);
    const wxPen keep = dc.GetPen();
    dc.SetPen(PenOf(kBlackLine));
    const int cy = boxTop + (boxBottom - boxTop) / 2;
    dc.DrawLine(left + 2, cy, right - 2, cy);
    if (row->m_nFold == 1) {
      const int cx = left + (right - left) / 2;
      dc.DrawLine(cx, boxTop + 2, cx, boxBottom - 2);
    }
    dc.SetPen(keep);
  };

  const CString& text = row->m_strTitle;
  int offset = 0;
  for (int c = 0;; ++c, offset += 2) {
    const std::string_view cell = CellAt(text, offset);
    const int x = r.left + c * L + (3 * L) / 4;
    if (cell == "┃") {
      dc.DrawLine(x, top, x, bottom);
    } else if (cell == "┣") {
      dc.DrawLine(x, top, x, bottom);
      if (button) {
        drawButton(x);
      } else {
        dc.DrawLine(x, mid, r.left + (c + 1) * L, mid);
      }
    } else if (cell == "┗") {
      if (button) {
        dc.DrawLine(x, top, x, top + (height - b) / 2);
        drawButton(x);
      } else {
        dc.DrawLine(x, top, x, mid);
        dc.DrawLine(x, mid, r.left + (c + 1) * L, mid);
      }
    } else if (cell == "━") {
      dc.DrawLine(r.left + c * L, mid, r.left + (c + 1) * L, mid);
    } else if (cell != "  ") {
      DrawTreeTitle(dis, r, c, selected, textColor);
      break;
    }
  }
  dc.SetBrush(wxNullBrush);
  dc.SetPen(wxNullPen);
}

std::vector<TreeRowPiece> COwnerListBox::GetTreeRowPieces(const CTreeData& row, bool selected) const {
  std::vector<TreeRowPiece> pieces;
  CString prefix = m_bShowSho ? row.m_strNumber : CString();
  if (m_bIcon) {
    const wxBitmap* picture;
    if (row.m_nFold == 1) {
      picture = selected ? &m_bmpPlusFolderSelected : &m_bmpPlusFolder;
    } else if (row.m_nFold == 2) {
      picture = selected ? &m_bmpOpenFolderSelected : &m_bmpMinusFolder;
    } else {
      picture = (row.m_nFlags & 2) ? &m_bmpFolder : &m_bmpFolderEmpty;
    }
    pieces.push_back({TreeRowPiece::kIcon, CString(), picture});
  } else {
    if (!row.m_strLink.IsEmpty()) prefix = "* " + prefix;
    if (!m_bTreeButton && row.m_nFold == 1) prefix = " + " + prefix;
  }
  if (m_bCheck && (row.m_nStatus & 1)) pieces.push_back({TreeRowPiece::kCheck, CString(), &m_bmpCheck});
  if (row.m_nFlags & 1) pieces.push_back({TreeRowPiece::kMark, CString(), &m_bmpMark});
  const int colorMark = (row.m_nStatus >> 24) & 0xF;
  if (colorMark >= 1 && colorMark <= 4) {
    static const char* const kSymbols[] = {"●", "■", "▲", "▼"};
    pieces.push_back({TreeRowPiece::kColorMark, CString(kSymbols[colorMark - 1])});
  }
  if (!prefix.IsEmpty()) pieces.push_back({TreeRowPiece::kPrefix, prefix});
  const CString category = m_pTree ? m_pTree->GetRowCategoryText(row) : CString();
  if (!category.IsEmpty()) pieces.push_back({TreeRowPiece::kCategory, category});
  CString title = row.m_strTitle.Mid(TitleOffset(row.m_strTitle));
  const CString time = TimeTextOf(m_pTree, &row, m_nTimeMode);
  if (!time.IsEmpty()) title += " (" + time + ")";
  pieces.push_back({TreeRowPiece::kTitle, title});
  return pieces;
}

void COwnerListBox::DrawTreeTitle(DRAWITEMSTRUCT* dis, RECT& r, int cell, bool selected, COLORREF textColor) {
  wxDC& dc = *dis->hDC;
  const CTreeData* row = dis->itemData;
  const int top = r.top;
  const int bottom = r.bottom;
  const int L = m_nLevelWidth;
  const int offset = cell * 2;

  const CFont* font = &m_fontTree;
  if (row->m_nStatus & 2) {
    font = &m_fontStrike;
  } else if ((offset <= 4 && m_bBold) || (row->m_nStatus & 0x20)) {
    font = &m_fontBold;
  }
  dc.SetFont(FontOf(*font));
  dc.SetTextForeground(ColorRefToWx(textColor));

  const int x = r.left + cell * L + (3 * L) / 4;
  r.left += cell * L;
  for (const TreeRowPiece& piece : GetTreeRowPieces(*row, selected)) {
    switch (piece.kind) {
      case TreeRowPiece::kIcon: {
        const int fw = m_sizeFolder.cx;
        const int fh = m_sizeFolder.cy;
        const int y = top + std::max(1, (bottom - top) - fh) / 2;
        DrawTransparentBitmap(dc, r.left, y, fw, fh, *piece.bitmap, kTreeBitmapTransparent);
        r.left += fw + 1;
        if (row->m_nFold == 2) dc.DrawLine(x, y + fh, x, bottom);
        break;
      }
      case TreeRowPiece::kCheck:
      case TreeRowPiece::kMark:
        DrawTransparentBitmap(dc, r.left, top, m_sizeCheck.cx, m_sizeCheck.cy, *piece.bitmap, kTreeBitmapTransparent);
        r.left += m_sizeCheck.cx + 1;
        break;
      case TreeRowPiece::kColorMark: {
        const wxColour keepBack = dc.GetTextBackground();
        const wxColour keepText = dc.GetTextForeground();
        dc.SetTextBackground(ColorRefToWx(m_crBack));
        dc.SetTextForeground(ColorRefToWx(static_cast<COLORREF>(row->m_nIdLow)));
        DrawRowText(dc, piece.text, r, false);
        r.left += RowTextWidth(dc, piece.text);
        dc.SetTextBackground(keepBack);
        dc.SetTextForeground(keepText);
        break;
      }
      case TreeRowPiece::kPrefix:
        DrawRowText(dc, piece.text, r, false);
        r.left += RowTextWidth(dc, piece.text);
        break;
      case TreeRowPiece::kCategory:
        dc.SetFont(FontOf(m_fontBold));
        DrawRowText(dc, piece.text, r, false);
        r.left += RowTextWidth(dc, piece.text);
        dc.SetFont(FontOf(*font));
        break;
      case TreeRowPiece::kTitle:
        DrawRowText(dc, piece.text, r, m_bTurn != 0);
        break;
    }
  }
}

void COwnerListBox::DrawChapterItem(DRAWITEMSTRUCT* dis) {
  wxDC& dc = *dis->hDC;
  const RECT& item = dis->rcItem;
  const wxRect itemRect(item.left, item.top, item.right - item.left, item.bottom - item.top);
  if (dis->itemAction == ODA_FOCUS) {
    wxRendererNative::Get().DrawFocusRect(this, dc, itemRect);
    return;
  }
  if (!dis->itemData) return;
  const CTreeData* row = dis->itemData;
  const bool selected = (dis->itemState & ODS_SELECTED) != 0;
  const bool link = !row->m_strLink.IsEmpty();

  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColorRefToWx(selected ? m_crBackSelected : m_crBack)));
  dc.DrawRectangle(itemRect);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  if (selected) dc.SetPen(PenOf(kWhiteLine));
  COLORREF textColor = selected ? (link ? m_crLinkSelected : m_crTextSelected) : (link ? m_crLink : m_crText);
  if (row->m_nIdDigit) textColor = static_cast<COLORREF>(row->m_nIdHigh);
  dc.SetTextForeground(ColorRefToWx(textColor));

  const int offset = TitleOffset(row->m_strTitle);
  const CFont* font = &m_fontTree;
  if (row->m_nStatus & 2) {
    font = &m_fontStrike;
  } else if ((m_nChild == 0 && row->m_nFold == 1) || ((m_nChild == 1 || m_nChild == 2) && offset <= 4)) {
    font = &m_fontBold;
  }
  dc.SetFont(FontOf(*font));
  const int tmH = dc.GetCharHeight();

  RECT r = item;
  r.left += std::max(0, (offset - 4) / 2) * kChapterIndent;
  if (m_bCheck) {
    if ((row->m_nStatus & 1) && m_bmpCheck.IsOk()) {
      // Combined into the row as XOR would on this background: every pixel of the picture is
      // turned by the row's own colour.
      wxImage image = TreeBitmapPixels(m_bmpCheck);
      const wxColour back = ColorRefToWx(selected ? m_crBackSelected : m_crBack);
      unsigned char* p = image.GetData();
      for (int k = 0; k < image.GetWidth() * image.GetHeight(); ++k, p += 3) {
        p[0] ^= back.Red();
        p[1] ^= back.Green();
        p[2] ^= back.Blue();
      }
      dc.DrawBitmap(wxBitmap(image), r.left, r.top + (tmH - m_sizeCheck.cy) / 2, false);
    }
    r.left += m_sizeCheck.cx + 1;
  }
  CString number = row->m_strNumber;
  if (m_nChild == 1 || m_nChild == 2) {
    if (link) number += "*";
    if (row->m_nFold == 1) {
      number += "+ ";
    } else if (row->m_nFold == 2) {
      number += "- ";
    }
  }
  if (row->m_nItem != 0) {
    DrawRowText(dc, number, r, false);
    r.left += RowTextWidth(dc, m_nChild == 1 ? row->m_strNumber + "+ " : number);
  }
  const CString title = m_pTree ? m_pTree->GetRowTitle(*row, TRUE) : StripTreeLineArt(row->m_strTitle);
  DrawRowText(dc, title, r, m_bTurn != 0);
  if (dis->itemState & ODS_FOCUS) wxRendererNative::Get().DrawFocusRect(this, dc, itemRect);
}

// ---- Messages ----

CTrView* COwnerListBox::GetTreeView() const { return dynamic_cast<CTrView*>(GetParent()); }

void COwnerListBox::Notify(wxEventType type) {
  wxCommandEvent event(type, GetId());
  event.SetEventObject(this);
  event.SetInt(m_nCurSel);
  ProcessWindowEvent(event);
}

void COwnerListBox::SelectByUser(int index) {
  if (index < 0 || index >= GetCount() || index == m_nCurSel) {
    if (index >= 0 && index < GetCount()) SetCurSel(index);  // scrolls it into view all the same
    return;
  }
  SetCurSel(index);
  Notify(wxEVT_LISTBOX);
}

void COwnerListBox::OnSize(wxSizeEvent& event) {
  SetHScrollPos(m_nHScroll);
  event.Skip();
}

void COwnerListBox::OnFocus(wxFocusEvent& event) {
  if (m_nCurSel >= 0) InvalidateItem(m_nCurSel);
  event.Skip();
}

void COwnerListBox::OnScrollWin(wxScrollWinEvent& event) {
  const wxEventType type = event.GetEventType();
  if (event.GetOrientation() == wxVERTICAL) {
    int top = m_nTopIndex;
    if (type == wxEVT_SCROLLWIN_LINEUP) --top;
    else if (type == wxEVT_SCROLLWIN_LINEDOWN) ++top;
    else if (type == wxEVT_SCROLLWIN_PAGEUP) top -= VisibleRowCount();
    else if (type == wxEVT_SCROLLWIN_PAGEDOWN) top += VisibleRowCount();
    else if (type == wxEVT_SCROLLWIN_TOP) top = 0;
    else if (type == wxEVT_SCROLLWIN_BOTTOM) top = GetCount() - 1;
    else top = event.GetPosition();
    SetTopIndex(std::clamp(top, 0, std::max(0, GetCount() - 1)));
  } else {
    int pos = m_nHScroll;
    const int page = GetClientSize().GetWidth();
    if (type == wxEVT_SCROLLWIN_LINEUP) pos -= m_nLevelWidth;
    else if (type == wxEVT_SCROLLWIN_LINEDOWN) pos += m_nLevelWidth;
    else if (type == wxEVT_SCROLLWIN_PAGEUP) pos -= page;
    else if (type == wxEVT_SCROLLWIN_PAGEDOWN) pos += page;
    else if (type == wxEVT_SCROLLWIN_TOP) pos = 0;
    else if (type == wxEVT_SCROLLWIN_BOTTOM) pos = m_nExtent;
    else pos = event.GetPosition();
    SetHScrollPos(pos);
  }
}

void COwnerListBox::OnLButtonDown(wxMouseEvent& event) {
  SetFocus();
  SelectByUser(ItemFromPoint(event.GetX(), event.GetY()));
  CTrView* view = GetTreeView();
  if (!view || !m_pTree) return;
  const int x = event.GetX() + m_nHScroll;
  const int t = GetCurTree();
  if (t < 0 || t >= m_pTree->GetDirDataCount()) return;
  const int d = m_pTree->GetLevel(t);
  const int L = m_nLevelWidth;
  const int iconLeft = d * 2 * L;
  const bool inIcon = x >= iconLeft && x <= iconLeft + m_sizeFolder.cx;
  const int b = GetButtonSize();
  const int buttonLeft = (2 * d - 2) * L + (3 * L) / 4 - b / 2;
  const bool inButton = x >= buttonLeft && x <= buttonLeft + b;
  if ((inIcon || inButton) && m_pTree->HasChildren(t)) {
    if (m_pTree->IsExpanded(t)) {
      m_bFoldOnRelease = 1;
    } else {
      view->ShowSubtree(1);
    }
    return;
  }
  // Only a press outside the fold zones can start a drag; the selection follows the held button.
  if (!HasCapture()) CaptureMouse();
  view->OnListLButtonDown();
}

void COwnerListBox::OnMouseMove(wxMouseEvent& event) {
  if (!HasCapture() || !event.LeftIsDown()) return;
  const int count = GetCount();
  int row = ItemFromPoint(event.GetX(), event.GetY());
  // Above or below the rows, the selection steps on and the list scrolls with it.
  if (row < 0 && count > 0) {
    row = event.GetY() < 0 ? std::max(0, m_nCurSel - 1)
          : event.GetY() >= GetClientSize().GetHeight() ? std::min(count - 1, m_nCurSel + 1)
                                                         : m_nCurSel;
  }
  if (row >= 0 && row != m_nCurSel) SelectByUser(row);
  if (CTrView* view = GetTreeView()) view->OnListMouseMove();
}

void COwnerListBox::OnLButtonUp(wxMouseEvent&) {
  if (HasCapture()) ReleaseMouse();
  CTrView* view = GetTreeView();
  if (view && m_bFoldOnRelease) view->HideSubtree();
  m_bFoldOnRelease = 0;
  if (view) view->OnListLButtonUp();
}

void COwnerListBox::OnCaptureLost(wxMouseCaptureLostEvent&) {
  // The drop is the release's: a drag whose capture went elsewhere ends without one.
  if (CTrView* view = GetTreeView()) view->CancelDrag();
}

void COwnerListBox::OnLButtonDblClk(wxMouseEvent& event) {
  const int row = ItemFromPoint(event.GetX(), event.GetY());
  if (row < 0) return;
  SelectByUser(row);
  Notify(wxEVT_LISTBOX_DCLICK);
}

void COwnerListBox::OnRButtonDown(wxMouseEvent& event) {
  // Handled here, the click makes no second context-menu event.
  CTrView* view = GetTreeView();
  if (!view) {
    event.Skip();
    return;
  }
  const wxPoint screen = ClientToScreen(event.GetPosition());
  view->ShowContextMenu(screen.x, screen.y);
}

void COwnerListBox::OnMouseWheel(wxMouseEvent& event) {
  const int lines = m_bMouseWheel ? m_nMouseWheel : event.GetLinesPerAction();
  int top = m_nTopIndex;
  if (event.GetWheelRotation() <= 0) {
    top += lines;
  } else if (top > 0) {
    top -= lines;
  }
  top = std::clamp(top, 0, std::max(0, GetCount() - 1));
  if (top == m_nTopIndex) return;
  SetRedraw(FALSE);
  SetTopIndex(top);
  SetRedraw(TRUE);
  if (CTrView* view = GetTreeView()) view->Refresh(false);
}

bool COwnerListBox::DefaultKey(UINT key) {
  const int count = GetCount();
  if (count == 0) return false;
  const int page = VisibleRowCount();
  const int sel = m_nCurSel;
  int target;
  switch (key) {
    case VK_UP: target = sel - 1; break;
    case VK_DOWN: target = sel + 1; break;
    case VK_PRIOR: target = sel - page + 1; break;
    case VK_NEXT: target = sel + page - 1; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count - 1; break;
    default: return false;
  }
  if (sel < 0 && (key == VK_UP || key == VK_DOWN)) target = 0;
  SelectByUser(std::clamp(target, 0, count - 1));
  return true;
}

void COwnerListBox::OnKeyDown(wxKeyEvent& event) {
  const UINT key = VirtualKeyOf(event);
  if (key == 0 || key == VK_MENU) {
    event.Skip();
    return;
  }
  if (m_pKeyTable) {
    const UINT command = m_pKeyTable->LookupCommand(key, event.AltDown() ? 1 : 0, event.ShiftDown() ? 1 : 0,
                                                    event.ControlDown() ? 1 : 0);
    CTrView* view = GetTreeView();
    if (command != 0 && view) {
      view->RunBoundCommand(command);
      return;
    }
  }
  if (!event.AltDown() && DefaultKey(key)) return;
  event.Skip();
}
