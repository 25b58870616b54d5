#include "online/CNetFileService.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "foundation/CDXMLDocument.h"
#include "foundation/PathHelpers.h"
#include "model/NetPath.h"
#include "online/CHttpClient.h"
#include "online/CMd5.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/services/WinInet.h"

namespace {

// Shared with the service.
constexpr char kKeySalt[] = "vk\t#rny";

// The decimal number at the start of the text; 0 when it starts with none.
int LeadingNumber(const CString& text) {
  const char* p = text.GetString();
  int sign = 1;
  if (*p == '-' || *p == '+') sign = *p++ == '-' ? -1 : 1;
  long value = 0;
  for (; *p >= '0' && *p <= '9' && value < 100000000; ++p) value = value * 10 + (*p - '0');
  return static_cast<int>(sign * value);
}

// The text of the first element of that name below the root, and whether there is one.
bool FirstText(const CDXMLElement& root, const char* name, CString& text) {
  const CDXMLNodeList list = root.GetElementsByTagName(name);
  const CDXMLNode* node = list.GetItem(0);
  if (!node) return false;
  text = node->GetText();
  return true;
}

CString Site(const char* key) {
  CString site = AfxGetProfileString("Net", key, "");
  site.Trim();
  if (!site.IsEmpty() && site[site.GetLength() - 1] != '/') site += '/';
  return site;
}

}  // namespace

CString CNetFileItem::GetNetPath() const { return MakeNetPath(m_strFileId, m_strTitle); }

CNetFileService::CNetFileService() : m_strTransferBase(GetTransferBase()), m_strRequestUrl(GetRequestUrl()) {}

CNetFileService::~CNetFileService() = default;

CString CNetFileService::GetRequestUrl() {
  const CString site = Site("RequestSite");
  return site.IsEmpty() ? site : site + "kvn/kvnfile.php";
}

CString CNetFileService::GetTransferBase() { return Site("TransferSite"); }

void CNetFileService::SetAccount(const char* mail, const char* password) {
  m_strMail = mail ? mail : "";
  m_strPassword = password ? password : "";
}

CNetFileItem* CNetFileService::GetFile(int index) const {
  if (index < 0 || index >= GetFileCount()) return nullptr;
  return m_files[static_cast<size_t>(index)].get();
}

CString CNetFileService::GetNetPath() const { return MakeNetPath(m_strFileId, m_strTitle); }

void CNetFileService::SetNetPath(const char* path) {
  m_strTitle = GetNetFileTitle(path);
  m_strFileId = GetNetFileId(path);
}

CString CNetFileService::MakeKey(const char* password, const char* date) {
  CMd5 md5;
  const CString inner = md5.HexDigest(password);
  return md5.HexDigest(inner + date + kKeySalt);
}

BOOL CNetFileService::CheckConfigured() {
  if (!m_strRequestUrl.IsEmpty() && !m_strTransferBase.IsEmpty()) return TRUE;
  m_strMessage = "Webファイルサービスのアドレスが設定されていません";
  return FALSE;
}

BOOL CNetFileService::TookCancel(const CHttpClient& client) {
  if (!client.IsCancelled()) return FALSE;
  m_bCancelled = TRUE;
  m_strMessage = "通信を中止しました";
  return TRUE;
}

BOOL CNetFileService::CheckUploadSize(const char* localPath) {
  m_bCancelled = FALSE;
  struct stat info {};
  if (stat(CP932ToUTF8(localPath).c_str(), &info) == 0 && static_cast<unsigned long long>(info.st_size) <= CHttpClient::kMaxDownload)
    return TRUE;
  m_strMessage.Format("サイズ制限：%uMBを超えるファイルはアップロードできません",
                      static_cast<unsigned>(CHttpClient::kMaxDownload >> 20));
  return FALSE;
}

BOOL CNetFileService::Request(const char* mode, const char* title, const char* fileId) {
  m_bCancelled = FALSE;
  if (!CheckConfigured()) return FALSE;
  m_strDate = COleDateTime::GetCurrentTime().Format("%Y/%m/%d %H:%M:%S");
  const CString key = MakeKey(m_strPassword, m_strDate);
  CHttpClient client(m_strRequestUrl);
  client.AddParam("mode", mode);
  client.AddParam("mail", m_strMail);
  client.AddParam("pass", key);
  client.AddParam("date", m_strDate);
  client.AddParam("pub", "1");
  if (title) {
    m_strTitle = title;
    client.AddParam("title", title);
  }
  if (fileId) {
    m_strFileId = fileId;
    client.AddParam("fileid", fileId);
  }
  // The transfer's own result does not matter: after a failure the reply is empty, which is no reply.
  client.PostForm();
  if (TookCancel(client)) return FALSE;
  return ParseReply(client.GetResponseText());
}

BOOL CNetFileService::ParseReply(const char* reply) {
  CDXMLDocument document;
  document.LoadXmlText(reply ? reply : "", 0);
  const CDXMLElement* root = document.GetDocumentElement();
  m_bListedFiles = FALSE;
  if (!root || root->GetNodeName() != "kvn") {
    DWORD service = 0;
    CString server, object;
    INTERNET_PORT port = 0;
    AfxParseURL(m_strRequestUrl, service, server, object, port);
    m_strMessage = server + " からの情報が取得できませんでした。";
    return FALSE;
  }
  CString text;
  if (FirstText(*root, "error", text)) {
    m_nStatus = LeadingNumber(text);
    if (FirstText(*root, "errormes", text)) m_strMessage = text;
    return FALSE;
  }
  if (FirstText(*root, "date", text)) m_strDate = text;
  if (FirstText(*root, "key", text)) m_strKey = text;
  if (!FirstText(*root, "message", m_strConfirm)) m_strConfirm.Empty();
  const CDXMLNodeList files = root->GetElementsByTagName("file");
  m_bListedFiles = files.GetLength() > 0;
  if (m_bListedFiles) {
    m_files.clear();
    for (int i = 0; i < files.GetLength(); ++i) {
      const auto* element = static_cast<const CDXMLElement*>(files.GetItem(i));
      auto item = std::make_unique<CNetFileItem>();
      FirstText(*element, "title", item->m_strTitle);
      FirstText(*element, "fileid", item->m_strFileId);
      FirstText(*element, "update", item->m_strUpdate);
      m_files.push_back(std::move(item));
    }
  } else {
    if (FirstText(*root, "title", text)) m_strTitle = text;
    if (FirstText(*root, "fileid", text)) m_strFileId = text;
  }
  return TRUE;
}

BOOL CNetFileService::CheckTransferReply(const char* reply) {
  m_strTransferReply = reply ? reply : "";
  const int lineFeed = m_strTransferReply.Find('\n');
  if (lineFeed < 0) {
    m_nStatus = 0;
    m_strMessage = m_strTransferReply;
    return TRUE;
  }
  CString status = m_strTransferReply.Left(lineFeed);
  CString message = m_strTransferReply.Mid(lineFeed + 1);
  status.TrimRight();
  message.TrimRight();
  m_nStatus = LeadingNumber(status);
  m_strMessage = message;
  return m_nStatus == 0;
}

BOOL CNetFileService::List() { return Request("list", nullptr, nullptr); }

BOOL CNetFileService::TransferFile(const char* endpoint, const char* localPath, BOOL withPub) {
  CHttpClient client(m_strTransferBase + endpoint);
  client.AddParam("mail", m_strMail);
  client.AddParam("key", m_strKey);
  client.AddParam("date", m_strDate);
  client.AddParam("fileid", m_strFileId);
  if (withPub) client.AddParam("pub", "1");
  client.AddParam("fileext", GetFileExt(localPath));
  if (!client.UploadFile(localPath)) {
    if (TookCancel(client)) return FALSE;
    m_strMessage = "ファイルのアップロードに失敗しました";
    return FALSE;
  }
  return CheckTransferReply(client.GetResponseText());
}

BOOL CNetFileService::Upload(const char* localPath, const char* title) {
  if (!CheckUploadSize(localPath)) return FALSE;
  if (!Request("saveas", title ? title : m_strTitle.GetString(), nullptr)) return FALSE;
  if (!m_strConfirm.IsEmpty() && AfxMessageBox(m_strConfirm, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    m_strMessage = "アップロードを中止しました";
    return FALSE;
  }
  return TransferFile("kvnupload", localPath, TRUE);
}

BOOL CNetFileService::Save(const char* localPath, const char* title, const char* fileId) {
  const CString useTitle = title ? CString(title) : m_strTitle;
  const CString useId = fileId ? CString(fileId) : m_strFileId;
  if (!CheckUploadSize(localPath)) return FALSE;
  if (!Request("save", useTitle, useId)) return FALSE;
  return TransferFile("kvnupdate", localPath, FALSE);
}

BOOL CNetFileService::GetUpdateTime(const char* fileId, COleDateTime& dateTime) {
  if (!Request("read", nullptr, fileId)) return FALSE;
  // A reply that lists no file has no update time.
  if (!m_bListedFiles) return FALSE;
  COleDateTime parsed;
  if (!parsed.ParseDateTime(m_files.front()->m_strUpdate)) return FALSE;
  dateTime = parsed;
  return TRUE;
}

CString CNetFileService::Download(const char* fileId) {
  const CString useId = fileId ? CString(fileId) : m_strFileId;
  if (!Request("read", nullptr, useId)) return CString();
  // Each download gets a folder of its own, so that no other user's file or link is in the way.
  std::string folder = CP932ToUTF8((GetTempDir() + "pelkonetXXXXXX").str());
  if (!mkdtemp(folder.data())) {
    m_strMessage = "一時フォルダを作成できませんでした";
    return CString();
  }
  const CString dir = UTF8ToCP932(folder);
  CHttpClient client(m_strTransferBase + "kvndownload");
  client.AddParam("mail", m_strMail);
  client.AddParam("key", m_strKey);
  client.AddParam("date", m_strDate);
  client.AddParam("fileid", m_strFileId);
  const CString path = client.DownloadFile(dir);
  if (TookCancel(client)) {
    rmdir(folder.c_str());
    return CString();
  }
  const CString reply = client.GetResponseText();
  const BOOL accepted = CheckTransferReply(reply);
  if (path.IsEmpty() || !accepted) {
    if (path.IsEmpty()) {
      rmdir(folder.c_str());
      if (accepted) m_strMessage = reply.IsEmpty() ? CString("ダウンロードに失敗しました") : reply;
    } else {
      DeleteDownload(path);
    }
    return CString();
  }
  return path;
}

BOOL CNetFileService::Delete(const char* fileId) {
  const CString useId = fileId ? CString(fileId) : m_strFileId;
  if (!Request("delete", nullptr, useId)) return FALSE;
  CHttpClient client(m_strTransferBase + "kvndelete");
  client.AddParam("mail", m_strMail);
  client.AddParam("key", m_strKey);
  client.AddParam("date", m_strDate);
  client.AddParam("fileid", m_strFileId);
  if (!client.PostForm()) {
    if (TookCancel(client)) return FALSE;
    m_strMessage = "ファイルの削除に失敗しました";
    return FALSE;
  }
  return CheckTransferReply(client.GetResponseText());
}

CString CNetFileService::GetTempFilePath(const char* extension) {
  const CString ext(extension ? extension : "");
  std::string name = CP932ToUTF8((GetTempDir() + "pelkonetXXXXXX" + ext).str());
  const int fd = mkstemps(name.data(), ext.GetLength());
  if (fd < 0) return CString();
  close(fd);
  return UTF8ToCP932(name);
}

void CNetFileService::DeleteDownload(const char* path) {
  const std::string file = CP932ToUTF8(path);
  unlink(file.c_str());
  const size_t slash = file.rfind('/');
  if (slash != std::string::npos) rmdir(file.substr(0, slash).c_str());
}
