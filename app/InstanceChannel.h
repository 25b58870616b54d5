#pragma once
// How a second start of the program finds the running one and hands it a command: the running
// instance's main frame listens on a Unix-domain socket named after its window class in the user's
// runtime folder; a command is a 4-byte id, answered with one byte once it has been carried out.
#include <wx/event.h>
#include <wx/socket.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxSocketServer;
class CFrameWnd;

// $XDG_RUNTIME_DIR/<windowClass>, or without it a folder below the temporary folder that is this
// user's and closed to others; "" when no such folder can be had.
CString GetInstanceSocketPath(const char* windowClass);

// The sender's end of one conversation.
class CInstanceLink {
 public:
  CInstanceLink() = default;
  ~CInstanceLink();
  CInstanceLink(const CInstanceLink&) = delete;
  CInstanceLink& operator=(const CInstanceLink&) = delete;

  // TRUE when an instance with that window class runs (and now listens to this link).
  BOOL Connect(const char* windowClass);
  // Sends the command and waits until the instance has carried it out; FALSE when it went away.
  BOOL SendCommand(int commandId);

 private:
  int m_fd = -1;
};

// The receiver's end: hands each command to the frame's command route, after bringing the frame
// to the front.
class CInstanceListener : public wxEvtHandler {
 public:
  CInstanceListener() = default;
  ~CInstanceListener() override;

  // Listens unless another instance already does; FALSE then, or when the socket cannot be made.
  BOOL Listen(const char* windowClass, CFrameWnd* frame);

 private:
  void OnServerEvent(wxSocketEvent& event);
  void OnClientEvent(wxSocketEvent& event);

  wxSocketServer* m_server = nullptr;
  CFrameWnd* m_frame = nullptr;
  CString m_strPath;
};
