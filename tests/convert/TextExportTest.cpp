// The text and one-page HTML export: whole files against golden files, numbering, headings,
// footnotes, line ends, balanced pages when trees are left out, and file errors.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "convert/CTextExporter.h"
#include "model/CTextOutputOptions.h"
#include "model/Footnotes.h"
#include "convert/LinkBlocks.h"
#include "platform/framework/CWinApp.h"
#include "tests/convert/ExportFixture.h"
#include "tests/model/ModelTestSupport.h"

using export_test::Count;
using export_test::ExportTest;
using export_test::Golden;
using export_test::MakeOutline;
using export_test::MakeSampleOutline;
using kesta_test::ReadBytes;

namespace {

// Every LF comes after exactly one CR, and no CR stands alone.
bool EveryLineEndsInOneCrLf(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) return false;
  }
  return true;
}

class TextExportTest : public ExportTest {
 protected:
  CTextOutputOptions SampleOptions() {
    CTextOutputOptions o = FreshOptions();
    o.m_nForm = 1;
    o.m_nWidth = 30;
    o.m_nFileOut = 1;
    return o;
  }
  std::string Export(ATREE& tree, const CTextOutputOptions& options, int first = 0, int end = -1) {
    const std::string path = m_dir + "/out";
    CTextExporter exporter(tree, options);
    EXPECT_TRUE(exporter.OutputTextFile(first, end < 0 ? tree.GetDirDataCount() : end, path.c_str()));
    return ReadBytes(path);
  }
};

TEST_F(TextExportTest, FreshSettingsGiveTheDefaults) {
  const CTextOutputOptions o = FreshOptions();
  EXPECT_EQ(o.m_nForm, 0);
  EXPECT_EQ(o.m_nIndent, 0);
  EXPECT_EQ(o.m_nSpaceNo, 2);
  EXPECT_EQ(o.m_nWidth, 80);
  EXPECT_EQ(o.m_nEditOut, 1);
  EXPECT_EQ(o.m_nDellineOut, 1);
  EXPECT_EQ(o.m_nFileOut, 0);
  EXPECT_EQ(o.m_nHtml, 0);
  EXPECT_EQ(o.m_strStartMark, "<<<");
  EXPECT_EQ(o.m_strEndMark, ">>> ");
  EXPECT_EQ(o.m_strNumberClose, ") ");
  EXPECT_EQ(o.m_strCheckMark, "○");
  EXPECT_EQ(o.m_strCssColor, "#0066cc");
}

TEST_F(TextExportTest, AnOptionSetFileKeepsTheFifteenLayoutValues) {
  CTextOutputOptions saved = FreshOptions();
  saved.m_nSpace = 1, saved.m_nTSpace = 1, saved.m_nWidth = 64, saved.m_nForm = 3, saved.m_nIndent = 1;
  saved.m_strShowStr = ".", saved.m_nDellineOut = 0, saved.m_nSpaceNo = 4, saved.m_nIndentPos = 2;
  saved.m_nEditOut = 0, saved.m_nFileOut = 1, saved.m_nSelectOnly = 1, saved.m_nHtml = 1, saved.m_nLevel = 7;
  saved.m_nTabNo = 4;
  const std::string set = m_dir + "/TextOut1.dat";
  saved.SaveText(set.c_str());

  CTextOutputOptions read;
  read.LoadText(set.c_str());
  CTextOutputOptions dialog = FreshOptions();
  dialog.m_nHtmlEscape = 0;
  dialog.CopyLayoutFrom(read);
  const int expected[] = {1, 1, 64, 3, 1, 0, 4, 2, 0, 1, 1, 1, 7, 4};
  const int got[] = {dialog.m_nSpace,      dialog.m_nTSpace,   dialog.m_nWidth,      dialog.m_nForm,
                     dialog.m_nIndent,     dialog.m_nDellineOut, dialog.m_nSpaceNo,  dialog.m_nIndentPos,
                     dialog.m_nEditOut,    dialog.m_nFileOut,  dialog.m_nSelectOnly, dialog.m_nHtml,
                     dialog.m_nLevel,      dialog.m_nTabNo};
  for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(got[i], expected[i]) << i;
  EXPECT_EQ(dialog.m_strShowStr, ".");
  EXPECT_EQ(dialog.m_nHtmlEscape, 0);  // not taken from a set file
}

TEST_F(TextExportTest, TextOfTheSampleEqualsItsGoldenFile) {
  auto tree = MakeSampleOutline();
  const std::string bytes = Export(*tree, SampleOptions());
  EXPECT_EQ(bytes, Golden("outline.txt"));
  EXPECT_TRUE(EveryLineEndsInOneCrLf(bytes));
}

TEST_F(TextExportTest, OnePageHtmlOfTheSampleEqualsItsGoldenFile) {
  auto tree = MakeSampleOutline();
  CTextOutputOptions o = SampleOptions();
  o.m_nHtml = 1;
  o.m_nIndent = 2;
  o.m_nCssSet = 0;
  const std::string bytes = Export(*tree, o);
  EXPECT_EQ(bytes, Golden("outline.html"));
  EXPECT_TRUE(EveryLineEndsInOneCrLf(bytes));
}

TEST_F(TextExportTest, Form1NumbersASubtreeFromOne) {
  auto tree = MakeOutline({{"a", ""}, {"a/b", ""}, {"a/b/c", ""}, {"a/b/c/d", ""}, {"a/b/c/d/e", ""},
                           {"a/b/c/d/f", ""}, {"a/b/c/g", ""}});
  CTextOutputOptions o = FreshOptions();
  o.m_nForm = 1;
  o.m_nIndent = 2;
  EXPECT_EQ(Export(*tree, o, 3, 6), "1 d\r\n1-1 e\r\n1-2 f\r\n");
  o.m_strShowStr = ".";
  EXPECT_EQ(Export(*tree, o, 0, 3), "a\r\n1 b\r\n1.1 c\r\n");
}

TEST_F(TextExportTest, HeadingsDeeperThanFiveStayH5) {
  auto tree = MakeOutline({{"0", ""}, {"0/1", ""}, {"0/1/2", ""}, {"0/1/2/3", ""}, {"0/1/2/3/4", ""},
                           {"0/1/2/3/4/5", ""}, {"0/1/2/3/4/5/6", ""}, {"0/1/2/3/4/5/6/7", ""}});
  CTextOutputOptions o = FreshOptions();
  o.m_nForm = 3;
  CTextExporter exporter(*tree, o);
  const char* expected[] = {"<h1 ", "<h2 ", "<h3 ", "<h4 ", "<h5 ", "<h6 ", "<h5 ", "<h5 "};
  for (int i = 0; i < 8; ++i) {
    const std::string article = exporter.MakeHtmlArticle(i, 1, 1, 1, nullptr).str();
    EXPECT_EQ(article.rfind(expected[i], 0), 0u) << i << article;
  }
}

TEST_F(TextExportTest, FootnotesBecomeNumberedReferencesAndABlock) {
  CTextOutputOptions o = FreshOptions();
  CStringArray list;
  EXPECT_EQ(ExtractFootnotes(o, list, "A<<<note>>> B<<<two>>> C"), "A(1)B(2)C");
  EXPECT_EQ(ExtractFootnotes(o, list, "unpaired <<<start"), "unpaired <<<start");
  EXPECT_EQ(GetFootnoteText(o, list), "\r\n\r\n(1) note\r\n(2) two\r\n\r\n");
  EXPECT_EQ(list.GetSize(), 0);
  EXPECT_EQ(GetFootnoteText(o, list), "");

  o.m_strStartMark = "";
  o.m_strEndMark = "";
  EXPECT_EQ(ExtractFootnotes(o, list, "no <<<notes>>> here"), "no <<<notes>>> here");
  EXPECT_EQ(MakePopupSpan(o, "x"), "x");
  EXPECT_EQ(list.GetSize(), 0);
  o.m_strEndMark = "]";
  EXPECT_EQ(ExtractFootnotes(o, list, "a]b"), "(1)b");
  EXPECT_EQ(list[0], "a");
}

TEST_F(TextExportTest, PopupSpansKeepTheirMarkupWhenTheTextIsEscaped) {
  const CTextOutputOptions o = FreshOptions();
  // The note's attribute is escaped also where the text is not: a quote in it never ends it.
  EXPECT_EQ(MakePopupSpan(o, "a<b<<<\"q\" & r>>> c"),
            "a<b<span class=\"kestapopup\" title=\"q&quot; &amp; r\">(1)</span>c");
  EXPECT_EQ(MakePopupSpan(o, "a<b<<<\"x\"y\">>> c", true),
            "a&lt;b<span class=\"kestapopup\" title=\"x&quot;y\">(1)</span>c");
  EXPECT_EQ(MakePopupSpan(o, "<<<>>> "), "<span class=\"kestapopup\" title>(1)</span>");
}

TEST_F(TextExportTest, FootnotesBeforeEachChapterAndTheRestAtTheEnd) {
  AfxWriteProfileInt("Footnote", "Position", 1);
  auto tree = MakeOutline({{"t", ""}, {"t/a", "x<<<n1>>> "}, {"t/b", "y<<<n2>>> "}});
  CTextOutputOptions o = FreshOptions();
  o.m_nForm = 3;
  o.m_nIndent = 2;
  EXPECT_EQ(Export(*tree, o), "t\r\na\r\nx(1)\r\n\r\n\r\n(1) n1\r\n\r\nb\r\ny(1)\r\n\r\n\r\n(1) n2\r\n\r\n");
}

TEST_F(TextExportTest, LineBreaksOfTheTextsBecomeOneCrLfEach) {
  auto tree = MakeOutline({{"t", "a\nb\r\r\nc\rd\r\n"}});
  CTextOutputOptions o = FreshOptions();
  o.m_nForm = 3;
  const std::string bytes = Export(*tree, o);
  EXPECT_EQ(bytes, "t\r\na\r\nb\r\nc\rd\r\n");
}

TEST_F(TextExportTest, PagesStayBalancedWhenTreesAreLeftOut) {
  auto tree = MakeOutline({{"t", ""}, {"t/a", "x"}, {"t/a/b", "y"}, {"t/a/b/c", "z"}, {"t/d", ""}, {"t/d/e", ""}});
  tree->EditDirData(4)->m_nStatus = 2;  // a struck parent whose child stays
  tree->MakeTreeData();
  CTextOutputOptions o = FreshOptions();
  o.m_nHtml = 1;
  o.m_nCssSet = 0;
  for (const int level : {0, 1, 2}) {
    for (const int delline : {0, 1}) {
      o.m_nLevel = level;
      o.m_nDellineOut = delline;
      const std::string page = Export(*tree, o);
      EXPECT_EQ(Count(page, "<article"), Count(page, "</article>")) << level << delline;
      EXPECT_EQ(Count(page, "<div"), Count(page, "</div>")) << level << delline;
    }
  }
  o.m_nLevel = 1;
  o.m_nDellineOut = 1;
  EXPECT_EQ(Count(Export(*tree, o), "<h3"), 0);
}

TEST_F(TextExportTest, TheStyleSheetComesFromBesideTheProgramWithItsColour) {
  auto tree = MakeOutline({{"t", ""}});
  CTextOutputOptions o = FreshOptions();
  o.m_nHtml = 1;
  o.m_nJQuery = 0;
  o.m_strCssColor = "#123456";
  AfxWriteProfileString("Text", "Css", "my.css");
  const std::string page = Export(*tree, o);
  EXPECT_NE(page.find("<style>\r\nbody"), std::string::npos);
  EXPECT_NE(page.find("#123456"), std::string::npos);
  EXPECT_EQ(page.find("$color1"), std::string::npos);
  EXPECT_NE(page.find("<link rel=\"stylesheet\" type=\"text/css\" href=\"my.css\">\r\n"), std::string::npos);
  EXPECT_EQ(page.find("<script"), std::string::npos);
}

TEST_F(TextExportTest, AFileThatCannotBeWrittenIsReported) {
  auto tree = MakeOutline({{"t", "x"}});
  model_test::MessageRecorder messages;
  CTextExporter exporter(*tree, FreshOptions());
  EXPECT_FALSE(exporter.OutputTextFile(0, 1, (m_dir + "/missing/out.txt").c_str()));
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "出力ファイルが作れません");
}

TEST_F(TextExportTest, ALinkIsClassedByItsForm) {
  const std::pair<const char*, int> cases[] = {
      {"http://a/b.txt", 4}, {"mailto:x@y", 5}, {"a/mailto:x.png", 2}, {"doc.KVN", 0}, {"a/readme.txt", 1},
      {"x.rb", 1},           {"p.JPEG", 2},     {"file", 3},           {"a.b/c", 3},     {"z.zip", 3}};
  for (const auto& [link, kind] : cases) EXPECT_EQ(GetLinkKind(link), kind) << link;
  EXPECT_EQ(MakeLinkHtml("http://a/"), "<div class=\"link\"><a href=\"http://a/\" class=\"link\">http://a/</a></div>");
  EXPECT_EQ(MakeLinkHtml("doc.kvn"), "");
  EXPECT_EQ(MakeLinkHtml("z.zip"), "");
}

TEST_F(TextExportTest, ALinkedTextFileIsReadLineByLine) {
  const std::string file = m_dir + "/linked.txt";
  kesta_test::WriteBytes(file, "one\r\ntwo\n" + std::string(3000, 'x') + "\n");
  EXPECT_EQ(GetLinkText(file.c_str()), "one\r\ntwo\r\n" + std::string(2046, 'x') + "\r\n" + std::string(954, 'x') + "\r\n");
  EXPECT_EQ(MakeLinkHtml(file.c_str()).Left(30), "<div class=\"link\">\r\none<br/>\r\n");
  EXPECT_EQ(GetLinkText((m_dir + "/none.txt").c_str()), "");
}

TEST_F(TextExportTest, RenamingLinksPrefixesOrReplacesInTheSubtree) {
  auto tree = MakeOutline({{"t", ""}, {"t/a", ""}, {"t/a/b", ""}, {"t/c", ""}});
  tree->SetLink(1, "x/a.txt");
  tree->SetLink(3, "x/c.txt");
  EXPECT_EQ(ReplaceLinkFileNames(*tree, 1, "", "../", FALSE), 1);
  EXPECT_EQ(tree->GetLink(1), "../x/a.txt");
  EXPECT_EQ(tree->GetLink(2), "");
  EXPECT_EQ(ReplaceLinkFileNames(*tree, 0, "x/", "yy/", FALSE), 2);
  EXPECT_EQ(tree->GetLink(1), "../yy/a.txt");
  EXPECT_EQ(tree->GetLink(3), "yy/c.txt");
  EXPECT_EQ(ReplaceLinkFileNames(*tree, 0, "^YY/(.*)$", "z/$1", TRUE), 1);
  EXPECT_EQ(tree->GetLink(3), "z/c.txt");
}

}  // namespace
