#pragma once
// The application object: one per program. It starts and ends the program around the wx main
// loop, gets idle time, reads and writes the settings file through the profile functions, owns the
// document manager and the recent-file list, and is the last stop of the command route.
#include <wx/event.h>

#include <memory>
#include <vector>

#include "platform/base/CString.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/base/WinTypes.h"

class CCommandLineInfo;
class wxWindow;
class CDocManager;
class CDocTemplate;
class CDocument;
class CFrameWnd;
class CRecentFileList;

class CWinApp : public wxEvtHandler {
 public:
  // The newest application object is the one AfxGetApp returns.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Start-up: FALSE ends the program (ExitInstance still runs).
  virtual BOOL InitInstance() { return TRUE; }
  // End: writes the recent-file list; the result is the program's exit code.
  virtual int ExitInstance();
  // Idle time after the pending events: count is 0 at the first call after events and grows
  // while the handler asks for more (TRUE).
  virtual BOOL OnIdle(LONG count);

  // The life cycle inside a running wx application (AfxWinMain calls these): the command line is
  // taken, idle time hooked up and InitInstance run; FALSE means the program ends. Shutdown runs
  // ExitInstance once and unhooks.
  BOOL Startup(const std::vector<CString>& args);
  int Shutdown();
  // What ExitInstance returned when start-up ended the program.
  int GetExitCode() const { return m_exitCode; }

  // Settings of the file named by m_pszProfileName; strings up to 4096 bytes. A null key removes
  // the section, a null value the key.
  int GetProfileInt(const char* section, const char* key, int defaultValue);
  CString GetProfileString(const char* section, const char* key, const char* defaultValue = nullptr);
  BOOL WriteProfileInt(const char* section, const char* key, int value);
  BOOL WriteProfileString(const char* section, const char* key, const char* value);

  // Help: shows the topic of the program's help; the platform has no help of its own.
  virtual void ShowHelp(DWORD /*topic*/, UINT /*command*/) {}

  // Feeds the program's arguments to info; on Linux only "-" starts a flag, since "/" starts
  // every absolute path.
  void ParseCommandLine(CCommandLineInfo& info);
  // Carries out the shell command: a new document (the application's new command), or the file
  // opened. FALSE when that failed, after printing (the file is opened and the print command sent
  // through the main frame; the program then ends), and for a registration or DDE start, which
  // this system does not serve.
  BOOL ProcessShellCommand(CCommandLineInfo& info);

  // Documents, through the document manager (created with the first template).
  CDocTemplate* AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
  virtual CDocument* OpenDocumentFile(const char* path);
  virtual void AddToRecentFileList(const char* path);
  BOOL DoPromptFileName(CString& fileName, const char* title, BOOL openFileDialog, CDocTemplate* docTemplate);
  BOOL SaveAllModified();
  void CloseAllDocuments();

  CString m_pszAppName;
  CString m_pszProfileName;  // full path of the settings file
  std::vector<CString> m_argv;  // the program's arguments, without the program name
  CString m_lpCmdLine;  // the arguments as one line; those with blanks in double quotes
  int m_nCmdShow = SW_SHOWNORMAL;
  int m_nNumPreviewPages = 0;  // pages side by side in print preview; 0 lets the preview choose
  CFrameWnd* m_pMainWnd = nullptr;
  std::unique_ptr<CDocManager> m_pDocManager;
  std::unique_ptr<CRecentFileList> m_pRecentFileList;

 protected:
  void OnFileNew(wxCommandEvent& event);
  void OnFileOpen(wxCommandEvent& event);
  // Opens the recent file of the command; an entry that fails to open leaves the list.
  void OnOpenRecentFile(wxCommandEvent& event);
  void OnAppExit(wxCommandEvent& event);

 private:
  void OnAppIdle(wxIdleEvent& event);

  CWinApp* m_previousApp;
  bool m_started = false;
  LONG m_idleCount = 0;
  int m_exitCode = 0;

  wxDECLARE_EVENT_TABLE();
};

CWinApp* AfxGetApp();
CFrameWnd* AfxGetMainWnd();
// The main frame's window, the owner of the program's dialogs; null before it exists.
wxWindow* AfxGetMainFrameWindow();
// The settings of the running application, the one way every layer reads and writes them: the
// default while there is no application or it names no settings file (windows and models used
// alone); writes then fail.
int AfxGetProfileInt(const char* section, const char* key, int defaultValue);
CString AfxGetProfileString(const char* section, const char* key, const char* defaultValue);
BOOL AfxWriteProfileInt(const char* section, const char* key, int value);
BOOL AfxWriteProfileString(const char* section, const char* key, const char* value);

// The program's main: runs the wx application around AfxGetApp()'s life cycle; returns the exit
// code.
int AfxWinMain(int argc, char** argv);
