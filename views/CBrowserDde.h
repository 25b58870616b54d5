#pragma once
// Talks to a running web browser over the classic WWW_ conversation topics: opens an address or a
// file in it, brings it to the front and reads the address and title of the page it shows. Every
// operation runs one short conversation (connect, one request, disconnect); the browsers are tried
// in a fixed order and the first that answers is used. Where none answers every call returns 0 at
// once and the caller's fallback runs.
#include <memory>
#include <string>
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDdeConversation;

// The top-level windows the browser link may look at for captions and bring to the front. On
// Linux the windows of other programs are not visible to this program, so the default has none.
class IBrowserWindows {
 public:
  virtual ~IBrowserWindows() = default;
  virtual std::vector<CString> GetCaptions() = 0;  // from the top of the Z order
  virtual BOOL IsVisible(int index) = 0;
  virtual void BringToFront(int index) = 0;
};

class CBrowserDde {
 public:
  enum Service { Netscape, IExplore, Mozilla, Netscape6, Opera, Sleipnir, Firefox, Chrome, kServiceCount };
  static const char* const kServices[kServiceCount];

  explicit CBrowserDde(std::unique_ptr<IBrowserWindows> windows = nullptr);
  ~CBrowserDde();

  int OpenURL(const char* url);
  int ShowFile(const char* path);
  DWORD GetVersion();
  // Title and address of the browser's active page; both stay as they were without an answer.
  int GetWindowInfo(CString& title, CString& url);
  int Activate();
  // The application's URL opening in a running browser: opens the address there and brings the
  // browser to the front; FALSE when no browser took the address.
  BOOL OpenURLInFront(const char* url);

  // The title completed from window captions for the service (its first four bytes when no
  // caption fits).
  CString FindTitleInCaptions(int service, const CString& title);
  // Parses a WWW_GetWindowInfo answer of the service at that version into address and title.
  void ParseWindowInfo(int service, DWORD version, const std::string& reply, CString& title, CString& url);

  int GetService() const { return m_nService; }
  DWORD GetWindowId() const { return m_dwWindowId; }

 private:
  BOOL Connect(const char* topic);
  void Disconnect();
  // One request on the open conversation; FALSE without an answer.
  BOOL Request(const char* item, std::string& reply);
  // The answer's first 4 bytes; FALSE when it has fewer.
  static BOOL ReplyNumber(const std::string& reply, DWORD& number);
  int OpenItem(const char* topic, const char* format, const char* text);
  // The first visible window whose caption contains the name, brought to the front.
  BOOL BringWindowToFront(const char* name);

  std::unique_ptr<IBrowserWindows> m_windows;
  std::unique_ptr<CDdeConversation> m_conversation;
  DWORD m_dwWindowId = 0;
  int m_nService = 0;
};
