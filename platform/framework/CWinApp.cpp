#include "platform/framework/CWinApp.h"
#include "platform/framework/AfxDialogOwner.h"

#include <wx/app.h>
#include <wx/window.h>

#include "platform/framework/CCommandLineInfo.h"
#include "platform/framework/CDocManager.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CDocument.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CRecentFileList.h"
#include "platform/base/CodePage.h"
#include "platform/base/PrivateProfile.h"
#include "platform/desktop/DialogOwner.h"

namespace {

CWinApp* g_app = nullptr;
bool g_startFailed = false;

}  // namespace

wxBEGIN_EVENT_TABLE(CWinApp, wxEvtHandler)
  EVT_MENU(ID_FILE_NEW, CWinApp::OnFileNew)
  EVT_MENU(ID_FILE_OPEN, CWinApp::OnFileOpen)
  EVT_MENU_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, CWinApp::OnOpenRecentFile)
  EVT_MENU(ID_APP_EXIT, CWinApp::OnAppExit)
wxEND_EVENT_TABLE()

CWinApp* AfxGetApp() { return g_app; }

CFrameWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

wxWindow* AfxGetMainFrameWindow() {
  CFrameWnd* frame = AfxGetMainWnd();
  return frame ? frame->GetFrameWindow() : nullptr;
}

wxWindow* AfxGetDialogOwner() {
  wxWindow* owner = NewestDialogOwner();
  return owner ? owner : AfxGetMainFrameWindow();
}

int AfxGetProfileInt(const char* section, const char* key, int defaultValue) {
  return g_app ? g_app->GetProfileInt(section, key, defaultValue) : defaultValue;
}

CString AfxGetProfileString(const char* section, const char* key, const char* defaultValue) {
  return g_app ? g_app->GetProfileString(section, key, defaultValue) : CString(defaultValue);
}

BOOL AfxWriteProfileInt(const char* section, const char* key, int value) {
  return g_app ? g_app->WriteProfileInt(section, key, value) : FALSE;
}

BOOL AfxWriteProfileString(const char* section, const char* key, const char* value) {
  return g_app ? g_app->WriteProfileString(section, key, value) : FALSE;
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName ? appName : ""), m_previousApp(g_app) { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = m_previousApp;
}

int CWinApp::ExitInstance() {
  if (m_pRecentFileList) m_pRecentFileList->WriteList();
  return 0;
}

BOOL CWinApp::OnIdle(LONG) { return FALSE; }

BOOL CWinApp::Startup(const std::vector<CString>& args) {
  m_exitCode = 0;
  m_argv = args;
  m_lpCmdLine.Empty();
  for (const CString& arg : args) {
    if (!m_lpCmdLine.IsEmpty()) m_lpCmdLine += ' ';
    m_lpCmdLine += arg.FindOneOf(" \t") >= 0 ? '"' + arg + '"' : arg;
  }
  if (wxTheApp) wxTheApp->Bind(wxEVT_IDLE, &CWinApp::OnAppIdle, this);
  m_started = true;
  if (InitInstance()) return TRUE;
  m_exitCode = Shutdown();
  return FALSE;
}

int CWinApp::Shutdown() {
  if (!m_started) return 0;
  m_started = false;
  if (wxTheApp) wxTheApp->Unbind(wxEVT_IDLE, &CWinApp::OnAppIdle, this);
  return ExitInstance();
}

void CWinApp::OnAppIdle(wxIdleEvent& event) {
  event.Skip();
  if (OnIdle(m_idleCount)) {
    ++m_idleCount;
    event.RequestMore();
  } else {
    m_idleCount = 0;
  }
}

int CWinApp::GetProfileInt(const char* section, const char* key, int defaultValue) {
  if (m_pszProfileName.IsEmpty()) return defaultValue;
  return GetPrivateProfileInt(section, key, defaultValue, m_pszProfileName);
}

CString CWinApp::GetProfileString(const char* section, const char* key, const char* defaultValue) {
  if (m_pszProfileName.IsEmpty()) return CString(defaultValue);
  char buffer[4096];
  const DWORD length = GetPrivateProfileString(section, key, defaultValue, buffer, sizeof buffer, m_pszProfileName);
  return CString(buffer, static_cast<int>(length));
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* key, int value) {
  CString text;
  text.Format("%d", value);
  return WriteProfileString(section, key, text);
}

BOOL CWinApp::WriteProfileString(const char* section, const char* key, const char* value) {
  if (m_pszProfileName.IsEmpty()) return FALSE;
  return WritePrivateProfileString(section, key, value, m_pszProfileName);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
  for (size_t i = 0; i < m_argv.size(); ++i) {
    const CString& arg = m_argv[i];
    const bool flag = !arg.IsEmpty() && arg[0] == '-';
    info.ParseParam(flag ? arg.GetString() + 1 : arg.GetString(), flag, i + 1 == m_argv.size());
  }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
  switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNothing:
      return TRUE;
    case CCommandLineInfo::FileNew: {
      wxCommandEvent event(wxEVT_MENU, ID_FILE_NEW);
      ProcessEventLocally(event);
      return m_pMainWnd != nullptr;
    }
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
      // Printed from the shell: the active view prints the document, then the program ends. The
      // desktop's printing picks no printer without its dialog, so the dialog asks for one.
      m_nCmdShow = SW_HIDE;
      if (OpenDocumentFile(info.m_strFileName) && m_pMainWnd) m_pMainWnd->SendCommand(ID_FILE_PRINT);
      return FALSE;
    default:
      return FALSE;
  }
}

CDocTemplate* CWinApp::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate) {
  if (!m_pDocManager) m_pDocManager = std::make_unique<CDocManager>();
  return m_pDocManager->AddDocTemplate(std::move(docTemplate));
}

CDocument* CWinApp::OpenDocumentFile(const char* path) {
  return m_pDocManager ? m_pDocManager->OpenDocumentFile(path) : nullptr;
}

void CWinApp::AddToRecentFileList(const char* path) {
  if (m_pRecentFileList) m_pRecentFileList->Add(path);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, const char* title, BOOL openFileDialog, CDocTemplate* docTemplate) {
  if (!m_pDocManager) m_pDocManager = std::make_unique<CDocManager>();
  return m_pDocManager->DoPromptFileName(fileName, title, openFileDialog, docTemplate);
}

BOOL CWinApp::SaveAllModified() { return m_pDocManager ? m_pDocManager->SaveAllModified() : TRUE; }

void CWinApp::CloseAllDocuments() {
  if (m_pDocManager) m_pDocManager->CloseAllDocuments();
}

void CWinApp::OnFileNew(wxCommandEvent&) {
  if (m_pDocManager) m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen(wxCommandEvent&) {
  if (m_pDocManager) m_pDocManager->OnFileOpen();
}

void CWinApp::OnOpenRecentFile(wxCommandEvent& event) {
  if (!m_pRecentFileList) return;
  const int index = event.GetId() - ID_FILE_MRU_FILE1;
  if (index < 0 || index >= m_pRecentFileList->GetSize()) return;
  const CString path = (*m_pRecentFileList)[index];
  if (path.IsEmpty()) return;
  if (!OpenDocumentFile(path)) m_pRecentFileList->Remove(index);
}

void CWinApp::OnAppExit(wxCommandEvent&) {
  if (m_pMainWnd) m_pMainWnd->GetFrameWindow()->Close();
}

namespace {

// The wx application of the program: it only drives the application object.
class CWinAppHost : public wxApp {
 public:
  explicit CWinAppHost(std::vector<CString> args) : m_args(std::move(args)) {}
  // wx's own command-line parsing is left out: the program's switches are its own.
  bool OnInit() override {
    // Message boxes take their caption from here.
    if (AfxGetApp()) SetAppDisplayName(CP932ToWx(AfxGetApp()->m_pszAppName.str()));
    if (AfxGetApp() && AfxGetApp()->Startup(m_args)) return true;
    g_startFailed = true;
    return false;
  }
  int OnExit() override {
    const int code = AfxGetApp()->Shutdown();
    wxApp::OnExit();
    return code;
  }

 private:
  std::vector<CString> m_args;
};

}  // namespace

int AfxWinMain(int argc, char** argv) {
  // Arguments arrive in the locale's encoding (UTF-8); the program keeps code page 932.
  std::vector<CString> args;
  for (int i = 1; i < argc; ++i) args.push_back(UTF8ToCP932(argv[i]));
  wxApp::SetInstance(new CWinAppHost(std::move(args)));  // wx owns and deletes it
  const int code = wxEntry(argc, argv);
  // A start-up that ended the program reports the exit code of ExitInstance, not wx's failure.
  return g_startFailed && AfxGetApp() ? AfxGetApp()->GetExitCode() : code;
}
