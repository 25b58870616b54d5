#pragma once
// HTTP transfers in the shape the online client expects of the internet session classes: a
// session opens a connection to a server, the connection opens one request, the request is sent
// (its body given whole, or pulled in pieces from a source) and then yields its status, headers
// and body in pieces. Runs on libcurl, synchronously: Send returns when the reply's headers are in.
// A request may be driven on any one thread; another thread can stop it through its cancel token.
// TLS certificates are always verified (the system's store, or the bundle CURL_CA_BUNDLE names),
// a redirect never leaves https for http, the proxy comes from the usual environment variables, a
// transfer that moves too few bytes in a while fails (connecting included) and a body beyond the
// request's size cap fails it.
// Failures are results, not exceptions: a failed call returns FALSE (0 for Read) and the request
// keeps the error number and its text.
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

using INTERNET_PORT = unsigned short;

constexpr DWORD AFX_INET_SERVICE_HTTP = 3;
constexpr DWORD AFX_INET_SERVICE_HTTPS = 4;
constexpr DWORD INTERNET_FLAG_RELOAD = 0x80000000u;
constexpr DWORD INTERNET_FLAG_SECURE = 0x00800000u;
constexpr DWORD HTTP_ADDREQ_FLAG_ADD_IF_NEW = 0x10000000u;

// Splits an http or https URL into its service, server, object (path and query, "/" at least) and
// port (the scheme's default when none is given). FALSE for anything else.
BOOL AfxParseURL(const char* url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port);

// Stops transfers from another thread: the one under way fails at once, and a request that
// starts afterwards with the same token fails at its start.
class CTransferCancel {
 public:
  CTransferCancel() = default;
  CTransferCancel(const CTransferCancel&) = delete;
  CTransferCancel& operator=(const CTransferCancel&) = delete;

  void Cancel();
  bool IsCancelled() const { return m_cancelled.load(); }

 private:
  friend class CHttpFile;
  // The transfer that is waiting on the network, woken by Cancel; null while none is.
  void Attach(void* multi);
  void Detach();

  std::mutex m_mutex;
  void* m_multi = nullptr;
  std::atomic<bool> m_cancelled{false};
};

class CHttpFile {
 public:
  // Fills the buffer with the next bytes of the request body; 0 ends it early (the transfer then
  // fails, as the announced length was not sent).
  using BodySource = std::function<size_t(char* buffer, size_t size)>;

  ~CHttpFile();
  CHttpFile(const CHttpFile&) = delete;
  CHttpFile& operator=(const CHttpFile&) = delete;

  // "Name: value" lines separated by CR LF; with HTTP_ADDREQ_FLAG_ADD_IF_NEW a header already
  // present keeps its value.
  BOOL AddRequestHeaders(const char* headers, DWORD flags = HTTP_ADDREQ_FLAG_ADD_IF_NEW);
  // Sends the request with the extra header lines and the body; TRUE once the reply's headers are in.
  BOOL SendRequest(const char* headers, const void* body, size_t length);
  // The same with a body of the announced total length pulled from the source as it is sent.
  BOOL SendRequestEx(size_t total, BodySource source);

  DWORD QueryStatusCode() const;
  // Every header line of the reply, each ended by CR LF, the status line first.
  CString QueryRawHeaders() const;
  // The value of the reply's first header of that name (compared without case); "" when absent.
  CString QueryHeader(const char* name) const;
  // The next bytes of the body, at most size; 0 at its end or on a failure (see Failed).
  size_t Read(void* buffer, size_t size);
  // Ends the transfer; what was not read is dropped.
  void Close();

  // The largest body accepted (bytes); a longer one fails the transfer.
  void SetMaxBodySize(size_t bytes) { m_maxBody = bytes; }
  // The token that stops this request (null: none); it must live until it is replaced.
  void SetCancel(CTransferCancel* cancel);
  BOOL Failed() const { return m_error != 0; }
  // Whether the request failed because its token was cancelled.
  BOOL Cancelled() const { return m_cancelled; }
  DWORD GetError() const { return m_error; }
  CString GetErrorMessage() const { return m_errorText; }

  // A transfer fails when it moves (sends and receives together) fewer than this many bytes in any
  // span of this many milliseconds, from its start: a silent server or a trickle is given up,
  // while a slow link that keeps moving completes.
  static size_t s_nMinTransferBytes;
  static long s_nMinTransferMilliseconds;

 private:
  friend class CHttpConnection;
  struct Transfer;
  CHttpFile(const CString& url, const char* verb, const CString& agent);
  bool MakeTransfer();  // false, with the failure set, where there is no library to transfer with
  BOOL Start();
  void Fail(DWORD error, const CString& text);
  // Takes the failure of the finished transfer.
  void FailFromTransfer();

  std::unique_ptr<Transfer> m_transfer;
  std::vector<std::pair<CString, CString>> m_headers;
  CString m_url;
  CString m_verb;
  size_t m_maxBody = 64u << 20;
  CTransferCancel* m_cancel = nullptr;
  BOOL m_cancelled = FALSE;
  DWORD m_error = 0;
  CString m_errorText;
};

class CHttpConnection {
 public:
  // A request for the object (path and query) on this connection's server.
  std::unique_ptr<CHttpFile> OpenRequest(const char* verb, const char* object, DWORD flags);
  void Close() {}

 private:
  friend class CInternetSession;
  CHttpConnection(const CString& server, INTERNET_PORT port, const CString& agent)
      : m_server(server), m_port(port), m_agent(agent) {}
  CString m_server;
  INTERNET_PORT m_port;
  CString m_agent;
};

class CInternetSession {
 public:
  // The agent is sent as the User-Agent header of every request.
  explicit CInternetSession(const char* agent);
  std::unique_ptr<CHttpConnection> GetHttpConnection(const char* server, INTERNET_PORT port);
  void Close() {}

 private:
  CString m_agent;
};
