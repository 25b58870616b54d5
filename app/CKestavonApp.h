#pragma once
// The application object: start-up (settings file, hand-over to a running instance, registry
// switches of the embedded browser, recent files, locale and time zone, option flags, templates,
// main frame, the first documents) and the end of the run.
#include <memory>
#include <vector>

#include "app/CAppKeyTable.h"
#include "app/CShellItem.h"
#include "foundation/SettingAccess.h"
#include "model/BookmarkFileList.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/base/ColorRef.h"
#include "resources/CommandIds.h"

class CDocManager;
class CDocTemplate;
class CMDIFrameWnd;
class CRecentFileList;
class CKestaCommandLineInfo;

class CKestavonApp : public CWinApp {
 public:
  CKestavonApp();
  ~CKestavonApp() override;

  BOOL InitInstance() override;
  int ExitInstance() override;

  // The user's settings file in the per-user folder becomes the profile name; a missing or empty
  // one is first filled from older settings or from the defaults shipped beside the program.
  void ChooseSettingsFile();
  // Help on a topic (command 1) or the help file's contents (command 11). No help viewer exists
  // here: without the help file beside the program the user is told it is missing; with it,
  // nothing opens.
  void ShowHelp(DWORD context, UINT command) override;
  // The help file's path: the program's folder + "kesta32.chm".
  CString GetHelpFilePath() const;

  // Opens a URL as System/UrlOpenMode says: 0 in a browser that is running (IRunningBrowser),
  // else as 1 does; 1 and 2 in the desktop's browser; another value opens nothing.
  void OpenUrl(const char* url);

  // Takes the jump number or title of a parsed command line over.
  void ApplyCommandLine(const CKestaCommandLineInfo& info);

  // Option flags, loaded at start-up.
  int m_bIme = 0;
  int m_bAfterText = 0;
  int m_nAddIni = 0;
  int m_nDragDropMode = 1;
  int m_nInitTitleOut = 0;
  int m_bRecentNoInit = 0;
  int m_bStatusBarFull = 1;
  int m_nTextCurInit = 0;
  // The caret position the text pane last showed in the status bar (logical line, byte column).
  long m_nStatusCaretLine = 0;
  long m_nStatusCaretColumn = 0;
  int m_bPasteOpen = 1;
  int m_bPasteMove = 0;
  int m_bLevelDownOpen = 1;

  int m_bSingleInstance = 0;
  int m_bOpenFromRecent = 0;
  CString m_strWebID;
  CString m_strWebPassword;
  int m_nJumpNumber = 0;
  CString m_strJumpTitle;
  int m_nShowCmd = 1;  // show state of the child frames (Settings/ShowCmd)
  COLORREF m_customColors[16] = {};
  // The settings file as a store, for the blocks that read and write through one; declared before
  // the key table, which writes its file path through it when it goes.
  CPelkoSettings& m_settings = ApplicationSettings();
  CAppKeyTable m_keyTable;
  // System/KeycustWrila: in the text area, a key the editing control binds stays with the control.
  int m_bKeycustWrila = 0;
  BookmarkFileList m_bookmarkFiles;
  CShellItemArray m_shellItems;
  CDocTemplate* m_pKestavonTemplate = nullptr;

  // The window class under which the main frame is found by a second start.
  static constexpr const char* kWindowClass = "Kestavon";
  // The command line a second start hands over: files made absolute, quoted when they hold blanks.
  static CString MakeCommandLine(const std::vector<CString>& args);
  // The hand-over record (System/Commandline) of that line, every double quote doubled, and the
  // command line read back from it.
  static CString MakeHandOverLine(const std::vector<CString>& args);
  static CString ReadHandOverLine(const CString& record);
  // The folder of the settings file: starts that share it share one running instance.
  CString GetSettingsFolder() const;

 protected:
  // The application's bookmark commands run one further than the menus' block.
  static constexpr int ID_BOOKMARK_LAST = ID_FILE_BOOKMARK_LAST + 1;
  void OnFileOpen(wxCommandEvent& event);
  void OnFilePrintSetup(wxCommandEvent& event);
  void OnAppAbout(wxCommandEvent& event);
  void OnOpenRecent(wxCommandEvent& event);
  void OnRecentDelete(wxCommandEvent& event);
  void OnBookmarkFile(wxCommandEvent& event);
  void OnBookmarkEdit(wxCommandEvent& event);
  // The date insertion options and the display format of item times.
  void OnDateFormat(wxCommandEvent& event);
  void OnTimeStampFormat(wxCommandEvent& event);

  // The program's windows belong to the layer above the application: the outline document's
  // template (with its child frame and first view) and the main frame, not yet created. An
  // application object without them (used alone) ends its start-up there.
  virtual std::unique_ptr<CDocTemplate> MakeOutlineTemplate() { return nullptr; }
  virtual CMDIFrameWnd* MakeMainFrame() { return nullptr; }
  // The document manager and the recent-file list; the program's own understand net paths.
  virtual std::unique_ptr<CDocManager> MakeDocManager();
  virtual std::unique_ptr<CRecentFileList> MakeRecentFileList(const char* section, const char* entryFormat, int size,
                                                              int maxDisplayLength);

 private:
  // Runs the New command, as a plain start without a file does.
  void NewDocument();
  int m_nShowCmdRead = 1;
  // Set once start-up has read what the end of the run writes back; a start that hands its
  // command line to a running instance never gets there and must not overwrite that instance's.
  BOOL m_bRunSettingsRead = FALSE;

  wxDECLARE_EVENT_TABLE();
};

// The running application object; null when the running one is not ours (windows built alone).
CKestavonApp* GetKestavonApp();

// The key with which the web account's password is scrambled in the settings file.
extern const int kWebPasswordKey[8];
