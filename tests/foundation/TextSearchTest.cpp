#include <gtest/gtest.h>

#include "foundation/TextSearch.h"

namespace {

struct FindCase {
  const char* text;
  const char* pattern;
  int options;
  int offset;
  int length;
};

TEST(TextSearch, OptionSearchTable) {
  const FindCase cases[] = {
      {"xxＡＢＣ", "abc", 1 | 2, 2, 6},     // half-width lower case in full-width upper case
      {"ABC", "abc", 0, -1, 0},
      {"ABC", "abc", 2, 0, 3},
      {"ＡＢＣ", "abc", 2, -1, 0},          // case alone does not fold width
      {"ｶﾞｷ", "ガ", 1, 0, 2},               // two half-width bytes as the one kana
      {"ガ", "ｶﾞ", 1, 0, 2},
      {"かﾞ", "ガ", 1, -1, 0},
      {"カ゛", "ガ", 1, 0, 4},              // full-width kana and sound mark read as one
      {"か゛", "ガ", 1 | 4, 0, 4},
      {"ひらがな", "ヒラガナ", 4, 0, 8},
      {"ＧＡＫＫＯ ｶﾞｯｺｳ", "がつこう", 1 | 2 | 4 | 8, 11, 5},
      {"ＧＡＫＫＯ ｶﾞｯｺｳ", "gakko", 1 | 2 | 4 | 8, 0, 10},
      {"ＧＡＫＫＯ ｶﾞｯｺｳ", "がつこう", 1 | 2 | 4, -1, 0},
      {"ひらがな", "ヒラガナ", 0, -1, 0},
      {"ｯ", "ﾂ", 8, 0, 1},
      {"ガ", "カ", 8, 0, 2},
      {"ゃ", "ヤ", 4 | 8, 0, 2},
      {"a-b", "a－b", 1 | 8, 0, 3},
      {"a-b", "aーb", 1 | 8, 0, 3},
      {"表\\", "\\", 0, 2, 1},              // the trail byte 0x5C of 表 is never a match
      {"abcabc", "c", 0, 2, 1},
      {"", "a", 0, -1, 0},
      {"abc", "", 0, -1, 0},
  };
  for (const FindCase& c : cases) {
    int length = 0;
    EXPECT_EQ(FindTextOptPtr(c.text, c.pattern, 0, c.options, &length), c.offset) << c.text << " / " << c.pattern;
    if (c.offset >= 0) {
      EXPECT_EQ(length, c.length) << c.text << " / " << c.pattern;
    }
  }
}

TEST(TextSearch, StartOffsetAndTheThreeForms) {
  int length = 0;
  EXPECT_EQ(FindTextOpt(CString("abcabc"), CString("ABC"), 1, 2, &length), 3);
  EXPECT_EQ(FindTextOptStr("abcabc", "bc", 2, 0, &length), 4);
  EXPECT_EQ(FindTextOptPtr("abc", "c", 3, 0, &length), -1);
  EXPECT_EQ(FindTextOptStr(std::string_view("a\0b", 3), "b", 0, 0, nullptr), 2);
}

TEST(TextSearch, CompareFoldsBothSides) {
  EXPECT_EQ(CompareTextOpt("ｶﾀｶﾅ", "かたかな", 255), 0);
  EXPECT_EQ(CompareTextOpt("カタカナ", "かたかな", 255), 0);
  EXPECT_EQ(CompareTextOpt("abc", "ABC", 2), 0);
  EXPECT_LT(CompareTextOpt("abc", "abd", 0), 0);
  EXPECT_GT(CompareTextOpt("abcd", "abc", 0), 0);
  EXPECT_LT(CompareTextOpt("ab", "abc", 0), 0);
  EXPECT_EQ(CompareTextOpt("", "", 0), 0);
}

TEST(TextSearch, FindWordsAllAndAny) {
  struct Case {
    const char* pattern;
    BOOL all;
    int offset;
    int length;
  } cases[] = {
      {"quick fox", TRUE, 4, 5},   {"fox quick", TRUE, 4, 5},  {"quick cat", TRUE, -1, 0},
      {"quick cat", FALSE, 4, 5},  {"cat　fox", FALSE, 16, 3},  {"  fox   ", TRUE, 16, 3},
      {"", FALSE, -1, 0},
  };
  const char* text = "the quick brown fox";
  for (const auto& c : cases) {
    int length = 0;
    EXPECT_EQ(FindWords(text, c.pattern, 0, 0, &length, c.all), c.offset) << c.pattern;
    if (c.offset >= 0) {
      EXPECT_EQ(length, c.length) << c.pattern;
    }
  }
}

}  // namespace

namespace {

TEST(TextSearch, FindingOutsideQuotesAndTags) {
  EXPECT_EQ(FindCharOutsideQuotes("a\"b,c\",d", ',', '"'), 6);
  EXPECT_EQ(FindCharOutsideQuotes("\"a,b\"", ',', '"'), -1);
  EXPECT_EQ(FindCharOutsideQuotes("表,x", '\\', '"'), -1);  // 表 ends in 0x5C
  EXPECT_EQ(FindCharOutsideQuotes("x'y'z", 'z', '\''), 4);

  EXPECT_EQ(FindOutsideTags("<a title=\"abc\">abc</a>", "abc", '<', '>'), 15);
  EXPECT_EQ(FindOutsideTags("<abc>", "abc", '<', '>'), -1);
  EXPECT_EQ(FindOutsideTags("x<b>y", "<b>", '<', '>'), 1);
  EXPECT_EQ(FindOutsideTags("abc", "", '<', '>'), -1);
}

}  // namespace

namespace {

std::string Pieces(const CStringArray& a) {
  std::string s;
  for (const CString& e : a) s += "[" + e.str() + "]";
  return s;
}

}  // namespace

TEST(TextSearch, SplitStringKeepsInnerEmptyPieces) {
  const struct {
    const char* text;
    const char* delimiter;
    const char* pieces;
  } cases[] = {
      {"a,,b", ",", "[a][][b]"},   {",a", ",", "[][a]"},        {"a,b,", ",", "[a][b]"},
      {"", ",", ""},               {"a<>b<>", "<>", "[a][b]"},  {"abc", "", "[abc]"},
      {"表\\表", "\\", "[表][表]"},  // 表 ends in 0x5C: only the real backslash splits
  };
  for (const auto& c : cases) {
    CStringArray a;
    a.Add("old");  // pieces are appended
    SplitString(c.text, c.delimiter, a);
    EXPECT_EQ(Pieces(a), std::string("[old]") + c.pieces) << c.text;
  }
}

TEST(TextSearch, SplitToStringArrayTreatsARunAsOne) {
  const struct {
    const char* text;
    const char* delimiters;
    const char* pieces;
  } cases[] = {
      {"a, ;b", ",; ", "[a][b]"},      {" a b", " ", "[][a][b]"},     {"a b  ", " ", "[a][b]"},
      {"", " ", ""},                   {"a　b", "　", "[a][b]"},      {"表 ソ", "\\ ", "[表][ソ]"},
      {"x", "", "[x]"},
  };
  for (const auto& c : cases) {
    CStringArray a;
    SplitToStringArray(c.text, c.delimiters, a);
    EXPECT_EQ(Pieces(a), c.pieces) << c.text;
  }
}
