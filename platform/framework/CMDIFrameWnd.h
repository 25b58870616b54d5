#pragma once
// The main frame: the program's top-level window with the client area that holds the child
// frames. It knows the active child, its view and document; commands from its menus and bars take
// the route active view, document, child frame, main frame, application. Every key press reaches
// it first (PreTranslateMessage), as a Windows virtual key.
#include <wx/aui/framemanager.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CStatusBar.h"
#include "platform/desktop/VirtualKeys.h"

class CDockState;
class CMDIChildWnd;
class CMDIClientWnd;
class CToolBar;

#ifndef MDITILE_VERTICAL
#define MDITILE_VERTICAL 0x0000    // side by side
#define MDITILE_HORIZONTAL 0x0001  // stacked
#endif

#ifndef WPF_RESTORETOMAXIMIZED
#define WPF_RESTORETOMAXIMIZED 0x0002
#endif
// Where a top-level window stands: show command and its normal rectangle in screen coordinates
// (minimised and maximised positions are kept for the record layout; the desktop places those).
struct WINDOWPLACEMENT {
  UINT length = sizeof(WINDOWPLACEMENT);
  UINT flags = 0;
  UINT showCmd = SW_SHOWNORMAL;
  POINT ptMinPosition{-1, -1};
  POINT ptMaxPosition{-1, -1};
  RECT rcNormalPosition{0, 0, 0, 0};
};

class CMDIFrameWnd : public wxFrame, public CFrameWnd {
 public:
  CMDIFrameWnd() = default;
  ~CMDIFrameWnd() override;

  wxWindow* GetFrameWindow() override { return this; }
  // Creates the window titled m_strTitle (the application's name when empty) with its client
  // area, then OnCreate; parent and context are not used by the main frame.
  BOOL LoadFrame(UINT nIDResource, wxWindow* parent = nullptr, CCreateContext* context = nullptr) override;
  // Further creation (bars and the like) once the window exists; -1 fails the creation.
  virtual int OnCreate() { return 0; }
  void ActivateFrame(int nCmdShow = -1) override;
  // Title: the frame's title, then " - " and the active child's title when there is one.
  void OnUpdateFrameTitle(BOOL addToTitle) override;

  CMDIClientWnd* GetMDIClient() const { return m_pClient; }
  CMDIChildWnd* MDIGetActive() const;
  // The child frames in Z order, the active one first.
  std::vector<CMDIChildWnd*> GetMDIChildren() const;
  CView* GetActiveView() const override;
  CDocument* GetActiveDocument() override;
  void MDIActivate(CMDIChildWnd* child);
  void MDINext(BOOL previous = FALSE);
  void MDIMaximize(CMDIChildWnd* child);
  void MDIRestore(CMDIChildWnd* child);
  void MDICascade();
  void MDITile(int how);

  // The menu bar shown while the active child comes from resource nIDResource (the frame's own
  // resource id: while no child is active). The frame keeps every menu bar given to it.
  void SetMenuBarFor(UINT nIDResource, std::unique_ptr<wxMenuBar> menuBar);

  // The placement of the window now; flags are 0. The rectangle is the last normal one, also
  // while the window is maximised or minimised.
  BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
  // Puts the window at the normal rectangle (when it has a size) and shows it with the show
  // command; a minimised one comes up as it was before (maximised with WPF_RESTORETOMAXIMIZED).
  BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);

  // Bars: each tool bar docks in the frame's bar area (a new row at the top unless a row is
  // given) and can be dragged to another side or floated. The layout is applied by RecalcLayout.
  void DockControlBar(CToolBar* bar, int row = -1, int position = 0);
  void ShowControlBar(wxWindow* bar, BOOL show, BOOL delay);
  BOOL IsBarVisible(const wxWindow* bar) const;
  wxWindow* GetControlBar(UINT nID) const;
  virtual void RecalcLayout(BOOL notify = TRUE);
  // The bars' layout, and the layout taken over (entries of unknown bars are passed by).
  void GetDockState(CDockState& state) const;
  void SetDockState(const CDockState& state);
  void SaveBarState(const char* section) const;
  // The layout engine of the bar area, for windows that take part in it (a tab strip).
  wxAuiManager& GetDockManager() { return m_dockManager; }
  // The status bar when the frame has one of ours.
  CStatusBar* GetStatusBar() const override;

  // The text of the command's item in any of the frame's menu bars, without its mnemonic and
  // key text; empty when no menu has it.
  wxString GetCommandText(int id) const;

  // Sees every key press first; TRUE consumes it. The base translates the MDI system keys.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // Ctrl+F4 closes the active child, Ctrl+F6 and Ctrl+Tab go to the next one (with Shift to the
  // previous one); TRUE when the key was one of them.
  BOOL TranslateMDISysAccel(MSG* msg);

 protected:
  // Asks to save every document, closes them all, then the frame; a refusal keeps everything.
  void OnClose(wxCloseEvent& event);
  bool TryBefore(wxEvent& event) override;
  bool TryAfter(wxEvent& event) override;

 private:
  friend class CMDIClientWnd;
  void OnActiveChildChanged();
  void OnUpdateFrameMenu();
  void OnCharHook(wxKeyEvent& event);
  void OnMenuOpen(wxMenuEvent& event);
  void OnWindowCascade(wxCommandEvent& event);
  void OnWindowTileHorz(wxCommandEvent& event);
  void OnWindowTileVert(wxCommandEvent& event);

  // Greys a command that nothing on the route handles, as the update of a menu or bar asks.
  bool DisableUnhandled(wxEvent& event);
  void OnSizeOrMove(wxEvent& event);

  CMDIClientWnd* m_pClient = nullptr;
  std::map<UINT, std::unique_ptr<wxMenuBar>> m_menus;
  wxAuiManager m_dockManager;
  std::vector<CToolBar*> m_bars;
  wxRect m_rectNormal;

  wxDECLARE_EVENT_TABLE();
};
