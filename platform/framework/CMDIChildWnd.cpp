#include "platform/framework/CMDIChildWnd.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include "platform/base/CodePage.h"
#include "platform/framework/CDocument.h"
#include "platform/framework/CMDIClientWnd.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/framework/CView.h"
#include "platform/framework/CaptionButtons.h"

wxBEGIN_EVENT_TABLE(CMDIChildWnd, wxPanel)
  EVT_CLOSE(CMDIChildWnd::OnClose)
  EVT_SIZE(CMDIChildWnd::OnSize)
  EVT_PAINT(CMDIChildWnd::OnPaint)
  EVT_CHILD_FOCUS(CMDIChildWnd::OnChildFocus)
  EVT_LEFT_DOWN(CMDIChildWnd::OnCaptionDown)
  EVT_MOTION(CMDIChildWnd::OnCaptionDrag)
  EVT_LEFT_UP(CMDIChildWnd::OnCaptionUp)
  EVT_LEFT_DCLICK(CMDIChildWnd::OnCaptionDoubleClick)
  EVT_MOUSE_CAPTURE_LOST(CMDIChildWnd::OnCaptureLost)
  EVT_RIGHT_UP(CMDIChildWnd::OnCaptionRightUp)
wxEND_EVENT_TABLE()

CMDIChildWnd::~CMDIChildWnd() {
  // The views go while this frame is still whole, so they can tell it and their documents.
  m_destroying = true;
  DestroyChildren();
  m_pViewActive = nullptr;
  if (m_pClient) m_pClient->RemoveChild(this);
}

namespace {

void DetachViews(wxWindow* window) {
  for (wxWindow* child : window->GetChildren()) {
    DetachViews(child);
    if (CView* view = dynamic_cast<CView*>(child); view && view->GetDocument())
      view->GetDocument()->RemoveView(view);
  }
}

}  // namespace

bool CMDIChildWnd::Destroy() {
  if (m_destroyScheduled) return true;
  m_destroyScheduled = true;
  OnDestroy();
  Hide();
  if (m_pClient) m_pClient->RemoveChild(this);
  m_pViewActive = nullptr;
  DetachViews(this);
  wxTheApp->ScheduleForDestruction(this);
  return true;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, wxWindow* parent, CCreateContext* context) {
  m_nIDHelp = nIDResource;
  m_pMDIFrame = dynamic_cast<CMDIFrameWnd*>(parent);
  if (!m_pMDIFrame || !m_pMDIFrame->GetMDIClient() ||
      !wxPanel::Create(m_pMDIFrame->GetMDIClient(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxTAB_TRAVERSAL | wxCLIP_CHILDREN | wxFULL_REPAINT_ON_RESIZE)) {
    wxTheApp->ScheduleForDestruction(this);
    return FALSE;
  }
  // Panes that draw no background of their own show the window colour, not the workspace.
  SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
  m_pClient = m_pMDIFrame->GetMDIClient();
  m_pClient->AddChild(this);
  if (!OnCreateClient(context)) {
    Destroy();
    return FALSE;
  }
  LayoutContent();
  return TRUE;
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
  if (!m_pClient) return;
  if (nCmdShow == SW_HIDE) {
    m_bShown = false;
    m_pClient->LayoutChildren();
    return;
  }
  if (nCmdShow == SW_SHOWMAXIMIZED) m_pClient->SetMaximized(true);
  if (nCmdShow == SW_RESTORE || nCmdShow == SW_SHOWNORMAL) m_pClient->SetMaximized(false);
  m_pClient->Activate(this);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL) {
  if (m_destroying) return;
  CDocument* doc = GetActiveDocument();
  CString title = doc ? doc->GetTitle() : m_strTitle;
  if (m_nWindow > 0) title.AppendFormat(":%d", m_nWindow);
  SetWindowText(title);
  RefreshRect(wxRect(0, 0, GetClientSize().x, GetCaptionHeight()));
  // The frame's tabs show every window's title, not only the active one's.
  if (m_pMDIFrame) m_pMDIFrame->OnUpdateFrameTitle(TRUE);
}

// Activation alone: a frame's own show-state choice belongs to its showing, not to each activation.
void CMDIChildWnd::MDIActivate() { CMDIChildWnd::ActivateFrame(); }

void CMDIChildWnd::MDIMaximize() { ActivateFrame(SW_SHOWMAXIMIZED); }

void CMDIChildWnd::MDIRestore() { ActivateFrame(SW_RESTORE); }

BOOL CMDIChildWnd::IsZoomed() const { return m_pClient && m_pClient->IsMaximized() ? TRUE : FALSE; }

int CMDIChildWnd::GetCaptionHeight() const { return m_pClient && !m_pClient->IsMaximized() ? m_pClient->GetCaptionHeight() : 0; }

void CMDIChildWnd::TrackWindowMenu(wxWindow* owner, const wxPoint& at) {
  wxMenu menu;
  menu.Append(SC_RESTORE, CP932ToWx("元のサイズに戻す(&R)"));
  menu.Append(SC_MAXIMIZE, CP932ToWx("最大化(&X)"));
  menu.AppendSeparator();
  menu.Append(SC_CLOSE, CP932ToWx("閉じる(&C)"));
  menu.Enable(SC_RESTORE, IsZoomed());
  menu.Enable(SC_MAXIMIZE, !IsZoomed());
  const int chosen = owner->GetPopupMenuSelectionFromUser(menu, at);
  if (chosen != wxID_NONE) OnSysCommand(static_cast<UINT>(chosen));
}

void CMDIChildWnd::OnSysCommand(UINT command) {
  switch (command) {
    case SC_RESTORE: MDIRestore(); break;
    case SC_MAXIMIZE: MDIMaximize(); break;
    case SC_CLOSE: Close(); break;
    default: break;
  }
}

void CMDIChildWnd::SetNormalSize(const wxSize& size) {
  m_rectNormal.SetSize(size);
  if (m_pClient && !m_pClient->IsMaximized() && m_bShown) {
    m_pClient->LayoutChildren();
  }
}

void CMDIChildWnd::OnMDIActivate(BOOL activate) {
  if (m_pViewActive) {
    m_pViewActive->OnActivateView(activate, m_pViewActive, m_pViewActive);
  } else if (activate) {
    SetFocus();
  }
  Refresh();
}

void CMDIChildWnd::OnClose(wxCloseEvent& event) {
  CDocument* doc = GetActiveDocument();
  if (doc && !doc->CanCloseFrame(this) && event.CanVeto()) {
    event.Veto();
    return;
  }
  if (doc && doc->m_bAutoDelete) {
    bool otherFrame = false;
    for (CView* view : doc->GetViews()) otherFrame = otherFrame || view->GetParentFrame() != this;
    if (!otherFrame) {
      doc->OnCloseDocument();  // destroys this frame with the document
      return;
    }
  }
  Destroy();
}

bool CMDIChildWnd::TryBefore(wxEvent& event) {
  // A command sent to this frame, or coming from outside it, goes to the active view and its
  // document first; one from a window inside the frame has passed the view already.
  wxWindow* origin = dynamic_cast<wxWindow*>(event.GetEventObject());
  const bool fromInside = origin && origin != this && ComesFrom(event, this);
  if (IsRoutedCommand(event) && !fromInside && RouteToActiveView(event)) return true;
  return wxPanel::TryBefore(event);
}

void CMDIChildWnd::LayoutContent() {
  const wxSize size = GetClientSize();
  const int caption = GetCaptionHeight();
  // A restored window keeps a one-pixel frame line around its pane.
  const int frame = caption > 0 ? 1 : 0;
  if (wxWindow* pane = FindWindow(AFX_IDW_PANE_FIRST); pane && pane->GetParent() == this)
    pane->SetSize(frame, caption, std::max(0, size.x - 2 * frame), std::max(0, size.y - caption - frame));
}

void CMDIChildWnd::OnSize(wxSizeEvent& event) {
  LayoutContent();
  event.Skip();
}

void CMDIChildWnd::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  if (GetCaptionHeight() == 0) return;
  DrawFrame(dc, wxPoint(0, 0), m_pClient && m_pClient->GetActive() == this);
}

void CMDIChildWnd::DrawFrame(wxDC& dc, const wxPoint& origin, bool active) const {
  const int caption = m_pClient ? m_pClient->GetCaptionHeight() : 0;
  const wxSize size = m_pClient && m_pClient->IsMaximized() ? GetClientSize() : m_rectNormal.GetSize();
  const int x = origin.x, y = origin.y;
  dc.SetPen(*wxTRANSPARENT_PEN);
  // GTK themes give active and inactive captions nearly the same colour; the selection colours
  // tell the active window apart at a glance.
  dc.SetBrush(wxBrush(wxSystemSettings::GetColour(active ? wxSYS_COLOUR_HIGHLIGHT : wxSYS_COLOUR_3DFACE)));
  dc.DrawRectangle(x, y, size.x, caption);
  // A frame line around the whole window sets it apart from the ones it overlaps.
  dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW)));
  dc.DrawRectangle(x, y, size.x, 1);
  dc.DrawRectangle(x, y + size.y - 1, size.x, 1);
  dc.DrawRectangle(x, y, 1, size.y);
  dc.DrawRectangle(x + size.x - 1, y, 1, size.y);
  const wxColour text = wxSystemSettings::GetColour(active ? wxSYS_COLOUR_HIGHLIGHTTEXT : wxSYS_COLOUR_BTNTEXT);
  const wxRect strip(x, y, size.x, caption);
  const int side = std::max(8, caption - 6);
  const wxRect maximize = CaptionButtonRect(strip, side, 1);
  DrawCaptionButton(dc, CaptionButtonRect(strip, side, 0), CaptionButton::Close, text);
  DrawCaptionButton(dc, maximize, CaptionButton::Maximize, text);
  dc.SetTextForeground(text);
  dc.SetFont(GetFont());
  dc.SetClippingRegion(x, y, std::max(0, maximize.x - x - 2), caption);
  dc.DrawText(GetLabel(), x + 4, y + (caption - dc.GetCharHeight()) / 2);
  dc.DestroyClippingRegion();
}

UINT CMDIChildWnd::CaptionButtonAt(const wxPoint& point) const {
  const int caption = GetCaptionHeight();
  if (caption == 0 || point.y >= caption) return 0;
  const wxRect strip(0, 0, GetClientSize().x, caption);
  const int side = std::max(8, caption - 6);
  if (CaptionButtonRect(strip, side, 0).Contains(point)) return SC_CLOSE;
  if (CaptionButtonRect(strip, side, 1).Contains(point)) return SC_MAXIMIZE;
  return 0;
}

void CMDIChildWnd::OnChildFocus(wxChildFocusEvent& event) {
  // The view that takes the focus becomes the active view, and its frame the active child.
  for (wxWindow* w = event.GetWindow(); w && w != this; w = w->GetParent()) {
    if (CView* view = dynamic_cast<CView*>(w); view && view->GetParentFrame() == this) {
      SetActiveView(view, FALSE);
      break;
    }
  }
  if (m_pClient && m_pClient->GetActive() != this && m_bShown) m_pClient->Activate(this);
  event.Skip();
}

void CMDIChildWnd::OnCaptionDown(wxMouseEvent& event) {
  if (event.GetY() >= GetCaptionHeight()) {
    event.Skip();
    return;
  }
  MDIActivate();
  if (const UINT button = CaptionButtonAt(event.GetPosition())) {
    OnSysCommand(button);
    return;
  }
  m_dragOffset = event.GetPosition();
  CaptureMouse();
}

void CMDIChildWnd::OnCaptionDrag(wxMouseEvent& event) {
  if (!HasCapture() || !event.Dragging()) {
    event.Skip();
    return;
  }
  const wxPoint to = GetPosition() + event.GetPosition() - m_dragOffset;
  m_rectNormal.SetPosition(to);
  Move(to);
  m_pClient->LayoutChildren();
}

void CMDIChildWnd::OnCaptionUp(wxMouseEvent& event) {
  if (HasCapture()) ReleaseMouse();
  event.Skip();
}

void CMDIChildWnd::OnCaptionDoubleClick(wxMouseEvent& event) {
  if (event.GetY() < GetCaptionHeight() && CaptionButtonAt(event.GetPosition()) == 0)
    MDIMaximize();
  else
    event.Skip();
}

void CMDIChildWnd::OnCaptureLost(wxMouseCaptureLostEvent&) {}

void CMDIChildWnd::OnCaptionRightUp(wxMouseEvent& event) {
  if (event.GetY() >= GetCaptionHeight()) {
    event.Skip();
    return;
  }
  MDIActivate();
  TrackWindowMenu(this, event.GetPosition());
}
