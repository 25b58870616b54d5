#include "app/InstanceChannel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include <wx/frame.h>
#include <wx/socket.h>

#include "platform/framework/CFrameWnd.h"
#include "platform/base/CodePage.h"
#include "platform/base/Places.h"

namespace {

enum { kServerId = 1, kClientId = 2 };

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

CString GetInstanceSocketPath(const char* windowClass) {
  const CString folder = GetRuntimeFolder();
  if (folder.IsEmpty()) return CString();
  return folder + "/" + windowClass;
}

CInstanceLink::~CInstanceLink() {
  if (m_fd >= 0) close(m_fd);
}

BOOL CInstanceLink::Connect(const char* windowClass) {
  if (m_fd >= 0) close(m_fd);
  m_fd = ConnectTo(GetInstanceSocketPath(windowClass));
  return m_fd >= 0;
}

BOOL CInstanceLink::SendCommand(int commandId) {
  if (m_fd < 0) return FALSE;
  const uint32_t id = static_cast<uint32_t>(commandId);
  if (write(m_fd, &id, sizeof id) != static_cast<ssize_t>(sizeof id)) return FALSE;
  char done = 0;
  return read(m_fd, &done, 1) == 1;
}

CInstanceListener::~CInstanceListener() {
  if (!m_server) return;
  m_server->Destroy();
  unlink(CP932ToUTF8(m_strPath.str()).c_str());
}

BOOL CInstanceListener::Listen(const char* windowClass, CFrameWnd* frame) {
  m_frame = frame;
  m_strPath = GetInstanceSocketPath(windowClass);
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
    uint32_t id = 0;
    client->SetFlags(wxSOCKET_WAITALL | wxSOCKET_BLOCK);
    client->Read(&id, sizeof id);
    if (!client->Error() && client->LastCount() == sizeof id) {
      if (auto* window = dynamic_cast<wxTopLevelWindow*>(m_frame->GetFrameWindow())) {
        if (window->IsIconized()) window->Iconize(false);
        window->Raise();
      }
      m_frame->SendCommand(static_cast<int>(id));
      const char done = 1;
      client->Write(&done, 1);
    }
  }
  client->Notify(false);
  client->Destroy();
}
