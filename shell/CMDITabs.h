#pragma once
// The tab strip of the main frame: one tab per child window with its file name, above or below
// the client area. A click brings the tab's window to the front, a double click maximises it, the
// tab's close box closes it and the right button opens its window menu. While the windows are
// maximised the strip shows a restore button at its right end, standing in for their captions;
// otherwise, with fewer windows than its minimum, the strip is hidden and takes no room.
#include "platform/framework/CTabCtrl.h"

class CMDIFrameWnd;

class CMDITabs : public CTabCtrl {
 public:
  enum : DWORD { MT_TOP = 1, MT_IMAGES = 2, MT_HIDEWLT2VIEWS = 4 };
  static constexpr UINT kControlId = 42;

  CMDITabs();
  ~CMDITabs() override;

  BOOL Create(CMDIFrameWnd* frame, DWORD flags);
  void SetTop(bool top) { m_bTop = top; }
  bool IsTop() const { return m_bTop; }
  // Refills the tabs from the client area's windows; the active one is selected.
  void Update();
  // Whether the layout gives the strip room, and how high it is then.
  bool WantsRoom() const;
  int GetStripHeight() const;

 protected:
  void OnSelChange() override;
  void OnCloseBox(int index) override;

 private:
  void OnLButtonDblClk(wxMouseEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  bool ChildrenMaximized() const;
  // The restore button's place, empty while the windows are not maximised.
  wxRect RestoreButtonRect() const;

  CMDIFrameWnd* m_pFrame = nullptr;
  int m_nMinViews = 1;
  bool m_bImages = false;
  bool m_bTop = false;
  wxImageList m_images;
};
