#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/base/PrivateProfile.h"
#include "tests/common/TestSupport.h"

namespace {

std::string Get(const char* section, const char* key, const std::string& file, const char* def = "DEF",
                DWORD size = 256) {
  std::string buffer(size, '\x7F');
  const DWORD n = GetPrivateProfileString(section, key, def, buffer.data(), size, file.c_str());
  EXPECT_EQ(buffer[n], '\0');
  return buffer.substr(0, n);
}

}  // namespace

TEST(PrivateProfile, ReadsAsWindowsDoes) {
  const std::string file = kesta_test::MakeTempDir("ini") + "/read.ini";
  kesta_test::WriteBytes(file,
                         "; comment\r\n"
                         "[System]\r\n"
                         "  Recent = \"\"C:\\x y\\a.kvn\"\"  \r\n"
                         "Single='quoted'\r\n"
                         "Half=\"open\r\n"
                         "Empty=\r\n"
                         "NoEquals\r\n"
                         "Name=漢字表\n"  // a bare LF ends a line too
                         "\r\n"
                         "[ view ]\r\n"
                         "Width=640\r\n"
                         "[System]\r\n"
                         "Late=second section of the same name is not searched\r\n");
  EXPECT_EQ(Get("System", "Recent", file), "\"C:\\x y\\a.kvn\"");
  EXPECT_EQ(Get("SYSTEM", " recent ", file), "\"C:\\x y\\a.kvn\"");
  EXPECT_EQ(Get("System", "Single", file), "quoted");
  EXPECT_EQ(Get("System", "Half", file), "\"open");
  EXPECT_EQ(Get("System", "Empty", file), "");
  EXPECT_EQ(Get("System", "NoEquals", file), "");
  EXPECT_EQ(Get("System", "Name", file), "漢字表");
  EXPECT_EQ(Get("View", "Width", file), "640");
  EXPECT_EQ(Get("System", "Late", file), "DEF");
  EXPECT_EQ(Get("System", "Missing", file, "fallback  "), "fallback");
  EXPECT_EQ(Get("System", "Missing", file, nullptr), "");
  EXPECT_EQ(Get("Nowhere", "Recent", file.c_str()), "DEF");
  EXPECT_EQ(Get("System", "Width", file), "DEF");
  EXPECT_EQ(Get("System", "Recent", file + ".missing"), "DEF");
}

TEST(PrivateProfile, ValuesAreCutToTheBuffer) {
  const std::string file = kesta_test::MakeTempDir("cut") + "/cut.ini";
  const std::string value(3000, 'v');
  ASSERT_TRUE(WritePrivateProfileString("S", "Long", value.c_str(), file.c_str()));
  EXPECT_EQ(Get("S", "Long", file, "", 2048), std::string(2047, 'v'));
  EXPECT_EQ(Get("S", "Long", file, "", 4096), value);
  EXPECT_EQ(Get("S", "Missing", file, "abcdef", 4), "abc");
  // A double-byte character that does not fit whole is left out rather than split.
  ASSERT_TRUE(WritePrivateProfileString("S", "Kanji", "a漢字", file.c_str()));
  EXPECT_EQ(Get("S", "Kanji", file, "", 5), "a漢");
  EXPECT_EQ(Get("S", "Kanji", file, "", 6), "a漢字");
  char one[1] = {'x'};
  EXPECT_EQ(GetPrivateProfileString("S", "Long", "", one, 1, file.c_str()), 0u);
  EXPECT_EQ(one[0], '\0');
}

TEST(PrivateProfile, IntegersReadAsWindowsReadsThem) {
  const std::string file = kesta_test::MakeTempDir("int") + "/int.ini";
  kesta_test::WriteBytes(file,
                         "[N]\r\nA=42\r\nB=-5\r\nC=12abc\r\nD=abc\r\nE=\r\nF=+7\r\nG=0x1F\r\nH=\"8\"\r\n"
                         "I=4294967295\r\nJ= 3 4\r\n");
  struct Case {
    const char* key;
    int expected;
  };
  const Case cases[] = {{"A", 42}, {"B", -5}, {"C", 12}, {"D", 0}, {"E", 99}, {"F", 7},
                        {"G", 31}, {"H", 8},  {"I", -1}, {"J", 3}, {"Missing", 99}};
  for (const Case& c : cases) EXPECT_EQ(GetPrivateProfileInt("N", c.key, 99, file.c_str()), c.expected) << c.key;
}

TEST(PrivateProfile, WritesKeepTheFileAndItsLayout) {
  const std::string file = kesta_test::MakeTempDir("write") + "/w.ini";
  kesta_test::WriteBytes(file, "; keep me\n[a]\nx=1\n\n[b]\ny=2\n");
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);

  EXPECT_TRUE(WritePrivateProfileString("A", "X", "10", file.c_str()));     // keeps the key's spelling
  EXPECT_TRUE(WritePrivateProfileString("a", "z", "3", file.c_str()));      // after the last key
  EXPECT_TRUE(WritePrivateProfileString("c", "k", "漢字", file.c_str()));   // a new section at the end
  EXPECT_TRUE(WritePrivateProfileString("B", "y", nullptr, file.c_str()));  // deletes the key
  EXPECT_TRUE(WritePrivateProfileString("b", "none", nullptr, file.c_str()));
  EXPECT_EQ(kesta_test::ReadBytes(file),
            std::string("; keep me\r\n[a]\r\nx=10\r\nz=3\r\n\r\n[b]\r\n[c]\r\nk=漢字\r\n"));
  struct stat st;
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  EXPECT_TRUE(WritePrivateProfileString("b", nullptr, nullptr, file.c_str()));  // deletes the section
  EXPECT_TRUE(WritePrivateProfileString("A", nullptr, "ignored", file.c_str()));
  EXPECT_EQ(kesta_test::ReadBytes(file), std::string("; keep me\r\n[c]\r\nk=漢字\r\n"));
  EXPECT_EQ(Get("a", "x", file), "DEF");
  EXPECT_FALSE(WritePrivateProfileString(nullptr, "k", "v", file.c_str()));
}

TEST(PrivateProfile, ALineBreakInANameOrValueIsRefusedAndWritesNothing) {
  const std::string file = kesta_test::MakeTempDir("inject") + "/i.ini";
  kesta_test::WriteBytes(file, "[System]\r\nIniFile=old\r\n");
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"System", "IniFile", "a\nSingleInstance=0\n[x].kvn"},
      {"System", "IniFile", "a\rBackup=1"},
      {"System", "Ini\nBackup", "1"},
      {"Sys\r\n[Other]", "k", "v"},
      {"System", "a\nb", nullptr},
      {"Sys\ntem", nullptr, nullptr},
  };
  for (const auto& c : cases) EXPECT_FALSE(WritePrivateProfileString(c.section, c.key, c.value, file.c_str()));
  EXPECT_EQ(kesta_test::ReadBytes(file), "[System]\r\nIniFile=old\r\n");
}

TEST(PrivateProfile, CacheFollowsTheFileOnDiskAndFailuresChangeNothing) {
  const std::string dir = kesta_test::MakeTempDir("cache");
  const std::string file = dir + "/c.ini";
  ASSERT_TRUE(WritePrivateProfileString("S", "K", "one", file.c_str()));
  EXPECT_EQ(Get("S", "K", file), "one");
  kesta_test::WriteBytes(file, "[S]\r\nK=changed by another program\r\n");
  EXPECT_EQ(Get("S", "K", file), "changed by another program");

  // A file in a folder that does not exist cannot be written; nothing is kept of the attempt.
  const std::string lost = dir + "/missing/l.ini";
  EXPECT_FALSE(WritePrivateProfileString("S", "K", "v", lost.c_str()));
  EXPECT_EQ(Get("S", "K", lost), "DEF");
}

TEST(PrivateProfile, ANameWithoutFolderLivesInTheWindowsFolder) {
  const std::string windows = std::string(std::getenv("XDG_CONFIG_HOME")) + "/kesta32/windows";
  std::filesystem::create_directories(windows);
  ASSERT_TRUE(WritePrivateProfileString("S", "K", "v", "OLD.INI"));
  EXPECT_EQ(kesta_test::ReadBytes(windows + "/OLD.INI"), "[S]\r\nK=v\r\n");
  EXPECT_EQ(Get("S", "K", "OLD.INI"), "v");
}
