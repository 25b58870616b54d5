#include "tests/online/LocalServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace online_test {

namespace {

bool SendAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = send(fd, data, size, MSG_NOSIGNAL);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Reads one request: its head up to the blank line, then as many body bytes as it announces.
bool ReadRequest(int fd, LocalServer::Request& request) {
  std::string data;
  char buffer[65536];
  size_t headEnd;
  while ((headEnd = data.find("\r\n\r\n")) == std::string::npos) {
    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return false;
    data.append(buffer, static_cast<size_t>(n));
  }
  const std::string head = data.substr(0, headEnd);
  const size_t space = head.find(' ');
  request.path = head.substr(space + 1, head.find(' ', space + 1) - space - 1);
  size_t length = 0;
  for (const char* name : {"\r\nContent-Length:", "\r\ncontent-length:"}) {
    const size_t at = head.find(name);
    if (at != std::string::npos) length = std::strtoul(head.c_str() + at + 17, nullptr, 10);
  }
  request.body = data.substr(headEnd + 4);
  while (request.body.size() < length) {
    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return false;
    request.body.append(buffer, static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

LocalServer::LocalServer(Handler handler) : m_handler(std::move(handler)) {
  m_listen = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  if (m_listen < 0 || bind(m_listen, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(m_listen, 8) != 0 ||
      getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &size) != 0 || pipe(m_stop) != 0)
    throw std::runtime_error("the local server did not start");
  m_port = ntohs(address.sin_port);
  m_thread = std::thread([this] { Serve(); });
}

LocalServer::~LocalServer() {
  close(m_stop[1]);  // ends every wait of the server
  m_thread.join();
  close(m_stop[0]);
  close(m_listen);
}

std::string LocalServer::Base() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/"; }

bool LocalServer::PeerGone(int connection, int ms) {
  pollfd fds[2] = {{connection, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
  if (poll(fds, 2, ms) <= 0) return false;
  if (fds[1].revents) return true;
  char byte;
  return recv(connection, &byte, 1, MSG_PEEK) <= 0;
}

void LocalServer::Reply(int connection, const Answer& answer) {
  if (answer.manner == Manner::Silent) {
    while (!PeerGone(connection, -1)) {
    }
    return;
  }
  const size_t sent = answer.manner == Manner::Cut ? answer.body.size() / 2 : answer.body.size();
  const std::string reply = "HTTP/1.1 " + std::to_string(answer.status) + " X\r\nContent-Type: " + answer.contentType +
                            "\r\nContent-Length: " + std::to_string(answer.body.size()) +
                            "\r\nConnection: close\r\n\r\n" + answer.body.substr(0, sent);
  if (answer.manner != Manner::Trickle) {
    SendAll(connection, reply.data(), reply.size());
    return;
  }
  // The pause between pieces is the slowness under test; it ends early when the client gives up.
  for (size_t at = 0; at < reply.size(); at += answer.pieceBytes) {
    if (!SendAll(connection, reply.data() + at, std::min(answer.pieceBytes, reply.size() - at))) return;
    if (at + answer.pieceBytes < reply.size() && PeerGone(connection, answer.pauseMs)) return;
  }
}

void LocalServer::Serve() {
  for (;;) {
    pollfd fds[2] = {{m_listen, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
    if (poll(fds, 2, -1) < 0 || fds[1].revents) return;
    const int connection = accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    Request request;
    if (ReadRequest(connection, request)) Reply(connection, m_handler(request));
    shutdown(connection, SHUT_WR);
    close(connection);
  }
}

}  // namespace online_test
