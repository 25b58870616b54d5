// The XML and Markdown writers: whole files against golden files, well-formed XML for every title
// and text (read back with a real XML parser), the Markdown line-end rule and file errors.
#include <gtest/gtest.h>

#include <expat.h>

#include <string>
#include <vector>

#include "convert/MarkdownExport.h"
#include "convert/XmlExport.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/convert/ExportFixture.h"
#include "tests/model/ModelTestSupport.h"

using export_test::ExportTest;
using export_test::Golden;
using export_test::MakeOutline;
using export_test::MakeSampleOutline;
using kesta_test::ReadBytes;

namespace {

// What a real XML parser reads from the bytes: each element's name and attributes, and the
// character data, in order; "error" when the document is not well-formed.
struct ParsedXml {
  std::vector<std::string> events;
  std::string error;
};

ParsedXml ParseXml(const std::string& bytes) {
  ParsedXml parsed;
  XML_Parser parser = XML_ParserCreate(nullptr);
  XML_SetUserData(parser, &parsed);
  XML_SetElementHandler(
      parser,
      [](void* data, const XML_Char* name, const XML_Char** attributes) {
        std::string event = std::string("<") + name;
        for (int i = 0; attributes[i]; i += 2) event += std::string(" ") + attributes[i] + "=" + attributes[i + 1];
        static_cast<ParsedXml*>(data)->events.push_back(event);
      },
      [](void* data, const XML_Char* name) { static_cast<ParsedXml*>(data)->events.push_back(std::string("/") + name); });
  XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
    auto& events = static_cast<ParsedXml*>(data)->events;
    if (events.empty() || events.back().rfind("#", 0) != 0) events.push_back("#");
    events.back().append(text, static_cast<size_t>(length));
  });
  if (XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), 1) == XML_STATUS_ERROR) {
    parsed.error = XML_ErrorString(XML_GetErrorCode(parser));
  }
  XML_ParserFree(parser);
  return parsed;
}

class XmlMarkdownExportTest : public ExportTest {
 protected:
  std::string Xml(ATREE& tree, int item = 0) {
    const std::string path = m_dir + "/out.xml";
    EXPECT_TRUE(ExportXml(tree, FreshOptions(), item, path.c_str()));
    return ReadBytes(path);
  }
  std::string Markdown(ATREE& tree) {
    const std::string path = m_dir + "/out.md";
    EXPECT_EQ(ExportMarkdown(tree, path.c_str()), 1);
    return ReadBytes(path);
  }
};

TEST_F(XmlMarkdownExportTest, XmlOfTheSampleParsesAndEqualsItsGoldenFile) {
  auto tree = MakeSampleOutline();
  const std::string bytes = Xml(*tree);
  EXPECT_EQ(bytes, Golden("outline.xml"));
  const ParsedXml parsed = ParseXml(bytes);
  EXPECT_EQ(parsed.error, "");
  ASSERT_GE(parsed.events.size(), 3u);
  EXPECT_EQ(parsed.events[0], "<kestavon title=" + CP932ToUTF8("企画書") + " id=0");
}

TEST_F(XmlMarkdownExportTest, AnyTitleLinkOrTextGivesWellFormedXml) {
  auto tree = MakeOutline({{"a\"b&c<d>", "x]]>y<<<note>>> z\r\n"}, {"a\"b&c<d>/t\tab", "]]>"}});
  tree->SetLink(1, "q\"&<>");
  const std::string bytes = Xml(*tree);
  const ParsedXml parsed = ParseXml(bytes);
  ASSERT_EQ(parsed.error, "");
  const std::vector<std::string> expected = {
      "<kestavon title=a\"b&c<d> id=0",
      "#\n",
      "<text",
      "# \nx]]>y<span class=\"kestapopup\" title=\"note\">(1)</span>z\n\n ",
      "/text",
      "<tree title=t\tab id=1 linkfile=q\"&<>",
      "#\n",
      "<text",
      "# \n]]>\n ",
      "/text",
      "/tree",
      "#\n",
      "/kestavon",
  };
  // Expat reports CR LF as LF.
  EXPECT_EQ(parsed.events, expected);
}

TEST_F(XmlMarkdownExportTest, ASubtreeIsWrittenWithItsChildrenOnly) {
  auto tree = MakeOutline({{"t", ""}, {"t/a", ""}, {"t/a/b", ""}, {"t/c", ""}});
  EXPECT_EQ(Xml(*tree, 1),
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<tree title=\"a\" id=\"1\">\r\n<tree title=\"b\" id=\"2\">\r\n"
            "</tree>\r\n</tree>\r\n");
}

TEST_F(XmlMarkdownExportTest, AnItemThatSkipsALevelIsWrittenInsideItsTree) {
  auto tree = MakeOutline({{"t", ""}, {"t/a", ""}, {"t/a/b/c", ""}, {"t/d", ""}});
  const std::string bytes = Xml(*tree);
  EXPECT_EQ(ParseXml(bytes).error, "");
  EXPECT_NE(bytes.find("<tree title=\"a\" id=\"1\">\r\n<tree title=\"c\" id=\"2\">\r\n</tree>\r\n</tree>\r\n"
                       "<tree title=\"d\" id=\"3\">"),
            std::string::npos);
}

TEST_F(XmlMarkdownExportTest, MarkdownOfTheSampleEqualsItsGoldenFile) {
  auto tree = MakeSampleOutline();
  EXPECT_EQ(Markdown(*tree), Golden("outline.md"));
}

TEST_F(XmlMarkdownExportTest, HashesInTextsAndTheAutoTitle) {
  auto tree = MakeOutline({{"t", "#a\r\n#b"}});
  EXPECT_EQ(Markdown(*tree), "# t\r\n#a  \r\n#b\r\n");
  AfxWriteProfileInt("System", "MarkdownExportHashChange", 1);
  EXPECT_EQ(Markdown(*tree), "# t\r\n #a  \r\n #b\r\n");
  tree->GetProperties().m_bAutoTitle = 1;
  EXPECT_EQ(Markdown(*tree), "# t\r\n #b\r\n");
  tree->SetText(0, "only a title");
  EXPECT_EQ(Markdown(*tree), "# t\r\n");
}

// The text of each item in one pass against the rule as replacements over the whole text: a blank
// before a leading '#' and after every LF that a '#' follows, then two blanks before every CR LF.
TEST_F(XmlMarkdownExportTest, MarkdownTextsAgreeWithTheReplacements) {
  auto replaceAll = [](std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
    return text;
  };
  const char* texts[] = {"#",   "\n#",  "#\r\n#\r\n", "a\r\n",     "a\n",   "\r\r\n\n#\r", "表\r\n#見\n##\r\n",
                         "x\r", "\r\n", "\n",         "a\r\n\r\n", "#\n\n#"};
  for (const int hashChange : {0, 1}) {
    AfxWriteProfileInt("System", "MarkdownExportHashChange", hashChange);
    for (const char* text : texts) {
      auto tree = MakeOutline({{"t", text}});
      std::string expected = text;
      if (hashChange) {
        if (expected[0] == '#') expected = " " + expected;
        expected = replaceAll(expected, "\n#", "\n #");
      }
      expected = replaceAll(expected, "\r\n", "  \r\n");
      if (!expected.ends_with("\r\n")) expected += "\r\n";
      EXPECT_EQ(Markdown(*tree), "# t\r\n" + expected) << hashChange << " " << text;
    }
  }
}

TEST_F(XmlMarkdownExportTest, AFileErrorIsShownAndReported) {
  auto tree = MakeOutline({{"t", "x"}});
  model_test::MessageRecorder messages;
  const std::string path = m_dir + "/missing/out";
  EXPECT_FALSE(ExportXml(*tree, FreshOptions(), 0, path.c_str()));
  EXPECT_EQ(ExportMarkdown(*tree, path.c_str()), 0);
  ASSERT_EQ(messages.texts.size(), 2u);
  EXPECT_EQ(messages.texts[0], "ファイルのオープンに失敗しました:" + path);
}

}  // namespace
