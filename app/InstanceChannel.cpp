#include "app/InstanceChannel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <wx/socket.h>

#include "platform/base/CodePage.h"
#include "platform/base/Places.h"

namespace {

enum { kServerId = 1, kClientId = 2 };

// A command line longer than this is no command line: the conversation is dropped.
constexpr uint32_t kMaxText = 1u << 20;

// FNV-1a: a stable digest that keeps the socket's name short whatever the folder's length.
uint64_t Digest(const std::string& text) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (const unsigned char c : text) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  }
  return hash;
}

// A connected stream socket to the path, -1 when nobody listens there.
int ConnectTo(const CString& path) {
  const std::string os = CP932ToUTF8(path.str());
  sockaddr_un address = {};
  if (os.size() >= sizeof address.sun_path) return -1;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, os.c_str(), os.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

CString GetDisplayName() {
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (wayland && *wayland) return "wayland:" + UTF8ToCP932(wayland);
  const char* x11 = std::getenv("DISPLAY");
  if (!x11 || !*x11) return CString();
  // ":0" and ":0.0" are one display: the screen number names a part of it.
  std::string name(x11);
  const size_t colon = name.rfind(':');
  const size_t dot = name.rfind('.');
  if (colon != std::string::npos && dot != std::string::npos && dot > colon) name.erase(dot);
  return "x11:" + UTF8ToCP932(name);
}

CString GetInstanceSocketPath(const char* windowClass, const CString& settingsFolder) {
  const CString folder = GetRuntimeFolder();
  if (folder.IsEmpty()) return CString();
  const std::string key = std::string(GetDisplayName().str()) + '\n' + settingsFolder.str();
  CString path;
  path.Format("%s/%s-%016llx", folder.GetString(), windowClass, static_cast<unsigned long long>(Digest(key)));
  return path;
}

CInstanceLink::~CInstanceLink() {
  if (m_fd >= 0) close(m_fd);
}

BOOL CInstanceLink::Connect(const char* windowClass, const CString& settingsFolder) {
  if (m_fd >= 0) close(m_fd);
  m_fd = ConnectTo(GetInstanceSocketPath(windowClass, settingsFolder));
  return m_fd >= 0;
}

BOOL CInstanceLink::SendCommand(int commandId, const CString& text) {
  if (m_fd < 0) return FALSE;
  const uint32_t header[2] = {static_cast<uint32_t>(commandId), static_cast<uint32_t>(text.GetLength())};
  if (header[1] > kMaxText) return FALSE;
  std::string message(reinterpret_cast<const char*>(header), sizeof header);
  message += text.str();
  // An instance that goes away meanwhile must not end this start by a broken pipe: it goes on
  // with its own window.
  for (std::string_view rest(message); !rest.empty();) {
    const ssize_t sent = send(m_fd, rest.data(), rest.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return FALSE;
    rest.remove_prefix(static_cast<size_t>(sent));
  }
  char done = 0;
  return read(m_fd, &done, 1) == 1;
}

CInstanceListener::~CInstanceListener() {
  if (!m_server) return;
  m_server->Destroy();
  unlink(CP932ToUTF8(m_strPath.str()).c_str());
}

BOOL CInstanceListener::Listen(const char* windowClass, const CString& settingsFolder, Handler handler) {
  m_handler = std::move(handler);
  m_strPath = GetInstanceSocketPath(windowClass, settingsFolder);
  const int other = ConnectTo(m_strPath);
  if (other >= 0) {
    close(other);
    return FALSE;
  }
  // Nobody answers: a socket left by an instance that ended without cleaning up is stale.
  const std::string os = CP932ToUTF8(m_strPath.str());
  unlink(os.c_str());
  wxUNIXaddress address;
  address.Filename(wxString::FromUTF8(os));
  m_server = new wxSocketServer(address);
  if (!m_server->IsOk()) {
    m_server->Destroy();
    m_server = nullptr;
    return FALSE;
  }
  m_server->SetEventHandler(*this, kServerId);
  m_server->SetNotify(wxSOCKET_CONNECTION_FLAG);
  m_server->Notify(true);
  Bind(wxEVT_SOCKET, &CInstanceListener::OnServerEvent, this, kServerId);
  Bind(wxEVT_SOCKET, &CInstanceListener::OnClientEvent, this, kClientId);
  return TRUE;
}

void CInstanceListener::OnServerEvent(wxSocketEvent&) {
  wxSocketBase* client = m_server->Accept(false);
  if (!client) return;
  client->SetEventHandler(*this, kClientId);
  client->SetNotify(wxSOCKET_INPUT_FLAG | wxSOCKET_LOST_FLAG);
  client->Notify(true);
}

void CInstanceListener::OnClientEvent(wxSocketEvent& event) {
  wxSocketBase* client = event.GetSocket();
  if (event.GetSocketEvent() == wxSOCKET_INPUT) {
    // One conversation per connection: the sender writes it whole at once, so a peer that stalls
    // within it has gone wrong and is given up after the timeout.
    client->SetFlags(wxSOCKET_WAITALL | wxSOCKET_BLOCK);
    client->SetTimeout(5);
    uint32_t header[2] = {};
    client->Read(header, sizeof header);
    if (!client->Error() && client->LastCount() == sizeof header && header[1] <= kMaxText) {
      std::string text(header[1], '\0');
      if (header[1] > 0) client->Read(text.data(), header[1]);
      if (header[1] == 0 || (!client->Error() && client->LastCount() == header[1])) {
        m_handler(static_cast<int>(header[0]), CString(text));
        const char done = 1;
        client->Write(&done, 1);
      }
    }
  }
  client->Notify(false);
  client->Destroy();
}
