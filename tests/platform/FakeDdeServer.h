#pragma once
// A server of one conversation service for tests, listening where the conversation layer looks
// for it and answering on a thread of its own. Each answer is decided by the test's functions, so
// nothing depends on timing; the destructor ends any conversation still open.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/services/DdeConversation.h"

class FakeDdeServer {
 public:
  using TopicAnswer = std::function<bool(const std::string& topic)>;
  using RequestAnswer = std::function<std::optional<std::string>(const std::string& item)>;
  using PokeAnswer = std::function<bool(const std::string& item, const std::string& data)>;

  FakeDdeServer(const char* service, TopicAnswer topic, RequestAnswer request, PokeAnswer poke)
      : m_topic(std::move(topic)), m_request(std::move(request)), m_poke(std::move(poke)) {
    m_path = CP932ToUTF8(GetDdeSocketPath(service).str());
    unlink(m_path.c_str());
    m_listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, m_path.c_str(), sizeof address.sun_path - 1);
    bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(m_listener, 4);
    m_thread = std::thread([this] { Serve(); });
  }
  ~FakeDdeServer() {
    shutdown(m_listener, SHUT_RDWR);
    const int open = m_open.exchange(-1);
    if (open >= 0) shutdown(open, SHUT_RDWR);
    m_thread.join();
    close(m_listener);
    unlink(m_path.c_str());
  }
  FakeDdeServer(const FakeDdeServer&) = delete;
  FakeDdeServer& operator=(const FakeDdeServer&) = delete;

  // What the clients asked, in order: topics, requested items and pokes as "item=data".
  std::vector<std::string> Topics() const { return Copy(m_topics); }
  std::vector<std::string> Requests() const { return Copy(m_requests); }
  std::vector<std::string> Pokes() const { return Copy(m_pokes); }

 private:
  std::vector<std::string> Copy(const std::vector<std::string>& list) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return list;
  }
  void Record(std::vector<std::string>& list, std::string entry) {
    std::lock_guard<std::mutex> lock(m_mutex);
    list.push_back(std::move(entry));
  }
  void Serve() {
    for (;;) {
      const int fd = accept(m_listener, nullptr, nullptr);
      if (fd < 0) return;
      int idle = -2;
      if (!m_open.compare_exchange_strong(idle, fd)) {  // the destructor came first
        close(fd);
        return;
      }
      Converse(fd);
      if (m_open.exchange(-2) == -1) {
        close(fd);
        return;
      }
      close(fd);
    }
  }
  void Converse(int fd) {
    std::string message;
    if (!ReadDdeMessage(fd, message, -1)) return;
    Record(m_topics, message);
    const bool accepted = m_topic(message);
    WriteDdeMessage(fd, accepted ? "\x01" : std::string(1, '\0'));
    if (!accepted) return;
    while (ReadDdeMessage(fd, message, -1)) {
      const size_t nul = message.find('\0');
      if (nul == std::string::npos) {
        Record(m_requests, message);
        const std::optional<std::string> data = m_request(message);
        WriteDdeMessage(fd, data ? "\x01" : std::string(1, '\0'));
        if (data) WriteDdeMessage(fd, *data);
      } else {
        const std::string item = message.substr(0, nul);
        const std::string data = message.substr(nul + 1);
        Record(m_pokes, item + "=" + data);
        WriteDdeMessage(fd, m_poke(item, data) ? "\x01" : std::string(1, '\0'));
      }
    }
  }

  TopicAnswer m_topic;
  RequestAnswer m_request;
  PokeAnswer m_poke;
  std::string m_path;
  int m_listener = -1;
  std::atomic<int> m_open{-2};
  std::thread m_thread;
  mutable std::mutex m_mutex;
  std::vector<std::string> m_topics;
  std::vector<std::string> m_requests;
  std::vector<std::string> m_pokes;
};
