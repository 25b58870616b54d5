#pragma once
// A child frame: a panel in the main frame's client area that holds the views of one document.
// Maximised it fills the area; restored it has a caption strip that shows its title, activates it
// on a click, moves it by dragging and maximises it on a double click, with a maximise and a
// close button at its right end and the window menu on the right button.
#include <wx/panel.h>

#include "platform/framework/CFrameWnd.h"

class CMDIClientWnd;
class wxDC;
class CMDIFrameWnd;

// The window menu's commands.
constexpr UINT SC_MAXIMIZE = 0xF030;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_RESTORE = 0xF120;

class CMDIChildWnd : public wxPanel, public CFrameWnd {
 public:
  CMDIChildWnd() = default;
  ~CMDIChildWnd() override;
  // Deleting a window from its own event handler is not safe: the frame leaves the client area
  // and lets go of its documents now (a document whose last view goes is closed), and is deleted
  // once the current event is done.
  bool Destroy() override;

  wxWindow* GetFrameWindow() override { return this; }
  // parent is the main frame (a CMDIFrameWnd).
  BOOL LoadFrame(UINT nIDResource, wxWindow* parent, CCreateContext* context) override;
  // Activates and shows the frame: SW_SHOWMAXIMIZED maximises the children, SW_SHOWNORMAL and
  // SW_RESTORE restore them, SW_HIDE hides this frame; other commands keep the children's state.
  void ActivateFrame(int nCmdShow = -1) override;
  // Title: the active document's title, with ":n" when the document has several frames.
  void OnUpdateFrameTitle(BOOL addToTitle) override;

  CMDIFrameWnd* GetMDIFrame() const { return m_pMDIFrame; }
  void MDIActivate();
  void MDIMaximize();
  void MDIRestore();
  BOOL IsZoomed() const;
  // The window menu (元のサイズに戻す, 最大化, 閉じる) shown at a point of owner; the chosen
  // command is carried out.
  void TrackWindowMenu(wxWindow* owner, const wxPoint& at);
  // SC_RESTORE, SC_MAXIMIZE or SC_CLOSE: closing asks the document as the close box does (a
  // document whose last window this is asks whether to save it).
  void OnSysCommand(UINT command);
  // Activated at least once and not hidden since: a window the user has seen in the client area.
  bool IsShownInClient() const { return m_bShown; }
  // Height of the caption strip above the views; 0 while maximised.
  int GetCaptionHeight() const;
  // Whether the frame stands on screen as a window of its own; a restored frame that one above it
  // overlaps is drawn by the client area instead.
  bool IsCoveredInClient() const { return m_bCovered; }
  // The caption strip with the title and the frame line around the frame's place at origin.
  void DrawFrame(wxDC& dc, const wxPoint& origin, bool active) const;
  // The frame's place in the client area while the children are not maximised.
  wxRect GetNormalRect() const { return m_rectNormal; }
  // A new size for that place, keeping its top-left corner.
  void SetNormalSize(const wxSize& size);

 protected:
  // The frame becomes the active child or stops being it; the base passes it on to the active
  // view (which takes the focus).
  virtual void OnMDIActivate(BOOL activate);
  // The frame is about to go, its windows still whole.
  virtual void OnDestroy() {}
  void OnClose(wxCloseEvent& event);
  bool TryBefore(wxEvent& event) override;

 private:
  friend class CMDIClientWnd;
  // Places the pane (window id AFX_IDW_PANE_FIRST) below the caption strip.
  void LayoutContent();
  void OnSize(wxSizeEvent& event);
  void OnPaint(wxPaintEvent& event);
  void OnChildFocus(wxChildFocusEvent& event);
  void OnCaptionDown(wxMouseEvent& event);
  void OnCaptionDrag(wxMouseEvent& event);
  void OnCaptionUp(wxMouseEvent& event);
  void OnCaptionDoubleClick(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnCaptionRightUp(wxMouseEvent& event);
  // The caption button under a point of this window: SC_CLOSE, SC_MAXIMIZE or 0.
  UINT CaptionButtonAt(const wxPoint& point) const;

  CMDIFrameWnd* m_pMDIFrame = nullptr;
  CMDIClientWnd* m_pClient = nullptr;
  wxRect m_rectNormal;  // place while the children are not maximised
  bool m_bCovered = false;  // restored and overlapped by a child above: drawn by the client area
  bool m_bShown = false;  // activated at least once and not hidden since
  bool m_destroying = false;
  bool m_destroyScheduled = false;
  wxPoint m_dragOffset;

  wxDECLARE_EVENT_TABLE();
};
