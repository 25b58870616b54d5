#include <gtest/gtest.h>

#include "foundation/TextSearch.h"

#include <random>
#include <string>
#include <vector>

#include "foundation/CharFolding.h"
#include "platform/base/CodePage.h"

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

// The plain search: the pattern tried at every character start, each character read and folded
// there, as the option flags describe it.
SjisChar ReferenceRead(const std::string& s, size_t pos, int options, size_t* consumed) {
  auto at = [&](size_t p, size_t* len) -> SjisChar {
    const auto b = static_cast<unsigned char>(s[p]);
    if (IsDBCSLeadByte(b) && p + 1 < s.size()) {
      *len = 2;
      return static_cast<SjisChar>((b << 8) | static_cast<unsigned char>(s[p + 1]));
    }
    *len = 1;
    return b;
  };
  size_t len = 0;
  SjisChar ch = at(pos, &len);
  *consumed = len;
  const bool kana = (len == 1 && IsHalfWidthKana(ch)) || (len == 2 && IsFullKatakana(ch)) ||
                    (len == 2 && (options & FIND_IGNORE_KANA) && IsHiragana(ch));
  if ((options & FIND_IGNORE_WIDTH) && kana && pos + len < s.size()) {
    size_t markLen = 0;
    const SjisChar mark = at(pos + len, &markLen);
    const SjisChar voiced = markLen == len ? CombineVoiced(ch, mark) : 0;
    if (voiced) {
      *consumed = len + markLen;
      ch = voiced;
    }
  }
  if ((options & FIND_IGNORE_WIDTH) && ch < 0x100) ch = FullWidthOf(ch);
  if (options & FIND_IGNORE_CASE) ch = UpperOf(ch);
  if (options & FIND_IGNORE_KANA) ch = KatakanaOf(ch);
  if (options & FIND_LOOSE) ch = LooseOf(ch);
  return ch;
}

int ReferenceFind(const std::string& text, const std::string& pattern, int start, int options, int* matchLength) {
  if (pattern.empty()) return -1;
  std::vector<SjisChar> want;
  for (size_t p = 0, len = 0; p < pattern.size(); p += len) want.push_back(ReferenceRead(pattern, p, options, &len));
  size_t step = 0;
  for (size_t pos = 0; pos < text.size(); pos += step) {
    step = IsDBCSLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
    if (pos < static_cast<size_t>(start)) continue;
    size_t t = pos;
    bool matched = true;
    for (const SjisChar ch : want) {
      size_t len = 0;
      if (t >= text.size() || ReferenceRead(text, t, options, &len) != ch) {
        matched = false;
        break;
      }
      t += len;
    }
    if (matched) {
      *matchLength = static_cast<int>(t - pos);
      return static_cast<int>(pos);
    }
  }
  return -1;
}

// Random texts built from pieces that trip a byte scan: trail bytes equal to ASCII letters and to
// lead bytes, runs of lead-range bytes, half-width kana with sound marks, full-width letters, and
// the bytes of the Japanese words looked for standing astride two characters. Short texts, and
// long ones that the search reads many bytes at a time.
TEST(TextSearch, SameHitsAsThePlainSearch) {
  const char* const pieces[] = {
      "a",  "A",  "b",  "\\",   "表",   "ソ",       "能", "\x88\x9f", "\x9f\x9f", "ａ",   "Ａ",       "ｶ",
      "ﾞ",  "ガ", "カ", "゛",   "か",   "が",       "ー", "-",        " ",        "\x81", "\xe0\x40", "\x82\x60",
      "ゼ", "セ", "ｾ",  "ぜ",   "ブ",   "ﾌ",        "ラ", "ﾗ",        "ﾟ",        "z",    "Z",        "ｚ",
      "e",  "縞", "馬", "\x8e", "\xc8", "\x88\x7a", "ッ", "ｯ",        "ヴ",       "ｳ",    "う",       "\x83"};
  const char* const patterns[] = {"a",    "ab",     "A\\",  "表",    "\\",       "ａb",      "ガ",   "ｶﾞ",   "か",
                                  "カ゛", "ー",     "-",    "\x9f",  "\x9f\x9f", "\x81",     "能a",  "\x60", "@",
                                  "Ａａ", "ゼブラ", "縞馬", "zebra", "ze",       "ｾﾞﾌﾞﾗ",    "セ゛", "馬z",  "aゼ",
                                  "ﾞ",    "ヴ",     "ｳﾞ",   "ッｶ",   "\xc8\x94", "\x8e\xc8", "ぜブ", "z\x83"};
  std::mt19937 random(35);
  for (const int most : {12, 80}) {
    for (int round = 0; round < 3000; ++round) {
      std::string text;
      const int count = static_cast<int>(random() % most);
      for (int i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
      const std::string pattern = patterns[random() % std::size(patterns)];
      const int options = static_cast<int>(random() % 16);
      // Callers start at a character start.
      std::vector<int> starts{0};
      for (size_t p = 0; p < text.size();) {
        p += IsDBCSLeadByte(static_cast<unsigned char>(text[p])) && p + 1 < text.size() ? 2 : 1;
        starts.push_back(static_cast<int>(p));
      }
      const int start = starts[random() % starts.size()];
      int wantLength = 0;
      int gotLength = 0;
      const int want = ReferenceFind(text, pattern, start, options, &wantLength);
      const int got = FindTextOptStr(text, pattern, start, options, &gotLength);
      ASSERT_EQ(got, want) << "text " << testing::PrintToString(text) << " pattern " << testing::PrintToString(pattern)
                           << " options " << options << " start " << start;
      if (want >= 0) {
        ASSERT_EQ(gotLength, wantLength) << testing::PrintToString(text);
      }
    }
  }
}

// Japanese words in longer texts, where the search looks for one character of the word and tries
// the whole word around it: spellings of that character in every width, and its bytes met astride
// two characters.
TEST(TextSearch, JapaneseWordsInEveryWidthAndNotAstrideCharacters) {
  const std::string filler = "会議の議事録を確認しました。次回は予定どおり進めます、メモ";
  const FindCase cases[] = {
      {"プロジェクトのゼブラ", "ゼブラ", 3, 14, 6},
      {"プロジェクトのｾﾞﾌﾞﾗ", "ゼブラ", 3, 14, 5},
      {"プロジェクトのｾﾞﾌﾞﾗ", "ゼブラ", 0, -1, 0},
      {"プロジェクトのセ゛ブラ", "ゼブラ", 1, 14, 8},
      {"プロジェクトのセブラ", "ゼブラ", 3, -1, 0},
      {"ｾﾞﾌﾞﾗ", "ｾﾞﾌﾞﾗ", 0, 0, 5},
      {"\x89\x8e\xc8\x94\x6e", "縞馬", 3, -1, 0},  // 縞馬's bytes from the second byte on
      {"\x89\x8e\xc8\x94\x6e縞馬", "縞馬", 3, 5, 4},
      {"\x88zebra zebra", "zebra", 3, 7, 5},  // "z" as a trail byte first
      {"ＺＥＢＲＡ", "zebra", 3, 0, 10},
      {"ＺＥＢＲＡ", "zebra", 2, -1, 0},
      {"Ｚebra", "zebra", 1, -1, 0},
      {"Ｚebra", "Zebra", 1, 0, 6},
      {"aｾﾞ", "aゼ", 1, 0, 3},       // the character looked for is not the first one
      {"\x83gゼ", "gゼ", 1, -1, 0},  // "g" as a trail byte
  };
  for (const FindCase& c : cases) {
    for (const bool padded : {false, true}) {
      const std::string text = padded ? filler + c.text + filler : c.text;
      const int offset = padded && c.offset >= 0 ? c.offset + static_cast<int>(filler.size()) : c.offset;
      int length = 0;
      EXPECT_EQ(FindTextOptStr(text, c.pattern, 0, c.options, &length), offset) << c.text << " / " << c.pattern;
      if (c.offset >= 0) {
        EXPECT_EQ(length, c.length) << c.text << " / " << c.pattern;
      }
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
