#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <utility>

#include "foundation/NumberText.h"
#include "foundation/PasswordScramble.h"
#include "foundation/WebText.h"

namespace {

TEST(NumberText, ParseNumberReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"1,234.5kg", 1234.5}, {"-12", -12}, {"+7", 7}, {".5", 0.5}, {",1,0", 10},
      {"abc", 0},            {"", 0},      {"1.2.3", 1.2}, {"12-3", 12}, {"-", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ParseNumber(c.text), c.value) << c.text;
}

TEST(NumberText, FormatNumberGroupsTheIntegerPart) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {1234567.5, "1,234,567.5"}, {-1234, "-1,234"}, {123, "123"},   {-123456, "-123,456"},
      {0.25, "0.25"},             {1e15, "1e+015"},  {-2.5e-20, "-2.5e-020"}, {1234567890, "1,234,567,890"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value), CString(c.text)) << c.text;
}

// The escape in one pass against the five replacements it stands for, which skip what a lead
// byte takes: a special byte after a lead byte, a lead byte at the end, kana whose trail byte is
// a backslash.
TEST(WebText, EscapeHtmlAgreesWithFiveReplacements) {
  auto replaced = [](const std::string& text) {
    CString out(text.c_str());
    for (const auto& [from, to] :
         {std::pair{"&", "&amp;"}, {"<", "&lt;"}, {">", "&gt;"}, {"\"", "&quot;"}, {"'", "&apos;"}})
      out.Replace(from, to);
    return out.str();
  };
  const char* pieces[] = {"a", "&", "<", ">", "\"", "'", "表", "\x81", "\x83\x5C", "ｱ", "&amp;", "\r\n", "\xFD"};
  unsigned seed = 2718;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (int i = 0; i < round % 9; ++i) {
      seed = seed * 1103515245u + 12345u;
      text += pieces[(seed >> 16) % std::size(pieces)];
    }
    ASSERT_EQ(EscapeHtml(text.c_str()).str(), replaced(text)) << round;
  }
}

TEST(WebText, EscapingAndColours) {
  EXPECT_EQ(UrlEncode("a b-_.!~*'()/漢"), CString("a%20b-_.!~*'()%2F%8A%BF"));
  EXPECT_EQ(EscapeHtml("<a href=\"x\">&lt;'</a>"), CString("&lt;a href=&quot;x&quot;&gt;&amp;lt;&apos;&lt;/a&gt;"));
  // What is escaped reads back as typed; what is no reference stays as it stands.
  for (const char* typed : {"C<script>alert(1)</script>", "a & b \"q\" 'x'", "&lt;typed&gt; &amp;", "表&#", "&"})
    EXPECT_EQ(UnescapeHtml(EscapeHtml(typed)), CString(typed)) << typed;
  EXPECT_EQ(UnescapeHtml("&#39;&#x3C;&#X3e;&#0;&#128;&#12;x&nbsp;&amp&#x;&;"),
            CString("'<>&#0;&#128;\x0cx&nbsp;&amp&#x;&;"));
  EXPECT_EQ(ParseHtmlColor("#FF0000"), RGB(255, 0, 0));
  EXPECT_EQ(ParseHtmlColor("0080ff"), RGB(0, 0x80, 0xFF));
  EXPECT_EQ(ParseHtmlColor("#F00"), 0u);
  EXPECT_EQ(ParseHtmlColor(""), 0u);
  EXPECT_EQ(ParseHtmlColor("#GG0000"), 0u);
}

TEST(WebText, LinkifyWrapsAddressesOutsideTags) {
  EXPECT_EQ(LinkifyUrls("see http://a.jp/x?y=1 now", FALSE),
            CString("see <a href=\"http://a.jp/x?y=1\">http://a.jp/x?y=1</a> now"));
  EXPECT_EQ(LinkifyUrls("mail mailto:me@a.jp.", TRUE),
            CString("mail <a href=\"mailto:me@a.jp.\" target=\"_blank\">me@a.jp.</a>"));
  EXPECT_EQ(LinkifyUrls("<img src=\"http://a.jp/p.png\">", FALSE), CString("<img src=\"http://a.jp/p.png\">"));
  EXPECT_EQ(LinkifyUrls("https://s.jp/ 漢", FALSE), CString("<a href=\"https://s.jp/\">https://s.jp/</a> 漢"));
  // An address inside another one's link text is not wrapped a second time.
  EXPECT_EQ(LinkifyUrls("http://a.jp/?u=ftp://b.jp", FALSE),
            CString("<a href=\"http://a.jp/?u=ftp://b.jp\">http://a.jp/?u=ftp://b.jp</a>"));
}

TEST(PasswordScramble, RoundTripsAndHidesThePassword) {
  const int key[] = {17, 200, 3, 99, 41};
  for (const char* password : {"", "a", "secret-パス", "\x7f\xff"}) {
    for (int keyLength : {1, 5}) {
      const CString scrambled = ScramblePassword(password, key, keyLength);
      EXPECT_EQ(scrambled.GetLength(), static_cast<int>(std::strlen(password)) * 4);
      if (*password) {
        EXPECT_EQ(scrambled.Find(password), -1);
      }
      EXPECT_EQ(UnscramblePassword(scrambled, key, keyLength), CString(password));
    }
  }
  EXPECT_NE(ScramblePassword("aaaa", key, 5), ScramblePassword("aaaa", key, 4));
  EXPECT_EQ(UnscramblePassword("12345", key, 5), CString());
  EXPECT_EQ(UnscramblePassword("zzzz", key, 5), CString());
}

}  // namespace
