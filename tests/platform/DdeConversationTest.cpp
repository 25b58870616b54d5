// Conversations against a fake server: what the client sends arrives as it was sent, the server's
// answers come back, and a missing or vanished server is a failure at once.
#include <gtest/gtest.h>

#include <memory>

#include "platform/services/DdeConversation.h"
#include "tests/platform/FakeDdeServer.h"

namespace {

std::unique_ptr<FakeDdeServer> MakeServer() {
  return std::make_unique<FakeDdeServer>(
      "KestaTest", [](const std::string& topic) { return topic == "Topic"; },
      [](const std::string& item) -> std::optional<std::string> {
        if (item == "none") return std::nullopt;
        return std::string("data of ") + item + std::string(1, '\0') + "tail";
      },
      [](const std::string& item, const std::string& data) { return item == "Find" && data == std::string("word\0", 5); });
}

}  // namespace

TEST(DdeConversation, RequestsAndPokesCarryTheirBytesBothWays) {
  auto server = MakeServer();
  CDdeConversation conversation;
  ASSERT_TRUE(conversation.Connect("KestaTest", "Topic"));
  std::string reply;
  EXPECT_TRUE(conversation.Request("item", reply));
  EXPECT_EQ(reply, std::string("data of item\0tail", 17));
  EXPECT_FALSE(conversation.Request("none", reply));
  // The data of a poke may hold NULs of its own: only the first one ends the item.
  EXPECT_TRUE(conversation.Poke("Find", std::string("word\0", 5)));
  EXPECT_FALSE(conversation.Poke("Find", std::string("other\0", 6)));
  EXPECT_FALSE(conversation.Poke("Open", ""));
  conversation.Disconnect();
  server.reset();
}

TEST(DdeConversation, RecordsWhatTheServerWasAsked) {
  auto server = MakeServer();
  {
    CDdeConversation conversation;
    ASSERT_TRUE(conversation.Connect("KestaTest", "Topic"));
    std::string reply;
    conversation.Request("a", reply);
    conversation.Poke("Find", std::string("x\0y", 3));
  }
  {
    CDdeConversation refused;
    EXPECT_FALSE(refused.Connect("KestaTest", "Other"));
    EXPECT_FALSE(refused.IsConnected());
  }
  const FakeDdeServer& s = *server;
  EXPECT_EQ(s.Topics(), (std::vector<std::string>{"Topic", "Other"}));
  EXPECT_EQ(s.Requests(), std::vector<std::string>{"a"});
  EXPECT_EQ(s.Pokes(), std::vector<std::string>{std::string("Find=x\0y", 8)});
}

TEST(DdeConversation, NoServerOrAVanishedOneFails) {
  CDdeConversation conversation;
  std::string reply;
  // Never connected: nothing is sent.
  EXPECT_FALSE(conversation.Poke("Find", "word"));
  EXPECT_FALSE(conversation.Request("item", reply));
  // Nobody listens under the service's name: refused at once, however long the time allowed.
  EXPECT_FALSE(conversation.Connect("KestaNobody", "Topic", 1000 * 1000));
  auto server = MakeServer();
  ASSERT_TRUE(conversation.Connect("KestaTest", "Topic"));
  server.reset();
  EXPECT_FALSE(conversation.Poke("Find", std::string("word\0", 5)));
  EXPECT_FALSE(conversation.Request("item", reply));
}
