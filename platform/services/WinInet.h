#pragma once
// HTTP transfers in the shape the online client expects of the internet session classes: a
// session opens a connection to a server, the connection opens one request, the request is sent
// (its body given whole, or pulled in pieces from a source) and then yields its status, headers
// and body in pieces. Runs on libcurl, synchronously: Send returns when the reply's headers are in.
// TLS certificates are always verified (the system's store, or the bundle CURL_CA_BUNDLE names),
// a redirect never leaves https for http, the proxy comes from the usual environment variables, a
// stalled transfer times out and a body beyond the request's size cap fails it.
// Failures are results, not exceptions: a failed call returns FALSE (0 for Read) and the request
// keeps the error number and its text.
#include <cstddef>
#include <functional>
#include <memory>
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
  BOOL Failed() const { return m_error != 0; }
  DWORD GetError() const { return m_error; }
  CString GetErrorMessage() const { return m_errorText; }

 private:
  friend class CHttpConnection;
  struct Transfer;
  CHttpFile(const CString& url, const char* verb, const CString& agent);
  bool MakeTransfer();  // false, with the failure set, where there is no library to transfer with
  BOOL Start();
  void Fail(DWORD error, const CString& text);

  std::unique_ptr<Transfer> m_transfer;
  std::vector<std::pair<CString, CString>> m_headers;
  CString m_url;
  CString m_verb;
  size_t m_maxBody = 64u << 20;
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
