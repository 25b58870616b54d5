#pragma once
// The list box that fills the tree pane: one owner-drawn row per display row of the outline
// model, in tree mode (line art, folder icons, expand buttons) or chapter mode (plain indentation).
// It keeps no outline data: each entry points at a row the model owns, and the tree pane refills
// the list whenever the model rebuilds its rows. Rows have their own heights; the list scrolls by
// rows vertically (the top index) and by pixels horizontally (the horizontal extent); only the
// rows in the painted area are drawn.
#include <wx/bitmap.h>
#include <wx/window.h>

#include <vector>

#include "platform/desktop/CFont.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class ATREE;
class CKeycustArray;
class CTrView;
class CTreeData;
class wxDC;

constexpr UINT ODA_DRAWENTIRE = 1;
constexpr UINT ODA_SELECT = 2;
constexpr UINT ODA_FOCUS = 4;
constexpr UINT ODS_SELECTED = 1;
constexpr UINT ODS_FOCUS = 0x10;

struct DRAWITEMSTRUCT {
  UINT itemID = 0;
  UINT itemAction = ODA_DRAWENTIRE;
  UINT itemState = 0;
  wxDC* hDC = nullptr;
  RECT rcItem;
  CTreeData* itemData = nullptr;
};

// One piece of a tree-mode row after its line art, as painted left to right.
struct TreeRowPiece {
  enum Kind { kIcon, kCheck, kMark, kColorMark, kPrefix, kCategory, kTitle };
  Kind kind;
  CString text;                      // the text pieces
  const wxBitmap* bitmap = nullptr;  // the pictures
};

struct MEASUREITEMSTRUCT {
  UINT itemID = 0;
  UINT itemWidth = 0;
  UINT itemHeight = 0;
};

class COwnerListBox : public wxWindow {
 public:
  static constexpr int kControlId = 300;

  // Reads the "View" settings and makes the pictures, pens' colours and defaults.
  COwnerListBox();
  ~COwnerListBox() override;
  BOOL Create(wxWindow* parent, wxWindowID id, const wxRect& rect);

  // The list. Entries point at rows the model owns.
  int GetCount() const { return static_cast<int>(m_rows.size()); }
  int AddItemData(CTreeData* row);
  void ResetContent();
  CTreeData* GetItemDataPtr(int index) const;
  int GetCurSel() const { return m_nCurSel; }
  // Selects the row (-1 clears) and scrolls it into view; -1 (LB_ERR) when out of range. No
  // selection-change notification: that is for the user's changes only.
  int SetCurSel(int index);
  int GetTopIndex() const { return m_nTopIndex; }
  int SetTopIndex(int index);
  int GetItemHeight(int index) const;
  int SetItemHeight(int index, int height);
  int GetHorizontalExtent() const { return m_nExtent; }
  void SetHorizontalExtent(int extent);
  int GetHScrollPos() const { return m_nHScroll; }
  // As a thumb-position scroll: held to 0 .. extent - client width.
  void SetHScrollPos(int pos);
  // The row's rectangle in client coordinates; FALSE when the index is out of range.
  BOOL GetItemRect(int index, RECT* rect) const;
  // The row under a client point, -1 when none.
  int ItemFromPoint(int x, int y) const;
  // Off: changes are not shown until it is switched on again, which repaints.
  void SetRedraw(BOOL redraw);
  void InvalidateItem(int index);

  // Drawing.
  virtual void DrawItem(DRAWITEMSTRUCT* dis);
  virtual void MeasureItem(MEASUREITEMSTRUCT* mis);
  virtual void DrawTreeItem(DRAWITEMSTRUCT* dis);
  virtual void DrawChapterItem(DRAWITEMSTRUCT* dis);
  // Paints the rows that meet the area (client coordinates) and the empty space below them.
  void PaintRows(wxDC& dc, const wxRect& area);
  // The model index of the selected row's item; the selection itself when it is below 1.
  int GetCurTree() const;
  // Half of the row text height: of the given context or of the tree font ("Turn" on), or of
  // the first row's height ("Turn" off).
  int GetButtonSize(wxDC* dc = nullptr);
  // Draws the source stretched to w x h, its transparent colour's pixels left unchanged.
  static BOOL DrawTransparentBitmap(wxDC& dc, int x, int y, int w, int h, const wxBitmap& source,
                                    COLORREF transparent);

  // The byte offset in a row text where the title begins, after the line-art cells.
  static int TitleOffset(const CString& rowText);
  // What a tree-mode row shows after its line art, left to right, with the current options.
  std::vector<TreeRowPiece> GetTreeRowPieces(const CTreeData& row, bool selected) const;

  // Pictures; empty when the picture failed to load.
  wxBitmap m_bmpFolder;
  wxBitmap m_bmpFolderEmpty;
  wxBitmap m_bmpOpenFolderSelected;
  wxBitmap m_bmpPlusFolder;
  wxBitmap m_bmpPlusFolderSelected;
  wxBitmap m_bmpMinusFolder;
  wxBitmap m_bmpMark;
  wxBitmap m_bmpCheck;
  SIZE m_sizeCheck;
  SIZE m_sizeFolder;

  // Colours and options ("View" settings unless said; the settings command writes them here).
  COLORREF m_crBack = 0xFFFFFF;
  COLORREF m_crBackSelected = 0x800000;
  COLORREF m_crText = 0;
  COLORREF m_crTextSelected = 0xFFFFFF;
  COLORREF m_crLink = 0xFF0000;
  COLORREF m_crLinkSelected = 0x00FFFF;
  int m_bCheck = 1;
  int m_bTurn = 0;
  int m_bIcon = 1;
  int m_bTreeButton = 1;
  int m_nChild = 0;
  int m_bBold = 1;
  int m_bShowSho = 0;
  int m_nMouseWheel = 3;
  int m_bMouseWheel = 1;  // System/bMouseWheel
  int m_nTreeHeight = 1;
  int m_bFoldOnRelease = 0;
  int m_nTreeMode = 0;  // 0 tree mode, 1 chapter mode
  CFont m_fontTree;
  CFont m_fontBold;
  CFont m_fontStrike;
  int m_nLevelWidth = 14;
  int m_nTimeMode = 0;  // 0 none, 1 updated, 2 created, 3 last displayed
  ATREE* m_pTree = nullptr;
  // The application's key bindings; keys bound there go to the tree pane as commands.
  CKeycustArray* m_pKeyTable = nullptr;

 protected:
  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnScrollWin(wxScrollWinEvent& event);
  void OnLButtonDown(wxMouseEvent& event);
  void OnLButtonUp(wxMouseEvent& event);
  void OnMouseMove(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnLButtonDblClk(wxMouseEvent& event);
  void OnRButtonDown(wxMouseEvent& event);
  void OnMouseWheel(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnFocus(wxFocusEvent& event);

 private:
  CTrView* GetTreeView() const;
  wxFont FontOf(const CFont& font) const;
  // The title part of a tree-mode row, from the first cell that is no line art.
  void DrawTreeTitle(DRAWITEMSTRUCT* dis, RECT& r, int cell, bool selected, COLORREF textColor);
  // The list's own keys: arrows, page keys, Home and End move the selection.
  bool DefaultKey(UINT key);
  // Selects the row as the user's choice: scrolls it into view and notifies the parent.
  void SelectByUser(int index);
  void Notify(wxEventType type);
  void UpdateScrollBars();
  void Redraw();
  int DefaultItemHeight();
  // Rows from the top index that fit the client height, at least 1.
  int VisibleRowCount() const;

  std::vector<CTreeData*> m_rows;
  std::vector<int> m_heights;
  int m_nCurSel = -1;
  int m_nTopIndex = 0;
  int m_nExtent = 0;
  int m_nHScroll = 0;
  int m_nDefaultHeight = -1;
  bool m_bRedraw = true;

  wxDECLARE_EVENT_TABLE();
};
