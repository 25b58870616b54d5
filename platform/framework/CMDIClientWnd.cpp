#include "platform/framework/CMDIClientWnd.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include <algorithm>

#include "platform/framework/CMDIChildWnd.h"
#include "platform/framework/CMDIFrameWnd.h"

CMDIClientWnd::CMDIClientWnd(CMDIFrameWnd* frame)
    : wxWindow(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxCLIP_CHILDREN), m_frame(frame) {
  // GTK themes give the workspace the window colour, so a restored child (white panes, no border)
  // would not stand out from it; the familiar grey workspace shows where each window ends.
  SetOwnBackgroundColour(wxColour(171, 171, 171));
  Bind(wxEVT_SIZE, &CMDIClientWnd::OnSize, this);
  Bind(wxEVT_PAINT, &CMDIClientWnd::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CMDIClientWnd::OnLeftDown, this);
}

CMDIClientWnd::~CMDIClientWnd() {
  // The children go while this area is still whole: they leave its list as they go.
  DestroyChildren();
}

CMDIChildWnd* CMDIClientWnd::GetActive() const {
  return !m_children.empty() && m_children.front()->m_bShown ? m_children.front() : nullptr;
}

int CMDIClientWnd::GetCaptionHeight() const { return GetCharHeight() + 8; }

std::vector<CMDIChildWnd*> CMDIClientWnd::ShownChildren() const {
  std::vector<CMDIChildWnd*> shown;
  for (CMDIChildWnd* child : m_children)
    if (child->m_bShown) shown.push_back(child);
  return shown;
}

void CMDIClientWnd::AddChild(CMDIChildWnd* child) {
  // A restored child starts cascaded from the others and covers most of the area: all of it but
  // the room of a few cascade steps, in which the next ones start.
  const wxSize area = GetClientSize();
  const int step = GetCaptionHeight();
  const int offset = static_cast<int>(m_children.size() % (kNewChildSteps + 1)) * step;
  child->m_rectNormal = wxRect(offset, offset, std::max(area.x - kNewChildSteps * step, 100),
                               std::max(area.y - kNewChildSteps * step, 60));
  m_children.push_back(child);
  child->Hide();
}

void CMDIClientWnd::RemoveChild(CMDIChildWnd* child) {
  auto it = std::find(m_children.begin(), m_children.end(), child);
  if (it == m_children.end()) return;
  const bool wasActive = it == m_children.begin();
  m_children.erase(it);
  if (IsBeingDeleted()) return;  // the whole area goes; nothing to activate
  if (wasActive) {
    // The next shown child in Z order takes over.
    auto next = std::find_if(m_children.begin(), m_children.end(), [](CMDIChildWnd* c) { return c->m_bShown; });
    if (next != m_children.end()) std::rotate(m_children.begin(), next, next + 1);
    LayoutChildren();
    if (CMDIChildWnd* active = GetActive()) active->OnMDIActivate(TRUE);
  } else {
    LayoutChildren();
  }
  m_frame->OnActiveChildChanged();
}

void CMDIClientWnd::Activate(CMDIChildWnd* child) {
  auto it = std::find(m_children.begin(), m_children.end(), child);
  if (it == m_children.end()) return;
  CMDIChildWnd* old = GetActive();
  child->m_bShown = true;
  std::rotate(m_children.begin(), it, it + 1);
  LayoutChildren();
  if (old != child) {
    if (old) old->OnMDIActivate(FALSE);
    child->OnMDIActivate(TRUE);
  }
  m_frame->OnActiveChildChanged();
}

void CMDIClientWnd::ActivateNext(bool previous) {
  const std::vector<CMDIChildWnd*> shown = ShownChildren();
  if (shown.size() < 2) return;
  CMDIChildWnd* active = shown.front();
  Activate(previous ? shown.back() : shown[1]);
  if (previous) return;
  // Going forward sends the window that was active to the bottom.
  m_children.erase(std::find(m_children.begin(), m_children.end(), active));
  m_children.push_back(active);
  LayoutChildren();
}

void CMDIClientWnd::SetMaximized(bool maximized) {
  if (m_maximized == maximized) return;
  m_maximized = maximized;
  LayoutChildren();
  MaximizedChanged();
}

// The frame's title and tabs show the state: the tabs carry the restore button while maximised.
void CMDIClientWnd::MaximizedChanged() { m_frame->OnUpdateFrameTitle(TRUE); }

void CMDIClientWnd::Cascade() {
  SetMaximized(false);
  const std::vector<CMDIChildWnd*> shown = ShownChildren();
  const int n = static_cast<int>(shown.size());
  if (n == 0) {
    LayoutChildren();
    return;
  }
  const wxSize area = GetClientSize();
  const int step = GetCaptionHeight();
  const int width = std::max(area.x - step * (n - 1), area.x / 2);
  const int height = std::max(area.y - step * (n - 1), area.y / 2);
  // Where the steps would leave the area they start again from the corner.
  const int room = std::max(0, std::min(area.x - width, area.y - height));
  // The bottom child first, so that the active one lies on top with the largest offset.
  for (int i = 0; i < n; ++i) {
    const int offset = (i * step) % (room + 1);
    shown[static_cast<size_t>(n - 1 - i)]->m_rectNormal = wxRect(offset, offset, width, height);
  }
  LayoutChildren();
}

void CMDIClientWnd::Tile(bool stacked) {
  SetMaximized(false);
  const std::vector<CMDIChildWnd*> shown = ShownChildren();
  const int n = static_cast<int>(shown.size());
  const wxSize area = GetClientSize();
  for (int i = 0; i < n; ++i) {
    wxRect& r = shown[static_cast<size_t>(i)]->m_rectNormal;
    if (stacked) {
      const int top = area.y * i / n;
      r = wxRect(0, top, area.x, area.y * (i + 1) / n - top);
    } else {
      const int left = area.x * i / n;
      r = wxRect(left, 0, area.x * (i + 1) / n - left, area.y);
    }
  }
  LayoutChildren();
}

void CMDIClientWnd::LayoutChildren() {
  const wxSize area = GetClientSize();
  CMDIChildWnd* active = GetActive();
  // GTK draws sibling windows in the order they were made, whatever their stacking, and lets a
  // lower one paint through an upper one. So no two child windows on screen ever overlap: a
  // restored child that a child above it overlaps is drawn here, in the area, as a framed window
  // with its caption, until it comes up again (OnPaint); a click on it activates it.
  std::vector<wxRect> above;
  for (CMDIChildWnd* child : m_children) {
    child->m_bCovered = false;
    if (!child->m_bShown || (m_maximized && child != active)) continue;
    const wxRect rect = m_maximized ? wxRect(wxPoint(0, 0), area) : child->m_rectNormal;
    child->m_bCovered = std::any_of(above.begin(), above.end(), [&](const wxRect& r) { return r.Intersects(rect); });
    above.push_back(rect);
  }
  for (auto it = m_children.rbegin(); it != m_children.rend(); ++it) {
    CMDIChildWnd* child = *it;
    const bool visible = child->m_bShown && (!m_maximized || child == active) && !child->m_bCovered;
    if (visible) {
      child->SetSize(m_maximized ? wxRect(wxPoint(0, 0), area) : child->m_rectNormal);
      child->Show();
      child->Refresh();
    } else {
      child->Hide();
    }
    child->LayoutContent();
  }
  Refresh();
}

CMDIChildWnd* CMDIClientWnd::ChildAt(const wxPoint& point) const {
  if (m_maximized) return nullptr;
  for (CMDIChildWnd* child : m_children)
    if (child->m_bShown && child->m_rectNormal.Contains(point)) return child;
  return nullptr;
}

void CMDIClientWnd::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  if (m_maximized) return;
  // The covered children from the bottom up, so that each lies over the ones below it.
  for (auto it = m_children.rbegin(); it != m_children.rend(); ++it) {
    CMDIChildWnd* child = *it;
    if (!child->m_bShown || !child->m_bCovered) continue;
    const wxRect& rect = child->m_rectNormal;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.DrawRectangle(rect);
    child->DrawFrame(dc, rect.GetPosition(), false);
  }
}

void CMDIClientWnd::OnLeftDown(wxMouseEvent& event) {
  if (CMDIChildWnd* child = ChildAt(event.GetPosition()); child && child->m_bCovered)
    child->MDIActivate();
  else
    event.Skip();
}

void CMDIClientWnd::OnSize(wxSizeEvent& event) {
  LayoutChildren();
  event.Skip();
}
