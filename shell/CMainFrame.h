#pragma once
// The program's main window: the MDI frame with its ten tool bars (two of them with a text field
// for find and grep), the status bar with the position pane, the tab strip over the client area,
// the remembered placement and bar layout, the list of files for the next start, the commands of
// the frame with its keyboard translation through the user's key table, the receiver of the
// command line that a second start hands over, and the relative-path services of the program.
#include <wx/timer.h>

#include <memory>
#include <vector>

#include "app/InstanceChannel.h"
#include "foundation/CHistoryList.h"
#include "foundation/SettingEntry.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "resources/CommandIds.h"

class CBrowserDde;
class CDockState;
class CFindToolBar;
class CMDITabs;
class CToolBar;
class wxMenu;

enum : int {
  IDW_GREP_FIELD = 103,
  IDW_FIND_FIELD = 104,
  IDT_MAIN_TIMER = 301,
};

class CMainFrame : public CMDIFrameWnd {
 public:
  // The class by which a second start finds this window.
  static constexpr int kBarCount = 10;
  // The ten bars in bar-list order.
  enum BarIndex { BarStandard, BarExtend, BarGrep, BarFind, BarPrint, BarWindow, BarSplit, BarTextOut, BarBook, BarHistory };

  CMainFrame();
  ~CMainFrame() override;
  int OnCreate() override;
  // A failed call into a dispatch object (a bad regular expression, say) raised while a command
  // ran is shown to the user with its description; the program goes on.
  bool ProcessEvent(wxEvent& event) override;
  // The first showing goes through RestoreWindowPos.
  void ActivateFrame(int nCmdShow = -1) override;
  void OnUpdateFrameTitle(BOOL addToTitle) override;
  void RecalcLayout(BOOL notify = TRUE) override;
  BOOL PreTranslateMessage(MSG* msg) override;

  // Placement through Settings/WindowPos: "flags,show,minx,miny,maxx,maxy,left,top,right,bottom".
  void RestoreWindowPos(int nCmdShow);
  BOOL ReadWindowPos(WINDOWPLACEMENT* placement);
  void WriteWindowPos(const WINDOWPLACEMENT* placement);
  static BOOL ParseWindowPos(const char* text, WINDOWPLACEMENT* placement);
  static CString FormatWindowPos(const WINDOWPLACEMENT* placement);

  // TRUE when the stored bar layout may be applied: every docked entry names a bar of this frame.
  BOOL IsDockStateValid(CDockState& state) const;
  // InitAllFile: the files of the open windows, the active one last, each once.
  void SaveOpenFileList();

  CToolBar* GetBar(int index) const { return m_barList[static_cast<size_t>(index)]; }
  CFindToolBar* GetFindBar() const { return m_pFindBar; }
  CFindToolBar* GetGrepBar() const { return m_pGrepBar; }
  CMDITabs* GetTabs() const { return m_pTabs; }
  // The pop-up menu of the bar titles (command ID_VIEW_BAR_FIRST + index); the caller owns it.
  std::unique_ptr<wxMenu> CreateBarMenu() const;

  // Tab strip style (0 hidden, 1 buttons, 2 tabs) and position (0 below, 1 above); the caller
  // stores View/TabStyle or View/TabPosition.
  void SetTabStyle(int style);
  void SetTabPosition(int position);
  int GetTabStyle() const { return m_nTabStyle; }
  BOOL IsTopMost() const { return m_bTopMost; }

  // Every window's document updates its views, and one with a path sets its title again.
  void RefreshDocumentTitles();
  // TRUE when some window shows an outline document.
  BOOL HasOutlineWindow() const;
  // The link to a running web browser, for the program's whole run.
  CBrowserDde& GetBrowserDde() const { return *m_pBrowserDde; }

  // The target relative to the base file's folder; unchanged when the two differ from the first
  // character. Folder names compare without regard to case.
  static CString MakeRelativePath(const char* basePath, const char* targetPath);
  // The relative path resolved against the base file's folder; a path with more "../" than the
  // folder has levels is reported and comes back unchanged.
  static CString MakeAbsolutePath(const char* basePath, const char* relativePath);

 protected:
  void OnCommandLine(wxCommandEvent& event);
  // A second start's command line: activates or opens its first file, or adds its /U file.
  void CarryOutCommandLine(const CString& line);
  // A command from a second start, with the window brought to the front first.
  void OnInstanceCommand(int commandId, const CString& text);
  void OnMainClose(wxCloseEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);
  void OnBarToggle(wxCommandEvent& event);
  void OnUpdateBarToggle(wxUpdateUIEvent& event);
  void OnStatusBarToggle(wxCommandEvent& event);
  void OnUpdateStatusBarToggle(wxUpdateUIEvent& event);
  void OnSplitDirection(wxCommandEvent& event);
  void OnUpdateSplitDirection(wxUpdateUIEvent& event);
  void OnBarSize(wxCommandEvent& event);
  void OnUpdateBarSize(wxUpdateUIEvent& event);
  void OnWindowNext(wxCommandEvent& event);
  void OnWindowPrev(wxCommandEvent& event);
  void OnUpdateHasChild(wxUpdateUIEvent& event);
  void OnWindowCloseAll(wxCommandEvent& event);
  void OnTopMost(wxCommandEvent& event);
  void OnUpdateTopMost(wxUpdateUIEvent& event);
  void OnTabPositionToggle(wxCommandEvent& event);
  void OnHelpTopic(wxCommandEvent& event);
  void OnWebPage(wxCommandEvent& event);
  void OnDropFiles(wxDropFilesEvent& event);
  void OnBookmarkBar(wxCommandEvent& event);
  void OnKeySet(wxCommandEvent& event);
  void OnViewOutline(wxCommandEvent& event);
  void OnGrep(wxCommandEvent& event);
  void OnDateTree(wxCommandEvent& event);
  // The File menu's bookmark submenu gets the bookmarked files as it opens.
  void OnInitMenu(wxMenuEvent& event);

 private:
  // One bar: made, given its buttons and pictures, hidden when the setting shown is 0. -1 on
  // failure, else the setting's value.
  int CreateProfileBar(CToolBar* bar, UINT nID, const UINT* ids, int count, const IntSetting& shown);
  BOOL CreateStandardBar();
  BOOL CreateFindBar(CFindToolBar*& bar, UINT nID, const UINT* ids, int count, const IntSetting& shown, int fieldIndex,
                     UINT fieldId, UINT enterCommand, CHistoryList& history, const char* section);
  BOOL CreateStatusBar();
  // The bar a bar command stands for, null when none.
  CToolBar* BarOfCommand(int id) const;
  void UpdateTabPane();

  std::unique_ptr<CInstanceListener> m_listener;
  std::unique_ptr<CBrowserDde> m_pBrowserDde;
  BOOL m_bTopMost = FALSE;
  std::vector<CToolBar*> m_barList = std::vector<CToolBar*>(kBarCount, nullptr);  // wx owns the bars
  CFindToolBar* m_pGrepBar = nullptr;
  CFindToolBar* m_pFindBar = nullptr;
  CHistoryList m_grepHistory;
  CHistoryList m_findHistory;
  CMDITabs* m_pTabs = nullptr;
  int m_nTabStyle = 2;
  int m_nTabPosition = 0;
  bool m_bShownOnce = false;
  wxTimer m_timer;

  wxDECLARE_EVENT_TABLE();
};
