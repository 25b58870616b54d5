#include "platform/services/DdeConversation.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/base/CodePage.h"
#include "platform/base/Places.h"

namespace {

// A message longer than this is no answer of any DDE server.
constexpr uint32_t kMaxMessage = 16 * 1024 * 1024;

bool WaitReadable(int fd, int timeoutMs) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, timeoutMs) == 1 && (p.revents & POLLIN);
}

bool ReadExactly(int fd, char* buffer, size_t size, int timeoutMs) {
  while (size > 0) {
    if (!WaitReadable(fd, timeoutMs)) return false;
    const ssize_t got = read(fd, buffer, size);
    if (got <= 0) return false;
    buffer += got;
    size -= static_cast<size_t>(got);
  }
  return true;
}

}  // namespace

CString GetDdeSocketPath(const char* service) {
  const CString folder = GetRuntimeFolder();
  if (folder.IsEmpty()) return CString();
  return folder + "/dde-" + service;
}

BOOL WriteDdeMessage(int fd, const std::string& bytes) {
  const uint32_t length = static_cast<uint32_t>(bytes.size());
  std::string message(reinterpret_cast<const char*>(&length), sizeof length);
  message += bytes;
  size_t done = 0;
  while (done < message.size()) {
    const ssize_t put = send(fd, message.data() + done, message.size() - done, MSG_NOSIGNAL);
    if (put <= 0) return FALSE;
    done += static_cast<size_t>(put);
  }
  return TRUE;
}

BOOL ReadDdeMessage(int fd, std::string& bytes, int timeoutMs) {
  uint32_t length = 0;
  if (!ReadExactly(fd, reinterpret_cast<char*>(&length), sizeof length, timeoutMs) || length > kMaxMessage)
    return FALSE;
  std::string buffer(length, '\0');
  if (length > 0 && !ReadExactly(fd, buffer.data(), length, timeoutMs)) return FALSE;
  bytes = std::move(buffer);
  return TRUE;
}

CDdeConversation::~CDdeConversation() { Disconnect(); }

BOOL CDdeConversation::Connect(const char* service, const char* topic, int timeoutMs) {
  Disconnect();
  const std::string os = CP932ToUTF8(GetDdeSocketPath(service).str());
  sockaddr_un address = {};
  if (os.size() >= sizeof address.sun_path) return FALSE;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, os.c_str(), os.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return FALSE;
  std::string answer;
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || !WriteDdeMessage(fd, topic) ||
      !ReadDdeMessage(fd, answer, timeoutMs) || answer != "\x01") {
    close(fd);
    return FALSE;
  }
  m_fd = fd;
  return TRUE;
}

BOOL CDdeConversation::Request(const char* item, std::string& reply, int timeoutMs) {
  if (m_fd < 0 || !WriteDdeMessage(m_fd, item)) return FALSE;
  std::string flag;
  if (!ReadDdeMessage(m_fd, flag, timeoutMs) || flag != "\x01") return FALSE;
  return ReadDdeMessage(m_fd, reply, timeoutMs);
}

BOOL CDdeConversation::Poke(const char* item, const std::string& data, int timeoutMs) {
  std::string message(item);
  message += '\0';
  message += data;
  if (m_fd < 0 || !WriteDdeMessage(m_fd, message)) return FALSE;
  std::string answer;
  return ReadDdeMessage(m_fd, answer, timeoutMs) && answer == "\x01";
}

void CDdeConversation::Disconnect() {
  if (m_fd >= 0) close(m_fd);
  m_fd = -1;
}
