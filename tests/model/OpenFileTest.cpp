#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <wx/stattext.h>

#include "model/dialogs/CReadOnlyDlg.h"
#include "model/ATREE.h"
#include "model/KvnCrypt.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/CodePage.h"
#include "platform/base/Places.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using kesta_test::HasGui;
using kesta_test::MakeTempDir;
using kesta_test::WriteBytes;
using model_test::DialogDriver;
using model_test::MessageRecorder;

namespace {

// A settings file with System/SharedFile on, named as the application's while it lives.
struct SharedFileOn {
  SharedFileOn() : path(MakeTempDir("settings") + "/kesta32.conf"), app(path) {
    WriteBytes(path, "[System]\r\nSharedFile=1\r\n");
  }
  std::string path;
  kesta_test::ScopedSettingsFile app;
};

constexpr char kTwoItems[] = "\x08\r\n\x08\r\nRoot\x05" "0\x06" "1\x07" "0\r\nRoot\x01" "A\x05" "0\r\n";

// Presses OK on the read-only notice and keeps the reason text it showed.
DialogDriver::Action NoticeReader(std::string& shown) {
  return [&shown](wxDialog* dialog) {
    shown = WxToCP932(dialog->FindWindow(CReadOnlyDlg::IDC_MESSAGE)->GetLabel()).str();
    dialog->EndModal(1);
  };
}

}  // namespace

TEST(OpenFile, NativeFileByExtensionInAnyCase) {
  const std::string path = MakeTempDir("open") + "/Doc.KVN";
  WriteBytes(path, kTwoItems);
  ATREE model;
  EXPECT_EQ(model.IsLoaded(), 0);
  EXPECT_EQ(model.OpenFile(path.c_str(), 0, 1), 2);
  EXPECT_EQ(model.IsLoaded(), 1);
  EXPECT_EQ(model.GetRows().GetTreeDataCount(), 2);
  EXPECT_FALSE(model.IsReadOnly());
}

TEST(OpenFile, AReaderFailureKeepsWhatWasRead) {
  MessageRecorder messages;
  const std::string path = MakeTempDir("open") + "/bad.kvn";
  WriteBytes(path, std::string(kTwoItems) + "Root\x01" "B\x05\r\n");
  ATREE model;
  EXPECT_EQ(model.OpenFile(path.c_str(), 0, 1), -1);
  EXPECT_EQ(model.IsLoaded(), 0);
  EXPECT_EQ(model.GetDirDataCount(), 3);
  EXPECT_EQ(messages.texts.size(), 2u);
}

// A process that makes a temporary file for the target, as a save does, and then waits until
// Finish lets it end: its file stands for a save still running until then, and for one that was
// killed after.
class OtherSave {
 public:
  explicit OtherSave(const std::string& target) {
    int toParent[2], toChild[2];
    if (pipe(toParent) != 0 || pipe(toChild) != 0) return;
    m_pid = fork();
    if (m_pid == 0) {
      const CString temp = CreateTempFileBeside(CString(target));
      const std::string path = CP932ToUTF8(temp.str()) + "\n";
      if (write(toParent[1], path.data(), path.size()) < 0) _exit(1);
      char go;
      _exit(read(toChild[0], &go, 1) == 1 ? 0 : 1);
    }
    close(toParent[1]);
    close(toChild[0]);
    m_go = toChild[1];
    char c;
    while (read(toParent[0], &c, 1) == 1 && c != '\n') path += c;
    close(toParent[0]);
  }
  void Finish() {
    if (write(m_go, "x", 1) < 0) return;
    close(m_go);
    waitpid(m_pid, nullptr, 0);
  }

  std::string path;

 private:
  pid_t m_pid = -1;
  int m_go = -1;
};

TEST(OpenFile, OnlyTemporaryFilesOfAGoneSaveAreRemoved) {
  const std::string dir = MakeTempDir("open");
  const std::string path = dir + "/doc.kvn";
  WriteBytes(path, kTwoItems);
  // Files of the user and of other programs beside the document, in the shape of a temporary file
  // name (rsync's among them), and one in the program's shape but of another computer.
  const std::vector<std::string> users = {".doc.kvn.backup",
                                          ".doc.kvn.2024v1",
                                          ".doc.kvn.abcdef",
                                          ".doc.kvn.abc",
                                          "doc.kvn.abcdef",
                                          ".other.kvn.abcdef",
                                          ".doc.kvn.kesta32-1@elsewhere-abcdef"};
  for (const std::string& name : users) WriteBytes(dir + "/" + name, "x");
  // A save of this process, and one of another that is running.
  const std::string ours = CP932ToUTF8(CreateTempFileBeside(CString(path)).str());
  OtherSave running(path);
  ASSERT_FALSE(running.path.empty());
  // What a save killed before its rename left behind.
  OtherSave killed(path);
  killed.Finish();
  ASSERT_TRUE(std::filesystem::exists(killed.path));
  WriteBytes(killed.path, "readable text");
  std::filesystem::create_symlink(path, running.path + "-link");

  ATREE model;
  EXPECT_EQ(model.OpenFile(path.c_str(), 0, 1), 2);
  EXPECT_FALSE(std::filesystem::exists(killed.path));
  for (const std::string& name : users) EXPECT_TRUE(std::filesystem::exists(dir + "/" + name)) << name;
  EXPECT_TRUE(std::filesystem::exists(ours));
  EXPECT_TRUE(std::filesystem::exists(running.path));
  EXPECT_TRUE(std::filesystem::is_symlink(running.path + "-link"));
  running.Finish();
}

// Opening a text file (here without its reader), or any other import, removes no file of the
// user beside it.
TEST(OpenFile, ATextFileLeavesTheUsersFilesBesideIt) {
  const std::string dir = MakeTempDir("open");
  WriteBytes(dir + "/notes.txt", "line\r\n");
  const char* const users[] = {".notes.txt.backup", ".notes.txt.2024v1", ".notes.txt.Zz9Zz9"};
  for (const char* name : users) WriteBytes(dir + "/" + name, "x");
  MessageRecorder messages;
  ATREE model;
  model.OpenFile((dir + "/notes.txt").c_str(), 0, 1);
  for (const char* name : users) EXPECT_TRUE(std::filesystem::exists(dir + "/" + name)) << name;
}

// A FIFO named as an outline (or anything else that is no regular file) is refused at once.
TEST(OpenFile, AFifoIsRefusedAtOnce) {
  const std::string dir = MakeTempDir("open");
  kesta_test::MakeFifo(dir + "/x.kvn");
  EXPECT_TRUE(kesta_test::EndsAtOnce([&] {
    MessageRecorder messages;
    ATREE model;
    if (model.OpenFile((dir + "/x.kvn").c_str(), 0, 1) != -1 || KvnCrypt::IsEncryptedFile((dir + "/x.kvn").c_str()))
      _exit(1);
  }));
}

TEST(OpenFile, OtherTypesAreRefusedForNow) {
  MessageRecorder messages;
  const std::string path = MakeTempDir("open") + "/page.html";
  WriteBytes(path, "<html></html>");
  ATREE model;
  EXPECT_EQ(model.OpenFile(path.c_str(), 0, 1), -1);
  EXPECT_EQ(messages.texts.size(), 1u);
}

TEST(OpenFile, ReadOnlyFileShowsTheNoticeAndTakesNoLock) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  const std::string path = MakeTempDir("open") + "/ro.kvn";
  WriteBytes(path, kTwoItems);
  chmod(path.c_str(), 0444);
  const SharedFileOn shared;
  std::string shown;
  DialogDriver driver({NoticeReader(shown)});
  ATREE model;
  EXPECT_EQ(model.OpenFile(path.c_str(), 0, 1), 2);
  EXPECT_TRUE(model.IsReadOnly());
  EXPECT_EQ(shown, "このファイルは読み取り専用属性です。読み取り専用モードで開きます。");
  struct stat st;
  EXPECT_NE(stat((path + ".lock").c_str(), &st), 0);
}

TEST(OpenFile, ALockLeftByAKilledRunOnThisComputerIsTakenOver) {
  const std::string path = MakeTempDir("open") + "/mine.kvn";
  WriteBytes(path, kTwoItems);
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  WriteBytes(path + ".lock", "2024/01/01 00:00\r\n" + GetComputerNameText().str() + " " + std::to_string(gone) +
                                 "\r\n\r\n");
  const SharedFileOn shared;
  ATREE model;
  const int read = model.OpenFile(path.c_str(), 0, 1);
  EXPECT_EQ(read, 2);  // no read-only notice comes up: none is answered
  EXPECT_FALSE(model.IsReadOnly());
  EXPECT_NE(kesta_test::ReadBytes(path + ".lock").find(" " + std::to_string(getpid()) + "\r\n"), std::string::npos);
  EXPECT_EQ(model.SaveFile(path.c_str()), 1);
  EXPECT_TRUE(model.GetLock().RemoveLockFile());
}

TEST(OpenFile, AnotherUsersLockMakesTheDocumentReadOnlyAndRefusesSaving) {
  if (!HasGui()) GTEST_SKIP() << "needs a display";
  const std::string path = MakeTempDir("open") + "/shared.kvn";
  WriteBytes(path, kTwoItems);
  WriteBytes(path + ".lock", "2024/01/01 00:00\r\nother\r\n\r\n");
  std::string shown;
  DialogDriver driver({NoticeReader(shown)});
  ATREE model;
  EXPECT_EQ(model.OpenFile(path.c_str(), 0, 1), 2);
  EXPECT_TRUE(model.IsReadOnly());
  EXPECT_EQ(shown, "このファイルは使用中です。読み取り専用モードで開きます。");
  MessageRecorder messages;
  EXPECT_EQ(model.SaveFile(path.c_str()), 0);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "このファイルは使用中です。書き込みできません。");
}
