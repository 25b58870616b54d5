// The settings table's accessors: numbers clamped to their entry's range, defaults as the table
// gives them, numbered keys, another section, and the application's settings as the store.
#include <gtest/gtest.h>

#include <string>

#include "foundation/CPelkoInifile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "tests/common/TestSupport.h"

namespace {

using kesta_test::MakeTempDir;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

std::string IniWith(const std::string& lines) {
  const std::string path = MakeTempDir("settings") + "/kesta32.conf";
  WriteBytes(path, lines);
  return path;
}

TEST(SettingAccess, NumbersComeBackClampedToTheirRange) {
  struct Case {
    const char* line;  // of section [View]; none: the key is missing
    int colum;
  };
  const Case cases[] = {
      {nullptr, 260},
      {"Colum=", 260},
      {"Colum=150", 150},
      {"Colum=-2147483648", 0},
      {"Colum=-1", 0},
      {"Colum=2147483647", Settings::kPixels},
      {"Colum=99999999999", Settings::kPixels},
      {"Colum=0x7FFF", 32767},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line ? c.line : "(missing)");
    CPelkoInifile ini(IniWith(c.line ? std::string("[View]\r\n") + c.line + "\r\n" : "").c_str());
    EXPECT_EQ(ReadSetting(Settings::View::Colum, ini), c.colum);
  }
  // A flag, a choice and a colour keep to theirs as well.
  CPelkoInifile ini(IniWith("[View]\r\nBold=7\r\nTabStyle=-3\r\nBackColor=-1\r\n[Text]\r\nWidth=0\r\n").c_str());
  EXPECT_EQ(ReadSetting(Settings::View::Bold, ini), 1);
  EXPECT_EQ(ReadSetting(Settings::View::TabStyle, ini), 0);
  EXPECT_EQ(ReadSetting(Settings::View::BackColor, ini), 0);
  EXPECT_EQ(ReadSetting(Settings::Text::Width, ini), 1);
  // A default worked out by the caller is clamped too.
  EXPECT_EQ(ReadSetting(Settings::System::FindListDlgWidth, -20, ini), 0);
  EXPECT_EQ(ReadSetting(Settings::System::FindListDlgWidth, 300, ini), 300);
}

TEST(SettingAccess, TextsKeepTheirDefaultExactlyAndWritesStoreTheValueAsGiven) {
  const std::string path = IniWith("[Footnote]\r\nStartStr=\r\n");
  CPelkoInifile ini(path.c_str());
  EXPECT_EQ(ReadSetting(Settings::Footnote::EndStr, ini), ">>> ");  // missing: trailing blank kept
  EXPECT_EQ(ReadSetting(Settings::Footnote::StartStr, ini), "");    // present and empty
  EXPECT_EQ(ReadSetting(Settings::System::Keycust, "/u/k.key", ini), "/u/k.key");

  EXPECT_TRUE(WriteSetting(Settings::View::Colum, -5, ini));  // written as given, read back clamped
  EXPECT_TRUE(WriteSetting(Settings::Footnote::EndStr, "]]", ini));
  EXPECT_TRUE(WriteSetting(Settings::Footnote::StartStr, nullptr, ini));
  EXPECT_EQ(ReadBytes(path), "[Footnote]\r\nEndStr=]]\r\n[View]\r\nColum=-5\r\n");
  EXPECT_EQ(ReadSetting(Settings::View::Colum, ini), 0);
}

TEST(SettingAccess, NumberedKeysAndOtherSections) {
  const std::string path = IniWith("");
  CPelkoInifile ini(path.c_str());
  EXPECT_EQ(ReadSetting(Settings::ColorDlg::Custom, 3, ini), 0xFFFFFF);
  EXPECT_TRUE(WriteSetting(Settings::ColorDlg::Custom, 3, 255, ini));
  EXPECT_TRUE(WriteSetting(Settings::InitAllFile::Name, 4, "/d/a.kvn", ini));
  EXPECT_TRUE(WriteSetting(InSection(Settings::ShoStr::Str1, "Other"), 12, "(", ini));
  EXPECT_EQ(ReadSetting(Settings::ColorDlg::Custom, 3, ini), 255);
  EXPECT_EQ(ReadSetting(Settings::InitAllFile::Name, 4, ini), "/d/a.kvn");
  EXPECT_EQ(ReadSetting(InSection(Settings::ShoStr::Str1, "Other"), 12, "x", ini), "(");
  EXPECT_EQ(ReadSetting(Settings::ShoStr::Str1, 12, "x", ini), "x");
  EXPECT_EQ(ReadBytes(path),
            "[ColorDlg]\r\nCustom3=255\r\n[InitAllFile]\r\nname04=/d/a.kvn\r\n[Other]\r\nStr112=(\r\n");
}

TEST(SettingAccess, TheApplicationsSettingsAreTheStoreByDefault) {
  // No application: the table's defaults, and nothing can be written.
  EXPECT_EQ(ReadSetting(Settings::System::MRU), 5);
  EXPECT_EQ(ReadSetting(Settings::System::MRUShown), 10);  // one key, two callers' defaults
  EXPECT_FALSE(WriteSetting(Settings::System::MRU, 3));

  const std::string path = IniWith("[System]\r\nMRU=40\r\nTitle=1\r\n");
  const kesta_test::ScopedSettingsFile app(path);
  EXPECT_EQ(ReadSetting(Settings::System::MRU), 10);
  EXPECT_EQ(ReadSetting(Settings::System::MRUShown), 10);
  // TitleSearch is the opposite of Title while it is missing.
  EXPECT_EQ(ReadTitleSearch(), 0);
  EXPECT_TRUE(WriteSetting(Settings::System::TitleSearch, 1));
  EXPECT_EQ(ReadTitleSearch(), 1);
  EXPECT_TRUE(WriteSetting(Settings::System::MRU, 3, ApplicationSettings()));
  EXPECT_EQ(ReadBytes(path), "[System]\r\nMRU=3\r\nTitle=1\r\nTitleSearch=1\r\n");
}

}  // namespace
