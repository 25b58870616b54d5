#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

#include "foundation/CFileStatusEx.h"
#include "foundation/FileAttributes.h"
#include "tests/common/TestSupport.h"

namespace {

TEST(FileStatusEx, FillsDetailsOfAFileAndOnlyThePathOfAMissingOne) {
  const std::string dir = kesta_test::MakeTempDir("status");
  const std::string path = dir + "/.notes.txt";
  kesta_test::WriteBytes(path, "12345");
  chmod(path.c_str(), 0444);

  CFileStatusEx status;
  GetFileStatusEx(status, path.c_str());
  EXPECT_EQ(status.m_strPath, CString(path.c_str()));
  EXPECT_EQ(status.m_size, 5u);
  EXPECT_EQ(status.m_attribute, DWORD{FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN});
  const COleDateTime now = COleDateTime::GetCurrentTime();
  EXPECT_EQ(status.m_mtime.GetStatus(), COleDateTime::valid);
  EXPECT_LE(status.m_mtime, now);
  EXPECT_GT(status.m_mtime, now - COleDateTimeSpan(1.0));
  EXPECT_LE(status.m_ctime, status.m_mtime + COleDateTimeSpan(0, 0, 0, 1));

  const CFileStatusEx before = status;
  GetFileStatusEx(status, (dir + "/missing").c_str());
  EXPECT_EQ(status.m_strPath, CString((dir + "/missing").c_str()));
  EXPECT_EQ(status.m_size, before.m_size);
  EXPECT_EQ(status.m_mtime, before.m_mtime);

  GetFileStatusEx(status, dir.c_str());
  EXPECT_EQ(status.m_attribute & FILE_ATTRIBUTE_DIRECTORY, DWORD{FILE_ATTRIBUTE_DIRECTORY});
}

}  // namespace
