#include "foundation/CStyleRule.h"

#include <gtest/gtest.h>

namespace {

TEST(StyleRule, SkeletonWithAddedPropertyIsWrittenInLayout) {
  CStyleRule rule;
  ASSERT_TRUE(rule.ParseRule("body {\r\n}\r\n"));
  EXPECT_EQ("body", rule.GetNameText());
  ASSERT_EQ(1u, rule.m_elements.size());
  EXPECT_EQ(1, rule.m_elements[0].m_bRaw);
  EXPECT_EQ("\r\n", rule.m_elements[0].m_strProperty);

  rule.SetStyle("color", "red");
  EXPECT_EQ("body {\r\n\tcolor: red;\r\n}", rule.GetStyleText(FALSE, TRUE));
  rule.SetStyle("margin-top", "0");
  rule.SetStyle("background-image", "url(a.png)");
  EXPECT_EQ("body {\r\n\tcolor: red;\r\n\tmargin-top: 0;\r\n\tbackground-image: url(a.png);\r\n}",
            rule.GetStyleText(FALSE, TRUE));
  EXPECT_EQ("\r\ncolor: red;\r\nmargin-top: 0;background-image: url(a.png);\r\n", rule.GetStyleText(TRUE, TRUE));
}

TEST(StyleRule, ParsedLayoutCommentsAndQuotedSemicolonsSurvive) {
  const char* text =
      "p.note, #main a:hover {\r\n"
      "\tfont-family: \"A;B\", serif;\r\n"
      "\t/* keep me: really; */\r\n"
      "    margin : 0 ;;\r\n"
      "\tcolor: blue\r\n"
      "}";
  CStyleRule rule;
  ASSERT_TRUE(rule.ParseRule(text));
  EXPECT_EQ("\"A;B\", serif", rule.m_elements[1].m_strValue);
  EXPECT_EQ(
      "p.note,#main a:hover {\r\n"
      "\tfont-family: \"A;B\", serif;\r\n"
      "\t/* keep me: really; */\r\n"
      "    margin: 0;;\r\n"
      "\tcolor: blue;\r\n"
      "}",
      rule.GetStyleText(FALSE, TRUE));
}

TEST(StyleRule, SelectorsParseAndPrintBack) {
  struct Case {
    const char* text;
    const char* printed;
  } cases[] = {
      {"body", "body"},
      {"p.note", "p.note"},
      {"#main", "#main"},
      {"div#main  ul li.x:first-child", "div#main ul li.x:first-child"},
      {"a:hover , a:visited", "a:hover,a:visited"},
      {"h1,\r\n h2,", "h1,h2"},
  };
  for (const Case& c : cases) {
    CStyleRule rule;
    ASSERT_TRUE(rule.ParseRule(CString(c.text) + " {}")) << c.text;
    EXPECT_EQ(c.printed, rule.GetNameText()) << c.text;
  }
  CStyleRule rule;
  rule.ParseRule("ul li.x:first-child, #id {}");
  ASSERT_EQ(2u, rule.m_names.size());
  const CStyleSelector& li = rule.m_names[0].m_selectors[1];
  EXPECT_EQ("li", li.m_strElement);
  EXPECT_EQ("x", li.m_strClass);
  EXPECT_EQ(0, li.m_nID);
  EXPECT_EQ("first-child", li.m_strPseudo);
  EXPECT_EQ(1, rule.m_names[1].m_selectors[0].m_nID);
  EXPECT_EQ("id", rule.m_names[1].m_selectors[0].m_strClass);
}

TEST(StyleRule, SetStyleReplacesAnyCaseAndRemovesOnEmpty) {
  CStyleRule rule;
  ASSERT_TRUE(rule.ParseRule("td {\r\n\tcolor: red;\r\n\tmargin: 0;\r\n}"));
  rule.SetStyle("COLOR", " blue ");
  EXPECT_EQ("td {\r\n\tcolor: blue;\r\n\tmargin: 0;\r\n}", rule.GetStyleText(FALSE, TRUE));
  rule.SetStyle("margin", "");
  EXPECT_EQ("td {\r\n\tcolor: blue;\r\n}", rule.GetStyleText(FALSE, TRUE));
  rule.SetStyle("Color", "\"\"");
  EXPECT_EQ("td {\r\n}", rule.GetStyleText(FALSE, TRUE));
  rule.SetStyle("absent", "");
  EXPECT_EQ("td {\r\n}", rule.GetStyleText(FALSE, TRUE));
}

TEST(StyleRule, RejectsRulesWithoutBraces) {
  CStyleRule rule;
  ASSERT_TRUE(rule.ParseRule("a { color: red; }"));
  EXPECT_FALSE(rule.ParseRule("b color: blue"));
  EXPECT_EQ("a", rule.GetNameText());
  EXPECT_FALSE(rule.ParseRule("c { color: blue"));
  EXPECT_EQ("c", rule.GetNameText());
  EXPECT_EQ("c { color: red; }", rule.GetStyleText(FALSE, TRUE));
}

TEST(StyleRule, ShiftJisTrailBraceInsideValue) {
  CStyleRule rule;
  // "マ" is 0x83 0x7D and "ボ" 0x83 0x7B: their trail bytes are no braces.
  ASSERT_TRUE(rule.ParseRule("p { font-family: マボ; }"));
  EXPECT_EQ("マボ", rule.m_elements[1].m_strValue);
}

}  // namespace
