#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "foundation/CPelkoInifile.h"
#include "platform/desktop/CFont.h"
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

TEST(PelkoInifile, WriteFontWritesTheSixKeysInOrder) {
  const std::string path = MakeTempDir("ini") + "/font.ini";
  CPelkoInifile ini(path.c_str());
  CFont font;
  EXPECT_FALSE(ini.WriteFont(&font, "Font"));  // not made yet: nothing written
  EXPECT_FALSE(ini.WriteFont(nullptr, "Font"));
  EXPECT_FALSE(std::filesystem::exists(path));

  ASSERT_TRUE(font.CreateFont(-16, 0, 0, 0, FW_BOLD, 1, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH, "ＭＳ ゴシック"));
  EXPECT_TRUE(ini.WriteFont(&font, "Font"));
  EXPECT_EQ(ReadBytes(path),
            "[Font]\r\nFaceName=ＭＳ ゴシック\r\nSize=-16\r\nWeight=700\r\nItalic=1\r\nUnderline=0\r\n"
            "CharSet=128\r\n");
}

}  // namespace
