#include <gtest/gtest.h>

#include <cstring>

#include "foundation/JapaneseText.h"

namespace {

TEST(JapaneseText, CharacterPositionsStepOverDoubleByteCharacters) {
  const char* text = "a表b";  // 表 is 0x95 0x5C
  EXPECT_EQ(IsLeadByteAt(text, 0), 0);
  EXPECT_EQ(IsLeadByteAt(text, 1), 1);
  EXPECT_EQ(IsLeadByteAt(text, 2), 0);  // trail byte 0x5C
  EXPECT_EQ(IsLeadByteAt(text, 4), -1);
  EXPECT_EQ(CharInSetAt(text, 1, "x表"), 2);
  EXPECT_EQ(CharInSetAt(text, 2, "\\"), 0);
  EXPECT_EQ(CharInSetBefore(text, 3, "表"), 2);
  EXPECT_EQ(CharInSetBefore(text, 4, "b"), 1);
  EXPECT_EQ(CharInSetBefore(text, 3, "\\"), 0);
  EXPECT_EQ(GetLastChar("ab表"), CString("表"));
  EXPECT_EQ(GetLastChar("表a"), CString("a"));
  EXPECT_EQ(GetLastChar(""), CString());
}

TEST(JapaneseText, CountLettersBeforeStopsAtOtherCharacters) {
  EXPECT_EQ(CountLettersBefore("the word", 6), 2);
  EXPECT_EQ(CountLettersBefore("the word", 4), 0);
  EXPECT_EQ(CountLettersBefore("the word", 2), 2);
  EXPECT_EQ(CountLettersBefore("漢abc", 4), 2);
  EXPECT_EQ(CountLettersBefore("\x82\x61" "b", 2), 0);  // a trail byte 'a' is no letter
  EXPECT_EQ(CountLettersBefore("ab1", 2), 0);             // a digit at the offset
}

TEST(JapaneseText, WidthConversionsBothWays) {
  struct Case {
    const char* in;
    const char* full;
    int fullCount;
  } cases[] = {
      {"abc 123", "ａｂｃ　１２３", 7},
      {"ｶﾞｷﾞﾊﾟｱ", "ガギパア", 4},
      {"ｳﾞｨ", "ヴィ", 2},
      {"漢字ﾞ", "漢字゛", 1},
      {"-~\\", "－～＼", 3},
  };
  for (const Case& c : cases) {
    CString out;
    EXPECT_EQ(ToFullWidth(c.in, out), c.fullCount) << c.in;
    EXPECT_EQ(out, CString(c.full)) << c.in;
  }

  CString half;
  EXPECT_EQ(ToHalfWidthKana("ガぎパＡ１‐×÷漢", half), 5);  // the voiced pairs are not counted
  EXPECT_EQ(half, CString("ｶﾞｷﾞﾊﾟA1-*/漢"));
  EXPECT_EQ(HalfWidthText("ヴァイオリン　ソナタ"), CString("ｳﾞｧｲｵﾘﾝ ｿﾅﾀ"));
}

TEST(JapaneseText, KatakanaToHiraganaLeavesVuAndSmallKaKe) {
  CString out;
  EXPECT_EQ(KatakanaToHiragana("アイウァンヴヵヶ漢", out), 5);
  EXPECT_EQ(out, CString("あいうぁんヴヵヶ漢"));
}

TEST(JapaneseText, EucJpToShiftJis) {
  struct Case {
    const char* euc;
    const char* sjis;
  } cases[] = {
      {"plain ASCII", "plain ASCII"},
      {"\xB4\xC1\xBB\xFA", "漢字"},
      {"\xA4\xA2\xA5\xA2", "あア"},
      {"\x8E\xB1\x8E\xDE", "ｱﾞ"},
      {"\x8F\xB0\xA1x", "\x88\x9fx"},  // a three-byte code loses its shift and is read anew
      {"\xA0\xA0", "\xA0\xA0"},        // no Shift JIS form: bytes kept one by one
      {"a\xB4", "a\xB4"},              // cut in the middle of a pair
  };
  for (const Case& c : cases) {
    CString out;
    EXPECT_EQ(EucToSjis(c.euc, out), static_cast<int>(std::strlen(c.sjis)));
    EXPECT_EQ(out, CString(c.sjis)) << c.euc;
  }
  EXPECT_EQ(AnsiToUtf8("漢a").str(), std::string(u8"漢a", u8"漢a" + 4));
}

TEST(JapaneseText, CharacterClassRuns) {
  struct Case {
    const char* text;
    const char* run;
  } cases[] = {
      {"abc123", "abc"},   {"123abc", "123"},       {"...abc", "..."},   {"ｱｲｳ｡abc", "ｱｲｳ｡"},
      {"コーヒー漢", "コーヒー"}, {"ひらがなカナ", "ひらがな"}, {"「」漢", "「」"}, {"ＡＢＣ１", "ＡＢＣ"},
      {"１２３ａ", "１２３"},  {"漢字 かな", "漢字 "},    {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(GetFirstCharClassRun(c.text), CString(c.run)) << c.text;
  EXPECT_EQ(ReplaceWholeRuns("第1章の1ページ", "1", "一"), CString("第一章の一ページ"));
  EXPECT_EQ(ReplaceWholeRuns("a10 b1", "1", "x"), CString("a10 bx"));
}

}  // namespace
