#include "shell/CMDITabs.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/wupdlock.h>

#include <algorithm>
#include <vector>

#include "platform/framework/CMDIChildWnd.h"
#include "platform/framework/CMDIClientWnd.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/framework/CaptionButtons.h"
#include "resources/ToolBarImages.h"

namespace {

// The file name of a window title: what follows the last separator.
CString TabText(const CMDIChildWnd* child) {
  CString title;
  child->GetWindowText(title);
  const int cut = std::max(title.ReverseFind('\\'), title.ReverseFind('/'));
  return cut >= 0 ? title.Mid(cut + 1) : title;
}

CMDIChildWnd* ChildOf(LPARAM data) { return reinterpret_cast<CMDIChildWnd*>(data); }

}  // namespace

CMDITabs::CMDITabs() = default;

CMDITabs::~CMDITabs() = default;

BOOL CMDITabs::Create(CMDIFrameWnd* frame, DWORD flags) {
  m_pFrame = frame;
  m_bTop = (flags & MT_TOP) != 0;
  m_bImages = (flags & MT_IMAGES) != 0;
  m_nMinViews = (flags & MT_HIDEWLT2VIEWS) ? 2 : 1;
  if (!frame || !CTabCtrl::Create(TCS_FOCUSNEVER | TCS_FORCEICONLEFT | (m_bTop ? 0 : TCS_BOTTOM), frame, kControlId))
    return FALSE;
  SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  SetCloseBoxes(true);
  if (m_bImages) {
    m_images.Create(16, 16, true, 1);
    SetImageList(&m_images);
  }
  Bind(wxEVT_LEFT_DCLICK, &CMDITabs::OnLButtonDblClk, this);
  Bind(wxEVT_CONTEXT_MENU, &CMDITabs::OnContextMenu, this);
  Bind(wxEVT_PAINT, &CMDITabs::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CMDITabs::OnLeftDown, this);
  return TRUE;
}

bool CMDITabs::ChildrenMaximized() const {
  return m_pFrame && m_pFrame->GetMDIClient() && m_pFrame->GetMDIClient()->IsMaximized();
}

bool CMDITabs::WantsRoom() const {
  return GetItemCount() >= m_nMinViews || (GetItemCount() > 0 && ChildrenMaximized());
}

wxRect CMDITabs::RestoreButtonRect() const {
  if (!ChildrenMaximized()) return wxRect();
  return CaptionButtonRect(wxRect(GetClientSize()), FromDIP(14), 0);
}

int CMDITabs::GetStripHeight() const {
  // The strip is as high as the text height the tabs need, two pixels more.
  const int text = m_bImages ? 27 : 26;
  return FromDIP(text) + 2;
}

void CMDITabs::Update() {
  if (!m_pFrame) return;
  wxWindowUpdateLocker noRedraw(this);
  CMDIChildWnd* active = m_pFrame->MDIGetActive();
  // Windows shown at least once: a new frame waits hidden until it is activated, and one whose
  // document fails to open is never shown.
  std::vector<CMDIChildWnd*> children;
  for (CMDIChildWnd* child : m_pFrame->GetMDIChildren())
    if (child->IsShownInClient()) children.push_back(child);
  const bool hadRoom = WantsRoom();
  for (int i = GetItemCount() - 1; i >= 0; --i) {
    CMDIChildWnd* child = ChildOf(GetItemData(i));
    auto it = std::find(children.begin(), children.end(), child);
    if (it == children.end()) {
      DeleteItem(i);
      continue;
    }
    SetItemText(i, TabText(child));
    if (child == active) SetCurSel(i);
    children.erase(it);
  }
  for (CMDIChildWnd* child : children) {
    int image = -1;
    if (m_bImages) {
      if (m_images.GetImageCount() == 0) m_images.Add(ToolBarImage(ID_FILE_NEW, 16));
      image = 0;
    }
    const int index = InsertItem(GetItemCount(), TabText(child), image, reinterpret_cast<LPARAM>(child));
    if (child == active) SetCurSel(index);
  }
  if (hadRoom != WantsRoom() || IsShown() != WantsRoom()) m_pFrame->RecalcLayout();
  Refresh();
}

void CMDITabs::OnSelChange() {
  CMDIChildWnd* child = ChildOf(GetItemData(GetCurSel()));
  if (child) child->MDIActivate();
}

void CMDITabs::OnCloseBox(int index) {
  if (CMDIChildWnd* child = ChildOf(GetItemData(index))) child->OnSysCommand(SC_CLOSE);
}

void CMDITabs::OnLeftDown(wxMouseEvent& event) {
  CMDIChildWnd* active = m_pFrame ? m_pFrame->MDIGetActive() : nullptr;
  if (active && RestoreButtonRect().Contains(event.GetPosition())) {
    active->OnSysCommand(SC_RESTORE);
    return;
  }
  event.Skip();
}

void CMDITabs::OnLButtonDblClk(wxMouseEvent& event) {
  const int hit = HitTest(event.GetPosition());
  if (hit < 0) return;
  if (CMDIChildWnd* child = ChildOf(GetItemData(hit))) child->MDIMaximize();
}

void CMDITabs::OnContextMenu(wxContextMenuEvent& event) {
  const wxPoint at = ScreenToClient(event.GetPosition());
  const int hit = HitTest(at);
  if (hit < 0) return;
  if (hit != GetCurSel()) {
    SetCurSel(hit);
    OnSelChange();
  }
  if (CMDIChildWnd* child = ChildOf(GetItemData(hit))) child->TrackWindowMenu(this, at);
}

void CMDITabs::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_3DFACE)));
  dc.Clear();
  if (GetItemCount() == 0) return;
  DrawTabs(dc);
  if (const wxRect restore = RestoreButtonRect(); !restore.IsEmpty())
    DrawCaptionButton(dc, restore, CaptionButton::Restore, wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
  // A sunken edge on the sides away from the client area, so the strip joins it seamlessly.
  dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_3DSHADOW)));
  const int edge = m_bTop ? 0 : size.y - 1;
  dc.DrawLine(0, edge, size.x, edge);
}
