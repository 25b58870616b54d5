#include "platform/services/WinInet.h"

#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <utility>

#include "platform/services/CurlLibrary.h"

namespace {

// Received bytes held for Read before the transfer is paused.
constexpr size_t kReadAhead = 64 * 1024;
// The longest wait on the network between two looks at the clock and the cancel token.
constexpr int kPollMilliseconds = 100;

constexpr char kNoCurl[] = "通信ライブラリ（libcurl）を読み込めません";
constexpr char kTooSlow[] = "通信が止まったか遅すぎるため、打ち切りました";
constexpr char kCancelledText[] = "通信を中止しました";
constexpr char kTooLarge[] = "受信データが大きすぎます";

// Milliseconds of a clock that only goes forward.
long long NowMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Whether a transfer moved too few bytes in the last span. It keeps a few samples of the running
// byte count, at least a sixty-fourth of the span apart, so its memory stays small however fast
// the bytes come; the bytes since the newest sample that is a whole span old count.
class SpeedWatch {
 public:
  SpeedWatch(size_t minBytes, long spanMilliseconds) : m_minBytes(minBytes), m_span(spanMilliseconds) {}

  // Starts a new span: a pause that the reader asked for is not the network's.
  void Restart(unsigned long long moved) {
    m_samples.clear();
    m_samples.emplace_back(NowMilliseconds(), moved);
  }

  bool TooSlow(unsigned long long moved) {
    if (m_samples.empty()) Restart(moved);
    const long long now = NowMilliseconds();
    while (m_samples.size() >= 2 && m_samples[1].first <= now - m_span) m_samples.pop_front();
    if (m_samples.back().first + m_span / 64 <= now) m_samples.emplace_back(now, moved);
    const auto& [time, count] = m_samples.front();
    return time <= now - m_span && moved - count < m_minBytes;
  }

 private:
  size_t m_minBytes;
  long long m_span;
  std::deque<std::pair<long long, unsigned long long>> m_samples;
};

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  const size_t n = std::strlen(prefix);
  return text.size() >= n && strncasecmp(text.c_str(), prefix, n) == 0;
}

CString Trimmed(const CString& text) {
  CString copy(text);
  copy.Trim();
  return copy;
}

}  // namespace

size_t CHttpFile::s_nMinTransferBytes = 1024;
long CHttpFile::s_nMinTransferMilliseconds = 20000;

void CTransferCancel::Cancel() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_cancelled = true;
  if (m_multi) Curl()->multi_wakeup(static_cast<CURLM*>(m_multi));
}

void CTransferCancel::Attach(void* multi) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_multi = multi;
}

void CTransferCancel::Detach() {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_multi = nullptr;
}

BOOL AfxParseURL(const char* url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port) {
  const std::string text(url ? url : "");
  size_t rest;
  if (StartsWithNoCase(text, "http://")) {
    serviceType = AFX_INET_SERVICE_HTTP;
    port = 80;
    rest = 7;
  } else if (StartsWithNoCase(text, "https://")) {
    serviceType = AFX_INET_SERVICE_HTTPS;
    port = 443;
    rest = 8;
  } else {
    return FALSE;
  }
  const size_t slash = text.find('/', rest);
  std::string host = text.substr(rest, slash == std::string::npos ? std::string::npos : slash - rest);
  object = slash == std::string::npos ? "/" : text.substr(slash).c_str();
  if (host.find('@') != std::string::npos) return FALSE;  // no credentials in addresses
  const size_t colon = host.rfind(':');
  if (colon != std::string::npos && host.find(']', colon) == std::string::npos) {
    const std::string digits = host.substr(colon + 1);
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos) return FALSE;
    const long value = std::strtol(digits.c_str(), nullptr, 10);
    if (value < 1 || value > 65535) return FALSE;
    port = static_cast<INTERNET_PORT>(value);
    host.resize(colon);
  }
  if (host.empty() || host.find_first_of(" \t\r\n/?#") != std::string::npos) return FALSE;
  server = host.c_str();
  return TRUE;
}

// A session is where the program goes online: the library is loaded then, not at the first request.
CInternetSession::CInternetSession(const char* agent) : m_agent(agent ? agent : "") { Curl(); }

std::unique_ptr<CHttpConnection> CInternetSession::GetHttpConnection(const char* server, INTERNET_PORT port) {
  return std::unique_ptr<CHttpConnection>(new CHttpConnection(server, port, m_agent));
}

std::unique_ptr<CHttpFile> CHttpConnection::OpenRequest(const char* verb, const char* object, DWORD flags) {
  CString url((flags & INTERNET_FLAG_SECURE) ? "https://" : "http://");
  const bool ipv6 = m_server.Find(':') >= 0;
  url += ipv6 ? "[" + m_server + "]" : m_server;
  CString port;
  port.Format(":%u", static_cast<unsigned>(m_port));
  url += port;
  url += object && *object == '/' ? object : "/";
  if (object && *object && *object != '/') url += object;
  return std::unique_ptr<CHttpFile>(new CHttpFile(url, verb, m_agent));
}

// One libcurl transfer driven step by step through a multi handle, so that the caller can stop
// after the headers and then pull the body at its own pace.
struct CHttpFile::Transfer {
  explicit Transfer(const CurlLibrary& library)
      : curl(library), watch(CHttpFile::s_nMinTransferBytes, CHttpFile::s_nMinTransferMilliseconds) {}
  Transfer(const Transfer&) = delete;
  Transfer& operator=(const Transfer&) = delete;

  const CurlLibrary& curl;
  CURL* easy = nullptr;
  CURLM* multi = nullptr;
  curl_slist* headerList = nullptr;
  CTransferCancel* cancel = nullptr;
  std::string received;
  size_t readPos = 0;
  size_t bodyTotal = 0;
  unsigned long long headerBytes = 0;
  bool paused = false;
  bool bodyStarted = false;
  bool done = false;
  bool tooLarge = false;
  bool tooSlow = false;
  bool cancelled = false;
  CURLcode result = CURLE_OK;
  std::string rawHeaders;
  std::string fixedBody;
  BodySource source;
  size_t maxBody = 0;
  SpeedWatch watch;
  char errorBuffer[CURL_ERROR_SIZE] = {};

  ~Transfer() {
    if (cancel && multi) cancel->Detach();
    if (multi && easy) curl.multi_remove_handle(multi, easy);
    if (easy) curl.easy_cleanup(easy);
    if (multi) curl.multi_cleanup(multi);
    curl.slist_free_all(headerList);
  }

  static size_t OnHeader(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    const size_t n = size * count;
    const std::string line(data, n);
    // Each response of a redirect chain (and an interim 1xx) starts its own block.
    if (line.rfind("HTTP/", 0) == 0) t->rawHeaders.clear();
    t->rawHeaders += line;
    t->headerBytes += n;
    return n;
  }

  static size_t OnBody(char* data, size_t size, size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    const size_t n = size * count;
    t->bodyStarted = true;
    if (t->bodyTotal + n > t->maxBody) {
      t->tooLarge = true;
      return 0;
    }
    if (t->received.size() - t->readPos >= kReadAhead) {
      t->paused = true;
      return CURL_WRITEFUNC_PAUSE;
    }
    t->received.append(data, n);
    t->bodyTotal += n;
    return n;
  }

  static size_t OnRead(char* buffer, size_t size, size_t count, void* self) {
    auto* t = static_cast<Transfer*>(self);
    const size_t n = t->source(buffer, size * count);
    return n == 0 ? CURL_READFUNC_ABORT : n;
  }

  // Bytes sent and received so far, headers included.
  unsigned long long Moved() const {
    curl_off_t sent = 0;
    curl.easy_getinfo(easy, CURLINFO_SIZE_UPLOAD_T, &sent);
    return static_cast<unsigned long long>(sent) + headerBytes + bodyTotal;
  }

  // Ends the transfer from this side: cancelled, or given up as too slow.
  bool Stopped() {
    if (cancel && cancel->IsCancelled()) {
      cancelled = true;
    } else if (watch.TooSlow(Moved())) {
      tooSlow = true;
    } else {
      return false;
    }
    done = true;
    result = cancelled ? CURLE_ABORTED_BY_CALLBACK : CURLE_OPERATION_TIMEDOUT;
    return true;
  }

  // One step of the transfer; waits a little for the network (or a cancel) when nothing happened.
  void Step() {
    if (Stopped()) return;
    const size_t before = received.size();
    int running = 0;
    curl.multi_perform(multi, &running);
    int left = 0;
    while (CURLMsg* message = curl.multi_info_read(multi, &left)) {
      if (message->msg == CURLMSG_DONE) {
        done = true;
        result = message->data.result;
      }
    }
    if (done || Stopped()) return;
    if (received.size() == before) curl.multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
  }
};

CHttpFile::CHttpFile(const CString& url, const char* verb, const CString& agent) : m_url(url), m_verb(verb ? verb : "GET") {
  if (!agent.IsEmpty()) m_headers.emplace_back("User-Agent", agent);
}

CHttpFile::~CHttpFile() = default;

BOOL CHttpFile::AddRequestHeaders(const char* headers, DWORD flags) {
  CString text(headers ? headers : "");
  while (!text.IsEmpty()) {
    const int end = text.Find("\r\n");
    const CString line = end < 0 ? text : text.Left(end);
    text = end < 0 ? CString() : text.Mid(end + 2);
    const int colon = line.Find(':');
    if (colon <= 0) continue;
    const CString name = Trimmed(line.Left(colon));
    const CString value = Trimmed(line.Mid(colon + 1));
    auto same = std::find_if(m_headers.begin(), m_headers.end(),
                             [&](const auto& header) { return header.first.CompareNoCase(name) == 0; });
    if (same != m_headers.end()) {
      if (!(flags & HTTP_ADDREQ_FLAG_ADD_IF_NEW)) same->second = value;
      continue;
    }
    m_headers.emplace_back(name, value);
  }
  return TRUE;
}

bool CHttpFile::MakeTransfer() {
  const CurlLibrary* curl = Curl();
  if (curl == nullptr) {
    Fail(CURLE_FAILED_INIT, kNoCurl);
    return false;
  }
  m_transfer = std::make_unique<Transfer>(*curl);
  return true;
}

void CHttpFile::SetCancel(CTransferCancel* cancel) {
  if (m_transfer && m_transfer->multi) {
    if (m_transfer->cancel) m_transfer->cancel->Detach();
    if (cancel) cancel->Attach(m_transfer->multi);
    m_transfer->cancel = cancel;
  }
  m_cancel = cancel;
}

void CHttpFile::Fail(DWORD error, const CString& text) {
  m_error = error;
  m_errorText = text;
}

void CHttpFile::FailFromTransfer() {
  const Transfer& t = *m_transfer;
  m_cancelled = t.cancelled;
  if (t.cancelled)
    Fail(static_cast<DWORD>(t.result), kCancelledText);
  else if (t.tooSlow)
    Fail(static_cast<DWORD>(t.result), kTooSlow);
  else if (t.tooLarge)
    Fail(static_cast<DWORD>(t.result), kTooLarge);
  else
    Fail(static_cast<DWORD>(t.result), t.errorBuffer[0] ? t.errorBuffer : t.curl.easy_strerror(t.result));
}

BOOL CHttpFile::SendRequest(const char* headers, const void* body, size_t length) {
  AddRequestHeaders(headers, 0);
  if (!MakeTransfer()) return FALSE;
  m_transfer->fixedBody.assign(static_cast<const char*>(body ? body : ""), body ? length : 0);
  return Start();
}

BOOL CHttpFile::SendRequestEx(size_t total, BodySource source) {
  if (!MakeTransfer()) return FALSE;
  m_transfer->source = std::move(source);
  Transfer& t = *m_transfer;
  const CurlLibrary& curl = t.curl;
  // The announced length is the one sent; the source supplies it piece by piece.
  t.easy = curl.easy_init();
  if (!t.easy) {
    Fail(CURLE_FAILED_INIT, curl.easy_strerror(CURLE_FAILED_INIT));
    return FALSE;
  }
  curl.easy_setopt(t.easy, CURLOPT_POST, 1L);
  curl.easy_setopt(t.easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(total));
  curl.easy_setopt(t.easy, CURLOPT_READFUNCTION, &Transfer::OnRead);
  curl.easy_setopt(t.easy, CURLOPT_READDATA, &t);
  return Start();
}

BOOL CHttpFile::Start() {
  Transfer& t = *m_transfer;
  const CurlLibrary& curl = t.curl;
  t.maxBody = m_maxBody;
  if (m_cancel && m_cancel->IsCancelled()) {
    m_cancelled = TRUE;
    Fail(CURLE_ABORTED_BY_CALLBACK, kCancelledText);
    return FALSE;
  }
  if (!t.easy) {
    t.easy = curl.easy_init();
    if (!t.easy) {
      Fail(CURLE_FAILED_INIT, curl.easy_strerror(CURLE_FAILED_INIT));
      return FALSE;
    }
    if (m_verb == "POST") {
      curl.easy_setopt(t.easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(t.fixedBody.size()));
      curl.easy_setopt(t.easy, CURLOPT_POSTFIELDS, t.fixedBody.data());
    }
  }
  CURL* easy = t.easy;
  const bool secure = m_url.Left(8) == "https://";
  curl.easy_setopt(easy, CURLOPT_URL, m_url.GetString());
  curl.easy_setopt(easy, CURLOPT_PROTOCOLS_STR, secure ? "https" : "http,https");
  curl.easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
  curl.easy_setopt(easy, CURLOPT_MAXREDIRS, 5L);
  curl.easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
  curl.easy_setopt(easy, CURLOPT_POSTREDIR, 0L);
  curl.easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
  curl.easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
  if (const char* bundle = std::getenv("CURL_CA_BUNDLE"); bundle && *bundle) curl.easy_setopt(easy, CURLOPT_CAINFO, bundle);
  curl.easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl.easy_setopt(easy, CURLOPT_ERRORBUFFER, t.errorBuffer);
  curl.easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
  curl.easy_setopt(easy, CURLOPT_HEADERDATA, &t);
  curl.easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Transfer::OnBody);
  curl.easy_setopt(easy, CURLOPT_WRITEDATA, &t);
  if (m_verb != "POST" && m_verb != "GET") curl.easy_setopt(easy, CURLOPT_CUSTOMREQUEST, m_verb.GetString());
  // Headers go out as given; the body follows at once, without waiting for a 100 Continue.
  for (const auto& [name, value] : m_headers)
    t.headerList = curl.slist_append(t.headerList, (name + ": " + value).GetString());
  t.headerList = curl.slist_append(t.headerList, "Expect:");
  curl.easy_setopt(easy, CURLOPT_HTTPHEADER, t.headerList);

  t.multi = curl.multi_init();
  curl.multi_add_handle(t.multi, easy);
  if (m_cancel) {
    t.cancel = m_cancel;
    m_cancel->Attach(t.multi);
  }
  t.watch.Restart(0);
  while (!t.done && !t.bodyStarted) t.Step();
  if (t.done && t.result != CURLE_OK) {
    FailFromTransfer();
    return FALSE;
  }
  return TRUE;
}

DWORD CHttpFile::QueryStatusCode() const {
  long code = 0;
  if (m_transfer && m_transfer->easy) m_transfer->curl.easy_getinfo(m_transfer->easy, CURLINFO_RESPONSE_CODE, &code);
  return static_cast<DWORD>(code);
}

CString CHttpFile::QueryRawHeaders() const {
  if (!m_transfer) return CString();
  // The blank line that ends the block is not a header.
  std::string text = m_transfer->rawHeaders;
  while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0 &&
         (text.size() == 2 || text.compare(text.size() - 4, 2, "\r\n") == 0))
    text.resize(text.size() - 2);
  return CString(text.c_str());
}

CString CHttpFile::QueryHeader(const char* name) const {
  const CString raw = QueryRawHeaders();
  const CString wanted = CString(name) + ":";
  int start = raw.Find("\r\n");
  while (start >= 0) {
    start += 2;
    const int end = raw.Find("\r\n", start);
    const CString line = end < 0 ? raw.Mid(start) : raw.Mid(start, end - start);
    if (line.GetLength() >= wanted.GetLength() && line.Left(wanted.GetLength()).CompareNoCase(wanted) == 0)
      return Trimmed(line.Mid(wanted.GetLength()));
    start = end;
  }
  return CString();
}

size_t CHttpFile::Read(void* buffer, size_t size) {
  if (!m_transfer || m_error) return 0;
  Transfer& t = *m_transfer;
  while (t.readPos == t.received.size() && !t.done) {
    if (t.paused) {
      t.paused = false;
      t.watch.Restart(t.Moved());
      t.curl.easy_pause(t.easy, CURLPAUSE_CONT);
    }
    t.Step();
  }
  const size_t n = std::min(size, t.received.size() - t.readPos);
  std::memcpy(buffer, t.received.data() + t.readPos, n);
  t.readPos += n;
  if (t.readPos == t.received.size()) {
    t.received.clear();
    t.readPos = 0;
  }
  if (n == 0 && t.result != CURLE_OK) FailFromTransfer();
  return n;
}

void CHttpFile::Close() { m_transfer.reset(); }
