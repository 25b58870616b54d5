#pragma once
// A row of tabs drawn by the control itself: each tab a text, an optional picture from the
// image list and a value of the caller's. A click selects the tab under the mouse and tells the
// control (OnSelChange); the tabs hang from the top edge, or from the bottom one with TCS_BOTTOM,
// or look like push buttons with TCS_BUTTONS. With close boxes each tab carries one at its right
// end; a click there tells the control (OnCloseBox) and selects nothing.
#include <wx/imaglist.h>
#include <wx/window.h>

#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

#define TCS_BOTTOM 0x0002
#define TCS_FORCEICONLEFT 0x0010
#define TCS_BUTTONS 0x0100
#define TCS_FOCUSNEVER 0x8000

class CTabCtrl : public wxWindow {
 public:
  CTabCtrl() = default;
  ~CTabCtrl() override;

  BOOL Create(DWORD style, wxWindow* parent, UINT nID);
  DWORD GetTabStyle() const { return m_style; }
  // Removes, then adds style bits; the tabs are drawn again.
  void ModifyStyle(DWORD remove, DWORD add);

  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  // Inserts before index (appends past the end); returns the new tab's index.
  int InsertItem(int index, const char* text, int image = -1, LPARAM data = 0);
  BOOL DeleteItem(int index);
  void DeleteAllItems();
  CString GetItemText(int index) const;
  void SetItemText(int index, const char* text);
  LPARAM GetItemData(int index) const;
  int GetItemImage(int index) const;
  void SetItemImage(int index, int image);
  int GetCurSel() const { return m_selected; }
  // Selects without telling (as the program's own choice); -1 selects none.
  int SetCurSel(int index);
  // The tab's rectangle in client coordinates.
  BOOL GetItemRect(int index, RECT* rect) const;
  // The tab under a client point, -1 beside all tabs.
  int HitTest(const wxPoint& point) const;
  void SetCloseBoxes(bool closeBoxes);
  // The tab whose close box is under a client point, -1 when none is.
  int HitTestCloseBox(const wxPoint& point) const;
  void SetImageList(wxImageList* images) { m_images = images; }

 protected:
  // The user picked another tab by a click.
  virtual void OnSelChange() {}
  // The user clicked the close box of a tab.
  virtual void OnCloseBox(int /*index*/) {}
  // Draws the tabs; a subclass may draw around them.
  void DrawTabs(wxDC& dc) const;
  bool AcceptsFocus() const override { return (m_style & TCS_FOCUSNEVER) == 0; }

 private:
  struct Item {
    CString text;
    int image = -1;
    LPARAM data = 0;
  };
  std::vector<wxRect> Layout() const;
  wxRect CloseBoxOf(const wxRect& tab) const;
  int CloseBoxSide() const { return FromDIP(12); }
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);

  std::vector<Item> m_items;
  int m_selected = -1;
  DWORD m_style = 0;
  wxImageList* m_images = nullptr;
  bool m_closeBoxes = false;
};
