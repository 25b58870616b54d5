// One tree's page of the multi-file HTML export: a golden page, navigation at the ends of the
// range, the children list, the text conversions and the link file.
#include <gtest/gtest.h>

#include <string>

#include "model/CDirData.h"
#include "platform/base/CodePage.h"
#include "tests/convert/TreeHtmlFixture.h"

using export_test::Count;
using export_test::Golden;
using export_test::MakeOutline;
using tree_html_test::MakeFlatOutline;
using tree_html_test::TreeHtmlTest;

namespace {

// A top tree, a chapter with a text, a link file and two children (one of them only a link), and
// a second chapter; the options show every part of a page.
std::unique_ptr<ATREE> MakeSite() {
  auto tree = MakeOutline({{"本", "まえがき"},
                           {"本/第1章", "一行目\r\nhttp://example.com/ を見る\r\n"},
                           {"本/第1章/節a", "a"},
                           {"本/第1章/参考", ""},
                           {"本/第2章", "b"}});
  tree->EditDirData(1)->m_strLink = "docs\\memo.txt";
  tree->EditDirData(3)->m_strLink = "http://example.com/ref";
  CDocProperties& p = tree->GetProperties();
  p.m_bCenter = 1;
  p.m_bLinkFile = 1;
  p.m_strHomeStr = "ホーム";
  p.m_strReturnStr = "へ戻る";
  p.m_strCss = "my.css";
  p.m_strHtmlBody = "<body bgcolor=\"#FFFFEE\" text=\"#333333\">";
  p.m_strReturnUrl = "http://example.com/";
  return tree;
}

TEST_F(TreeHtmlTest, AGoldenTreePage) {
  auto tree = MakeSite();
  ASSERT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  EXPECT_EQ(Read("index1.html"), Golden("treepage.html"));
}

TEST_F(TreeHtmlTest, TheStartPageHasNoFooterAndNoPreviousTheLastNoNext) {
  auto tree = MakeSite();
  ASSERT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  const std::string start = Read("index.html");
  EXPECT_EQ(start.find("<footer>"), std::string::npos);
  EXPECT_EQ(start.find(CP932ToUTF8("前へ")), std::string::npos);
  EXPECT_EQ(Count(start, CP932ToUTF8("次へ")), 2);
  // Its return link leaves for the address; the level links are not there.
  EXPECT_NE(start.find("<body>\r\n<a href=\"http://example.com/\">http://example.com/</a>\r\n<header>"),
            std::string::npos);
  const std::string last = Read("index4.html");
  EXPECT_EQ(last.find(CP932ToUTF8("次へ")), std::string::npos);
  EXPECT_NE(last.find("<div class=\"prev\"><a href=\"index3.html\">"), std::string::npos);

  // A subtree whose root is the last child of its parent: one page, neither link.
  tree->GetProperties().m_nHtmlSelectTree = 1;
  ASSERT_TRUE(Exporter(*tree, 4)->ExportPages(Out("sub.html").c_str()));
  const std::string sub = Read("sub.html");
  EXPECT_EQ(sub.find(CP932ToUTF8("次へ")), std::string::npos);
  EXPECT_EQ(sub.find(CP932ToUTF8("前へ")), std::string::npos);
  EXPECT_EQ(sub.find("<footer>"), std::string::npos);
}

TEST_F(TreeHtmlTest, TheStartPagesReturnLinkAndItsFrameTarget) {
  auto tree = MakeFlatOutline(2);
  CDocProperties& p = tree->GetProperties();
  auto exporter = Exporter(*tree);
  EXPECT_EQ(exporter->MakeHeaderLinks(0).str(), "");
  p.m_strReturnUrl = "http://x/";
  p.m_strReturnName = "home";
  EXPECT_EQ(Exporter(*tree)->MakeHeaderLinks(0).str(), "<a href=\"http://x/\">home</a>\n");
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "index.html", "main.html"));
  EXPECT_NE(Read("index.html").find("<a href=\"http://x/\" target=\"_top\">home</a>\r\n"), std::string::npos);
  // Deeper pages list their ancestors, the document's first tree under the home text.
  auto deep = MakeOutline({{"r", ""}, {"r/a", ""}, {"r/a/b", ""}});
  deep->GetProperties().m_strHomeStr = "H";
  auto pages = Exporter(*deep);
  ASSERT_TRUE(pages->ExportPages(Out("index.html").c_str()));
  EXPECT_EQ(pages->MakeHeaderLinks(2).str(),
            "<div class=\"level\"><a href=\"index.html\">H</a>:<a href=\"index1.html\">a</a>:</div>\n");
}

TEST_F(TreeHtmlTest, AChildWithoutTextOrChildrenIsListedWithoutItsOwnPageLink) {
  auto tree = MakeSite();
  ASSERT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  const std::string chapter = Read("index1.html");
  EXPECT_NE(chapter.find(CP932ToUTF8("<li><a href=\"http://example.com/ref\">参考</a>\r\n")), std::string::npos);
  EXPECT_EQ(chapter.find("index3.html\">"), std::string::npos);
  EXPECT_TRUE(Exists("index3.html"));  // its page is written all the same
}

TEST_F(TreeHtmlTest, AutoTitleDropsTheFirstLineOnlyWhenThereIsASecond) {
  auto tree = MakeOutline({{"r", "only line"}, {"r/a", "title line\r\nbody"}});
  tree->GetProperties().m_bAutoTitle = 1;
  ASSERT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  EXPECT_NE(Read("index.html").find("<div class=\"text\">\r\nonly line\r\n</div>"), std::string::npos);
  const std::string second = Read("index1.html");
  EXPECT_EQ(second.find("title line"), std::string::npos);
  EXPECT_NE(second.find("<div class=\"text\">\r\nbody\r\n</div>"), std::string::npos);
}

TEST_F(TreeHtmlTest, TheTextIsEscapedAsTheOptionSaysAndTitlesMayCarryTheirNumbers) {
  auto tree = MakeOutline({{"r", "a<b> & c"}, {"r/s", ""}});
  tree->GetProperties().m_nHtmlShoStr = 1;
  auto escaped = Exporter(*tree);
  ASSERT_TRUE(escaped->ExportPages(Out("e.html").c_str()));
  EXPECT_NE(Read("e.html").find("a&lt;b&gt; &amp; c"), std::string::npos);
  const std::string number = ATREE(*tree).GetRows().GetNumberText(1).str();
  ASSERT_FALSE(number.empty());
  EXPECT_NE(Read("e1.html").find(CP932ToUTF8("<h1>" + number + "s</h1>")), std::string::npos);

  CTextOutputOptions plain = FreshOptions();
  plain.m_nHtmlEscape = 0;
  CTreeHtmlExporter raw(*tree, 0, "", plain);
  ASSERT_TRUE(raw.ExportPages(Out("r.html").c_str()));
  EXPECT_NE(Read("r.html").find("a<b> & c"), std::string::npos);
}

TEST_F(TreeHtmlTest, TheTextIsConvertedByTheLineModeWikiURLsAndImages) {
  const struct {
    int mode;
    int wiki;
    int autoLink;
    int images;
    const char* text;
    const char* html;
  } cases[] = {
      {0, 0, 0, 0, "a\r\nb", "a<br>\nb"},
      {1, 0, 0, 0, "a\r\nb", "a\nb"},
      {2, 0, 0, 0, "a\r\nb", "<pre>\na\nb\n</pre>\n"},
      {0, 0, 1, 0, "see http://x.jp/", "see <a href=\"http://x.jp/\" target=\"_blank\">http://x.jp/</a>"},
      {0, 0, 0, 1, "file:///./p.GIF", "<img src=\"p.gif\">"},
      // Greedy: the name runs to the last ".gif" of the line.
      {1, 0, 0, 1, "file:///./a.gif b.gif", "<img src=\"a.gif b.gif\">"},
      {1, 0, 0, 1, "file:///./a.jpeg", "<img src=\"a.jpeg\">"},
      // The wiki converter takes the place of the line mode, the images are still made.
      {2, 1, 0, 1, "''b''\r\nfile:///./c.jpg", "<B>b</B><BR>\n<img src=\"c.jpg\"><BR>\n"},
  };
  for (const auto& c : cases) {
    auto tree = MakeFlatOutline(1);
    CDocProperties& p = tree->GetProperties();
    p.m_bNoBR = c.mode;
    p.m_bWiki = c.wiki;
    p.m_bAutoLink = c.autoLink;
    p.m_bImages = c.images;
    EXPECT_EQ(Exporter(*tree)->MakeTextHtml(c.text).str(), c.html) << c.text;
  }
}

TEST_F(TreeHtmlTest, EachWikiPageNumbersAndListsOnlyItsOwnFootnotes) {
  auto tree = MakeOutline({{"r", "top((first))"}, {"r/a", "page((second))"}});
  tree->GetProperties().m_bWiki = 1;
  ASSERT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  const std::string second = Read("index1.html");
  EXPECT_NE(second.find("NAME=\"fntext1\" CLASS=\"footnote\">*1</A>"), std::string::npos);
  EXPECT_NE(second.find("NAME=\"fn1\">*1</A>"), std::string::npos);
  EXPECT_NE(second.find("second</SPAN>"), std::string::npos);
  EXPECT_EQ(second.find("first"), std::string::npos);
  EXPECT_EQ(second.find("*2"), std::string::npos);
}

TEST_F(TreeHtmlTest, ALinkFileToATreeLinksItsPageOrFallsBackToItsText) {
  auto tree = MakeOutline({{"r", ""}, {"r/a", ""}, {"r/a/b", ""}, {"r/c", ""}});
  tree->GetProperties().m_nHtmlSelectTree = 1;
  auto whole = Exporter(*tree);
  whole->ExportPages(Out("index.html").c_str());
  CString name;
  EXPECT_EQ(whole->MakeLinkFileHref("file:///.//a/b", name).str(), "index2.html");
  EXPECT_EQ(name.str(), "b");
  EXPECT_EQ(whole->MakeLinkFileHref("sub\\x.txt", name).str(), "sub/x.txt");
  EXPECT_EQ(name.str(), "sub/x.txt");
  // A tree outside the pages written, or no tree at all, keeps the link's own text.
  auto sub = Exporter(*tree, 1);
  sub->ExportPages(Out("sub.html").c_str());
  EXPECT_EQ(sub->MakeLinkFileHref("file:///.//a/b", name).str(), "sub1.html");
  EXPECT_EQ(sub->MakeLinkFileHref("file:///.//c", name).str(), "file:///.//c");
  EXPECT_EQ(name.str(), "file:///.//c");
  EXPECT_EQ(sub->MakeLinkFileHref("file:///.//nothing", name).str(), "file:///.//nothing");
  EXPECT_EQ(sub->MakeLinkFileHref("file:///./pic.gif", name).str(), "file:///./pic.gif");
}

TEST_F(TreeHtmlTest, AnImageLinkIsShownWithItsSize) {
  // A 3 by 2 GIF beside the document.
  const std::string gif = std::string("GIF89a\x03\x00\x02\x00\x00\x00\x00", 13) + std::string(20, '\0');
  kesta_test::WriteBytes(m_dir + "/pic.gif", gif);
  auto tree = MakeOutline({{"r", ""}, {"r/a", ""}});
  tree->EditDirData(0)->m_strLink = "pic.gif";
  tree->EditDirData(1)->m_strLink = "img\\none.png";
  tree->GetProperties().m_bLinkImage = 1;
  tree->GetProperties().m_bLinkFile = 1;
  ASSERT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  EXPECT_NE(Read("index.html").find("<div class= \"linkimage\" align=\"center\"><img src=\"pic.gif\" width=\"3\" "
                                    "height=\"2\">\r\n<hr>\r\n</div>"),
            std::string::npos);
  EXPECT_EQ(Read("index.html").find("linkfile"), std::string::npos);
  EXPECT_NE(Read("index1.html").find("<img src=\"img/none.png\">\r\n<hr>\r\n</div>"), std::string::npos);
}

TEST_F(TreeHtmlTest, TheCharsetDigitChoosesShiftJisOrUtf8) {
  auto tree = MakeOutline({{"日本", "本文"}});
  ASSERT_TRUE(Exporter(*tree)->ExportPages(Out("u.html").c_str()));
  EXPECT_NE(Read("u.html").find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(Read("u.html").find(CP932ToUTF8("<h1>日本</h1>")), std::string::npos);
  tree->GetProperties().m_nOption12 = 1;
  ASSERT_TRUE(Exporter(*tree)->ExportPages(Out("s.html").c_str()));
  EXPECT_NE(Read("s.html").find("<meta charset=\"Shift_JIS\">"), std::string::npos);
  EXPECT_NE(Read("s.html").find("<h1>日本</h1>"), std::string::npos);
}

}  // namespace
