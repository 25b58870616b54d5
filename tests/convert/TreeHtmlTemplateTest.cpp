// The framed export's main page: a golden page, the index list's shapes, the placeholders and the
// character set, and the written site as a browser shows it.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/webview.h>

#include <string>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/TreeHtmlFixture.h"
#include "tests/model/ModelTestSupport.h"

using export_test::Count;
using export_test::Golden;
using export_test::MakeOutline;
using tree_html_test::Load;
using tree_html_test::MakeFlatOutline;
using tree_html_test::Script;
using tree_html_test::TreeHtmlTest;

namespace {

const std::string kListStart = "<div id=\"tree\">\n";

// The index list as the main page holds it.
std::string IndexList(const std::string& page) {
  const size_t start = page.find(kListStart);
  const size_t end = page.find("</div>", start);
  return start == std::string::npos ? "" : page.substr(start + kListStart.size(), end - start - kListStart.size());
}

std::unique_ptr<ATREE> MakeNestedOutline() {
  return MakeOutline({{"r", "x"}, {"r/a", "x"}, {"r/a/b", "x"}, {"r/a/b/c", "x"}, {"r/d", "x"}, {"r/d/e", "x"}});
}

TEST_F(TreeHtmlTest, AGoldenMainPage) {
  auto tree = MakeNestedOutline();
  tree->GetProperties().m_strHtmlWidth = "12em";
  tree->GetProperties().m_strCss2 = "h1 { color: red; }";
  tree->GetProperties().m_strHtmlBodyTree = "<body bgcolor=\"#EEEEEE\">";
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "index.html", "main.html"));
  EXPECT_EQ(Read("main.html"), Golden("mainpage.html"));
}

TEST_F(TreeHtmlTest, TheIndexListNestsAndClosesItsLists) {
  auto tree = MakeNestedOutline();
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "i.html", "m.html"));
  const std::string list = IndexList(Read("m.html"));
  EXPECT_EQ(list,
            "<h1><a href=\"i.html\"  target=\"content\"  class=\"title\">r</a></h1>\n"
            "<ul class=\"tree\">\n"
            "<li class=\"parent\"><a href=\"\" class=\"expand\">[+]</a> "
            "<a href=\"i1.html\"  target=\"content\" class=\"title\">a</a>\n\n"
            "<ul class=\"tree\">\n"
            "<li class=\"parent\"><a href=\"\" class=\"expand\">[+]</a> "
            "<a href=\"i2.html\"  target=\"content\" class=\"title\">b</a>\n\n"
            "<ul class=\"tree\">\n"
            "<li><a href=\"i3.html\"  target=\"content\" class=\"title\">c</a>\n\n"
            "</ul>\n</ul>\n"
            "<li class=\"parent\"><a href=\"\" class=\"expand\">[+]</a> "
            "<a href=\"i4.html\"  target=\"content\" class=\"title\">d</a>\n\n"
            "<ul class=\"tree\">\n"
            "<li><a href=\"i5.html\"  target=\"content\" class=\"title\">e</a>\n\n"
            "</ul>\n</ul>\n"
            "</ul>\n\n");
  // With the index shown unfolded, every parent starts with "[-]".
  AfxWriteProfileInt("Html", "TreeClose", 0);
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "i.html", "m.html"));
  const std::string open = IndexList(Read("m.html"));
  EXPECT_EQ(Count(open, "[-]"), 3);
  EXPECT_EQ(Count(open, "[+]"), 0);
}

TEST_F(TreeHtmlTest, ARangeOfOneTreeGivesTheHeadingAndOneClosingTag) {
  auto tree = MakeNestedOutline();
  tree->GetProperties().m_nHtmlSelectTree = 1;
  ASSERT_TRUE(Exporter(*tree, 3)->ExportWithFrames(m_site.c_str(), "i.html", "m.html"));
  const std::string page = Read("m.html");
  EXPECT_EQ(IndexList(page), "<h1><a href=\"i.html\"  target=\"content\"  class=\"title\">c</a></h1>\n</ul>\n\n");
  // The page's title is still the document's first tree.
  EXPECT_NE(page.find("<title>r</title>"), std::string::npos);
}

TEST_F(TreeHtmlTest, PlaceholdersAreFilledInTheirOrder) {
  kesta_test::WriteBytes(m_dir + "/up.txt", "UP %%KVN_HTML_INDEX1%% %%KVN_HTML_CHARSET%%\n");
  auto tree = MakeFlatOutline(2);
  CDocProperties& p = tree->GetProperties();
  p.m_strInsFileUp2 = (m_dir + "/up.txt").c_str();
  p.m_strInsFileBottom2 = (m_dir + "/missing.txt").c_str();
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "i.html", "m.html"));
  const std::string page = Read("m.html");
  // The index page is filled after the top insert, the charset before it.
  EXPECT_NE(page.find("UP i.html %%KVN_HTML_CHARSET%%\n"), std::string::npos);
  EXPECT_EQ(Count(page, "%%KVN_HTML_"), 1);
  // An empty width gives the index 30% and the pages the rest.
  EXPECT_NE(page.find("#tree { width: 30%;"), std::string::npos);
  EXPECT_NE(page.find("#textarea { width: calc(100% - 30%);"), std::string::npos);
  EXPECT_NE(page.find("<iframe name=\"content\" id=\"frame\" src=\"i.html\">"), std::string::npos);
  EXPECT_EQ(page.find('\r'), std::string::npos);
}

TEST_F(TreeHtmlTest, TheMainPagesCharsetFollowsTheDigit) {
  auto tree = MakeOutline({{"日本", "x"}, {"日本/語", "y"}});
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "i.html", "u.html"));
  const std::string utf8 = Read("u.html");
  EXPECT_NE(utf8.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(utf8.find(CP932ToUTF8("<title>日本</title>")), std::string::npos);
  tree->GetProperties().m_nOption12 = 1;
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "i.html", "s.html"));
  const std::string sjis = Read("s.html");
  EXPECT_NE(sjis.find("<meta charset=\"Shift_JIS\">"), std::string::npos);
  EXPECT_NE(sjis.find("<title>日本</title>"), std::string::npos);
}

TEST_F(TreeHtmlTest, AMainPageThatCannotBeWrittenIsReported) {
  auto tree = MakeFlatOutline(2);
  model_test::MessageRecorder messages;
  EXPECT_FALSE(Exporter(*tree)->WriteTemplatePage(Out("no/such/m.html").c_str(), "i.html"));
  EXPECT_EQ(messages.texts, std::vector<std::string>{"ファイル書き込みが出来ません"});
}

TEST_F(TreeHtmlTest, ABrowserShowsTheIndexPageWithItsTitleAndTheLinkToTheSecondPage) {
  if (!kesta_test::HasGui() || !wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) {
    GTEST_SKIP() << "no web view here";
  }
  auto tree = MakeOutline({{"目次", "はじめに"}, {"目次/第二頁", "本文"}, {"目次/第二頁/細目", "x"}});
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "index.html", "main.html"));
  wxFrame frame(nullptr, wxID_ANY, "pages", wxDefaultPosition, wxSize(900, 600));
  wxWebView* web = wxWebView::New(&frame, wxID_ANY);
  frame.Show();
  ASSERT_TRUE(Load(web, Out("index.html")));
  // The page's own title: the view's title can follow its load event a moment later.
  EXPECT_EQ(Script(web, "document.title"), CP932ToUTF8("目次"));
  EXPECT_EQ(Script(web, "document.querySelector('ul.child a').getAttribute('href')"), "index1.html");
  EXPECT_EQ(Script(web, "document.querySelector('ul.child a').textContent"), CP932ToUTF8("第二頁"));

  // The main page's index starts folded; its expand link unfolds the nested list.
  ASSERT_TRUE(Load(web, Out("main.html")));
  const char* nested = "document.querySelector('li.parent ul').style.display";
  EXPECT_EQ(Script(web, nested), "none");
  Script(web, "document.querySelector('a.expand').click(); 'clicked'");
  EXPECT_EQ(Script(web, "document.querySelector('a.expand').textContent"), "[-]");
  EXPECT_EQ(Script(web, nested), "");
  // A title link is marked as the chosen one.
  Script(web, "document.querySelectorAll('a.title')[1].click(); 'clicked'");
  EXPECT_EQ(Script(web, "document.getElementsByClassName('selecttree').length"), "1");
}

}  // namespace
