// The commands of the application object: opening files, the recent-file list and its removal
// dialog, the bookmarked files, and the opening of URLs for the views.
#include <wx/printdlg.h>
#include <wx/window.h>

#include "app/CAboutDlg.h"
#include "app/CDateOptDlg.h"
#include "app/CKestavonApp.h"
#include "app/CRecentDlg.h"
#include "app/RunningBrowser.h"
#include "app/CTimeStampOptDlg.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/dialogs/CBookfileDlg.h"
#include "foundation/CFileDialogEx.h"
#include "platform/framework/CFrameWnd.h"
#include "platform/framework/CRecentFileList.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/desktop/MessageBox.h"
#include "platform/framework/PrinterSettings.h"
#include "platform/desktop/Shell.h"

namespace {

// File/OpenType indexes the filters of the open dialog; each has its default extension.
const char* const kOpenExtensions[] = {"*", "kvn", "txt", "mem", "*"};

class RecentEntries : public IRecentFileEntries {
 public:
  explicit RecentEntries(CRecentFileList& list) : m_list(list) {}
  int GetCapacity() const override { return m_list.GetSize(); }
  CString GetEntry(int index) const override { return m_list[index]; }
  void RemoveEntry(int index) override { m_list.Remove(index); }

 private:
  CRecentFileList& m_list;
};

}  // namespace

wxBEGIN_EVENT_TABLE(CKestavonApp, CWinApp)
  EVT_MENU(ID_FILE_OPEN, CKestavonApp::OnFileOpen)
  EVT_MENU(ID_APP_ABOUT, CKestavonApp::OnAppAbout)
  EVT_MENU(ID_FILE_PRINT_SETUP, CKestavonApp::OnFilePrintSetup)
  EVT_MENU_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, CKestavonApp::OnOpenRecent)
  EVT_MENU(ID_SETTINGS_RECENT_REMOVE, CKestavonApp::OnRecentDelete)
  EVT_MENU_RANGE(BookmarkFileList::kFirstCommand, CKestavonApp::ID_BOOKMARK_LAST, CKestavonApp::OnBookmarkFile)
  EVT_MENU(ID_FILE_BOOKMARK_EDIT, CKestavonApp::OnBookmarkEdit)
  EVT_MENU(ID_SETTINGS_DATE_FORMAT, CKestavonApp::OnDateFormat)
  EVT_MENU(ID_SETTINGS_TIMESTAMP, CKestavonApp::OnTimeStampFormat)
wxEND_EVENT_TABLE()

void CKestavonApp::OnFileOpen(wxCommandEvent&) {
  int type = ReadSetting(Settings::File::OpenType);
  if (ReadSetting(Settings::File::FilterOrderOld) != 0) {
    WriteSetting(Settings::File::FilterOrderOld, 0);
    if (type == 3) type = 4;
  }
  const CString ext = kOpenExtensions[type];
  CFileDialogEx dialog(TRUE, ext, "*." + ext, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT,
                       "Kestavonﾌｧｲﾙ(*.kvn) |*.kvn|Textﾌｧｲﾙ(*.txt) |*.txt|WZ形式(*.mem)|*.mem|全てのﾌｧｲﾙ(*.*) |*.*||",
                       AfxGetMainFrameWindow());
  dialog.m_ofn.lpstrTitle = "開く";
  dialog.m_ofn.nFilterIndex = static_cast<DWORD>(type);
  const CString folder = ReadSetting(Settings::System::IniFolder);
  if (!folder.IsEmpty()) dialog.m_ofn.lpstrInitialDir = folder;
  if (dialog.DoModal() != IDOK) return;
  for (const CString& path : dialog.GetPathNames()) OpenDocumentFile(path);
  WriteSetting(Settings::File::OpenType, static_cast<int>(dialog.m_ofn.nFilterIndex));
}

void CKestavonApp::OnFilePrintSetup(wxCommandEvent&) {
  // The desktop's page setup chooses printer, paper and orientation; margins belong to each
  // view's own print settings.
  wxPageSetupDialogData data(GetAppPrintData());
  data.EnableMargins(false);
  wxPageSetupDialog dialog(AfxGetMainFrameWindow(), &data);
  if (dialog.ShowModal() == wxID_OK) GetAppPrintData() = dialog.GetPageSetupDialogData().GetPrintData();
}

void CKestavonApp::OnAppAbout(wxCommandEvent&) {
  CAboutDlg dialog(AfxGetMainFrameWindow());
  dialog.ShowModal();
}

void CKestavonApp::OnOpenRecent(wxCommandEvent& event) {
  m_bOpenFromRecent = 1;
  OnOpenRecentFile(event);
}

void CKestavonApp::OnRecentDelete(wxCommandEvent&) {
  if (!m_pRecentFileList) {
    AfxMessageBox(
        "「最近使ったファイル」が使われれていません。 [設定]-[設定]の「ファイル」で「最近使ったファイルの数」を１以上にしてください。");
    return;
  }
  RecentEntries entries(*m_pRecentFileList);
  CRecentDlg dialog(AfxGetMainFrameWindow(), entries);
  dialog.DoModal();
}

void CKestavonApp::OnBookmarkFile(wxCommandEvent& event) {
  m_bookmarkFiles.Open(event.GetId() - BookmarkFileList::kFirstCommand);
}

void CKestavonApp::OnBookmarkEdit(wxCommandEvent&) {
  CBookfileDlg dialog(AfxGetMainFrameWindow(), &m_bookmarkFiles);
  dialog.DoModal();
  m_bookmarkFiles.Save();
}

void CKestavonApp::OpenUrl(const char* url) {
  // No registry names the browser's command here: mode 2 opens as the standard one does.
  const CString address(url);
  const bool file = address.Left(7).CompareNoCase("file://") == 0;
  const int mode = ReadSetting(Settings::System::UrlOpenMode);
  IRunningBrowser* browser = Seam<IRunningBrowser>::Get();
  if (!file && mode == 0 && browser && browser->OpenInFront(address)) return;
  if (file || mode == 0 || mode == 1 || mode == 2) OpenLinkTarget(AfxGetMainFrameWindow(), address);
}

void CKestavonApp::OnDateFormat(wxCommandEvent&) {
  CDateOptDlg dialog(AfxGetMainFrameWindow());
  dialog.ShowModal();
}

void CKestavonApp::OnTimeStampFormat(wxCommandEvent&) {
  CTimeStampOptDlg dialog(AfxGetMainFrameWindow());
  dialog.ShowModal();
}
