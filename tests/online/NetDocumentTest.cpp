#include "online/CNetDocumentOps.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/CKestavonApp.h"
#include "foundation/PathHelpers.h"
#include "app/CKestavonDoc.h"
#include "online/CDocNetManager.h"
#include "online/CNetFileService.h"
#include "online/CVersionInfo.h"
#include "online/CWebAcountDlg.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/framework/CMDIFrameWnd.h"
#include "platform/services/WinInet.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"
#include "tests/online/FakeService.h"
#include "tests/online/LocalServer.h"
#include "tests/online/ProgressCanceller.h"

using model_test::MessageRecorder;
using online_test::FakeService;
using online_test::LocalServer;

namespace {

constexpr auto kSharedMode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                             std::filesystem::perms::group_read;

std::filesystem::perms ModeOf(const std::string& path) {
  return std::filesystem::status(path).permissions() & std::filesystem::perms::all;
}

// The application with an account and the fake service's addresses, and one document.
class NetDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_app.m_pszProfileName = (m_dir + "/kesta32.conf").c_str();
    fake.Configure();
    fake.SetScenario("");
    m_app.m_strWebID = FakeService::kMail;
    m_app.m_strWebPassword = FakeService::kPassword;
    m_doc.GetTree().AppendTree("Memo");
    m_doc.GetTree().SetLoaded();
  }

  // The document saved as a local file (a group may read it) whose copy on the service is checked
  // for a newer one when it opens.
  std::string SaveCheckedLocalFile(const char* name) {
    const std::string local = m_dir + "/" + name;
    m_doc.GetTree().GetProperties().m_strNetFileID = "42";
    m_doc.GetTree().GetProperties().m_nNetOption2 = 1;
    EXPECT_TRUE(m_doc.SaveFile(local.c_str(), TRUE));
    std::filesystem::permissions(local, kSharedMode);
    return local;
  }

  // A document whose written copy is exactly size bytes long.
  void MakeCopyOfSize(long long size) {
    const CString probe = (m_dir + "/probe.kvn").c_str();
    m_doc.GetTree().SetText(0, "a");
    ASSERT_TRUE(m_doc.SaveFile(probe, TRUE));
    const auto base = static_cast<long long>(std::filesystem::file_size(m_dir + "/probe.kvn")) - 1;
    m_doc.GetTree().SetText(0, std::string(static_cast<size_t>(size - base), 'a').c_str());
    ASSERT_TRUE(m_doc.SaveFile(probe, TRUE));
    ASSERT_EQ(static_cast<long long>(std::filesystem::file_size(m_dir + "/probe.kvn")), size);
  }

  std::string m_dir = kesta_test::MakeTempDir("netdoc");
  CKestavonApp m_app;
  const FakeService& fake = FakeService::Get();
  CKestavonDoc m_doc;
  CNetDocumentOps m_ops;
  Seam<INetDocumentService>::Scope m_installed{&m_ops};
};

}  // namespace

TEST_F(NetDocumentTest, OpensANetDocumentUnderItsNetPath) {
  CKestavonDoc source;
  source.GetTree().AppendTree("Remote");
  source.GetTree().SetLoaded();
  ASSERT_TRUE(source.SaveFile((m_dir + "/remote.kvn").c_str(), TRUE));
  fake.SetDownloadBody(kesta_test::ReadBytes(m_dir + "/remote.kvn"));
  ASSERT_TRUE(m_doc.OnOpenDocument("net:42;a;b"));
  EXPECT_EQ(m_doc.GetPathName(), "net:42;a;b");
  EXPECT_EQ(m_doc.GetTitle(), "a;b");
  EXPECT_EQ(m_doc.GetTree().GetName(0), "Remote");
  EXPECT_FALSE(m_doc.IsModified());
  // The private download folder is gone again.
  for (const auto& entry : std::filesystem::directory_iterator(CP932ToUTF8(GetTempDir().str())))
    EXPECT_EQ(entry.path().filename().string().rfind("pelkonet", 0), std::string::npos) << entry.path();
}

TEST_F(NetDocumentTest, UploadsUpToTheSizeLimit) {
  MakeCopyOfSize(CNetDocumentOps::kMaxUpload);
  {
    ScopedMessageBoxHook hook(IDOK);
    EXPECT_FALSE(m_ops.UploadNetFile(m_doc, "net:42;Memo", FALSE));
    ASSERT_EQ(hook.Calls().size(), 1u);
    EXPECT_EQ(hook.Calls()[0].text, "サイズ制限：1MB以上のファイルはアップロードできません");
  }
  MakeCopyOfSize(CNetDocumentOps::kMaxUpload - 1);
  m_doc.SetModifiedFlag(TRUE);
  ASSERT_TRUE(m_ops.UploadNetFile(m_doc, "net:42;Memo", FALSE));
  EXPECT_EQ(m_doc.GetPathName(), "net:42;Memo");
  EXPECT_FALSE(m_doc.IsModified());
  EXPECT_EQ(m_doc.m_timeWebUpdate, COleDateTime(2020, 1, 2, 3, 4, 5));
}

TEST_F(NetDocumentTest, AnsweringNoToTheUploadLeavesTheDocumentModified) {
  m_doc.SetPathName("net:42;Memo", FALSE);
  m_doc.SetModifiedFlag(TRUE);
  ScopedMessageBoxHook hook(IDNO);
  EXPECT_FALSE(m_doc.OnSaveDocument("net:42;Memo"));
  EXPECT_TRUE(m_doc.IsModified());
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(hook.Calls()[0].text, "Pelko Webファイルへのアップロードを行いますか？");
}

TEST_F(NetDocumentTest, ABackupCopyGivesTheLocalDocumentItsNewId) {
  ASSERT_TRUE(m_ops.UploadNetFile(m_doc, m_doc.GetTree().GetNetPathName(), TRUE));
  EXPECT_EQ(m_doc.GetTree().GetProperties().m_strNetFileID, "77");
  EXPECT_TRUE(m_doc.IsModified());
  EXPECT_TRUE(m_doc.GetPathName().IsEmpty());
}

TEST_F(NetDocumentTest, ANewerCopyIsOfferedAndAnOlderOneIsNot) {
  const std::string local = SaveCheckedLocalFile("local.kvn");
  {
    // The copy there dates from 2000: nothing is asked.
    ScopedMessageBoxHook hook(IDOK);
    EXPECT_FALSE(m_ops.CheckNetFileUpdate(m_doc, local.c_str()));
    EXPECT_TRUE(hook.Calls().empty());
  }
  fake.SetScenario("read-new");
  CKestavonDoc remote;
  remote.GetTree().AppendTree("Newer");
  remote.GetTree().SetLoaded();
  ASSERT_TRUE(remote.SaveFile((m_dir + "/remote.kvn").c_str(), TRUE));
  fake.SetDownloadBody(kesta_test::ReadBytes(m_dir + "/remote.kvn"));
  {
    ScopedMessageBoxHook cancel(IDCANCEL);
    EXPECT_FALSE(m_ops.CheckNetFileUpdate(m_doc, local.c_str()));
    ASSERT_EQ(cancel.Calls().size(), 1u);
  }
  ScopedMessageBoxHook agree(IDOK);
  ASSERT_TRUE(m_ops.CheckNetFileUpdate(m_doc, local.c_str()));
  EXPECT_EQ(m_doc.GetTree().GetName(0), "Newer");
  EXPECT_TRUE(std::filesystem::exists(m_dir + "/local.bak"));
  // Replaced as a save replaces it: the file keeps its mode.
  EXPECT_EQ(ModeOf(local), kSharedMode);
}

TEST_F(NetDocumentTest, AnUnreadableNewerCopyGivesTheLocalFileBack) {
  const std::string local = SaveCheckedLocalFile("kept.kvn");
  const std::string before = kesta_test::ReadBytes(local);
  fake.SetScenario("read-new");
  fake.SetDownloadBody("\x05 not an outline \x06");
  MessageRecorder messages(IDOK);
  EXPECT_FALSE(m_ops.CheckNetFileUpdate(m_doc, local.c_str()));
  ASSERT_FALSE(messages.texts.empty());
  EXPECT_EQ(messages.texts.back(), "ネット上のファイルを読めませんでした。元のファイルに戻します。");
  EXPECT_EQ(kesta_test::ReadBytes(local), before);
  EXPECT_EQ(ModeOf(local), kSharedMode);
  EXPECT_EQ(m_doc.GetTree().GetName(0), "Memo");
}

TEST_F(NetDocumentTest, ACancelledTransferLeavesTheDocumentAndItsFileAsTheyWere) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  // Only the Cancel can end the silent transfers before the test's time runs out.
  const kesta_test::ScopedValue<long> longSpan(CHttpFile::s_nMinTransferMilliseconds, 60000);
  auto* frame = new CMDIFrameWnd;  // owned by wx once created
  ASSERT_TRUE(frame->LoadFrame(2));
  m_app.m_pMainWnd = frame;
  LocalServer server([](const LocalServer::Request& request) {
    LocalServer::Answer answer;
    if (request.path == "/kvn/kvnfile.php")
      answer.body = "<kvn><date>d</date><key>k</key><file><title>Memo</title><fileid>42</fileid>"
                    "<update>2099/01/01 00:00:00</update></file></kvn>";
    else
      answer.manner = LocalServer::Manner::Silent;
    return answer;
  });
  AfxWriteProfileString("Net", "RequestSite", server.Base().c_str());
  AfxWriteProfileString("Net", "TransferSite", server.Base().c_str());

  const std::string local = SaveCheckedLocalFile("kept.kvn");
  const std::string before = kesta_test::ReadBytes(local);
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(m_dir)) files.push_back(entry.path());
  {
    // The newer copy is wanted; its download (after the update time and the read) is cancelled.
    MessageRecorder messages(IDOK);
    online_test::ProgressCanceller canceller(3);
    EXPECT_FALSE(m_ops.CheckNetFileUpdate(m_doc, local.c_str()));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"ネット上に新しいファイルがあります。ネット上のものに更新しますか？"});
    EXPECT_EQ(canceller.Shown(), 3);
    for (wxWindow* owner : canceller.Owners()) EXPECT_EQ(owner, frame);
  }
  EXPECT_EQ(kesta_test::ReadBytes(local), before);
  EXPECT_EQ(ModeOf(local), kSharedMode);
  std::vector<std::filesystem::path> after;
  for (const auto& entry : std::filesystem::directory_iterator(m_dir)) after.push_back(entry.path());
  EXPECT_EQ(after.size(), files.size());
  EXPECT_EQ(m_doc.GetTree().GetName(0), "Memo");
  {
    // An upload cancelled leaves the document modified, under its own path.
    m_doc.SetModifiedFlag(TRUE);
    MessageRecorder messages;
    online_test::ProgressCanceller canceller(2);
    EXPECT_FALSE(m_ops.UploadNetFile(m_doc, "net:42;Memo", FALSE));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(m_doc.GetPathName().IsEmpty());
  }
  m_app.m_pMainWnd = nullptr;
  frame->Destroy();
}

TEST_F(NetDocumentTest, VersionFileLines) {
  CVersionInfo info;
  ASSERT_TRUE(info.FindProductLine("Other,1,2020/1/1,x\r\nKestavon,2.5,2008/4/1,New, build\n", "Kestavon"));
  EXPECT_EQ(info.GetVersion(), "2.5");
  EXPECT_EQ(info.GetMessage(), "New");
  EXPECT_EQ(info.GetField(5), "");
  COleDateTime date;
  ASSERT_TRUE(info.GetDate(date));
  EXPECT_EQ(date, COleDateTime(2008, 4, 1, 0, 0, 0));
  EXPECT_FALSE(info.FindProductLine("Kestavonx,1,2008/4/1,m\n", "Kestavon"));
  ASSERT_TRUE(info.FindProductLine("Kestavon,1,2037/4/1,m", "Kestavon"));
  EXPECT_FALSE(info.GetDate(date));
}

TEST_F(NetDocumentTest, VersionCheckAgainstTheFake) {
  AfxWriteProfileString("Net", "VersionSite", fake.HttpBase().c_str());
  CVersionInfo info;
  EXPECT_EQ(info.Check("Kestavon", COleDateTime(2008, 3, 31, 23, 0, 0)), CVersionInfo::Newer);
  EXPECT_EQ(info.GetMessage(), "New");
  EXPECT_EQ(info.Check("Kestavon", COleDateTime(2008, 4, 1, 0, 0, 1)), CVersionInfo::Latest);
  const std::string request = fake.LastRequest("verup.txt");
  EXPECT_EQ(request.find("User-Agent: Mozilla/4.0*\r\n"), request.rfind("User-Agent:"));
  for (const char* scenario : {"verup-2037", "404"}) {
    fake.SetScenario(scenario);
    ScopedMessageBoxHook hook(IDOK);
    EXPECT_EQ(info.Check("Kestavon", COleDateTime(2008, 3, 31, 0, 0, 0)), CVersionInfo::Failed) << scenario;
    ASSERT_EQ(hook.Calls().size(), 1u);
    EXPECT_EQ(hook.Calls()[0].text, "バージョンアップ情報の取得に失敗しました");
  }
}

TEST_F(NetDocumentTest, NetPathsOpenOnceThroughTheDocumentManager) {
  CDocNetManager manager;
  EXPECT_EQ(manager.GetOpenDocumentCount(), 0);
  // Without a template nothing opens, and the user is told.
  ScopedMessageBoxHook hook(IDOK);
  EXPECT_EQ(manager.OpenDocumentFile("\"net:42;Memo\""), nullptr);
  EXPECT_EQ(hook.Calls().size(), 1u);
}
