#include <gtest/gtest.h>

#include <string>

#include "foundation/CPelkoInifile.h"
#include "tests/common/TestSupport.h"

namespace {

using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

TEST(PelkoInifile, ReadsDefaultsAndWritesDecimalText) {
  const std::string path = MakeTempDir("ini") + "/print.ini";
  CPelkoInifile ini(path.c_str());
  CPelkoSettings& settings = ini;  // components write against the abstract store
  EXPECT_EQ(settings.GetInt("Print", "Missing", 42), 42);
  EXPECT_EQ(settings.GetString("Print", "Missing", "def"), CString("def"));

  EXPECT_TRUE(settings.WriteInt("Print", "Margin", -5));
  EXPECT_TRUE(settings.WriteString("Print", "Title", "見出し"));
  EXPECT_EQ(ReadBytes(path), "[Print]\r\nMargin=-5\r\nTitle=見出し\r\n");
  EXPECT_EQ(settings.GetInt("Print", "Margin", 0), -5);
  EXPECT_EQ(settings.GetString("Print", "Title", ""), CString("見出し"));

  EXPECT_TRUE(settings.WriteString("Print", "Title", nullptr));
  EXPECT_EQ(settings.GetString("Print", "Title", "gone"), CString("gone"));
}

TEST(PelkoInifile, LongValuesComeBackCutTo2047Bytes) {
  const std::string path = MakeTempDir("ini") + "/long.ini";
  WriteBytes(path, "[S]\r\nK=" + std::string(3000, 'v') + "\r\n");
  CPelkoInifile ini(path.c_str());
  EXPECT_EQ(ini.GetString("S", "K", "").GetLength(), 2047);
}

}  // namespace
