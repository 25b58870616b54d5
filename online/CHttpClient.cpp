#include "online/CHttpClient.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <string>

#include "online/CTransferProgressDlg.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/services/WinInet.h"

namespace {

// The agent string, sent as the one User-Agent header of every request.
constexpr char kAgent[] = "Mozilla/4.0*";
constexpr char kFormHeaders[] = "Accept: text/*\r\nUser-Agent: Mozilla/4.0*\r\n";
constexpr char kFormContentType[] = "Content-type: application/x-www-form-urlencoded";
constexpr char kFixedBoundary[] = "-7da1091f160a20";
constexpr size_t kUploadBlock = 2048;
constexpr size_t kDownloadBlock = 1023;

// Whether the text occurs in the file, read block by block with an overlap.
bool FileContains(const char* path, const CString& text) {
  std::ifstream in(CP932ToUTF8(path), std::ios::binary);
  const std::string needle(text.GetString());
  std::string window;
  char block[8192];
  while (in) {
    in.read(block, sizeof block);
    window.append(block, static_cast<size_t>(in.gcount()));
    if (window.find(needle) != std::string::npos) return true;
    if (window.size() > needle.size()) window.erase(0, window.size() - needle.size());
  }
  return false;
}

}  // namespace

CHttpClient::CHttpClient(const char* url) : m_strURL(url ? url : ""), m_strBoundary(kFixedBoundary) {}

CHttpClient::~CHttpClient() = default;

void CHttpClient::AddParam(const char* name, const char* value) {
  auto param = std::make_unique<CPelkoHttpParam>();
  param->name = name ? name : "";
  param->value = value ? value : "";
  m_params.push_back(std::move(param));
}

CString CHttpClient::EncodeFormValue(const char* value) {
  CString out;
  for (const char* p = value ? value : ""; *p; ++p) {
    const auto byte = static_cast<unsigned char>(*p);
    if (std::isalnum(byte) || byte == '_' || byte == '.' || byte == '-') {
      out += static_cast<char>(byte);
    } else if (byte == ' ') {
      out += '+';
    } else {
      CString hex;
      hex.Format("%%%02X", static_cast<unsigned>(byte));
      out += hex;
    }
  }
  return out;
}

CString CHttpClient::BuildFormBody() const {
  CString body;
  for (const auto& param : m_params) {
    if (!body.IsEmpty()) body += '&';
    body += param->name + "=" + EncodeFormValue(param->value);
  }
  return body;
}

CString CHttpClient::BuildParamParts() const {
  CString parts;
  for (const auto& param : m_params)
    parts += "--" + m_strBoundary + "\r\nContent-Disposition: form-data; name=\"" + param->name + "\"\r\n\r\n" +
             param->value + "\r\n";
  return parts;
}

CString CHttpClient::BuildFilePartHeader() const {
  return "--" + m_strBoundary + "\r\n" + "Content-Disposition: form-data; name=\"file\"; filename=\"kvn.txt\"\r\n" +
         "Content-Type: application/octet-stream\r\n\r\n";
}

CString CHttpClient::BuildTrailer() const { return "\r\n--" + m_strBoundary + "--\r\n\r\n"; }

void CHttpClient::ChooseBoundary(const char* localPath) {
  auto occurs = [&] {
    for (const auto& param : m_params)
      if (param->name.Find(m_strBoundary) >= 0 || param->value.Find(m_strBoundary) >= 0) return true;
    return FileContains(localPath, m_strBoundary);
  };
  for (int n = 1; occurs(); ++n) m_strBoundary.Format("%s%d", kFixedBoundary, n);
}

std::unique_ptr<CHttpFile> CHttpClient::OpenRequest() {
  m_strResponse.Empty();
  DWORD service = 0;
  CString server, object;
  INTERNET_PORT port = 0;
  if (!AfxParseURL(m_strURL, service, server, object, port)) {
    AfxMessageBox(m_strURL + "の解析に失敗しました");
    return nullptr;
  }
  CInternetSession session(kAgent);
  std::unique_ptr<CHttpConnection> connection = session.GetHttpConnection(server, port);
  DWORD flags = INTERNET_FLAG_RELOAD;
  if (service == AFX_INET_SERVICE_HTTPS) flags |= INTERNET_FLAG_SECURE;
  return connection->OpenRequest("POST", object, flags);
}

void CHttpClient::ShowHttpError(const CHttpFile& file) const {
  CString text;
  text.Format("httpエラー。\r\n%u\r\n%s", static_cast<unsigned>(file.GetError()),
              file.GetErrorMessage().Left(512).GetString());
  AfxMessageBox(text);
}

void CHttpClient::ReadResponseText(CHttpFile& file, CTransferProgress& progress) {
  char block[1024];
  for (;;) {
    const size_t n = file.Read(block, sizeof block - 1);
    if (n == 0) break;
    progress.done += n;
    for (size_t i = 0; i < n; ++i)
      if (block[i] != '\r') m_strResponse += block[i];
  }
}

BOOL CHttpClient::PostForm() {
  std::unique_ptr<CHttpFile> file = OpenRequest();
  if (!file) return FALSE;
  file->SetMaxBodySize(kMaxTextReply);
  file->AddRequestHeaders(kFormHeaders, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
  const CString body = BuildFormBody();
  RunTransfer(TransferKind::Request, "", *file, [&](CTransferProgress& progress) {
    if (file->SendRequest(kFormContentType, body.GetString(), static_cast<size_t>(body.GetLength())) &&
        file->QueryStatusCode() <= 299)
      ReadResponseText(*file, progress);
  });
  return FinishRequest(*file);
}

BOOL CHttpClient::UploadFile(const char* localPath) {
  std::ifstream in(CP932ToUTF8(localPath), std::ios::binary);
  if (!in) return FALSE;
  std::unique_ptr<CHttpFile> file = OpenRequest();
  if (!file) return FALSE;
  RunTransfer(TransferKind::Upload, "", *file, [&](CTransferProgress& progress) {
    in.seekg(0, std::ios::end);
    const auto fileLength = static_cast<size_t>(in.tellg());
    in.seekg(0);
    progress.total = fileLength;
    ChooseBoundary(localPath);
    file->SetMaxBodySize(kMaxTextReply);
    file->AddRequestHeaders(CString(kFormHeaders) + "Content-Type: multipart/form-data; boundary=" + m_strBoundary + "\r\n",
                            HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    const std::string head = std::string(BuildParamParts().GetString()) + BuildFilePartHeader().GetString();
    const std::string trailer = BuildTrailer().GetString();
    const size_t total = head.size() + fileLength + trailer.size();

    // The body is pulled in order: the parts, the file in blocks, the trailer.
    size_t headSent = 0, fileSent = 0, trailerSent = 0;
    auto source = [&](char* buffer, size_t size) -> size_t {
      if (headSent < head.size()) {
        const size_t n = std::min(size, head.size() - headSent);
        head.copy(buffer, n, headSent);
        headSent += n;
        return n;
      }
      if (fileSent < fileLength) {
        in.read(buffer, static_cast<std::streamsize>(std::min({size, kUploadBlock, fileLength - fileSent})));
        const auto n = static_cast<size_t>(in.gcount());
        fileSent += n;
        progress.done = fileSent;
        return n;
      }
      const size_t n = std::min(size, trailer.size() - trailerSent);
      trailer.copy(buffer, n, trailerSent);
      trailerSent += n;
      return n;
    };
    if (file->SendRequestEx(total, source) && file->QueryStatusCode() <= 299) ReadResponseText(*file, progress);
  });
  return FinishRequest(*file);
}

BOOL CHttpClient::FinishRequest(CHttpFile& file) {
  if (!file.Failed() && file.QueryStatusCode() <= 299) return TRUE;
  // What came before a failure is no reply.
  m_strResponse.Empty();
  m_bCancelled = file.Cancelled();
  if (file.Failed() && !m_bCancelled) ShowHttpError(file);
  return FALSE;
}

CString CHttpClient::GetFileNameFromHeaders(const char* rawHeaders) {
  CString text(rawHeaders ? rawHeaders : "");
  const int at = text.Find("filename=");
  if (at < 0) return CString();
  text = text.Mid(at + 9);
  const int end = text.Find("\r\n");
  if (end >= 0) text = text.Left(end);
  int quote = text.Find('"');
  if (quote >= 0) text = text.Mid(quote + 1);
  quote = text.Find('"');
  if (quote >= 0) text = text.Left(quote);
  return text;
}

CString CHttpClient::SafeFileName(const char* name) {
  CString text(name ? name : "");
  // Both separators count: a name from the reply may come from either system.
  const int cut = std::max(text.ReverseFind('/'), text.ReverseFind('\\'));
  text = text.Mid(cut + 1);
  if (text.IsEmpty() || text == "." || text == "..") return CString();
  for (int i = 0; i < text.GetLength(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) return CString();
  }
  return text;
}

CString CHttpClient::DownloadFile(const char* folder) {
  const int slash = m_strURL.ReverseFind('/');
  if (slash < 0) return CString();
  CString name = m_strURL.Mid(slash + 1);
  CString dir(folder ? folder : "");
  if (dir.IsEmpty() || dir[dir.GetLength() - 1] != '/') dir += '/';

  std::unique_ptr<CHttpFile> file = OpenRequest();
  if (!file) return CString();
  file->SetMaxBodySize(kMaxDownload);
  file->AddRequestHeaders(kFormHeaders, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
  const CString body = BuildFormBody();
  // How the worker ended, for the GUI thread to report.
  enum class Outcome { Failed, ErrorStatus, TextReply, BadName, NotCreated, NotWritten, Saved } outcome = Outcome::Failed;
  CString target;
  RunTransfer(TransferKind::Download, name, *file, [&](CTransferProgress& progress) {
    if (!file->SendRequest(kFormContentType, body.GetString(), static_cast<size_t>(body.GetLength()))) return;
    if (file->QueryStatusCode() > 299) {
      outcome = Outcome::ErrorStatus;
      return;
    }
    // Only this exact value (as the service sends it) marks a text reply.
    if (file->QueryHeader("Content-Type") == "text/palin") {
      ReadResponseText(*file, progress);
      outcome = Outcome::TextReply;
      return;
    }
    const CString given = SafeFileName(GetFileNameFromHeaders(file->QueryRawHeaders()));
    if (!given.IsEmpty()) name = given;
    name = SafeFileName(name);
    if (name.IsEmpty()) {
      outcome = Outcome::BadName;
      return;
    }
    target = dir + name;
    const std::string path = CP932ToUTF8(target.str());
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
      outcome = Outcome::NotCreated;
      return;
    }
    m_dwTotalSize = static_cast<DWORD>(std::strtoul(file->QueryHeader("Content-Length"), nullptr, 10));
    m_dwReceivedSize = 0;
    progress.total = m_dwTotalSize;
    bool written = true;
    char block[kDownloadBlock];
    for (size_t n; written && (n = file->Read(block, sizeof block)) > 0;) {
      m_dwReceivedSize += static_cast<DWORD>(n);
      progress.done = m_dwReceivedSize;
      written = write(fd, block, n) == static_cast<ssize_t>(n);
    }
    file->Close();
    if (close(fd) != 0) written = false;
    // A cut, failed or cancelled download leaves no partial file.
    if (!written || file->Failed()) unlink(path.c_str());
    outcome = !written ? Outcome::NotWritten : file->Failed() ? Outcome::Failed : Outcome::Saved;
  });
  if (file->Cancelled()) {
    m_bCancelled = TRUE;
    m_strResponse.Empty();
    return CString();
  }
  switch (outcome) {
    case Outcome::Saved:
      return target;
    case Outcome::Failed:
      m_strResponse.Empty();
      ShowHttpError(*file);
      break;
    case Outcome::ErrorStatus:
      m_strResponse = "ダウンロードサイトが開けませんでした";
      break;
    case Outcome::TextReply:
      if (file->Failed()) {
        m_strResponse.Empty();
        ShowHttpError(*file);
      }
      break;
    case Outcome::BadName:
      m_strResponse = "ダウンロードしたファイルの名前が正しくありません";
      break;
    case Outcome::NotCreated:
      m_strResponse = "ファイルの作成に失敗しました：" + target;
      break;
    case Outcome::NotWritten:
      m_strResponse = "ファイルの書込に失敗しました：" + target;
      break;
  }
  return CString();
}
