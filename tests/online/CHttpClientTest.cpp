#include "online/CHttpClient.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/online/FakeService.h"

using online_test::FakeService;

namespace {

std::string HeaderOf(const std::string& request, const std::string& name) {
  const size_t at = request.find("\n" + name + ": ");
  if (at == std::string::npos) return "";
  const size_t start = at + name.size() + 3;
  return request.substr(start, request.find("\r\n", start) - start);
}

std::string BodyOf(const std::string& request) { return request.substr(request.find("\r\n\r\n") + 4); }

class CHttpClientTest : public ::testing::Test {
 protected:
  void SetUp() override { FakeService::Get().SetScenario(""); }
  const FakeService& fake = FakeService::Get();
};

}  // namespace

TEST(CHttpClientFormTest, ValuesAreEncodedNamesAreNot) {
  EXPECT_EQ(CHttpClient::EncodeFormValue("a &b*"), "a+%26b%2A");
  EXPECT_EQ(CHttpClient::EncodeFormValue("\x83~_.-Z9"), "%83%7E_.-Z9");
  CHttpClient client("http://127.0.0.1/x");
  client.AddParam("n&m", "v w");
  client.AddParam("k", "");
  EXPECT_EQ(client.BuildFormBody(), "n&m=v+w&k=");
}

TEST(CHttpClientFormTest, FileNameFromHeaders) {
  const struct {
    const char* headers;
    const char* name;
  } cases[] = {
      {"HTTP/1.1 200 OK\r\nContent-Disposition: attachment; filename=\"my doc.kvn\"\r\nX: y\r\n", "my doc.kvn"},
      {"HTTP/1.1 200 OK\r\nContent-Disposition: attachment; filename=plain.kvn; size=3\r\nX: y\r\n",
       "plain.kvn; size=3"},
      {"HTTP/1.1 200 OK\r\nX: y\r\n", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CHttpClient::GetFileNameFromHeaders(c.headers), c.name) << c.headers;
}

TEST(CHttpClientFormTest, OnlyPlainFileNamesAreKept) {
  const struct {
    const char* given;
    const char* kept;
  } cases[] = {{"../../x", "x"}, {"a\\b\\c.kvn", "c.kvn"}, {"..", ""}, {".", ""}, {"", ""},
               {"dir/", ""},     {"bad\x01name", ""},      {"ok.kvn", "ok.kvn"}};
  for (const auto& c : cases) EXPECT_EQ(CHttpClient::SafeFileName(c.given), c.kept) << c.given;
}

TEST_F(CHttpClientTest, PostFormSendsTheEncodedBodyAndReadsTheReply) {
  CHttpClient client((fake.HttpBase() + "soft/verup.txt").c_str());
  client.AddParam("q", "a &b*");
  // The version file is served to any method; the reply's CRs are dropped.
  ASSERT_TRUE(client.PostForm());
  EXPECT_EQ(client.GetResponseText(), "Other,1,2020/1/1,x\nKestavon,2.5,2008/4/1,New, build\n");
  const std::string request = fake.LastRequest("verup.txt");
  EXPECT_EQ(BodyOf(request), "q=a+%26b%2A");
  EXPECT_EQ(HeaderOf(request, "Content-type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(HeaderOf(request, "User-Agent"), "Mozilla/4.0*");
  EXPECT_EQ(HeaderOf(request, "Accept"), "text/*");
}

TEST_F(CHttpClientTest, StatusAbove299FailsSilently) {
  fake.SetScenario("404");
  CHttpClient client((fake.HttpBase() + "soft/verup.txt").c_str());
  EXPECT_FALSE(client.PostForm());
}

TEST_F(CHttpClientTest, AnUnparsableUrlIsReported) {
  ScopedMessageBoxHook hook(IDOK);
  CHttpClient client("ftp://127.0.0.1/x");
  EXPECT_FALSE(client.PostForm());
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(hook.Calls()[0].text, "ftp://127.0.0.1/xの解析に失敗しました");
}

TEST_F(CHttpClientTest, UploadOfAnEmptyFileAnnouncesExactlyItsParts) {
  const std::string dir = kesta_test::MakeTempDir("upload");
  kesta_test::WriteBytes(dir + "/empty.kvn", "");
  CHttpClient client((fake.HttpBase() + "kvnupload").c_str());
  client.AddParam("mail", "a");
  client.AddParam("key", "k");
  ASSERT_TRUE(client.UploadFile((dir + "/empty.kvn").c_str()));
  const std::string request = fake.LastRequest("kvnupload");
  EXPECT_EQ(HeaderOf(request, "Content-Length"), "288");
  EXPECT_EQ(HeaderOf(request, "Content-Type"), "multipart/form-data; boundary=-7da1091f160a20");
  EXPECT_EQ(BodyOf(request), std::string(client.BuildParamParts().GetString()) +
                                 client.BuildFilePartHeader().GetString() + client.BuildTrailer().GetString());
}

TEST_F(CHttpClientTest, UploadSendsTheFileAndChangesABoundaryFoundInIt) {
  const std::string dir = kesta_test::MakeTempDir("upload");
  const std::string content = "line\r\n---7da1091f160a20\r\n" + std::string(5000, 'z');
  kesta_test::WriteBytes(dir + "/doc.kvn", content);
  CHttpClient client((fake.HttpBase() + "kvnupload").c_str());
  client.AddParam("key", "srvkey0123");
  client.AddParam("date", "2020/01/02 03:04:05");
  ASSERT_TRUE(client.UploadFile((dir + "/doc.kvn").c_str()));
  EXPECT_NE(client.GetBoundary(), "-7da1091f160a20");
  const std::string body = BodyOf(fake.LastRequest("kvnupload"));
  EXPECT_EQ(body, std::string(client.BuildParamParts().GetString()) + client.BuildFilePartHeader().GetString() +
                      content + client.BuildTrailer().GetString());
  EXPECT_EQ(client.GetResponseText(), "0\n");
}

TEST_F(CHttpClientTest, UploadOfAMissingFileSendsNothing) {
  CHttpClient client((fake.HttpBase() + "kvnupload").c_str());
  EXPECT_FALSE(client.UploadFile("/nonexistent/file.kvn"));
}

TEST_F(CHttpClientTest, DownloadKeepsOnlyTheBaseNameOfTheReply) {
  const std::string dir = kesta_test::MakeTempDir("download");
  fake.SetScenario("download-evil");
  fake.SetDownloadBody("body bytes");
  CHttpClient client((fake.HttpBase() + "kvndownload").c_str());
  client.AddParam("key", "srvkey0123");
  client.AddParam("date", "2020/01/02 03:04:05");
  const CString path = client.DownloadFile(dir.c_str());
  EXPECT_EQ(path, UTF8ToCP932(dir + "/x"));
  EXPECT_EQ(kesta_test::ReadBytes(dir + "/x"), "body bytes");
  EXPECT_EQ(std::filesystem::status(dir + "/x").permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  // The file is made new: one already there is not written through.
  CHttpClient again((fake.HttpBase() + "kvndownload").c_str());
  again.AddParam("key", "srvkey0123");
  again.AddParam("date", "2020/01/02 03:04:05");
  EXPECT_EQ(again.DownloadFile(dir.c_str()), "");
}

TEST_F(CHttpClientTest, DownloadTextRepliesAndFailures) {
  const std::string dir = kesta_test::MakeTempDir("download");
  const struct {
    const char* scenario;
    const char* reply;
  } cases[] = {{"download-text", "4\nno such file"}, {"download-404", "ダウンロードサイトが開けませんでした"}};
  for (const auto& c : cases) {
    fake.SetScenario(c.scenario);
    CHttpClient client((fake.HttpBase() + "kvndownload").c_str());
    client.AddParam("key", "srvkey0123");
    client.AddParam("date", "2020/01/02 03:04:05");
    EXPECT_EQ(client.DownloadFile(dir.c_str()), "") << c.scenario;
    EXPECT_EQ(client.GetResponseText(), c.reply) << c.scenario;
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir));
  // A URL without a slash sends nothing.
  CHttpClient noSlash("kvndownload");
  EXPECT_EQ(noSlash.DownloadFile(dir.c_str()), "");
}

TEST_F(CHttpClientTest, AnUntrustedCertificateIsRefused) {
  const std::string url = fake.HttpsBase() + "soft/verup.txt";
  {
    ScopedMessageBoxHook hook(IDOK);
    CHttpClient client(url.c_str());
    EXPECT_FALSE(client.PostForm());
    ASSERT_EQ(hook.Calls().size(), 1u);
    EXPECT_EQ(hook.Calls()[0].text.Left(14), "httpエラー。\r\n");
  }
  setenv("CURL_CA_BUNDLE", fake.CertificatePath().c_str(), 1);
  CHttpClient trusted(url.c_str());
  const BOOL ok = trusted.PostForm();
  unsetenv("CURL_CA_BUNDLE");
  EXPECT_TRUE(ok);
}
