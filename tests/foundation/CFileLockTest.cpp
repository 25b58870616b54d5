#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "foundation/CFileLock.h"
#include "platform/base/Places.h"
#include "tests/common/TestSupport.h"

namespace {

using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

class FileLockTest : public ::testing::Test {
 protected:
  std::string dir = MakeTempDir("filelock");
  std::string doc = dir + "/plan.kvn";
  std::string lockFile = doc + ".lock";
};

TEST_F(FileLockTest, EmptyPathLocksNothing) {
  CFileLock lock;
  EXPECT_FALSE(lock.IsLockedByOther());
  EXPECT_TRUE(lock.CreateLockFile());
  EXPECT_TRUE(std::filesystem::is_empty(dir));
  EXPECT_FALSE(lock.RemoveLockFile());  // never owned
  EXPECT_FALSE(lock.IsReadOnlyFile());
}

TEST_F(FileLockTest, LockFileHoldsTimeComputerAndNoteLines) {
  EXPECT_EQ(CFileLock::GetLockFileName("/d/plan.kvn"), CString("/d/plan.kvn.lock"));
  CFileLock lock;
  lock.SetPath(doc.c_str());
  ASSERT_TRUE(lock.CreateLockFile());
  const std::string content = ReadBytes(lockFile);
  const std::string host(GetComputerNameText().GetString());
  EXPECT_LE(host.size(), 15u);
  EXPECT_TRUE(std::regex_match(content, std::regex(R"(\d{4}/\d\d/\d\d \d\d:\d\d\r\n)" + host + " " + std::to_string(getpid()) + "\r\n\r\n")))
      << content;
  EXPECT_FALSE(lock.IsLockedByOther());
  EXPECT_TRUE(lock.CanWrite(doc.c_str()));
}

TEST_F(FileLockTest, SecondLockOnALockedPathCannotWrite) {
  CFileLock mine;
  mine.SetPath(doc.c_str());
  ASSERT_TRUE(mine.CreateLockFile());
  WriteBytes(lockFile, "someone else\r\n");

  CFileLock other;
  other.SetPath(doc.c_str());
  EXPECT_TRUE(other.IsLockedByOther());
  EXPECT_FALSE(other.CanWrite(doc.c_str()));
  EXPECT_FALSE(other.CreateLockFile());
  EXPECT_FALSE(other.RemoveLockFile());
  EXPECT_EQ(ReadBytes(lockFile), "someone else\r\n");  // untouched

  EXPECT_TRUE(other.CanWrite((dir + "/free.kvn").c_str()));  // no lock file there
}

TEST_F(FileLockTest, OwnLockIsWrittenAnewAndRemovedOnce) {
  CFileLock lock;
  lock.SetPath(doc.c_str());
  ASSERT_TRUE(lock.CreateLockFile());
  WriteBytes(lockFile, "stale");
  lock.SetPath(doc.c_str());  // the same path keeps ownership, as after a save under it
  ASSERT_TRUE(lock.CreateLockFile());
  EXPECT_NE(ReadBytes(lockFile), "stale");

  CFileLock copy = lock;  // copies carry the ownership
  EXPECT_FALSE(copy.IsLockedByOther());

  EXPECT_TRUE(lock.RemoveLockFile());
  EXPECT_FALSE(std::filesystem::exists(lockFile));
  EXPECT_TRUE(lock.CanWrite(doc.c_str()));
  EXPECT_FALSE(lock.RemoveLockFile());  // already gone; still owned
  EXPECT_TRUE(lock.CreateLockFile());
  EXPECT_TRUE(std::filesystem::exists(lockFile));
}

// The id of a process that has ended.
pid_t GonePid() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

TEST_F(FileLockTest, ALockLeftOnThisComputerByAProcessThatIsGoneIsTakenOver) {
  const std::string host(GetComputerNameText().GetString());
  // The pipe closes when the child has become the other program.
  int execed[2];
  ASSERT_EQ(pipe2(execed, O_CLOEXEC), 0);
  const pid_t sleeper = fork();
  if (sleeper == 0) {
    execlp("sleep", "sleep", "30", static_cast<char*>(nullptr));
    _exit(1);
  }
  close(execed[1]);
  char byte;
  ASSERT_EQ(read(execed[0], &byte, 1), 0);
  close(execed[0]);
  struct Case {
    std::string owner;
    bool stale;
  } cases[] = {
      {host + " " + std::to_string(GonePid()), true},
      {host + " " + std::to_string(sleeper), true},  // the number now names another program
      {host + " " + std::to_string(getpid()), false},
      {"elsewhere " + std::to_string(GonePid()), false},
      {host, false},  // written without a process id
      {host + " x1", false},
  };
  for (const Case& c : cases) {
    const std::string content = "2024/01/01 00:00\r\n" + c.owner + "\r\n\r\n";
    WriteBytes(lockFile, content);
    CFileLock lock;
    lock.SetPath(doc.c_str());
    EXPECT_EQ(lock.IsLockedByOther(), !c.stale) << c.owner;
    EXPECT_EQ(lock.CanWrite(doc.c_str()), c.stale) << c.owner;
    EXPECT_EQ(lock.CreateLockFile(), c.stale) << c.owner;
    if (c.stale) {
      EXPECT_NE(ReadBytes(lockFile).find(host + " " + std::to_string(getpid()) + "\r\n"), std::string::npos);
      EXPECT_TRUE(lock.RemoveLockFile());
    } else {
      EXPECT_EQ(ReadBytes(lockFile), content);
    }
  }
  kill(sleeper, SIGKILL);
  waitpid(sleeper, nullptr, 0);
}

TEST_F(FileLockTest, AnotherPathClearsOwnership) {
  CFileLock lock;
  lock.SetPath(doc.c_str());
  ASSERT_TRUE(lock.CreateLockFile());
  const std::string other = dir + "/Plan.kvn";  // differs only in letter case
  lock.SetPath(other.c_str());
  EXPECT_FALSE(lock.RemoveLockFile());
  EXPECT_TRUE(std::filesystem::exists(lockFile));  // the old path's lock stays behind
  lock.SetPath(doc.c_str());
  EXPECT_TRUE(lock.IsLockedByOther());
}

TEST_F(FileLockTest, ReadOnlyFollowsTheWritePermission) {
  CFileLock lock;
  lock.SetPath(doc.c_str());
  EXPECT_FALSE(lock.IsReadOnlyFile());  // no file
  WriteBytes(doc, "x");
  chmod(doc.c_str(), 0644);
  EXPECT_FALSE(lock.IsReadOnlyFile());
  chmod(doc.c_str(), 0444);
  EXPECT_TRUE(lock.IsReadOnlyFile());
}

}  // namespace
