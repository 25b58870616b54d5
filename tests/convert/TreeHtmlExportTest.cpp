// The multi-file HTML export as a whole: page names, the exported range, the style sheet copy,
// include files and pages that cannot be written.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/base/CodePage.h"
#include "tests/convert/TreeHtmlFixture.h"
#include "tests/model/ModelTestSupport.h"

using export_test::Count;
using export_test::MakeOutline;
using tree_html_test::MakeFlatOutline;
using tree_html_test::TreeHtmlTest;

namespace {

TEST_F(TreeHtmlTest, PageNamesWidenWithTheWholeOutlinesSize) {
  const struct {
    int trees;
    int page;
    const char* index;
    const char* withFolder;
    const char* without;
  } cases[] = {
      {10, 1, "/o/index.html", "/o/index1.html", "index1.html"},
      {10, 9, "/o/index.html", "/o/index9.html", "index9.html"},
      {11, 1, "/o/index.html", "/o/index01.html", "index01.html"},
      {11, 10, "/o/index.html", "/o/index10.html", "index10.html"},
      {250, 7, "/o/index.html", "/o/index007.html", "index007.html"},
      {1001, 7, "/o/a.b/index.htm", "/o/a.b/index0007.htm", "index0007.htm"},
      {11, 0, "/o/index.html", "/o/index.html", "index.html"},
      {11, 3, "/o/index", "/o/index03", "index03"},
      // A path stored on Windows keeps its folder at the last backslash.
      {3, 2, "C:\\o\\top.html", "C:\\o\\top2.html", "top2.html"},
  };
  for (const auto& c : cases) {
    auto tree = MakeFlatOutline(c.trees);
    auto exporter = Exporter(*tree);
    EXPECT_EQ(exporter->GetPageFileName(c.page, c.index, TRUE).str(), c.withFolder) << c.index << " " << c.page;
    EXPECT_EQ(exporter->GetPageFileName(c.page, c.index, FALSE).str(), c.without) << c.index << " " << c.page;
  }
}

TEST_F(TreeHtmlTest, TenTreesGiveOneDigitPagesElevenTwoEvenForASubtree) {
  auto ten = MakeFlatOutline(10);
  EXPECT_TRUE(Exporter(*ten)->ExportPages(Out("index.html").c_str()));
  for (const char* name : {"index.html", "index1.html", "index9.html"}) EXPECT_TRUE(Exists(name)) << name;
  EXPECT_FALSE(Exists("index10.html"));
  EXPECT_FALSE(Exists("index01.html"));

  // Eleven trees, of which a subtree of three goes out: its root is page 0, the names have two digits.
  std::filesystem::remove_all(m_site);
  std::filesystem::create_directories(m_site);
  auto eleven = MakeOutline({{"r", ""}, {"r/a", "x"}, {"r/b", "x"}, {"r/b/c", "x"}, {"r/b/d", "x"}, {"r/e", "x"},
                             {"r/f", "x"}, {"r/g", "x"}, {"r/h", "x"}, {"r/i", "x"}, {"r/j", "x"}});
  eleven->GetProperties().m_nHtmlSelectTree = 1;
  auto exporter = Exporter(*eleven, 2);
  EXPECT_EQ(exporter->GetStart(), 2);
  EXPECT_EQ(exporter->GetEnd(), 5);
  EXPECT_TRUE(exporter->ExportPages(Out("index.html").c_str()));
  EXPECT_NE(Read("index.html").find("<h1>b</h1>"), std::string::npos);
  EXPECT_NE(Read("index01.html").find("<h1>c</h1>"), std::string::npos);
  EXPECT_NE(Read("index02.html").find("<h1>d</h1>"), std::string::npos);
  EXPECT_FALSE(Exists("index03.html"));
}

TEST_F(TreeHtmlTest, TheRangeFollowsTheSelectOption) {
  auto tree = MakeOutline({{"r", ""}, {"r/a", ""}, {"r/a/b", ""}, {"r/c", ""}});
  const struct {
    int select;
    int current;
    int start;
    int end;
  } cases[] = {
      {1, 0, 0, 4},  // the first tree current: the whole document
      {1, 1, 1, 3},  // a subtree
      {1, 3, 3, 4},  // the last child: its subtree reaches the end
      {0, 1, 0, 4},
  };
  for (const auto& c : cases) {
    tree->GetProperties().m_nHtmlSelectTree = c.select;
    auto exporter = Exporter(*tree, c.current);
    EXPECT_EQ(exporter->GetStart(), c.start) << c.select << c.current;
    EXPECT_EQ(exporter->GetEnd(), c.end) << c.select << c.current;
  }
}

TEST_F(TreeHtmlTest, TheStyleSheetIsCopiedBesideThePagesWithItsColour) {
  auto tree = MakeFlatOutline(2);
  tree->GetProperties().m_strCssColor = "#FF0000";
  EXPECT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  const std::string sheet = Read("kestahtml.css");
  EXPECT_EQ(sheet.find("$color1"), std::string::npos);
  EXPECT_GT(Count(sheet, "#FF0000"), 0);
  EXPECT_NE(Read("index1.html").find("<link rel=\"stylesheet\" type=\"text/css\" href=\"kestahtml.css\">\r\n"),
            std::string::npos);

  // An empty colour takes the marker away; without the option nothing is copied or linked.
  tree->GetProperties().m_strCssColor = "";
  EXPECT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  EXPECT_EQ(Read("kestahtml.css").find("$color1"), std::string::npos);
  std::filesystem::remove(Out("kestahtml.css"));
  tree->GetProperties().m_nCssSet = 0;
  EXPECT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  EXPECT_FALSE(Exists("kestahtml.css"));
  EXPECT_EQ(Read("index.html").find("kestahtml.css"), std::string::npos);
}

TEST_F(TreeHtmlTest, AMissingStyleSheetIsReportedAfterThePages) {
  const std::string empty = m_dir + "/program";
  std::filesystem::create_directories(empty);
  const char* saved = std::getenv("KESTA_PROGRAM_DIR");
  const std::string restore = saved != nullptr ? saved : "";
  setenv("KESTA_PROGRAM_DIR", empty.c_str(), 1);
  auto tree = MakeFlatOutline(3);
  model_test::MessageRecorder messages;
  const BOOL written = Exporter(*tree)->ExportPages(Out("index.html").c_str());
  if (saved != nullptr) {
    setenv("KESTA_PROGRAM_DIR", restore.c_str(), 1);
  } else {
    unsetenv("KESTA_PROGRAM_DIR");
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"CSSファイル読み込みエラー"});
  for (const char* name : {"index.html", "index1.html", "index2.html"}) EXPECT_TRUE(Exists(name)) << name;
  EXPECT_FALSE(Exists("kestahtml.css"));
}

// A page is written straight at its name: a folder or a read-only file standing there stops the
// export at that page, which the one message names, saying the export is incomplete; the
// read-only file is left as it was.
TEST_F(TreeHtmlTest, APageThatCannotBeWrittenStopsTheExportAndIsNamed) {
  auto tree = MakeFlatOutline(4);
  tree->GetProperties().m_nCssSet = 0;
  for (const bool folder : {true, false}) {
    std::filesystem::remove_all(m_site);
    std::filesystem::create_directories(m_site);
    if (folder) {
      std::filesystem::create_directories(Out("index2.html"));
    } else {
      kesta_test::WriteBytes(Out("index2.html"), "kept");
      std::filesystem::permissions(Out("index2.html"), std::filesystem::perms::owner_read);
    }
    model_test::MessageRecorder messages;
    EXPECT_FALSE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"ファイル書き込みが出来ません:" + Out("index2.html") +
                                                       "\n出力が完了していません。"})
        << folder;
    EXPECT_TRUE(Exists("index1.html"));
    EXPECT_FALSE(Exists("index3.html"));
    if (!folder) {
      EXPECT_EQ(Read("index2.html"), "kept");
    }

    // The framed form writes its main page all the same, and reports the failure.
    messages.texts.clear();
    EXPECT_FALSE(Exporter(*tree)->ExportWithFrames(m_site.c_str(), "index.html", "main.html"));
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(Exists("main.html"));
    if (!folder) {
      std::filesystem::permissions(Out("index2.html"), std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add);
    }
  }
  auto whole = MakeFlatOutline(2);
  EXPECT_TRUE(Exporter(*whole)->ExportWithFrames(m_site.c_str(), "start.html", "frame.html"));
  EXPECT_TRUE(Exists("start1.html"));
  EXPECT_TRUE(Exists("frame.html"));
}

TEST_F(TreeHtmlTest, IncludeFilesGoIntoEveryPageAndMissingOnesAreEmpty) {
  kesta_test::WriteBytes(m_dir + "/head.txt", "<meta name=\"x\">\r\n");
  kesta_test::WriteBytes(m_dir + "/top.txt", "TOP\n");
  auto tree = MakeFlatOutline(2);
  CDocProperties& properties = tree->GetProperties();
  properties.m_strHeadFile = (m_dir + "/head.txt").c_str();
  properties.m_strInsFileUp = (m_dir + "/top.txt").c_str();
  properties.m_strInsFileBottom = (m_dir + "/missing.txt").c_str();
  model_test::MessageRecorder messages;
  EXPECT_TRUE(Exporter(*tree)->ExportPages(Out("index.html").c_str()));
  EXPECT_TRUE(messages.texts.empty());
  const std::string page = Read("index1.html");
  // Read in text mode: the file's CR LF is one line end, written as CR LF again.
  EXPECT_NE(page.find("<meta name=\"x\">\r\n</head>\r\n"), std::string::npos);
  EXPECT_NE(page.find("</header>\r\nTOP\r\n"), std::string::npos);
  EXPECT_EQ(CTreeHtmlExporter::ReadTextFile("").str(), "");
  EXPECT_EQ(CTreeHtmlExporter::ReadTextFile((m_dir + "/head.txt").c_str()).str(), "<meta name=\"x\">\n");
}

}  // namespace
