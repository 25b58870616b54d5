#pragma once
// Conversations with another program by service and topic, standing in for DDE client
// conversations: the server listens on a Unix-domain socket named "dde-<service>" in the user's
// runtime folder. Each message is a 4-byte length (host order) and its bytes. The client sends the
// topic and gets one byte back (1: accepted); then each request is an item, answered by one byte
// (1: data follows, 0: none) and, with 1, the data as a message. A poke is the item, a NUL and
// the data in one message (an item name never holds a NUL, so a server tells the two apart),
// answered by one byte (1: accepted). Where no server listens (no program on Linux speaks DDE), a
// connect fails at once and the caller's own fallback runs.
#include <string>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// GetRuntimeFolder() + "/dde-<service>"; "" when there is no runtime folder.
CString GetDdeSocketPath(const char* service);

// The framing both ends use: FALSE when the peer went away or the time ran out.
BOOL WriteDdeMessage(int fd, const std::string& bytes);
BOOL ReadDdeMessage(int fd, std::string& bytes, int timeoutMs);

class CDdeConversation {
 public:
  CDdeConversation() = default;
  ~CDdeConversation();
  CDdeConversation(const CDdeConversation&) = delete;
  CDdeConversation& operator=(const CDdeConversation&) = delete;

  // TRUE when a server of the service runs and accepts the topic.
  BOOL Connect(const char* service, const char* topic, int timeoutMs = 10000);
  BOOL IsConnected() const { return m_fd >= 0; }
  // The server's data for the item; FALSE when it gave none within the time.
  BOOL Request(const char* item, std::string& reply, int timeoutMs = 10000);
  // Hands the server data for the item; TRUE when it accepted them within the time.
  BOOL Poke(const char* item, const std::string& data, int timeoutMs = 10000);
  void Disconnect();

 private:
  int m_fd = -1;
};
