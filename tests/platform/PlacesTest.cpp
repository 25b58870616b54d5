#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/base/AtomicFile.h"
#include "platform/base/Places.h"
#include "tests/common/TestSupport.h"

namespace {

// Sets an environment variable for the scope of a test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old, m_had = true;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (m_had) setenv(m_name.c_str(), m_old.c_str(), 1);
    else unsetenv(m_name.c_str());
  }

 private:
  std::string m_name;
  std::string m_old;
  bool m_had = false;
};

}  // namespace

TEST(Places, FoldersFollowTheEnvironment) {
  const std::string config = std::getenv("XDG_CONFIG_HOME");
  EXPECT_EQ(std::string(GetUserDataFolder()), config);
  EXPECT_EQ(std::string(GetProgramDataFolder()), config + "/kesta32");
  EXPECT_EQ(std::string(GetWindowsFolder()), config + "/kesta32/windows");
  {
    ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", "/home/someone/");
    EXPECT_EQ(std::string(GetUserDataFolder()), "/home/someone/.config");
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/path");
    EXPECT_EQ(std::string(GetUserDataFolder()), "/home/someone/.config");
  }
  const std::string tmp = std::getenv("TMPDIR");
  EXPECT_EQ(std::string(GetTempFolder()), tmp + "/");
  {
    ScopedEnv missing("TMPDIR", "/no/such/folder");
    EXPECT_EQ(std::string(GetTempFolder()), "/tmp/");
  }

  const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
  EXPECT_EQ(std::string(GetProgramPath()), exe);
  EXPECT_EQ(std::string(GetProgramFolder()), std::filesystem::path(exe).parent_path().string());
  {
    ScopedEnv dir("KESTA_PROGRAM_DIR", "/opt/kesta/bin/");
    EXPECT_EQ(std::string(GetProgramFolder()), "/opt/kesta/bin");
    char buffer[MAX_PATH];
    const std::string expected = "/opt/kesta/bin/" + std::filesystem::path(exe).filename().string();
    EXPECT_EQ(GetModuleFileName(nullptr, buffer, MAX_PATH), expected.size());
    EXPECT_EQ(std::string(buffer), expected);
    char small[5];
    EXPECT_EQ(GetModuleFileName(nullptr, small, sizeof(small)), 5u);  // cut: the size comes back
    EXPECT_STREQ(small, "/opt");
  }
}

TEST(Places, WindowsShapedCallsCopyAndReportSizes) {
  const CString windows = GetWindowsFolder();
  char tiny[4];
  EXPECT_EQ(GetWindowsDirectory(tiny, sizeof(tiny)), static_cast<UINT>(windows.GetLength() + 1));
  char buffer[MAX_PATH];
  EXPECT_EQ(GetWindowsDirectory(buffer, MAX_PATH), static_cast<UINT>(windows.GetLength()));
  EXPECT_EQ(CString(buffer), windows);
  EXPECT_EQ(GetTempPath(MAX_PATH, buffer), static_cast<DWORD>(GetTempFolder().GetLength()));
  EXPECT_EQ(CString(buffer), GetTempFolder());

  const std::string dir = kesta_test::MakeTempDir("tempname");
  char first[MAX_PATH];
  char second[MAX_PATH];
  const UINT a = GetTempFileName(dir.c_str(), "kvnXYZ", 0, first);
  const UINT b = GetTempFileName(dir.c_str(), "kvnXYZ", 0, second);
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, 0u);
  EXPECT_STRNE(first, second);
  EXPECT_TRUE(std::filesystem::exists(first));  // made, so that no one else takes the name
  EXPECT_EQ(std::string(first).rfind(dir + "/kvn", 0), 0u);
  EXPECT_EQ(GetTempFileName(dir.c_str(), "kvn", 0x1A2B, buffer), 0x1A2Bu);
  EXPECT_EQ(std::string(buffer), dir + "/kvn1A2B.tmp");
  EXPECT_FALSE(std::filesystem::exists(buffer));

  char name[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = sizeof(name);
  ASSERT_TRUE(GetComputerName(name, &size));
  EXPECT_EQ(size, std::string(name).size());
  EXPECT_LE(size, static_cast<DWORD>(MAX_COMPUTERNAME_LENGTH));
  EXPECT_EQ(CString(name), GetComputerNameText());
  DWORD none = 0;
  EXPECT_FALSE(GetComputerName(nullptr, &none));
  EXPECT_EQ(none, size + 1);

  OSVERSIONINFOEX ex{};
  ex.dwOSVersionInfoSize = 156;
  ASSERT_TRUE(GetVersionEx(&ex));
  EXPECT_EQ(ex.dwMajorVersion, 10u);
  EXPECT_EQ(ex.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
  OSVERSIONINFO plain{};
  plain.dwOSVersionInfoSize = 148;
  EXPECT_TRUE(GetVersionEx(&plain));
  plain.dwOSVersionInfoSize = 100;
  EXPECT_FALSE(GetVersionEx(&plain));
  EXPECT_FALSE(IsTabletPC());
}

TEST(AtomicFile, ReplacesWholeOrNotAtAll) {
  const std::string dir = kesta_test::MakeTempDir("atomic");
  const std::string target = dir + "/doc.kvn";
  kesta_test::WriteBytes(target, "old");
  ASSERT_EQ(chmod(target.c_str(), 0604), 0);
  ASSERT_TRUE(WriteFileAtomically(target.c_str(), "new content"));
  EXPECT_EQ(kesta_test::ReadBytes(target), "new content");
  struct stat st;
  ASSERT_EQ(stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0604u);

  // Through a symbolic link the file it points to is replaced and the link stays.
  const std::string link = dir + "/link.kvn";
  std::filesystem::create_symlink(target, link);
  ASSERT_TRUE(WriteFileAtomically(link.c_str(), "via link"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(kesta_test::ReadBytes(target), "via link");

  // A target that cannot be replaced (a folder stands there) keeps its place; no temp file is left.
  std::filesystem::create_directories(dir + "/folder/inside");
  EXPECT_FALSE(WriteFileAtomically((dir + "/folder").c_str(), "x"));
  EXPECT_TRUE(std::filesystem::is_directory(dir + "/folder/inside"));
  EXPECT_FALSE(WriteFileAtomically((dir + "/missing/x").c_str(), "x"));
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) entries += entry.exists() ? 1 : 0;
  EXPECT_EQ(entries, 3);  // doc.kvn, link.kvn, folder

  // A file made read-only stays as it is.
  kesta_test::WriteBytes(dir + "/locked.txt", "keep");
  ASSERT_EQ(chmod((dir + "/locked.txt").c_str(), 0444), 0);
  EXPECT_FALSE(WriteFileAtomically((dir + "/locked.txt").c_str(), "x"));
  EXPECT_EQ(kesta_test::ReadBytes(dir + "/locked.txt"), "keep");
  std::filesystem::remove(dir + "/locked.txt");

  const CString temp = CreateTempFileBeside((dir + "/doc.kvn").c_str());
  ASSERT_FALSE(temp.IsEmpty());
  EXPECT_EQ(std::filesystem::path(temp.GetString()).parent_path(), std::filesystem::path(dir));
  kesta_test::WriteBytes(temp.GetString(), "from temp");
  ASSERT_TRUE(CommitTempFile(temp, (dir + "/doc.kvn").c_str()));
  EXPECT_EQ(kesta_test::ReadBytes(target), "from temp");
  EXPECT_FALSE(std::filesystem::exists(temp.GetString()));
}
