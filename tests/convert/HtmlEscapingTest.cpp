// Titles and links in every HTML writer: whatever a title, a link or an option text holds, the
// pages show it as typed and no element or attribute is made from it.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/webview.h>

#include <string>
#include <vector>

#include "convert/CTextExporter.h"
#include "foundation/WebText.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/TreeHtmlFixture.h"
#include "tests/model/ModelTestSupport.h"

using export_test::MakeOutline;
using tree_html_test::Load;
using tree_html_test::Script;
using tree_html_test::TreeHtmlTest;

namespace {

const char kScript[] = "C<script>alert(1)</script>";
const char kQuotes[] = "a & b \"q\" 'x' &lt;typed&gt;";
const char kLink[] = "x\" onmouseover=\"y.png";

std::unique_ptr<ATREE> MakeHostileOutline() {
  auto tree = MakeOutline({{"top", "top"},
                           {std::string("top/") + kQuotes, "body"},
                           {std::string("top/") + kQuotes + "/leaf", ""},
                           {"top/last", "x"}});
  // The outline's paths take "/" for a level: the title with one is given afterwards.
  tree->RenameTree(0, kScript, "");
  tree->MakeTreeData();
  tree->SetLink(1, kLink);
  tree->SetLink(2, "mailto:m\" onmouseover=\"z");
  tree->SetLink(3, "https://example.org/?a=1&b=\"2\"><script>x</script>");
  return tree;
}

// Nothing made from a title or link: no script of theirs, no handler attribute.
void ExpectNoMarkupFromTheDocument(const std::string& page, const std::string& name) {
  EXPECT_EQ(page.find("<script>alert"), std::string::npos) << name;
  EXPECT_EQ(page.find("<script>x"), std::string::npos) << name;
  EXPECT_EQ(page.find("\" onmouseover=\""), std::string::npos) << name;
}

std::string Utf8Html(const char* text) { return CP932ToUTF8(EscapeHtml(text).str()); }

TEST_F(TreeHtmlTest, EveryPageOfTheFramedExportShowsTitlesAndLinksAsText) {
  auto tree = MakeHostileOutline();
  CDocProperties& properties = tree->GetProperties();
  properties.m_bFullPath = 1;
  properties.m_bNextLink = 1;
  properties.m_bLinkFile = 1;
  properties.m_strReturnUrl = "r\" onmouseover=\"u";
  properties.m_strCss = "c\"><script>alert(2)</script>";
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "index.html", "main.html"));
  for (const char* name : {"main.html", "index.html", "index1.html", "index2.html", "index3.html"}) {
    ExpectNoMarkupFromTheDocument(Read(name), name);
  }
  // Main page, tree page with its children list, a page's footer back to its parent.
  EXPECT_NE(Read("main.html").find("<title>" + Utf8Html(kScript) + "</title>"), std::string::npos);
  EXPECT_NE(Read("index.html").find("<h1>" + Utf8Html(kScript) + "</h1>"), std::string::npos);
  EXPECT_NE(Read("index.html").find(">" + Utf8Html(kQuotes) + "</a>"), std::string::npos);
  EXPECT_NE(Read("index1.html").find("<h1>" + Utf8Html(kQuotes) + "</h1>"), std::string::npos);
  EXPECT_NE(Read("index2.html").find("\"index1.html\">" + Utf8Html(kQuotes)), std::string::npos);
}

TEST_F(TreeHtmlTest, TheOnePageExportAndThePreviewShowTitlesAndLinksAsText) {
  auto tree = MakeHostileOutline();
  CTextOutputOptions options = FreshOptions();
  options.m_nHtml = 1;
  options.m_nFileOut = 1;
  CTextExporter exporter(*tree, options);
  const std::string path = m_dir + "/one.html";
  ASSERT_TRUE(exporter.OutputTextFile(0, tree->GetDirDataCount(), path.c_str()));
  const std::string page = kesta_test::ReadBytes(path);
  ExpectNoMarkupFromTheDocument(page, "one page");
  EXPECT_NE(page.find("<title>" + Utf8Html(kScript) + "</title>"), std::string::npos);
  EXPECT_NE(page.find(Utf8Html(kQuotes)), std::string::npos);
  // The preview's article of a tree is built by the same builder.
  const std::string article = exporter.MakeHtmlArticle(1, 1, 1, 1, nullptr).str();
  ExpectNoMarkupFromTheDocument(article, "article");
  EXPECT_NE(article.find(EscapeHtml(kQuotes).str()), std::string::npos);
}

// As a browser reads the pages: the titles are the texts typed, and the pages hold no script or
// handler but the main page's own one.
TEST_F(TreeHtmlTest, ABrowserReadsTheTitlesAsTypedAndFindsNoElementMadeOfThem) {
  if (!kesta_test::HasGui() || !wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) {
    GTEST_SKIP() << "no web view here";
  }
  auto tree = MakeHostileOutline();
  tree->GetProperties().m_bLinkFile = 1;
  ASSERT_TRUE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "index.html", "main.html"));
  wxFrame frame(nullptr, wxID_ANY, "pages", wxDefaultPosition, wxSize(900, 600));
  wxWebView* web = wxWebView::New(&frame, wxID_ANY);
  frame.Show();
  ASSERT_TRUE(Load(web, Out("index1.html")));
  EXPECT_EQ(Script(web, "document.title"), CP932ToUTF8(kQuotes));
  EXPECT_EQ(Script(web, "document.querySelector('h1').textContent"), CP932ToUTF8(kQuotes));
  EXPECT_EQ(Script(web, "document.querySelector('ul.linkfile a').getAttribute('href')"), kLink);
  EXPECT_EQ(Script(web, "String(document.scripts.length + document.querySelectorAll('[onmouseover]').length)"), "0");
  ASSERT_TRUE(Load(web, Out("main.html")));
  EXPECT_EQ(Script(web, "document.title"), CP932ToUTF8(kScript));
  EXPECT_EQ(Script(web, "Array.from(document.querySelectorAll('a.title')).map(a => a.textContent).join('|')"),
            CP932ToUTF8(std::string(kScript) + "|" + kQuotes + "|leaf|last"));
  EXPECT_EQ(Script(web, "String(document.scripts.length)"), "1");
}

}  // namespace
