// The wiki markup of a tree's text as an HTML fragment, byte for byte: inline markup, lists,
// escaped blocks, the three table forms, headings, footnotes and malformed markers.
#include <gtest/gtest.h>

#include <string>

#include "convert/CWikiHtmlConverter.h"

namespace {

std::string Wiki(const char* text) {
  CWikiHtmlConverter converter(text);
  return converter.Convert().str();
}

const std::string kTable = "<TABLE CLASS=\"style_table\" BORDER=\"1\" CELLSPACING=\"1\">\n";

TEST(WikiHtml, FragmentsAreByteExact) {
  const struct {
    const char* text;
    std::string html;
  } cases[] = {
      {"'''word'''", "<I>word</I><BR>\n"},
      {"''word''", "<B>word</B><BR>\n"},
      {"%%gone%%", "<S>gone</S><BR>\n"},
      // Greedy: the outermost pair on the line wins.
      {"''a'' and ''b''", "<B>a'' and ''b</B><BR>\n"},
      {"-a\r\n--b\r\n-c\r\n", "<UL><LI>a\n<UL><LI>b\n</UL><LI>c\n</UL>\n"},
      // Ordered items take line breaks, and a list left open is closed after the last line.
      {"+one\r\n++two", "<OL><LI>one<BR>\n<OL><LI>two<BR>\n</OL>\n</OL>\n"},
      {"-->", "-->\n"},  // a comment end takes no line break and starts no list
      {">||\r\n<b>x</b>\r\n||<\r\nnext", "<PRE>\n&lt;b&gt;x&lt;/b&gt;\n</PRE>\nnext<BR>\n"},
      {">|\r\npre\r\n|<", "<PRE>\npre\n</PRE>\n"},
      {">>\r\nq\r\n<<", "<BLOCKQUOTE>\nq<BR>\n</BLOCKQUOTE>\n"},
      {"*Title", "<H4>Title</H4>\n"},
      {",a,b\r\n,c\r\ntext",
       kTable + "<TR CLASS=\"style_tr\"><TD CLASS=\"style_td1\">a</TD><TD CLASS=\"style_td2\">b</TD></TR>\n" +
           "<TR CLASS=\"style_tr\"><TD CLASS=\"style_td1\">c</TD><TD CLASS=\"style_td2\"> </TD></TR>\n" +
           "</TABLE>\ntext<BR>\n"},
      {"|*h|x||", kTable + "<TR CLASS=\"style_tr\"><TH CLASS=\"style_td1\">h</TH><TD CLASS=\"style_td2\">x</TD>" +
                      "<TD CLASS=\"style_td3\"></TD></TR>\n</TABLE>\n"},
      {"|not a row", "|not a row<BR>\n"},
      {">>TABLE\r\nh1\th2\r\nx\r\n<<TABLE",
       "\n" + kTable + "<TR CLASS=\"style_tr\"><TH CLASS=\"style_th1\">h1</TH><TH CLASS=\"style_th2\">h2</TH></TR>\n" +
           "<TR CLASS=\"style_tr\"><TD CLASS=\"style_td1\">x</TD><TD CLASS=\"style_td2\"> </TD></TR>\n\n</TABLE>\n"},
      {"前((注記))後",
       "前<A HREF=\"#fn1\" TITLE=\"注記\" NAME=\"fntext1\" CLASS=\"footnote\">*1</A>後<BR>\n"
       "<P CLASS=\"footnote\">\n<SPAN CLASS=\"footnote\"><A HREF=\"#fntext1\" NAME=\"fn1\">*1</A>：注記</SPAN><BR>\n</P>\n"},
      {"a((b", "a((b<BR>\n"},
      {"(())x((y))", "(())x((y))<BR>\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(Wiki(c.text), c.html) << c.text;
}

TEST(WikiHtml, FootnotesAreNumberedAcrossLinesAndAddressesBecomeLinks) {
  const std::string html = Wiki("a((one))\r\nb((two)) c((three))");
  EXPECT_NE(html.find("NAME=\"fntext3\" CLASS=\"footnote\">*3</A>"), std::string::npos);
  EXPECT_NE(html.find("<A HREF=\"#fntext2\" NAME=\"fn2\">*2</A>：two</SPAN><BR>\n"), std::string::npos);

  const std::string linked = Wiki("see https://example.com/a");
  EXPECT_NE(linked.find("href=\"https://example.com/a\""), std::string::npos) << linked;
  EXPECT_EQ(linked.find("target"), std::string::npos) << linked;
}

}  // namespace
