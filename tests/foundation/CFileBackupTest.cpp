#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>

#include "foundation/CFileBackup.h"
#include "platform/base/AtomicFile.h"
#include "tests/common/TestSupport.h"

namespace {

using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

TEST(FileBackup, BackupNamesTable) {
  struct Case {
    const char* path;
    const char* next;
  } cases[] = {
      {"/d/a.bak", "/d/a.2.bak"},     {"/d/a.2.bak", "/d/a.3.bak"},   {"/d/a.9.bak", "/d/a.10.bak"},
      {"/d/a.1.bak", "/d/a.1.2.bak"}, {"/d/a.txt", "/d/a.bak"},       {"/d/readme", "/d/readme.bak"},
      {"/d/a.BAK", "/d/a.bak"},       {"/d/my.notes.bak", "/d/my.notes.2.bak"},
      {"/d.x/doc", "/d.x/doc.bak"},   {"C:\\w\\doc.kvn", "C:\\w\\doc.bak"},
  };
  CFileBackup backup;
  for (const Case& c : cases) EXPECT_EQ(backup.GetBackupFileName(c.path), CString(c.next)) << c.path;
}

class FileBackupTest : public ::testing::Test {
 protected:
  std::string P(const std::string& name) { return dir + "/" + name; }
  std::set<std::string> Files() {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      names.insert(entry.path().filename().string() + "=" + ReadBytes(entry.path().string()));
    }
    return names;
  }
  std::string dir = MakeTempDir("backup");
};

TEST_F(FileBackupTest, DefaultKeepsOneGeneration) {
  WriteBytes(P("doc.kvn"), "v2");
  WriteBytes(P("doc.bak"), "v1");
  CFileBackup backup;
  backup.Backup(P("doc.kvn").c_str());
  EXPECT_EQ(Files(), (std::set<std::string>{"doc.kvn=v2", "doc.bak=v2"}));
  std::filesystem::remove(P("doc.kvn"));
  backup.Backup(P("doc.kvn").c_str());  // gone now: nothing changes
  EXPECT_EQ(Files(), (std::set<std::string>{"doc.bak=v2"}));
}

TEST_F(FileBackupTest, TheFileStaysWholeAndItsBackupKeepsItsPermissions) {
  WriteBytes(P("doc.kvn"), std::string(300000, 's'));
  std::filesystem::permissions(P("doc.kvn"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  CFileBackup().Backup(P("doc.kvn").c_str());
  EXPECT_EQ(ReadBytes(P("doc.kvn")), std::string(300000, 's'));
  EXPECT_EQ(ReadBytes(P("doc.bak")), std::string(300000, 's'));
  EXPECT_EQ(std::filesystem::status(P("doc.bak")).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 2);
}

TEST_F(FileBackupTest, ThreeGenerationsRotateAndDropTheOldest) {
  WriteBytes(P("doc.kvn"), "v4");
  WriteBytes(P("doc.bak"), "v3");
  WriteBytes(P("doc.2.bak"), "v2");
  WriteBytes(P("doc.3.bak"), "v1");
  CFileBackup backup;
  backup.m_nGenerations = 3;
  backup.Backup(P("doc.kvn").c_str());
  EXPECT_EQ(Files(), (std::set<std::string>{"doc.kvn=v4", "doc.bak=v4", "doc.2.bak=v3", "doc.3.bak=v2"}));
}

TEST_F(FileBackupTest, AGapEndsTheChain) {
  WriteBytes(P("doc.kvn"), "v4");
  WriteBytes(P("doc.bak"), "v3");
  WriteBytes(P("doc.3.bak"), "v1");
  CFileBackup backup;
  backup.m_nGenerations = 3;
  backup.Backup(P("doc.kvn").c_str());
  EXPECT_EQ(Files(), (std::set<std::string>{"doc.kvn=v4", "doc.bak=v4", "doc.2.bak=v3", "doc.3.bak=v1"}));
}

TEST_F(FileBackupTest, ABackupNamedLikeItsOwnBackupIsLeftAlone) {
  // Through a symbolic link the next name can be the source file itself, as a.BAK is a.bak on a
  // file system that ignores letter case.
  WriteBytes(P("a.bak"), "keep");
  std::filesystem::create_symlink(P("a.bak"), P("a.BAK"));
  CFileBackup backup;
  backup.Backup(P("a.BAK").c_str());
  EXPECT_EQ(ReadBytes(P("a.bak")), "keep");
  EXPECT_TRUE(std::filesystem::is_symlink(P("a.BAK")));
}

// The copy into the first generation stops half-way: the write fails (a full disk) or the
// program is killed. Every backup stays as it was, and what a killed copy left is a temporary file
// of the document that the cleanup of its next open removes.
TEST_F(FileBackupTest, ACopyThatStopsHalfWayLeavesTheBackups) {
  const std::string document(300000, 'n');
  for (const bool killed : {false, true}) {
    WriteBytes(P("doc.kvn"), document);
    WriteBytes(P("doc.bak"), "old backup");
    const pid_t child = fork();
    if (child == 0) {
      std::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
      const rlimit small{100000, 100000};
      setrlimit(RLIMIT_FSIZE, &small);
      CFileBackup().Backup(P("doc.kvn").c_str());
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ, killed);
    EXPECT_EQ(ReadBytes(P("doc.bak")), "old backup") << killed;
    EXPECT_EQ(ReadBytes(P("doc.kvn")), document);
    RemoveStaleTempFiles(P("doc.kvn").c_str());
    EXPECT_EQ(Files(), (std::set<std::string>{"doc.kvn=" + document, "doc.bak=old backup"})) << killed;
  }
}

}  // namespace
