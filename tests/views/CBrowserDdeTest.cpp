// The browser link against fake browsers listening where the conversation layer looks for them.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <thread>

#include "app/CKestavonApp.h"
#include "app/RunningBrowser.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/Shell.h"
#include "tests/common/TestSupport.h"
#include "platform/services/DdeConversation.h"
#include "views/CBrowserDde.h"

namespace {

std::string Number(uint32_t value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }

// Answers conversations of one service: every topic is accepted and every item gets `answer`
// (or no data when it is empty). Records the items it was asked.
class FakeBrowser {
 public:
  FakeBrowser(const char* service, std::string answer, int conversations) : m_answer(std::move(answer)) {
    const std::string path = CP932ToUTF8(GetDdeSocketPath(service).str());
    unlink(path.c_str());
    m_listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    EXPECT_EQ(bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    listen(m_listener, 4);
    m_path = path;
    m_thread = std::thread([this, conversations] {
      for (int c = 0; c < conversations; ++c) Serve();
    });
  }
  ~FakeBrowser() {
    m_thread.join();
    close(m_listener);
    unlink(m_path.c_str());
  }
  std::vector<std::string> topics;
  std::vector<std::string> items;

 private:
  void Serve() {
    const int fd = accept(m_listener, nullptr, nullptr);
    if (fd < 0) return;
    std::string message;
    if (ReadDdeMessage(fd, message, 5000)) {
      topics.push_back(message);
      WriteDdeMessage(fd, "\x01");
      while (ReadDdeMessage(fd, message, 5000)) {
        items.push_back(message);
        WriteDdeMessage(fd, m_answer.empty() ? "\x00" : "\x01");
        if (!m_answer.empty()) WriteDdeMessage(fd, m_answer);
      }
    }
    close(fd);
  }
  std::string m_answer;
  int m_listener = -1;
  std::string m_path;
  std::thread m_thread;
};

class FakeWindows : public IBrowserWindows {
 public:
  explicit FakeWindows(std::vector<CString> captions) : m_captions(std::move(captions)) {}
  std::vector<CString> GetCaptions() override { return m_captions; }
  BOOL IsVisible(int) override { return TRUE; }
  void BringToFront(int index) override { raised = index; }
  int raised = -1;

 private:
  std::vector<CString> m_captions;
};

}  // namespace

TEST(CBrowserDde, WithoutABrowserEveryCallGivesZero) {
  CBrowserDde dde;
  CString title = "t";
  CString url = "u";
  EXPECT_EQ(dde.OpenURL("http://example.com/"), 0);
  EXPECT_EQ(dde.ShowFile("/tmp/a.html"), 0);
  EXPECT_EQ(dde.GetVersion(), 0u);
  EXPECT_EQ(dde.GetWindowInfo(title, url), 0);
  EXPECT_EQ(dde.Activate(), 0);
  EXPECT_EQ(std::string(title), "t");
  EXPECT_EQ(std::string(url), "u");
}

TEST(CBrowserDde, TheBrowserEarlierInTheTableAnswersAndKeepsTheWindowId) {
  FakeBrowser firefox("Firefox", Number(7), 1);
  FakeBrowser explorer("IExplore", Number(0x1234), 1);
  CBrowserDde dde;
  EXPECT_EQ(dde.OpenURL("http://example.com/"), 1);
  EXPECT_EQ(dde.GetService(), CBrowserDde::IExplore);
  EXPECT_EQ(dde.GetWindowId(), 0x1234u);
  EXPECT_EQ(explorer.topics, std::vector<std::string>{"WWW_OpenURL"});
  EXPECT_EQ(explorer.items, std::vector<std::string>{"http://example.com/,,0xFFFFFFFF,0x4"});
  // The later browser was never asked; let its thread end.
  CDdeConversation last;
  ASSERT_TRUE(last.Connect("Firefox", "x"));
}

TEST(CBrowserDde, ShortAnswersAndOverlongItemsCountAsNothing) {
  FakeBrowser explorer("IExplore", "ab", 1);
  CBrowserDde dde;
  EXPECT_EQ(dde.ShowFile("/tmp/a.html"), 1);
  EXPECT_EQ(dde.GetWindowId(), 0u);
  // Too long for the item: no conversation at all, so the caller opens the whole address.
  EXPECT_EQ(dde.OpenURL(std::string(240, 'x').c_str()), 0);
}

TEST(CBrowserDde, WindowInfoAnswersParseIntoAddressAndTitle) {
  CBrowserDde dde(std::make_unique<FakeWindows>(std::vector<CString>{
      "ページの題名 - Windows Internet Explorer", "Kesta - Mozilla Firefox"}));
  struct Case {
    int service;
    DWORD version;
    const char* reply;
    const char* url;
    const char* title;
  } cases[] = {
      {CBrowserDde::IExplore, 0, "\"http://a/\",\"Title \\\"q\\\"\",\"\"", "http://a/", "Title \"q\""},
      {CBrowserDde::Netscape, 0x20000, "\"http://b/\",\"Page\",\"\"\x00", "http://b/", "Page"},
      {CBrowserDde::Firefox, 0, "\"http://c/\",\"Kest\",\"\"", "http://c/", "Kesta"},
  };
  for (const Case& c : cases) {
    CString title = "old";
    CString url = "old";
    dde.ParseWindowInfo(c.service, c.version, c.reply, title, url);
    EXPECT_EQ(std::string(url), c.url) << c.reply;
    EXPECT_EQ(std::string(title), c.title) << c.reply;
  }
  // A title cut inside a double-byte character is taken from the window caption.
  std::string cut = "\"http://d/\",\"ページの";
  cut += "\x91";
  cut += "\"";
  CString title;
  CString url;
  dde.ParseWindowInfo(CBrowserDde::IExplore, 0, cut, title, url);
  EXPECT_EQ(std::string(title), "ページの題名");

  CString chromeTitle = "keep";
  CString chromeUrl = "keep";
  dde.ParseWindowInfo(CBrowserDde::Chrome, 0, "\"http://e/\",\"x\"", chromeTitle, chromeUrl);
  EXPECT_EQ(std::string(chromeTitle), "keep");
  EXPECT_EQ(std::string(chromeUrl), "keep");
}

TEST(CBrowserDde, GetWindowInfoAsksTheVersionThenTheActiveWindow) {
  FakeBrowser explorer("IExplore", "\"http://x/\",\"X\",\"\"", 2);
  CBrowserDde dde;
  CString title;
  CString url;
  EXPECT_EQ(dde.GetWindowInfo(title, url), 1);
  EXPECT_EQ(explorer.topics, (std::vector<std::string>{"WWW_Version", "WWW_GetWindowInfo"}));
  EXPECT_EQ(std::string(url), "http://x/");
  EXPECT_EQ(std::string(title), "X");
}

TEST(CBrowserDde, UrlOpeningInModeZeroUsesTheRunningBrowserElseTheDesktopsOne) {
  const std::string dir = kesta_test::MakeTempDir("urlopen");
  CKestavonApp app;
  app.m_pszProfileName = (dir + "/kesta32.conf").c_str();
  AfxWriteProfileInt("System", "UrlOpenMode", 0);
  struct RunningBrowser : IRunningBrowser {
    BOOL OpenInFront(const char* url) override { return dde.OpenURLInFront(url); }
    CBrowserDde dde;
  } browser;
  Seam<IRunningBrowser>::Scope installed(&browser);
  {
    // Opening, then the version (no Opera), then the activation of the window that opened it.
    FakeBrowser firefox("Firefox", Number(5), 3);
    app.OpenUrl("http://example.com/");
    EXPECT_EQ(firefox.topics, (std::vector<std::string>{"WWW_OpenURL", "WWW_Version", "WWW_Activate"}));
    ASSERT_EQ(firefox.items.size(), 3u);
    EXPECT_EQ(firefox.items[2], "0x5,0x0");
  }
  // No browser answers: the desktop's opener gets the address.
  const std::string opener = dir + "/opener.sh";
  kesta_test::WriteBytes(opener, "#!/bin/sh\necho \"$1\" > \"$0.out.tmp\" && mv \"$0.out.tmp\" \"$0.out\"\n");
  std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
  ScopedShellOpener scope(opener.c_str());
  app.OpenUrl("http://example.org/");
  // The opener runs as a process of its own; it is given half a minute at most.
  for (int wait = 0; wait < 1500 && !std::filesystem::exists(opener + ".out"); ++wait) usleep(20000);
  EXPECT_EQ(kesta_test::ReadBytes(opener + ".out"), "http://example.org/\n");
}
