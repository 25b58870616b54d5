#include <gtest/gtest.h>

#include "app/CKinsokuSettings.h"
#include "foundation/CPelkoInifile.h"
#include "tests/common/TestSupport.h"

namespace {

using kesta_test::MakeTempDir;
using kesta_test::WriteBytes;

TEST(KinsokuSettings, DefaultsWithoutASettingsFile) {
  CPelkoInifile settings((MakeTempDir("kinsoku") + "/kesta32.conf").c_str());
  CKinsokuSettings kinsoku;
  kinsoku.SetDefaultStrings();
  kinsoku.Load(settings);
  EXPECT_EQ(kinsoku.m_strKinsokuLast, CString("（［｛「『([{｢"));
  EXPECT_EQ(kinsoku.m_strKinsokuFirst, CString("、。，．？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ"));
  EXPECT_EQ(kinsoku.m_nKajogaki, 0);
  EXPECT_EQ(kinsoku.m_nWordWrap + kinsoku.m_bKinFirst + kinsoku.m_bKinLast + kinsoku.m_nTagKinsoku, 4);
}

TEST(KinsokuSettings, ReadsTheFileAndAnEmptyValueStaysEmpty) {
  const std::string path = MakeTempDir("kinsoku") + "/kesta32.conf";
  WriteBytes(path, "[Print]\r\nKinsokuFirst=\r\nbKinLast=0\r\nWordWrap=0\r\n[Edit]\r\nKajogaki=1\r\n");
  CPelkoInifile settings(path.c_str());
  CKinsokuSettings kinsoku;
  kinsoku.SetDefaultStrings();
  kinsoku.Load(settings);
  EXPECT_EQ(kinsoku.m_strKinsokuFirst, CString(""));
  EXPECT_EQ(kinsoku.m_strKinsokuLast, CString("（［｛「『([{｢"));
  EXPECT_EQ(kinsoku.m_bKinLast, 0);
  EXPECT_EQ(kinsoku.m_nWordWrap, 0);
  EXPECT_EQ(kinsoku.m_bKinFirst, 1);
  EXPECT_EQ(kinsoku.m_nKajogaki, 1);
}

TEST(KinsokuSettings, SaveWritesThePrintKeysButNotKajogaki) {
  const std::string path = MakeTempDir("kinsoku") + "/kesta32.conf";
  CPelkoInifile settings(path.c_str());
  CKinsokuSettings kinsoku;
  kinsoku.m_strKinsokuFirst = "。";
  kinsoku.m_strKinsokuLast = "「";
  kinsoku.m_nKajogaki = 1;
  kinsoku.m_nWordWrap = 0;
  kinsoku.m_bKinFirst = 1;
  kinsoku.m_bKinLast = 0;
  kinsoku.m_nTagKinsoku = 1;
  kinsoku.Save(settings);
  const std::pair<const char*, const char*> stored[] = {{"KinsokuFirst", "。"}, {"KinsokuLast", "「"},
                                                        {"bKinLast", "0"},       {"bKinFirst", "1"},
                                                        {"WordWrap", "0"},       {"TagKinsoku", "1"}};
  for (const auto& [key, value] : stored) EXPECT_EQ(settings.GetProfileString("Print", key, "none"), CString(value)) << key;
  EXPECT_EQ(settings.GetProfileString("Edit", "Kajogaki", "none"), CString("none"));

  CKinsokuSettings back;
  back.Load(settings);
  EXPECT_EQ(back.m_strKinsokuFirst, CString("。"));
  EXPECT_EQ(back.m_nKajogaki, 0);
}

TEST(KinsokuSettings, RulesMatchWholeCharacters) {
  CKinsokuSettings kinsoku;
  kinsoku.SetDefaultStrings();
  kinsoku.m_bKinFirst = 1;
  kinsoku.m_bKinLast = 1;
  const CString text("あ。ゾ]「ゼ");  // the trail bytes of ゾ and ゼ are "]" and "["
  EXPECT_TRUE(kinsoku.CanBeginLine(text, 0));
  EXPECT_FALSE(kinsoku.CanBeginLine(text, 2));  // 。
  EXPECT_TRUE(kinsoku.CanBeginLine(text, 4));   // ゾ
  EXPECT_TRUE(kinsoku.CanBeginLine(text, 5));   // inside ゾ: no character starts there
  EXPECT_FALSE(kinsoku.CanBeginLine(text, 6));  // ]
  EXPECT_TRUE(kinsoku.CanEndLine(text, 6));     // after ゾ
  EXPECT_FALSE(kinsoku.CanEndLine(text, 9));    // after 「
  EXPECT_TRUE(kinsoku.CanEndLine(text, 11));    // after ゼ
  kinsoku.m_bKinFirst = 0;
  kinsoku.m_bKinLast = 0;
  EXPECT_TRUE(kinsoku.CanBeginLine(text, 2));
  EXPECT_TRUE(kinsoku.CanEndLine(text, 9));
}

TEST(KinsokuSettings, OneObjectForTheProcess) { EXPECT_EQ(&GetKinsokuSettings(), &GetKinsokuSettings()); }

}  // namespace
