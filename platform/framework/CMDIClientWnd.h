#pragma once
// The client area of the main frame, where the child frames live. Either all children are
// maximised (the active one fills the area, the others wait hidden) or each has its own rectangle
// with a caption strip, as Cascade and Tile place them. The child list is kept in Z order, the
// active child first.
#include <wx/window.h>

#include <vector>

class CMDIChildWnd;
class CMDIFrameWnd;

class CMDIClientWnd : public wxWindow {
 public:
  explicit CMDIClientWnd(CMDIFrameWnd* frame);
  ~CMDIClientWnd() override;

  const std::vector<CMDIChildWnd*>& GetMDIChildren() const { return m_children; }
  CMDIChildWnd* GetActive() const;
  bool IsMaximized() const { return m_maximized; }
  int GetCaptionHeight() const;

  // A new child waits hidden at the bottom until it is activated.
  void AddChild(CMDIChildWnd* child);
  void RemoveChild(CMDIChildWnd* child);
  // Brings the child to the top, shows it and gives it the focus.
  void Activate(CMDIChildWnd* child);
  // Activates the child behind the active one (which goes to the bottom), or with previous the
  // bottom child.
  void ActivateNext(bool previous);
  void SetMaximized(bool maximized);
  void Cascade();
  // Stacked: every child as wide as the area, one above the other; else side by side.
  void Tile(bool stacked);
  void LayoutChildren();
  // The shown child at a point of the area, the top one where they overlap; null while maximised.
  CMDIChildWnd* ChildAt(const wxPoint& point) const;

 private:
  // A new restored child leaves room for this many cascade steps.
  static constexpr int kNewChildSteps = 4;
  std::vector<CMDIChildWnd*> ShownChildren() const;
  void MaximizedChanged();
  void OnSize(wxSizeEvent& event);
  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);

  CMDIFrameWnd* m_frame;
  std::vector<CMDIChildWnd*> m_children;
  bool m_maximized = true;
};
