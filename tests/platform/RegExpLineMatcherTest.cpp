// The line tests of the searches must answer exactly as the RegExp object did, line by line, while
// skipping texts that lack a unit every match needs.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "platform/com/COleDispatchException.h"
#include "platform/base/CodePage.h"
#include "platform/com/RegExpEngine.h"
#include "platform/com/RegExpLineMatcher.h"

namespace {

// The object's way: the text split at LF and CR LF, each line converted by iconv on its own and
// searched from its start.
bool ObjectTestLines(const std::string& text, const CString& pattern, bool ignoreCase) {
  std::string error;
  const auto compiled = CompileRegExp(CP932ToUTF16(pattern.str()), ignoreCase, &error);
  auto test = [&](const std::string& line) {
    std::u16string units(line.size() + 1, u'\0');
    units.resize(static_cast<size_t>(MultiByteToWideChar(CP_SJIS, 0, line.data(), static_cast<int>(line.size()),
                                                         units.data(), static_cast<int>(units.size()))));
    std::vector<RegExpFound> found;
    return SearchRegExp(*compiled, units, false, &found, &error) && !found.empty();
  };
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && !(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) continue;
    if (test(text.substr(start, i - start))) return true;
    if (text[i] == '\r') ++i;
    start = i + 1;
  }
  return start < text.size() && test(text.substr(start));
}

}  // namespace

TEST(RegExpLineMatcher, AnswersAsTheObjectDidLineByLine) {
  struct Case {
    const char* pattern;
    bool ignoreCase;
    std::string text;
    bool hit;
  } cases[] = {
      // "ア" is 83 41: its trail byte is the letter A, which is no character of the text.
      {"A", false, "\x83\x41", false},
      {"a", true, "x\x83\x41y", false},
      {"ア", false, "xア", true},
      {"Apple", false, "アApple", true},
      // At the start, at the end, and a word that goes on.
      {"ap+le\\b", false, "apple pie", true},
      {"ap+le\\b", false, "an apple", true},
      {"ap+le\\b", false, "apples", false},
      // Caseless required letters, also switched on inside the pattern.
      {"APPLE", true, "an apple", true},
      {"APPLE", false, "an apple", false},
      {"(?i)APPLE", false, "apple", true},
      {"ａｂ", true, "ＡＢ", true},
      // Patterns with no required unit; an empty text has no line at all.
      {"[ab]c?", false, "zzb", true},
      {"x*", false, "", false},
      {"^$", false, "a\r\n\r\nb", true},
      {"^$", false, "a\r\n", false},
      // Lines end at LF and CR LF only; a lead byte before a line end stays in its line.
      {"^b", false, "a\r\nb", true},
      {"a$", false, "a\rb", false},
      {"a.b", false, "a\rb", true},
      {"^A", false, "\x83\nA", true},
      // Every form of a character counts: the NEC and IBM forms of "¬" are the same character.
      {"¬", false, "x\xEE\xF9", true},
      {"¬", false, "x\xFA\x54", true},
      {"\\?", false, "x\x80y", true},  // an invalid byte converts to "?"
      {"z", false, "apple", false},
      {"apple", false, std::string("x\0apple", 7), true},  // a NUL byte does not end the text
  };
  for (const Case& c : cases) {
    RegExpLineMatcher matcher(c.pattern, c.ignoreCase);
    EXPECT_EQ(matcher.TestLines(c.text), c.hit) << c.pattern << " in " << c.text;
    EXPECT_EQ(ObjectTestLines(c.text, c.pattern, c.ignoreCase), c.hit) << c.pattern << " in " << c.text;
  }
}

TEST(RegExpLineMatcher, RandomTextsAgreeWithTheObject) {
  const char* pieces[] = {"apple", "APPLE", "ap", "le", " ", "ア", "表", "\x83", "\x80", "\r\n", "\n", "\r",
                          "ｱ", "¬", "\xEE\xF9", "ａ", "Ａ", "?", "x"};
  const struct {
    const char* pattern;
    bool ignoreCase;
  } patterns[] = {{"ap+le\\b", false}, {"ap+le\\b", true}, {"^APPLE$", true}, {"A", false}, {"ｱ.", false},
                  {"¬", false},        {"ａ", true},       {"\\?", false},    {"e\\r?$", false}, {"[ア表]+", false}};
  unsigned seed = 99;
  for (int round = 0; round < 500; ++round) {
    std::string text;
    for (int i = 0; i < 10; ++i) {
      seed = seed * 1103515245u + 12345u;
      text += pieces[(seed >> 16) % std::size(pieces)];
    }
    for (const auto& p : patterns) {
      RegExpLineMatcher matcher(p.pattern, p.ignoreCase);
      ASSERT_EQ(matcher.TestLines(text), ObjectTestLines(text, p.pattern, p.ignoreCase)) << p.pattern << " " << round;
    }
  }
}

TEST(RegExpLineMatcher, MayMatchOnlyRulesOutTextsWithoutARequiredUnit) {
  RegExpLineMatcher word("ap+le", false);
  EXPECT_TRUE(word.MayMatch("a e"));  // both units, in any place
  EXPECT_FALSE(word.MayMatch("pple"));
  EXPECT_FALSE(word.MayMatch("appl"));
  EXPECT_FALSE(word.MayMatch("APPLE"));
  EXPECT_TRUE(RegExpLineMatcher("ap+le", true).MayMatch("APPLE"));
  EXPECT_TRUE(RegExpLineMatcher("[ab]", false).MayMatch("zzz"));  // nothing is required
}

TEST(RegExpLineMatcher, ABadPatternRaisesTheObjectsErrorOnceThereIsText) {
  RegExpLineMatcher bad("(", false);
  EXPECT_FALSE(bad.TestLines(""));
  try {
    bad.TestLines("abc");
    FAIL() << "no error";
  } catch (const COleDispatchException& error) {
    EXPECT_EQ(error.m_scError, static_cast<SCODE>(0x800A1399));
    EXPECT_EQ(error.m_strDescription.Find("正規表現の構文エラーです"), 0);
  }
  EXPECT_THROW(bad.TestLine(""), COleDispatchException);
}
