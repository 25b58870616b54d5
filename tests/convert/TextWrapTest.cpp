// Line shaping of the text export: spaces and tabs, continuation prefixes, line ends in the text,
// and the line-breaking rules at the cut.
#include <gtest/gtest.h>

#include <string>

#include "app/CKinsokuSettings.h"
#include "convert/TextWrap.h"

namespace {

class TextWrapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_saved = GetKinsokuSettings();
    GetKinsokuSettings() = CKinsokuSettings();
  }
  void TearDown() override { GetKinsokuSettings() = m_saved; }
  CKinsokuSettings m_saved;
};

TEST_F(TextWrapTest, SpacesAndTabsIndentEveryLine) {
  struct Case {
    int mode, width, n;
    const char* prefix;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {0, 10, 1, "1. ", "abcdefghij", " 1. abcdef\n    ghij\n"},
      {0, 10, 0, "", "", "\n"},
      {0, 10, 0, "", "\n", "\n"},
      {0, 6, 0, "", "ab\ncd", "ab\ncd\n"},
      {0, 4, 0, "", "abcd\r\nef", "abcd\r\nef\n"},  // a cut before CR LF adds no second line end
      {0, 4, 0, "", "abcdef", "abcd\nef\n"},
      {0, 2, 1, "xyz", "abcd", " xyzab\n    cd\n"},  // no room left: two bytes a line
      {0, 8, 0, "\t-", "abcdefghijk", "\t-abcdef\n\t ghijk\n"},
      {1, 10, 1, "", "abcdefgh", "\tabcdef\n\tgh\n"},
      {1, 8, 1, "", "abcd\r\nef", "\tabcd\n\t\r\n\tef\n"},  // a full line before CR LF gets one more
      {2, 4, 3, "p", "long text", "plong text\n"},
      {5, 4, 3, "p", "long text", "plong text"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MakeIndentedText(c.mode, c.width, 4, c.n, c.prefix, c.text, "\n"), c.expected) << c.text;
  }
}

TEST_F(TextWrapTest, TheCutKeepsCharactersWordsTagsAndTheRules) {
  CKinsokuSettings& rules = GetKinsokuSettings();
  struct Case {
    const char* text;
    int asked;
    int expected;
  };
  auto check = [](const Case& c) {
    int pos = c.asked;
    CutLinePiece(c.text, pos);
    EXPECT_EQ(pos, c.expected) << c.text << " at " << c.asked;
  };
  for (const Case& c : {Case{"あいう", 3, 2}, Case{"aあ", 2, 1}, Case{"あい", 1, 2}, Case{"ab\r\ncd", 3, 4},
                        Case{"abc", 9, 3}, Case{"hello world", 8, 8}}) {
    check(c);
  }
  rules.m_nWordWrap = 1;
  for (const Case& c : {Case{"hello world", 8, 6}, Case{"helloworld", 4, 4}, Case{"アB", 2, 2}}) check(c);
  rules.m_nWordWrap = 0;
  rules.m_nTagKinsoku = 1;
  for (const Case& c : {Case{"a<span>b", 3, 7}, Case{"ab<x\ny>", 3, 4}}) check(c);
  rules.m_nTagKinsoku = 0;
  rules.m_bKinFirst = 1;
  rules.m_strKinsokuFirst = "。";
  check({"あい。う", 4, 6});
  rules.m_bKinLast = 1;
  rules.m_strKinsokuLast = "（";
  check({"あ（いう", 4, 2});
}

}  // namespace
