#include "app/CKestavonApp.h"

#include <wx/clipbrd.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

#include "app/CKestaCommandLineInfo.h"
#include "app/CKinsokuSettings.h"
#include "app/CRegistryKey.h"
#include "app/InstanceChannel.h"
#include "app/KeyCommandList.h"
#include "foundation/PasswordScramble.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CDocManager.h"
#include "platform/framework/CDocTemplate.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/framework/CRecentFileList.h"
#include "platform/base/CodePage.h"
#include "platform/base/FullPath.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/Places.h"

const int kWebPasswordKey[8] = {7, 3, 11, 5, 13, 2, 17, 9};

namespace {

const char kCompatibleModeKey[] =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_DOCUMENT_COMPATIBLE_MODE";
const char kBrowserEmulationKey[] =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

// The runtime's locale for a name of the settings file; "Japanese" is the Japanese locale when the
// system has one. Our strings stay code page 932 whatever the locale.
void ApplyLocale(const CString& name) {
  if (name.CompareNoCase("Japanese") == 0) {
    for (const char* candidate : {"ja_JP.UTF-8", "ja_JP.utf8", "C.UTF-8"})
      if (std::setlocale(LC_ALL, candidate)) break;
    return;
  }
  std::setlocale(LC_ALL, name);
}

}  // namespace

CKestavonApp* GetKestavonApp() { return dynamic_cast<CKestavonApp*>(AfxGetApp()); }

// Files are made absolute (the receiver's folder is not this one) and quoted when they hold blanks.
CString CKestavonApp::MakeCommandLine(const std::vector<CString>& args) {
  CString line;
  for (const CString& arg : args) {
    const bool flag = !arg.IsEmpty() && arg[0] == '-';
    CString part = flag ? arg : AfxFullPath(arg);
    if (part.FindOneOf(" \t") >= 0) part = '"' + part + '"';
    if (!line.IsEmpty()) line += ' ';
    line += part;
  }
  return line;
}

CString CKestavonApp::MakeHandOverLine(const std::vector<CString>& args) {
  CString line = MakeCommandLine(args);
  line.Replace("\"", "\"\"");
  return line;
}

CString CKestavonApp::GetSettingsFolder() const {
  const int slash = m_pszProfileName.ReverseFind('/');
  return slash < 0 ? CString() : m_pszProfileName.Left(slash);
}

// The settings reader has taken one pair of enclosing quotes off; the doubling is undone here, so
// that a file name holding a double quote (allowed on Linux) arrives as it was sent.
CString CKestavonApp::ReadHandOverLine(const CString& record) {
  CString line = record;
  line.Replace("\"\"", "\"");
  return line;
}

CKestavonApp::CKestavonApp() : CWinApp("kesta32") {
  GetKinsokuSettings().SetDefaultStrings();
  for (COLORREF& color : m_customColors) color = 0xFFFFFF;
}

CKestavonApp::~CKestavonApp() = default;

CString CKestavonApp::GetHelpFilePath() const { return GetProgramFolder() + "/kesta32.chm"; }

void CKestavonApp::ShowHelp(DWORD, UINT) {
  const CString path = GetHelpFilePath();
  if (access(CP932ToUTF8(path.str()).c_str(), F_OK) == 0) return;
  CString text;
  text.Format("ヘルプファイルがありません：%s", path.GetString());
  AfxMessageBox(text);
}

void CKestavonApp::ApplyCommandLine(const CKestaCommandLineInfo& info) {
  if (info.GetMode() == CKestaCommandLineInfo::ModeJump) m_nJumpNumber = info.GetJumpNumber();
  if (info.GetMode() == CKestaCommandLineInfo::ModeTitle) m_strJumpTitle = info.GetJumpTitle();
}

BOOL CKestavonApp::InitInstance() {
  ChooseSettingsFile();
  m_bSingleInstance = ReadSetting(Settings::System::SingleInstance);
  CKestaCommandLineInfo info;
  ParseCommandLine(info);
  if (info.GetMode() == CKestaCommandLineInfo::ModeAdd) m_bSingleInstance = 1;

  if (ReadSetting(Settings::Preview::PreviewBrowserMode) <= 2) {
    CRegistryKey compatible, emulation;
    if (compatible.Create(HKEY_CURRENT_USER, kCompatibleModeKey))
      compatible.SetDWordValue("kesta32.exe", 110000);
    if (emulation.Create(HKEY_CURRENT_USER, kBrowserEmulationKey))
      emulation.SetDWordValue("kesta32.exe", 11001);
    WriteSetting(Settings::Preview::PreviewBrowserMode, 3);
  }

  // The running instance opens the files itself; when it goes away before it has, this start
  // shows its own window instead.
  CInstanceLink running;
  const BOOL found = running.Connect(kWindowClass, GetSettingsFolder());
  if (m_bSingleInstance == 1 && found) {
    WriteSetting(Settings::System::Commandline, MakeHandOverLine(m_argv));
    if (running.SendCommand(ID_WORK_COMMAND_LINE, MakeCommandLine(m_argv))) return FALSE;
  }

  m_nShowCmd = m_nShowCmdRead = ReadSetting(Settings::Settings::ShowCmd);
  const int mru = ReadSetting(Settings::System::MRU);
  if (mru != 0) {
    m_pRecentFileList = MakeRecentFileList("Recent File List", "File%d", mru, 30);
    m_pRecentFileList->ReadList();
  }
  m_nNumPreviewPages = ReadSetting(Settings::Settings::PreviewPages);

  m_keyTable.InitKeyCommands(m_settings, GetCustomisableCommands());
  m_bKeycustWrila = ReadSetting(Settings::System::KeycustWrila);

  ApplyLocale(ReadSetting(Settings::System::LocaleAll));
  const CString zone = ReadSetting(Settings::System::LocaleTz);
  setenv("TZ", zone, 1);
  tzset();

  GetKinsokuSettings().Load(m_settings);
  m_bookmarkFiles.Load();
  m_shellItems.Load(m_settings);

  m_bIme = ReadSetting(Settings::View::Ime);
  m_bAfterText = ReadSetting(Settings::System::AfterText);
  m_nAddIni = ReadSetting(Settings::System::bAddIni);
  m_nDragDropMode = ReadSetting(Settings::System::DragDropMode);
  m_nInitTitleOut = ReadSetting(Settings::System::InitTitleOut);
  m_bRecentNoInit = ReadSetting(Settings::System::RecentNoInit);
  m_bStatusBarFull = ReadSetting(Settings::View::StatusBarFull);
  m_nTextCurInit = ReadSetting(Settings::System::TextCurInit);
  m_bPasteOpen = ReadSetting(Settings::System::PasteOpen);
  m_bPasteMove = ReadSetting(Settings::System::PasteMove);
  m_bLevelDownOpen = ReadSetting(Settings::System::LevelDownOpen);

  m_strWebID = ReadSetting(Settings::System::WebID);
  m_strWebPassword = UnscramblePassword(ReadSetting(Settings::System::WP), kWebPasswordKey, 8);
  for (int i = 0; i < 16; ++i) m_customColors[i] = static_cast<COLORREF>(ReadSetting(Settings::ColorDlg::Custom, i));
  m_bRunSettingsRead = TRUE;

  std::unique_ptr<CDocTemplate> outline = MakeOutlineTemplate();
  CMDIFrameWnd* frame = outline ? MakeMainFrame() : nullptr;  // wx owns it once created
  if (!frame) return FALSE;
  m_pDocManager = MakeDocManager();
  m_pKestavonTemplate = AddDocTemplate(std::move(outline));
  if (!frame->LoadFrame(2)) return FALSE;
  m_pMainWnd = frame;

  const int showCmd = m_nCmdShow;
  m_nCmdShow = SW_HIDE;
  frame->ActivateFrame(showCmd);

  if (ReadSetting(Settings::System::bIniFile) && info.m_nShellCommand == CCommandLineInfo::FileNew) {
    if (ReadSetting(Settings::System::AllFileInit)) {
      const int count = ReadSetting(Settings::InitAllFile::Count);
      for (int i = 0; i < count; ++i) {
        const CString path = ReadSetting(Settings::InitAllFile::Name, i);
        if (!path.IsEmpty()) OpenDocumentFile(path);
      }
    } else {
      const CString last = ReadSetting(Settings::System::IniFile);
      if (last.IsEmpty())
        NewDocument();
      else if (!(m_bSingleInstance == 0 && found))
        OpenDocumentFile(last);
    }
  } else {
    ApplyCommandLine(info);
    if (!ProcessShellCommand(info)) return FALSE;
  }
  m_nCmdShow = showCmd;
  frame->Update();
  return TRUE;
}

std::unique_ptr<CDocManager> CKestavonApp::MakeDocManager() { return std::make_unique<CDocManager>(); }

std::unique_ptr<CRecentFileList> CKestavonApp::MakeRecentFileList(const char* section, const char* entryFormat,
                                                                   int size, int maxDisplayLength) {
  return std::make_unique<CRecentFileList>(0, section, entryFormat, size, maxDisplayLength);
}

void CKestavonApp::NewDocument() {
  wxCommandEvent event(wxEVT_MENU, ID_FILE_NEW);
  ProcessEventLocally(event);
}

int CKestavonApp::ExitInstance() {
  if (m_nShowCmd != m_nShowCmdRead) WriteSetting(Settings::Settings::ShowCmd, m_nShowCmd);
  if (!m_pszProfileName.IsEmpty() && m_bRunSettingsRead) {
    GetKinsokuSettings().Save(m_settings);
    for (int i = 0; i < 16; ++i) WriteSetting(Settings::ColorDlg::Custom, i, static_cast<int>(m_customColors[i]));
  }
  // What the program put on the clipboard (copied trees, text) stays pasteable after it ends.
  if (wxTheClipboard->Open()) {
    wxTheClipboard->Flush();
    wxTheClipboard->Close();
  }
  return CWinApp::ExitInstance();
}
