// Bookmark files of web browsers: folders and links under the title, the fixed markers, a second
// title, and files that give no title.
#include "tests/convert/ImportFixture.h"

#include "convert/HtmlBookmarks.h"

using Items = std::vector<std::string>;

TEST_F(ImportTest, BookmarkFileGivesFoldersAndLinks) {
  ASSERT_GT(Open(kesta_test::FixturePath("convert/bookmarks.htm")), 0);
  EXPECT_EQ((Items{"Bookmarks=", "Bookmarks/News=", "Bookmarks/News/Example=>page.html"}), Dump());
}

TEST_F(ImportTest, BookmarkMarkersAreFixed) {
  struct Case {
    const char* name;
    const char* file;
    Items items;
  } cases[] = {
      // A browser writes its titles and addresses escaped: they read back as the user typed them.
      {"references read as their characters, unquoted value, closing tag on a later line",
       "<H1>A &amp; B</H1>\n<DL><p>\n<DT><A HREF=x.html?a=1&amp;b=2 ADD=1>Go &lt;&#39;&#x22;&amp;lt;</A>\n"
       "<DT><H3 X>Open\n</H3>\n",
       {"A & B=", "A & B/Go <'\"&lt;=>x.html?a=1&b=2", "A & B/="}},
      {"H1 not at the line start, lower case markers, H3 without attribute",
       " <H1>No</H1>\n<dt><a href=\"y\">y</a>\n<DT><H3>Bare</H3>\n",
       {"lower="}},
      {"a folder before any title hangs below the file's top item",
       "<DT><H3 A>Early</H3>\n",
       {"lower=", "lower/Early="}},
  };
  for (const Case& c : cases) {
    ASSERT_GT(Open(Write("lower.htm", c.file)), 0) << c.name;
    EXPECT_EQ(c.items, Dump()) << c.name;
  }
}

TEST_F(ImportTest, SecondBookmarkTitleFailsTheOpen) {
  EXPECT_LT(Open(Write("two.HTM", "<H1>One</H1>\n<DL><p>\n<H1>Two</H1>\n")), 0);
  ASSERT_FALSE(m_boxes.Calls().empty());
  EXPECT_EQ(CString("解析エラー：タイトルが複数あります"), m_boxes.Calls().back().text);
  // ".html" is not a bookmark file: it is read as text.
  ASSERT_GT(Open(Write("page.html", "<H1>One</H1>\n")), 0);
  EXPECT_EQ((Items{"<H1>One</H1>="}), Dump());
}

TEST(HtmlBookmarkParts, ElementsAndAttributes) {
  EXPECT_EQ(CString("t"), GetElementText("A", "<DT><A HREF=\"u\">t</A>"));
  EXPECT_EQ(CString(), GetElementText("A", "<DT><A HREF=\"u\">t"));
  EXPECT_EQ(CString("u v"), GetAttributeValue("<A href = \"u v\">", "HREF"));
  const struct {
    const char* line;
    const char* value;
  } unquoted[] = {
      {"<A HREF=u>t", "u"},
      {"<A HREF=http://a/x?y=1 ADD_DATE=\"2\">t</A>", "http://a/x?y=1"},
      {"<A HREF=u\tADD_DATE=\"2\">t</A>", "u"},
      {"<DT><A HREF=u\r\n", "u"},
      {"<A HREF=\"q w", "q"},  // a quote left open ends at a blank
  };
  for (const auto& c : unquoted) EXPECT_EQ(CString(c.value), GetAttributeValue(c.line, "HREF")) << c.line;
  EXPECT_EQ(CString(), GetAttributeValue("<A>", "HREF"));
}
