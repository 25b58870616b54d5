#include "online/CNetFileService.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/PathHelpers.h"
#include "online/CHttpClient.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/online/FakeService.h"

using online_test::FakeService;

namespace {

std::string FieldOf(const std::string& request, const std::string& name) {
  const std::string body = request.substr(request.find("\r\n\r\n") + 4);
  const size_t at = ("&" + body).find("&" + name + "=");
  if (at == std::string::npos) return "<none>";
  const size_t start = at + name.size() + 1;
  return body.substr(start, body.find('&', start) - start);
}

class CNetFileServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.SetScenario("");
    service.SetAccount(FakeService::kMail, FakeService::kPassword);
  }
  kesta_test::ScopedSettingsFile settings{kesta_test::MakeTempDir("settings") + "/kesta32.conf"};
  const FakeService& fake = FakeService::Get();
  // The service takes its addresses from the settings when it is made.
  bool configured = (fake.Configure(), true);
  CNetFileService service;
};

}  // namespace

TEST_F(CNetFileServiceTest, ListTakesTheFilesInReplyOrder) {
  ASSERT_TRUE(service.List()) << CP932ToUTF8(service.GetMessage().GetString());
  ASSERT_EQ(service.GetFileCount(), 3);
  EXPECT_EQ(service.GetFile(0)->m_strTitle, "Title 1");
  EXPECT_EQ(service.GetFile(2)->GetNetPath(), "net:43;Title 3");
  EXPECT_EQ(service.GetFile(1)->GetUpdateTime(), "2020/01/02 10:00:00");
  const std::string request = fake.LastRequest("kvnfile.php");
  EXPECT_EQ(FieldOf(request, "mode"), "list");
  EXPECT_EQ(FieldOf(request, "mail"), "a%40example.jp");
  EXPECT_EQ(FieldOf(request, "pub"), "1");
  EXPECT_EQ(FieldOf(request, "title"), "<none>");
  // A list without files leaves the list as it was.
  fake.SetScenario("list-empty");
  ASSERT_TRUE(service.List());
  EXPECT_EQ(service.GetFileCount(), 3);
  CNetFileService fresh;
  fresh.SetAccount(FakeService::kMail, FakeService::kPassword);
  ASSERT_TRUE(fresh.List());
  EXPECT_EQ(fresh.GetFileCount(), 0);
}

TEST_F(CNetFileServiceTest, ErrorRepliesFailTheRequest) {
  fake.SetScenario("error");
  EXPECT_FALSE(service.List());
  EXPECT_EQ(service.GetStatusCode(), 3);
  EXPECT_EQ(service.GetMessage(), "no such user");
  // Without errormes the message stays as it was, even for the number 0.
  fake.SetScenario("error-silent");
  EXPECT_FALSE(service.List());
  EXPECT_EQ(service.GetStatusCode(), 0);
  EXPECT_EQ(service.GetMessage(), "no such user");
}

TEST_F(CNetFileServiceTest, AWrongRootOrNoReplyNamesTheHost) {
  fake.SetScenario("kvnx");
  EXPECT_FALSE(service.List());
  EXPECT_EQ(service.GetMessage(), "127.0.0.1 からの情報が取得できませんでした。");
  EXPECT_FALSE(service.ParseReply(""));
  EXPECT_EQ(service.GetMessage(), "127.0.0.1 からの情報が取得できませんでした。");
}

TEST_F(CNetFileServiceTest, AWrongPasswordIsRefusedByTheService) {
  service.SetAccount(FakeService::kMail, "wrong");
  EXPECT_FALSE(service.List());
  EXPECT_EQ(service.GetMessage(), "bad key");
}

TEST_F(CNetFileServiceTest, TransferReplies) {
  const struct {
    const char* reply;
    BOOL ok;
    int status;
    const char* message;
  } cases[] = {{"0\n", TRUE, 0, ""},
               {"2\nquota exceeded  \t\n", FALSE, 2, "quota exceeded"},
               {"just text", TRUE, 0, "just text"},
               {"", TRUE, 0, ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(service.CheckTransferReply(c.reply), c.ok) << c.reply;
    EXPECT_EQ(service.GetStatusCode(), c.status) << c.reply;
    EXPECT_EQ(service.GetMessage(), c.message) << c.reply;
  }
}

TEST_F(CNetFileServiceTest, UploadSendsTheIssuedKeyAndTheNewFileId) {
  const std::string dir = kesta_test::MakeTempDir("up");
  kesta_test::WriteBytes(dir + "/doc.kvn", "content");
  ASSERT_TRUE(service.Upload((dir + "/doc.kvn").c_str(), "Memo")) << CP932ToUTF8(service.GetMessage().GetString());
  EXPECT_EQ(service.GetFileId(), "77");
  const std::string transfer = fake.LastRequest("kvnupload");
  EXPECT_NE(transfer.find("name=\"fileid\"\r\n\r\n77\r\n"), std::string::npos);
  EXPECT_NE(transfer.find("name=\"fileext\"\r\n\r\nkvn\r\n"), std::string::npos);
  EXPECT_NE(transfer.find("name=\"pub\"\r\n\r\n1\r\n"), std::string::npos);
}

TEST_F(CNetFileServiceTest, AConfirmationAnsweredNoTransfersNothing) {
  const std::string dir = kesta_test::MakeTempDir("up");
  kesta_test::WriteBytes(dir + "/doc.kvn", "content");
  fake.SetScenario("confirm");
  ScopedMessageBoxHook hook(IDNO);
  const std::string before = fake.LastRequest("kvnupload");
  EXPECT_FALSE(service.Upload((dir + "/doc.kvn").c_str(), "Memo"));
  EXPECT_EQ(service.GetMessage(), "アップロードを中止しました");
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(hook.Calls()[0].text, "Overwrite?");
  EXPECT_EQ(fake.LastRequest("kvnupload"), before);
}

TEST_F(CNetFileServiceTest, SaveReportsAFailedTransfer) {
  const std::string dir = kesta_test::MakeTempDir("up");
  kesta_test::WriteBytes(dir + "/doc.kvn", "content");
  fake.SetScenario("upload-fail");
  EXPECT_FALSE(service.Save((dir + "/doc.kvn").c_str(), "Memo", "42"));
  EXPECT_EQ(service.GetStatusCode(), 2);
  EXPECT_EQ(service.GetMessage(), "quota exceeded");
}

TEST_F(CNetFileServiceTest, DownloadSavesInAPrivateFolder) {
  fake.SetScenario("download-evil");
  fake.SetDownloadBody("kvn body");
  const CString path = service.Download("42");
  ASSERT_FALSE(path.IsEmpty()) << CP932ToUTF8(service.GetMessage().GetString());
  const std::filesystem::path file(CP932ToUTF8(path.str()));
  EXPECT_EQ(file.filename(), "x");
  EXPECT_EQ(file.parent_path().parent_path().string() + "/", CP932ToUTF8(GetTempDir().str()));
  EXPECT_EQ(kesta_test::ReadBytes(file.string()), "kvn body");
  CNetFileService::DeleteDownload(path);
  EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
}

TEST_F(CNetFileServiceTest, AFailedDownloadLeavesNothing) {
  fake.SetScenario("download-text");
  EXPECT_EQ(service.Download("42"), "");
  EXPECT_EQ(service.GetStatusCode(), 4);
  EXPECT_EQ(service.GetMessage(), "no such file");
}

TEST_F(CNetFileServiceTest, WhatIsUploadedCanBeDownloadedAgain) {
  const std::string dir = kesta_test::MakeTempDir("limit");
  const std::string largest(CHttpClient::kMaxDownload, 'b');
  kesta_test::WriteBytes(dir + "/big.kvn", largest + "b");
  // One byte more than a download takes: refused before anything is sent.
  ASSERT_TRUE(service.List());
  const std::string asked = fake.LastRequest("kvnfile.php");
  EXPECT_FALSE(service.Upload((dir + "/big.kvn").c_str(), "Memo"));
  EXPECT_EQ(service.GetMessage(), "サイズ制限：16MBを超えるファイルはアップロードできません");
  EXPECT_FALSE(service.Save((dir + "/big.kvn").c_str(), "Memo", "42"));
  EXPECT_EQ(service.GetMessage(), "サイズ制限：16MBを超えるファイルはアップロードできません");
  EXPECT_EQ(fake.LastRequest("kvnfile.php"), asked);
  // The largest file goes up, and comes down again whole.
  kesta_test::WriteBytes(dir + "/max.kvn", largest);
  ASSERT_TRUE(service.Save((dir + "/max.kvn").c_str(), "Memo", "42")) << CP932ToUTF8(service.GetMessage().GetString());
  fake.SetDownloadBody(largest);
  const CString path = service.Download("42");
  ASSERT_FALSE(path.IsEmpty()) << CP932ToUTF8(service.GetMessage().GetString());
  EXPECT_EQ(std::filesystem::file_size(CP932ToUTF8(path.str())), largest.size());
  CNetFileService::DeleteDownload(path);
  fake.SetDownloadBody("");
}

TEST_F(CNetFileServiceTest, UpdateTimeNeedsAListedFile) {
  COleDateTime time;
  ASSERT_TRUE(service.GetUpdateTime("42", time));
  EXPECT_EQ(time, COleDateTime(2000, 1, 1, 0, 0, 0));
  fake.SetScenario("read-nofile");
  COleDateTime untouched;
  EXPECT_FALSE(service.GetUpdateTime("42", untouched));
  EXPECT_EQ(untouched.GetStatus(), COleDateTime().GetStatus());
}

TEST_F(CNetFileServiceTest, RequestsASecondApartSendDifferentDatesAndKeys) {
  const CString start = COleDateTime::GetCurrentTime().Format("%Y/%m/%d %H:%M:%S");
  ASSERT_TRUE(service.List());
  const std::string first = fake.LastRequest("kvnfile.php");
  // Dates have whole seconds: wait for the clock's next one.
  while (COleDateTime::GetCurrentTime().Format("%Y/%m/%d %H:%M:%S") == start) {
  }
  CString later = COleDateTime::GetCurrentTime().Format("%Y/%m/%d %H:%M:%S");
  while (COleDateTime::GetCurrentTime().Format("%Y/%m/%d %H:%M:%S") == later) {
  }
  ASSERT_TRUE(service.List());
  const std::string second = fake.LastRequest("kvnfile.php");
  EXPECT_NE(FieldOf(first, "date"), FieldOf(second, "date"));
  EXPECT_NE(FieldOf(first, "pass"), FieldOf(second, "pass"));
}

TEST_F(CNetFileServiceTest, AnUnsetAddressSaysSo) {
  AfxWriteProfileString("Net", "RequestSite", "");
  CNetFileService unset;
  EXPECT_FALSE(unset.List());
  EXPECT_EQ(unset.GetMessage(), "Webファイルサービスのアドレスが設定されていません");
}
