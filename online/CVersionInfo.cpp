#include "online/CVersionInfo.h"

#include <sys/stat.h>

#include <memory>

#include "app/WebPages.h"
#include "online/CTransferProgressDlg.h"
#include "online/CVerupDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "platform/services/WinInet.h"

namespace {

constexpr char kFailed[] = "バージョンアップ情報の取得に失敗しました";
constexpr size_t kMaxVersionFile = 64 * 1024;

int LeadingDigits(const CString& text) {
  int value = 0;
  for (int i = 0; i < text.GetLength() && text[i] >= '0' && text[i] <= '9' && value < 100000; ++i)
    value = value * 10 + (text[i] - '0');
  return value;
}

COleDateTime ProgramFileTime() {
  struct stat info {};
  if (stat("/proc/self/exe", &info) != 0) return COleDateTime();
  return COleDateTime(info.st_mtime);
}

}  // namespace

CString CVersionInfo::GetVersionUrl() {
  CString site = AfxGetProfileString("Net", "VersionSite", "");
  site.Trim();
  if (site.IsEmpty()) return site;
  if (site[site.GetLength() - 1] != '/') site += '/';
  return site + "soft/verup.txt";
}

CString CVersionInfo::GetField(int n) const {
  int start = 0;
  for (int i = 0; i < n; ++i) {
    start = m_strLine.Find(',', start);
    if (start < 0) return CString();
    ++start;
  }
  const int end = m_strLine.Find(',', start);
  return end < 0 ? m_strLine.Mid(start) : m_strLine.Mid(start, end - start);
}

BOOL CVersionInfo::GetDate(COleDateTime& date) const {
  const CString field = GetField(2);
  const int first = field.Find('/');
  if (first < 0) return FALSE;
  const int second = field.Find('/', first + 1);
  if (second < 0) return FALSE;
  const int year = LeadingDigits(field.Left(first));
  const int month = LeadingDigits(field.Mid(first + 1));
  const int day = LeadingDigits(field.Mid(second + 1));
  if (year < 2001 || year > 2036 || month < 1 || month > 12 || day < 1 || day > 31) return FALSE;
  const COleDateTime value(year, month, day, 0, 0, 0);
  if (value.GetStatus() != COleDateTime::valid) return FALSE;
  date = value;
  return TRUE;
}

BOOL CVersionInfo::FindProductLine(const char* text, const char* product) {
  const CString all(text ? text : "");
  const CString prefix = CString(product) + ",";
  int start = 0;
  while (start < all.GetLength()) {
    int end = all.Find('\n', start);
    if (end < 0) end = all.GetLength();
    CString line = all.Mid(start, end - start);
    line.Remove('\r');
    if (line.Left(prefix.GetLength()) == prefix) {
      m_strLine = line;
      return TRUE;
    }
    start = end + 1;
  }
  return FALSE;
}

BOOL CVersionInfo::Download(const char* url) {
  m_strText.Empty();
  m_bCancelled = FALSE;
  DWORD service = 0;
  CString server, object;
  INTERNET_PORT port = 0;
  if (!AfxParseURL(url, service, server, object, port)) {
    AfxMessageBox(CString(url) + "の解析に失敗しました");
    return FALSE;
  }
  CInternetSession session("Mozilla/4.0*");
  std::unique_ptr<CHttpConnection> connection = session.GetHttpConnection(server, port);
  DWORD flags = INTERNET_FLAG_RELOAD;
  if (service == AFX_INET_SERVICE_HTTPS) flags |= INTERNET_FLAG_SECURE;
  std::unique_ptr<CHttpFile> file = connection->OpenRequest("GET", object, flags);
  file->SetMaxBodySize(kMaxVersionFile);
  file->AddRequestHeaders("Accept: text/*\r\nUser-Agent: Mozilla/4.0*\r\n", HTTP_ADDREQ_FLAG_ADD_IF_NEW);
  BOOL done = FALSE;
  RunTransfer(TransferKind::VersionCheck, "", *file, [&](CTransferProgress& progress) {
    if (!file->SendRequest(nullptr, nullptr, 0) || file->QueryStatusCode() >= 300) return;
    char block[1024];
    for (size_t n; (n = file->Read(block, sizeof block - 1)) > 0;) {
      m_strText.str().append(block, n);
      progress.done += n;
    }
    done = !file->Failed();
  });
  m_bCancelled = file->Cancelled();
  return done;
}

CVersionInfo::Result CVersionInfo::Check(const char* product) { return Check(product, ProgramFileTime()); }

CVersionInfo::Result CVersionInfo::Check(const char* product, const COleDateTime& programTime) {
  const CString url = GetVersionUrl();
  if (url.IsEmpty()) {
    AfxMessageBox("バージョン情報のアドレスが設定されていません");
    return Failed;
  }
  COleDateTime published;
  if (!Download(url) || !FindProductLine(m_strText, product) || !GetDate(published)) {
    if (!m_bCancelled) AfxMessageBox(kFailed);
    return Failed;
  }
  return programTime < published ? Newer : Latest;
}

void RunVersionCheck() {
  if (AfxMessageBox("このソフトが最新版かどうか確認しますか？\r\n注：インターネットに接続していることが必要です",
                    MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  CVersionInfo info;
  switch (info.Check("Kestavon")) {
    case CVersionInfo::Newer: {
      CVerupDlg dialog(AfxGetMainFrameWindow());
      dialog.m_strVersion = info.GetVersion();
      dialog.m_strMessage = info.GetMessage();
      COleDateTime date;
      info.GetDate(date);
      dialog.m_strDate = date.Format("%Y/%m/%d");
      if (dialog.DoModal() == IDOK) ShellExecute(AfxGetMainFrameWindow(), "open", kHomePageUrl, nullptr, nullptr, SW_SHOWNORMAL);
      break;
    }
    case CVersionInfo::Latest:
      AfxMessageBox("現在お使いのバージョンが最新版です", MB_OK | MB_ICONINFORMATION);
      break;
    case CVersionInfo::Failed:
      break;
  }
}
