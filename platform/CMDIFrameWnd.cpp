#include "platform/CMDIFrameWnd.h"

#include <wx/menu.h>
#include <wx/sizer.h>

#include "platform/CDocument.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIClientWnd.h"
#include "platform/CRecentFileList.h"
#include "platform/CWinApp.h"
#include "platform/CodePage.h"

wxBEGIN_EVENT_TABLE(CMDIFrameWnd, wxFrame)
  EVT_CLOSE(CMDIFrameWnd::OnClose)
  EVT_CHAR_HOOK(CMDIFrameWnd::OnCharHook)
  EVT_MENU_OPEN(CMDIFrameWnd::OnMenuOpen)
  EVT_MENU(ID_WINDOW_CASCADE, CMDIFrameWnd::OnWindowCascade)
  EVT_MENU(ID_WINDOW_TILE_HORZ, CMDIFrameWnd::OnWindowTileHorz)
  EVT_MENU(ID_WINDOW_TILE_VERT, CMDIFrameWnd::OnWindowTileVert)
wxEND_EVENT_TABLE()

CMDIFrameWnd::~CMDIFrameWnd() {
  // The menu bars belong to m_menus, not to the window.
  if (GetMenuBar()) DetachMenuBar();
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
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_pClient, 1, wxEXPAND);
  SetSizer(sizer);
  if (OnCreate() == -1) {
    Destroy();
    return FALSE;
  }
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
  if (IsRoutedCommand(event))
    if (CWinApp* app = AfxGetApp(); app && app->ProcessEventLocally(event)) return true;
  return wxFrame::TryAfter(event);
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
