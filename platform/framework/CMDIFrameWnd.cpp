#include "platform/framework/CMDIFrameWnd.h"

#include <wx/display.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include <algorithm>

#include "platform/framework/CDockState.h"
#include "platform/framework/CDocument.h"
#include "platform/framework/CMDIChildWnd.h"
#include "platform/framework/CMDIClientWnd.h"
#include "platform/framework/CRecentFileList.h"
#include "platform/framework/CStatusBar.h"
#include "platform/framework/CToolBar.h"
#include "platform/framework/CView.h"
#include "platform/framework/CommandHandlers.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"

wxBEGIN_EVENT_TABLE(CMDIFrameWnd, wxFrame)
  EVT_CLOSE(CMDIFrameWnd::OnClose)
  EVT_CHAR_HOOK(CMDIFrameWnd::OnCharHook)
  EVT_MENU_OPEN(CMDIFrameWnd::OnMenuOpen)
  EVT_MENU(ID_WINDOW_CASCADE, CMDIFrameWnd::OnWindowCascade)
  EVT_MENU(ID_WINDOW_TILE_HORZ, CMDIFrameWnd::OnWindowTileHorz)
  EVT_MENU(ID_WINDOW_TILE_VERT, CMDIFrameWnd::OnWindowTileVert)
wxEND_EVENT_TABLE()

CMDIFrameWnd::~CMDIFrameWnd() {
  if (m_dockManager.GetManagedWindow()) m_dockManager.UnInit();
  // The menu bars belong to m_menus, not to the window.
  if (GetMenuBar()) DetachMenuBar();
  // The status bar goes with the other children; the frame must not delete it again.
  if (wxFrame::GetStatusBar()) SetStatusBar(nullptr);
  // The children go while this frame is still whole.
  DestroyChildren();
  m_pClient = nullptr;
  if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, wxWindow* parent, CCreateContext*) {
  m_nIDHelp = nIDResource;
  if (m_strTitle.IsEmpty() && AfxGetApp()) m_strTitle = AfxGetApp()->m_pszAppName;
  if (!wxFrame::Create(parent, wxID_ANY, CP932ToWx(m_strTitle.str()))) {
    wxTheApp->ScheduleForDestruction(this);
    return FALSE;
  }
  m_pClient = new CMDIClientWnd(this);  // owned by this window
  m_dockManager.SetManagedWindow(this);
  m_dockManager.AddPane(m_pClient, wxAuiPaneInfo().Name("MDIClient").CenterPane().PaneBorder(false));
  if (OnCreate() == -1) {
    Destroy();
    return FALSE;
  }
  RecalcLayout();
  m_rectNormal = GetRect();
  Bind(wxEVT_SIZE, &CMDIFrameWnd::OnSizeOrMove, this);
  Bind(wxEVT_MOVE, &CMDIFrameWnd::OnSizeOrMove, this);
  OnUpdateFrameTitle(TRUE);
  return TRUE;
}

void CMDIFrameWnd::ActivateFrame(int nCmdShow) {
  switch (nCmdShow) {
    case SW_HIDE:
      Hide();
      return;
    case SW_SHOWMAXIMIZED:
      Maximize();
      break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
      Iconize();
      break;
    case SW_RESTORE:
      if (IsIconized()) Iconize(false);
      if (IsMaximized()) Maximize(false);
      break;
    default:
      break;
  }
  Show();
  Raise();
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
  CString title = m_strTitle;
  if (CMDIChildWnd* child = MDIGetActive(); child && addToTitle) {
    CString text;
    child->GetWindowText(text);
    if (!text.IsEmpty()) title += " - " + text;
  }
  SetWindowText(title);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const { return m_pClient ? m_pClient->GetActive() : nullptr; }

std::vector<CMDIChildWnd*> CMDIFrameWnd::GetMDIChildren() const {
  return m_pClient ? m_pClient->GetMDIChildren() : std::vector<CMDIChildWnd*>();
}

CView* CMDIFrameWnd::GetActiveView() const {
  CMDIChildWnd* child = MDIGetActive();
  return child ? child->GetActiveView() : m_pViewActive;
}

CDocument* CMDIFrameWnd::GetActiveDocument() {
  CMDIChildWnd* child = MDIGetActive();
  return child ? child->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* child) {
  if (child) child->MDIActivate();
}

void CMDIFrameWnd::MDINext(BOOL previous) {
  if (m_pClient) m_pClient->ActivateNext(previous != FALSE);
}

void CMDIFrameWnd::MDIMaximize(CMDIChildWnd* child) {
  if (child) child->MDIMaximize();
}

void CMDIFrameWnd::MDIRestore(CMDIChildWnd* child) {
  if (child) child->MDIRestore();
}

void CMDIFrameWnd::MDICascade() {
  if (m_pClient) m_pClient->Cascade();
}

void CMDIFrameWnd::MDITile(int how) {
  if (m_pClient) m_pClient->Tile(how == MDITILE_HORIZONTAL);
}

void CMDIFrameWnd::SetMenuBarFor(UINT nIDResource, std::unique_ptr<wxMenuBar> menuBar) {
  if (auto it = m_menus.find(nIDResource); it != m_menus.end() && it->second.get() == GetMenuBar()) DetachMenuBar();
  m_menus[nIDResource] = std::move(menuBar);
  OnUpdateFrameMenu();
}

wxString CMDIFrameWnd::GetCommandText(int id) const {
  for (const auto& [resource, bar] : m_menus) {
    wxMenuItem* item = bar ? bar->FindItem(id) : nullptr;
    if (!item) continue;
    wxString text = item->GetItemLabel().BeforeFirst('\t');
    // "Open(&O)..." reads "Open" in a tip.
    if (int paren = text.Find("(&"); paren != wxNOT_FOUND) text = text.Left(static_cast<size_t>(paren));
    text.Replace("&", "");
    text.Replace("...", "");
    return text.Trim();
  }
  return wxString();
}

void CMDIFrameWnd::OnUpdateFrameMenu() {
  CMDIChildWnd* child = MDIGetActive();
  auto it = child ? m_menus.find(child->m_nIDHelp) : m_menus.end();
  if (it == m_menus.end()) it = m_menus.find(m_nIDHelp);
  if (it == m_menus.end() || !it->second || it->second.get() == GetMenuBar()) return;
  if (GetMenuBar()) DetachMenuBar();
  SetMenuBar(it->second.get());
}

void CMDIFrameWnd::OnActiveChildChanged() {
  OnUpdateFrameTitle(TRUE);
  OnUpdateFrameMenu();
  if (MDIGetActive()) return;
  // The texts the windows put in the status bar went with the last of them.
  if (CStatusBar* status = GetStatusBar()) status->ClearTexts();
  // The focus went with the last window too: the client area takes it, so that the frame's keys
  // (a new document, opening one) still arrive.
  if (m_pClient && !IsBeingDeleted()) m_pClient->SetFocus();
}

void CMDIFrameWnd::OnSizeOrMove(wxEvent& event) {
  if (IsShown() && !IsMaximized() && !IsIconized() && !IsFullScreen()) m_rectNormal = GetRect();
  event.Skip();
}

BOOL CMDIFrameWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
  if (!placement) return FALSE;
  *placement = WINDOWPLACEMENT();
  placement->showCmd = IsIconized() ? SW_SHOWMINIMIZED : IsMaximized() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  placement->rcNormalPosition = RECT{m_rectNormal.GetLeft(), m_rectNormal.GetTop(), m_rectNormal.GetRight() + 1,
                                     m_rectNormal.GetBottom() + 1};
  return TRUE;
}

BOOL CMDIFrameWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement) {
  if (!placement) return FALSE;
  const RECT& r = placement->rcNormalPosition;
  if (r.right > r.left && r.bottom > r.top) {
    m_rectNormal = wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (IsMaximized()) Maximize(false);
    SetSize(m_rectNormal);
    // A place on a screen that is no longer there would hide the window: it keeps its size and
    // comes up in the middle of the screen it has.
    if (wxDisplay::GetFromPoint(m_rectNormal.GetPosition() + m_rectNormal.GetSize() / 2) == wxNOT_FOUND) {
      Centre();
      m_rectNormal = GetRect();
    }
  }
  UINT show = placement->showCmd;
  // Starting minimised would hide the program from its own user: it comes up as it was before.
  if (show == SW_SHOWMINIMIZED || show == SW_MINIMIZE)
    show = (placement->flags & WPF_RESTORETOMAXIMIZED) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  CMDIFrameWnd::ActivateFrame(static_cast<int>(show));
  return TRUE;
}

namespace {

wxString PaneName(UINT id) { return wxString::Format("Bar%u", id); }

}  // namespace

void CMDIFrameWnd::DockControlBar(CToolBar* bar, int row, int position) {
  if (!bar) return;
  if (std::find(m_bars.begin(), m_bars.end(), bar) == m_bars.end()) m_bars.push_back(bar);
  wxAuiPaneInfo& existing = m_dockManager.GetPane(bar);
  const bool shown = existing.IsOk() ? existing.IsShown() : bar->IsShown();
  if (existing.IsOk()) m_dockManager.DetachPane(bar);
  if (row < 0) {
    row = 0;
    const wxAuiPaneInfoArray& panes = m_dockManager.GetAllPanes();
    for (size_t i = 0; i < panes.GetCount(); ++i)
      if (panes[i].IsToolbar() && panes[i].dock_direction == wxAUI_DOCK_TOP) row = std::max(row, panes[i].dock_row + 1);
  }
  wxAuiPaneInfo info;
  info.Name(PaneName(static_cast<UINT>(bar->GetId())))
      .Caption(CP932ToWx(bar->GetTitle().str()))
      .ToolbarPane()
      .Top()
      .Row(row)
      .Position(position)
      .Show(shown);
  m_dockManager.AddPane(bar, info);
}

void CMDIFrameWnd::ShowControlBar(wxWindow* bar, BOOL show, BOOL delay) {
  wxAuiPaneInfo& pane = m_dockManager.GetPane(bar);
  if (pane.IsOk())
    pane.Show(show != FALSE);
  else if (bar)
    bar->Show(show != FALSE);
  if (!delay) RecalcLayout();
}

BOOL CMDIFrameWnd::IsBarVisible(const wxWindow* bar) const {
  if (!bar) return FALSE;
  const wxAuiPaneInfo& pane = const_cast<wxAuiManager&>(m_dockManager).GetPane(const_cast<wxWindow*>(bar));
  return (pane.IsOk() ? pane.IsShown() : bar->IsShown()) ? TRUE : FALSE;
}

wxWindow* CMDIFrameWnd::GetControlBar(UINT nID) const {
  for (CToolBar* bar : m_bars)
    if (static_cast<UINT>(bar->GetId()) == nID) return bar;
  CStatusBar* status = GetStatusBar();
  return status && static_cast<UINT>(status->GetId()) == nID ? status : nullptr;
}

CStatusBar* CMDIFrameWnd::GetStatusBar() const { return dynamic_cast<CStatusBar*>(wxFrame::GetStatusBar()); }

void CMDIFrameWnd::RecalcLayout(BOOL) {
  if (m_dockManager.GetManagedWindow()) m_dockManager.Update();
}

void CMDIFrameWnd::GetDockState(CDockState& state) const {
  state.Clear();
  auto& manager = const_cast<wxAuiManager&>(m_dockManager);
  for (CToolBar* bar : m_bars) {
    wxAuiPaneInfo& pane = manager.GetPane(bar);
    if (!pane.IsOk()) continue;
    CControlBarInfo info;
    info.m_nBarID = static_cast<UINT>(bar->GetId());
    info.m_bVisible = pane.IsShown() ? TRUE : FALSE;
    info.m_bFloating = pane.IsFloating() ? TRUE : FALSE;
    info.m_bDockContext = TRUE;
    info.m_strPlace = WxToCP932(manager.SavePaneInfo(pane));
    state.m_arrBarInfo.push_back(info);
  }
  if (CStatusBar* status = GetStatusBar()) {
    CControlBarInfo info;
    info.m_nBarID = static_cast<UINT>(status->GetId());
    info.m_bVisible = status->IsShown() ? TRUE : FALSE;
    state.m_arrBarInfo.push_back(info);
  }
}

void CMDIFrameWnd::SetDockState(const CDockState& state) {
  for (const CControlBarInfo& info : state.m_arrBarInfo) {
    wxWindow* bar = GetControlBar(info.m_nBarID);
    if (!bar) continue;
    if (bar == GetStatusBar()) {
      bar->Show(info.m_bVisible != FALSE);
      continue;
    }
    wxAuiPaneInfo& pane = m_dockManager.GetPane(bar);
    if (!pane.IsOk()) continue;
    if (!info.m_strPlace.IsEmpty()) {
      m_dockManager.LoadPaneInfo(CP932ToWx(info.m_strPlace.str()), pane);
      // The name ties the entry to its bar; a stored one cannot move it to another. The size is
      // the bar's own: its buttons may have another size than when the layout was stored.
      pane.Name(PaneName(info.m_nBarID)).BestSize(bar->GetBestSize()).MinSize(bar->GetBestSize());
    }
    pane.Show(info.m_bVisible != FALSE);
  }
  RecalcLayout();
}

void CMDIFrameWnd::SaveBarState(const char* section) const {
  CDockState state;
  GetDockState(state);
  state.SaveState(section);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* msg) { return TranslateMDISysAccel(msg); }

BOOL CMDIFrameWnd::TranslateMDISysAccel(MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN || !(GetKeyState(VK_CONTROL) & 0x8000)) return FALSE;
  CMDIChildWnd* child = MDIGetActive();
  if (!child) return FALSE;
  const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  switch (msg->wParam) {
    case VK_F4:
      if (shift) return FALSE;
      child->Close();
      return TRUE;
    case VK_F6:
    case VK_TAB:
      MDINext(shift ? TRUE : FALSE);
      return TRUE;
    default:
      return FALSE;
  }
}

void CMDIFrameWnd::OnClose(wxCloseEvent& event) {
  CWinApp* app = AfxGetApp();
  if (app && !app->SaveAllModified() && event.CanVeto()) {
    event.Veto();
    return;
  }
  if (app) app->CloseAllDocuments();
  Destroy();
}

bool CMDIFrameWnd::TryBefore(wxEvent& event) {
  // Commands of the frame's menus, bars and keys go to the active child first. A command from a
  // window inside a child frame has passed that frame already.
  if (IsRoutedCommand(event)) {
    bool fromChild = false;
    for (CMDIChildWnd* child : GetMDIChildren()) fromChild = fromChild || ComesFrom(event, child);
    CMDIChildWnd* active = MDIGetActive();
    if (!fromChild && active && active->OnCmdMsg(event)) return true;
  }
  return wxFrame::TryBefore(event);
}

bool CMDIFrameWnd::TryAfter(wxEvent& event) {
  if (IsRoutedCommand(event)) {
    if (CWinApp* app = AfxGetApp(); app && app->ProcessEventLocally(event)) return true;
    if (DisableUnhandled(event)) return true;
  }
  return wxFrame::TryAfter(event);
}

bool CMDIFrameWnd::DisableUnhandled(wxEvent& event) {
  if (event.GetEventType() != wxEVT_UPDATE_UI) return false;
  // Only the items of menus and the buttons of tool bars are commands; every other window asks
  // for its own update with its window id, which no command stands for.
  wxObject* origin = event.GetEventObject();
  const bool fromMenu = !origin || dynamic_cast<wxMenu*>(origin);
  auto* bar = dynamic_cast<wxWindow*>(origin);
  const bool fromBar = bar && (dynamic_cast<wxAuiToolBar*>(bar) || dynamic_cast<wxToolBarBase*>(bar)) &&
                       bar->GetId() != event.GetId();
  if (!fromMenu && !fromBar) return false;
  const int id = event.GetId();
  if (id <= 0) return false;
  std::vector<const wxEvtHandler*> route;
  if (CMDIChildWnd* child = MDIGetActive()) {
    if (CView* view = child->GetActiveView()) {
      route.push_back(view);
      route.push_back(view->GetDocument());
    }
    route.push_back(child);
  } else if (m_pViewActive) {
    route.push_back(m_pViewActive);
    route.push_back(m_pViewActive->GetDocument());
  }
  route.push_back(this);
  route.push_back(AfxGetApp());
  for (const wxEvtHandler* handler : route)
    if (HasCommandHandler(handler, id)) return false;
  static_cast<wxUpdateUIEvent&>(event).Enable(false);
  return true;
}

void CMDIFrameWnd::OnCharHook(wxKeyEvent& event) {
  MSG msg = KeyMessageOf(event);
  if (msg.message != 0) {
    KeyboardStateScope state(event);
    if (PreTranslateMessage(&msg)) return;
  }
  event.Skip();
}

void CMDIFrameWnd::OnMenuOpen(wxMenuEvent& event) {
  CWinApp* app = AfxGetApp();
  if (app && app->m_pRecentFileList && event.GetMenu()) app->m_pRecentFileList->UpdateMenu(event.GetMenu());
  event.Skip();
}

void CMDIFrameWnd::OnWindowCascade(wxCommandEvent&) { MDICascade(); }

void CMDIFrameWnd::OnWindowTileHorz(wxCommandEvent&) { MDITile(MDITILE_HORIZONTAL); }

void CMDIFrameWnd::OnWindowTileVert(wxCommandEvent&) { MDITile(MDITILE_VERTICAL); }
