// Transfers against a server that stays silent, trickles, cuts its reply short or answers too
// much: what gives up, what completes, and what a Cancel in the progress dialog leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "foundation/PathHelpers.h"
#include "online/CHttpClient.h"
#include "online/CNetFileService.h"
#include "online/CVersionInfo.h"
#include "platform/base/CodePage.h"
#include "platform/framework/CWinApp.h"
#include "platform/services/WinInet.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "tests/online/LocalServer.h"
#include "tests/online/ProgressCanceller.h"

using model_test::MessageRecorder;
using online_test::LocalServer;
using online_test::ProgressCanceller;
using Manner = LocalServer::Manner;

namespace {

constexpr char kTooSlow[] = "通信が止まったか遅すぎるため、打ち切りました";

std::string Kvn(const std::string& inner) {
  return "<kvn><date>2020/01/02 03:04:05</date><key>k</key>" + inner + "</kvn>";
}

std::string FileList(size_t count) {
  std::string files;
  for (size_t i = 0; i < count; ++i)
    files += "<file><title>T" + std::to_string(i) + "</title><fileid>" + std::to_string(i) +
             "</fileid><update>2020/01/01 00:00:00</update></file>";
  return files;
}

// Whether a file named like the service's downloads is left in the temporary folder.
bool DownloadLeftBehind() {
  for (const auto& entry : std::filesystem::directory_iterator(CP932ToUTF8(GetTempDir().str())))
    if (entry.path().filename().string().rfind("pelkonet", 0) == 0) return true;
  return false;
}

class TransferTest : public ::testing::Test {
 protected:
  // The service's, the transfers' and the version file's addresses all point at a new server.
  void Serve(LocalServer::Handler handler) {
    m_server = std::make_unique<LocalServer>(std::move(handler));
    for (const char* key : {"RequestSite", "TransferSite", "VersionSite"})
      AfxWriteProfileString("Net", key, m_server->Base().c_str());
  }
  void ServeAll(const LocalServer::Answer& answer) {
    Serve([answer](const LocalServer::Request&) { return answer; });
  }
  std::string Url(const char* path) const { return m_server->Base() + path; }
  std::string MakeFile(const std::string& bytes) {
    const std::string path = m_dir + "/doc.kvn";
    kesta_test::WriteBytes(path, bytes);
    return path;
  }

  std::string m_dir = kesta_test::MakeTempDir("transfer");
  kesta_test::ScopedSettingsFile m_settings{m_dir + "/kesta32.conf"};
  // Small thresholds, so that giving up takes a moment: fewer than 64 bytes in half a second.
  kesta_test::ScopedValue<size_t> m_minBytes{CHttpFile::s_nMinTransferBytes, 64};
  kesta_test::ScopedValue<long> m_span{CHttpFile::s_nMinTransferMilliseconds, 500};
  std::unique_ptr<LocalServer> m_server;
};

}  // namespace

TEST_F(TransferTest, ASilentOrTricklingServerIsGivenUpWithTheJapaneseMessage) {
  LocalServer::Answer trickle;
  trickle.manner = Manner::Trickle;
  trickle.body = std::string(4000, 'x');
  LocalServer::Answer silent;
  silent.manner = Manner::Silent;
  for (const LocalServer::Answer& answer : {silent, trickle}) {
    const char* manner = answer.manner == Manner::Silent ? "silent" : "trickle";
    ServeAll(answer);
    {
      MessageRecorder messages;
      CHttpClient client(Url("kvn/kvnfile.php").c_str());
      EXPECT_FALSE(client.PostForm()) << manner;
      EXPECT_EQ(client.GetResponseText(), "") << manner;
      CHttpClient upload(Url("kvnupload").c_str());
      EXPECT_FALSE(upload.UploadFile(MakeFile("content").c_str())) << manner;
      CHttpClient download(Url("kvndownload").c_str());
      const std::string folder = kesta_test::MakeTempDir("give-up");
      EXPECT_EQ(download.DownloadFile(folder.c_str()), "") << manner;
      EXPECT_TRUE(std::filesystem::is_empty(folder)) << manner;
      ASSERT_EQ(messages.texts.size(), 3u) << manner;
      for (const std::string& text : messages.texts) {
        EXPECT_EQ(text.rfind("httpエラー。\r\n", 0), 0u) << manner << ": " << CP932ToUTF8(text);
        EXPECT_NE(text.find(kTooSlow), std::string::npos) << manner << ": " << CP932ToUTF8(text);
      }
    }
    // The version check says only that it failed.
    MessageRecorder messages;
    CVersionInfo info;
    EXPECT_EQ(info.Check("Kestavon", COleDateTime(2008, 1, 1, 0, 0, 0)), CVersionInfo::Failed) << manner;
    EXPECT_EQ(messages.texts, std::vector<std::string>{"バージョンアップ情報の取得に失敗しました"}) << manner;
  }
}

TEST_F(TransferTest, ASlowButLivingLinkCompletes) {
  // Far more than the least bytes in every span, and in all several spans long.
  LocalServer::Answer slow;
  slow.manner = Manner::Trickle;
  slow.pieceBytes = 128;
  slow.pauseMs = 20;
  for (int i = 0; i < 8000; ++i) slow.body += static_cast<char>('a' + i % 26);
  ServeAll(slow);
  CHttpClient client(Url("kvn/kvnfile.php").c_str());
  ASSERT_TRUE(client.PostForm());
  EXPECT_EQ(client.GetResponseText(), slow.body);
  CHttpClient download(Url("kvndownload").c_str());
  const CString path = download.DownloadFile(m_dir.c_str());
  ASSERT_FALSE(path.IsEmpty());
  EXPECT_EQ(kesta_test::ReadBytes(CP932ToUTF8(path.str())), slow.body);
}

TEST_F(TransferTest, ACutOrOversizedListReplyIsNoReply) {
  LocalServer::Answer cut;
  cut.manner = Manner::Cut;
  cut.body = Kvn(FileList(3));
  LocalServer::Answer oversized;
  oversized.body = Kvn(FileList(CHttpClient::kMaxTextReply / 64));
  ASSERT_GT(oversized.body.size(), CHttpClient::kMaxTextReply);
  for (const LocalServer::Answer& answer : {cut, oversized}) {
    const char* manner = answer.manner == Manner::Cut ? "cut" : "oversized";
    ServeAll(answer);
    MessageRecorder messages;
    CNetFileService service;
    service.SetAccount("a@example.jp", "secret");
    EXPECT_FALSE(service.List()) << manner;
    EXPECT_EQ(service.GetFileCount(), 0) << manner;
    EXPECT_EQ(service.GetMessage(), "127.0.0.1 からの情報が取得できませんでした。") << manner;
    ASSERT_EQ(messages.texts.size(), 1u) << manner;
    EXPECT_EQ(messages.texts[0].rfind("httpエラー。\r\n", 0), 0u) << manner;
  }
}

TEST_F(TransferTest, CancelEndsEveryOperationWithoutAMessageAndLeavesTheLocalFileAlone) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  // Only the Cancel can end these transfers before the test's time runs out.
  const kesta_test::ScopedValue<long> longSpan(CHttpFile::s_nMinTransferMilliseconds, 60000);
  const std::string local = MakeFile("local content");
  const struct {
    const char* name;
    const char* silentPath;  // the request that is never answered
    int dialog;              // the progress dialog of that request
    std::function<BOOL(CNetFileService&)> operation;
  } cases[] = {
      {"list", "/kvn/kvnfile.php", 1, [](CNetFileService& s) { return s.List(); }},
      {"upload", "/kvnupload", 2, [&](CNetFileService& s) { return s.Upload(local.c_str(), "Memo"); }},
      {"save", "/kvnupdate", 2, [&](CNetFileService& s) { return s.Save(local.c_str(), "Memo", "42"); }},
      {"download", "/kvndownload", 2, [](CNetFileService& s) { return static_cast<BOOL>(!s.Download("42").IsEmpty()); }},
      {"delete", "/kvndelete", 2, [](CNetFileService& s) { return s.Delete("42"); }},
  };
  for (const auto& c : cases) {
    const std::string silentPath = c.silentPath;
    Serve([silentPath](const LocalServer::Request& request) {
      LocalServer::Answer answer;
      if (request.path == silentPath)
        answer.manner = Manner::Silent;
      else
        answer.body = Kvn("<title>Memo</title><fileid>42</fileid><message></message>");
      return answer;
    });
    MessageRecorder messages;
    ProgressCanceller canceller(c.dialog);
    CNetFileService service;
    service.SetAccount("a@example.jp", "secret");
    EXPECT_FALSE(c.operation(service)) << c.name;
    EXPECT_TRUE(service.IsCancelled()) << c.name;
    EXPECT_EQ(canceller.Shown(), c.dialog) << c.name << ": nothing more is sent after a cancel";
    EXPECT_TRUE(messages.texts.empty()) << c.name;
    EXPECT_EQ(kesta_test::ReadBytes(local), "local content") << c.name;
    EXPECT_FALSE(DownloadLeftBehind()) << c.name;
  }
  LocalServer::Answer silent;
  silent.manner = Manner::Silent;
  ServeAll(silent);
  MessageRecorder messages;
  ProgressCanceller canceller(1);
  CVersionInfo info;
  EXPECT_EQ(info.Check("Kestavon", COleDateTime(2008, 1, 1, 0, 0, 0)), CVersionInfo::Failed);
  EXPECT_TRUE(messages.texts.empty());
}
