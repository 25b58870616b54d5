#include "foundation/CHtmlElement.h"

#include <gtest/gtest.h>

namespace {

TEST(HtmlElement, ParsesQuoteStylesAndPrintsThemBack) {
  CHtmlElement element("<a href=\"x.html\" title='it' nowrap>");
  EXPECT_EQ("a", element.m_strTag);
  ASSERT_EQ(3u, element.m_attributes.size());
  EXPECT_EQ("href", element.m_attributes[0].m_strName);
  EXPECT_EQ("x.html", element.m_attributes[0].m_strValue);
  EXPECT_EQ(0, element.m_attributes[0].m_nQuote);
  EXPECT_EQ("it", element.m_attributes[1].m_strValue);
  EXPECT_EQ(1, element.m_attributes[1].m_nQuote);
  EXPECT_EQ("nowrap", element.m_attributes[2].m_strName);
  EXPECT_EQ("", element.m_attributes[2].m_strValue);
  EXPECT_EQ(0, element.m_attributes[2].m_nQuote);
  EXPECT_EQ("<a href=\"x.html\" title='it' nowrap>", element.GetStartTagText());
  EXPECT_EQ("</a>", element.GetEndTag());
}

TEST(HtmlElement, AttributeForms) {
  struct Case {
    const char* tag;
    const char* printed;
  } cases[] = {
      {"<img src=a.png width = 10>", "<img src=\"a.png\" width=\"10\">"},
      {"<p class=\\\"c\\\">", "<p class=\\\"c\\\">"},
      {"<p class=\"c\\\" id=x>", "<p class=\"c\" id=\"x\">"},
      {"<p\n title=\"two words\"\t   >", "<p title=\"two words\">"},
      {"<font face=\"ソ\" size=2>", "<font face=\"ソ\" size=\"2\">"},  // trail byte 0x5C is no escape
      {"<div   >", "<div>"},
      {"<br />", "<br />"},
      {"text <b>bold</b>", "<b>"},
      {"no tag", "<>"},
      {"<unterminated", "<>"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.printed, CHtmlElement(c.tag).GetStartTagText()) << c.tag;
}

TEST(HtmlElement, ScriptTagAndEmptyElement) {
  CHtmlElement script("<% include body %>");
  EXPECT_TRUE(script.m_bScript);
  EXPECT_EQ("include body", script.m_strTag);
  EXPECT_TRUE(script.m_attributes.empty());

  CHtmlElement br("<br />");
  EXPECT_TRUE(br.m_bEmpty);
  EXPECT_EQ("br", br.m_strTag);
}

TEST(HtmlElement, SetAttributeReplacesAnyCaseAndStripsQuotes) {
  CHtmlElement element("<body BGCOLOR=\"#ffffff\">");
  element.SetAttribute("bgcolor", "'#000000'");
  element.SetAttribute("text", "\"red\"");
  element.AddAttribute("link", "\"blue\"");
  EXPECT_EQ("<body BGCOLOR=\"#000000\" text=\"red\" link=\"blue\">", element.GetStartTagText());
}

TEST(HtmlElement, CaseModes) {
  CHtmlElement element("<DIV Class=x>");
  element.SetCase(2);
  EXPECT_EQ("<Div Class=\"x\">", element.GetStartTagText());
  element.SetCase(0);
  EXPECT_EQ("<DIV CLASS=\"x\">", element.GetStartTagText());
  element.SetCase(1);
  EXPECT_EQ("<div class=\"x\">", element.GetStartTagText());
}

TEST(HtmlElement, ToStringLineBreaks) {
  CHtmlElement element("p", "text");
  EXPECT_EQ("<p>text</p>", element.ToString(FALSE));
  EXPECT_EQ("<p>\r\ntext\r\n</p>", element.ToString(TRUE));
  element.SetText("line\r\n");
  EXPECT_EQ("<p>\r\nline\r\n</p>", element.ToString(TRUE));
  CHtmlElement br("<br />");
  br.m_bClose = FALSE;
  EXPECT_EQ("<br />", br.ToString(FALSE));
}

}  // namespace
