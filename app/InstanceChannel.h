#pragma once
// How a second start of the program finds the running one and hands it a command: the running
// instance's main frame listens on a Unix-domain socket in the user's runtime folder, named after
// its window class and keyed by the display and the settings folder, so that only starts on the
// same desktop with the same settings meet. A command is a 4-byte id, the 4-byte length of a text
// and the text (the command line), answered with one byte once it has been carried out.
#include <functional>

#include <wx/event.h>
#include <wx/socket.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxSocketServer;

// The desktop the program shows its windows on: "wayland:" and WAYLAND_DISPLAY, or "x11:" and
// DISPLAY without its screen number; "" without either.
CString GetDisplayName();

// $XDG_RUNTIME_DIR/<windowClass>-<digest of the display and the settings folder>, or without the
// runtime folder the same name in a folder below the temporary folder that is this user's and
// closed to others; "" when no such folder can be had.
CString GetInstanceSocketPath(const char* windowClass, const CString& settingsFolder);

// The sender's end of one conversation.
class CInstanceLink {
 public:
  CInstanceLink() = default;
  ~CInstanceLink();
  CInstanceLink(const CInstanceLink&) = delete;
  CInstanceLink& operator=(const CInstanceLink&) = delete;

  // TRUE when an instance with that window class runs on this display with these settings (and
  // now listens to this link).
  BOOL Connect(const char* windowClass, const CString& settingsFolder);
  // Sends the command with its text and waits until the instance has carried it out; FALSE when
  // it went away before that.
  BOOL SendCommand(int commandId, const CString& text);

 private:
  int m_fd = -1;
};

// The receiver's end: hands each command with its text to the handler.
class CInstanceListener : public wxEvtHandler {
 public:
  using Handler = std::function<void(int commandId, const CString& text)>;

  CInstanceListener() = default;
  ~CInstanceListener() override;

  // Listens unless another instance already does; FALSE then, or when the socket cannot be made.
  BOOL Listen(const char* windowClass, const CString& settingsFolder, Handler handler);

 private:
  void OnServerEvent(wxSocketEvent& event);
  void OnClientEvent(wxSocketEvent& event);

  wxSocketServer* m_server = nullptr;
  Handler m_handler;
  CString m_strPath;
};
