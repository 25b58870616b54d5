// The RTF export and the rich-text document under it: page breaks, level fonts, the paper words,
// the file form chosen by the extension, formats of inserted text, and the written file read back
// by a real RTF reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <wx/string.h>

#include "convert/CCharFormat.h"
#include "convert/CREditCtrl.h"
#include "convert/RtfExport.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/convert/ExportFixture.h"
#include "tests/model/ModelTestSupport.h"

using export_test::Count;
using export_test::ExportTest;
using export_test::MakeOutline;
using export_test::MakeSampleOutline;
using kesta_test::ReadBytes;

namespace {

// The level fonts differ in size, so a run's height tells which of them it has.
class RtfExportTest : public ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    for (int i = 0; i < kRtfLevelFonts; ++i) m_fonts[i].CreatePointFont((33 - 3 * i) * 10, "ＭＳ ゴシック");
  }
  CREditCtrl& Export(ATREE& tree, int first = 0, int end = -1) {
    m_control = std::make_unique<CREditCtrl>();
    ExportRtf(tree, FreshOptions(), first, end < 0 ? tree.GetDirDataCount() : end, m_fonts, *m_control);
    return *m_control;
  }
  // Which level font the text's first occurrence has (by its height); -1 for none of them.
  int FontOf(const std::string& text) {
    const int at = m_control->GetText().Find(text.c_str());
    EXPECT_GE(at, 0) << text;
    m_control->SetSel(at, at + static_cast<long>(text.size()));
    const LONG height = m_control->GetSelectionCharFormat().yHeight;
    for (int i = 0; i < kRtfLevelFonts; ++i) {
      CCharFormat format;
      format.SetFromFont(m_fonts[i]);
      if (format.yHeight == height) return i;
    }
    return -1;
  }
  CFont m_fonts[kRtfLevelFonts];
  std::unique_ptr<CREditCtrl> m_control;
};

std::unique_ptr<ATREE> DeepOutline() {
  return MakeOutline({{"a", "ta"},
                      {"a/b", "tb"},
                      {"a/b/c", "tc"},
                      {"a/b/c/d", "td"},
                      {"a/b/c/d/e", "te"},
                      {"a/b/c/d/e/f", "tf"},
                      {"a/b/c/d/e/f/g", "tg"},
                      {"a/h", "th"}});
}

TEST_F(RtfExportTest, PageFeedChoosesTheTreesThatStartAPage) {
  auto tree = DeepOutline();
  const struct {
    int pageFeed;
    int breaks;
  } cases[] = {{0, 0}, {1, 8}, {3, 3}, {6, 6}};
  for (const auto& c : cases) {
    AfxWriteProfileInt("RtfOut", "PageFeed", c.pageFeed);
    const std::string rtf = Export(*tree).StreamOut(SF_RTF);
    EXPECT_EQ(Count(rtf, " \\page\\ "), c.breaks) << "PageFeed " << c.pageFeed;
    EXPECT_EQ(Count(rtf, "page\\\\"), 0) << "PageFeed " << c.pageFeed;
  }
  // With every tree breaking, the first tree's break comes before its title.
  AfxWriteProfileInt("RtfOut", "PageFeed", 1);
  EXPECT_EQ(Export(*tree).GetText().Find("\\page\\"), 0);
}

TEST_F(RtfExportTest, TitlesTakeTheFontOfTheirLevelAndBodiesTheDefault) {
  auto tree = DeepOutline();
  Export(*tree);
  EXPECT_EQ(FontOf("a"), 0);
  EXPECT_EQ(FontOf("c"), 2);
  EXPECT_EQ(FontOf("f"), 5);
  EXPECT_EQ(FontOf("g"), 6);  // level 6 and deeper share the seventh font
  EXPECT_EQ(FontOf("tc"), -1);
  EXPECT_EQ(m_control->GetSelectionCharFormat().yHeight, m_control->GetDefaultCharFormat().yHeight);

  // Counted from the first exported tree, a subtree's root of level 2 takes the top font.
  AfxWriteProfileInt("RtfOut", "FontLevelRel", 1);
  Export(*tree, 2, 7);
  EXPECT_EQ(FontOf("c"), 0);
  EXPECT_EQ(FontOf("g"), 4);
}

TEST_F(RtfExportTest, AnEmptyRangeWritesOnlyThePaperWords) {
  auto tree = DeepOutline();
  CREditCtrl& control = Export(*tree, 3, 3);
  EXPECT_EQ(control.GetText(), "\\paperw11907\\paperh16840\\");
  const std::string rtf = control.StreamOut(SF_RTF);
  const size_t body = rtf.find("\\pard");
  ASSERT_NE(body, std::string::npos);
  const std::string words = rtf.substr(rtf.find(' ', body));
  EXPECT_EQ(words, "  \\paperw11907\\paperh16840 \\par\r\n}\r\n");
}

TEST_F(RtfExportTest, FootnotesComeAsTheTextExportsBlocks) {
  auto tree = MakeSampleOutline();
  const std::string text = Export(*tree).GetText().str();
  // The note is cut out of the tree's text and its block follows the last tree, before the paper.
  EXPECT_EQ(text.find("補足です"), text.rfind("補足です"));
  EXPECT_LT(text.find("はじめに"), text.find("補足です"));
  EXPECT_LT(text.find("まとめ"), text.find("補足です"));
  EXPECT_LT(text.find("補足です"), text.find("\\paperw"));
}

TEST_F(RtfExportTest, TheExtensionChoosesRtfOrPlainText) {
  CREditCtrl control;
  control.InsertText("本文\r\n\\page\\次");
  const struct {
    const char* name;
    int format;
    bool rtf;
  } cases[] = {{"a.rtf", -1, true}, {"b.RTF", -1, true}, {"c.Rtf", -1, true}, {"noext", -1, false},
               {"d.txt", -1, false}, {"e.txt", 0, true}, {"f.rtf", 1, false}};
  for (const auto& c : cases) {
    const std::string path = m_dir + "/" + c.name;
    control.SetModify(TRUE);
    EXPECT_TRUE(control.SaveFile(path.c_str(), c.format)) << c.name;
    EXPECT_FALSE(control.GetModify());
    const std::string bytes = ReadBytes(path);
    if (c.rtf) {
      EXPECT_EQ(bytes.rfind("{\\rtf1", 0), 0u) << c.name;
      EXPECT_EQ(Count(bytes, " \\page\\ "), 1) << c.name;
    } else {
      EXPECT_EQ(bytes, "本文\r\n\\page\\次") << c.name;
    }
  }
}

TEST_F(RtfExportTest, AFileThatCannotBeWrittenIsAFailure) {
  CREditCtrl control;
  control.InsertText("x");
  model_test::MessageRecorder messages;
  const std::string path = m_dir + "/missing/out.rtf";
  EXPECT_FALSE(control.SaveFile(path.c_str()));
  EXPECT_EQ(messages.texts, std::vector<std::string>{"出力ファイルが作れません"});
}

TEST_F(RtfExportTest, BackslashesBracesAndDoubleByteTrailsAreEscaped) {
  CREditCtrl control;
  control.InsertText("{a}\\b\t表ソ");  // the trail byte of "表" and "ソ" is '\'
  const std::string rtf = control.StreamOut(SF_RTF);
  const std::string body = rtf.substr(rtf.find("\\cf1 ") + 5);
  EXPECT_EQ(body, "\\{a\\}\\\\b\\tab \\'95\\'5c\\'83\\'5c\\par\r\n}\r\n");
}

TEST_F(RtfExportTest, InsertedTextWithoutAFontTakesTheDefaultFormat) {
  CREditCtrl control;
  CFont bold;
  LOGFONT lf{};
  lf.lfHeight = -32;
  lf.lfWeight = FW_BOLD;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", "ＭＳ ゴシック");
  bold.CreateFontIndirect(&lf);
  control.InsertText("太字", &bold);
  control.InsertText("普通");
  control.SetSel(0, 4);
  EXPECT_TRUE(control.GetSelectionCharFormat().dwEffects & CFE_BOLD);
  control.SetSel(4, 8);
  const CCharFormat plain = control.GetSelectionCharFormat();
  EXPECT_FALSE(plain.dwEffects & CFE_BOLD);
  EXPECT_EQ(plain.yHeight, control.GetDefaultCharFormat().yHeight);
  EXPECT_STREQ(plain.szFaceName, control.GetDefaultCharFormat().szFaceName);

  // Bold over a mixed selection is not common to it; toggling makes it common.
  control.SetSel(2, 6);
  EXPECT_FALSE(control.GetSelectionCharFormat().dwMask & CFM_BOLD);
  control.SetSelectionBold(TRUE);
  EXPECT_TRUE(control.GetSelectionCharFormat().dwMask & CFM_BOLD);
  control.ToggleSelectionBold();
  control.SetSel(0, 8);
  const CCharFormat all = control.GetSelectionCharFormat();
  EXPECT_FALSE(all.dwMask & CFM_BOLD);
  control.SetSel(2, 8);
  EXPECT_FALSE(control.GetSelectionCharFormat().dwEffects & CFE_BOLD);
}

TEST_F(RtfExportTest, CharacterFormatsAndFontsConvertBothWays) {
  const int ppi = CFont::GetScreenPPI();
  LOGFONT lf{};
  lf.lfHeight = -ppi / 6;  // 12 points
  lf.lfWeight = 600;
  lf.lfItalic = 1;
  lf.lfStrikeOut = 1;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", "ＭＳ 明朝");
  CFont font;
  font.CreateFontIndirect(&lf);
  CCharFormat format;
  format.SetFromFont(font);
  EXPECT_EQ(format.cbSize, 60u);
  EXPECT_EQ(format.dwMask, 0xA800000Fu);
  EXPECT_EQ(format.dwEffects, CFE_BOLD | CFE_ITALIC | CFE_STRIKEOUT);
  EXPECT_EQ(format.yHeight, 240);
  EXPECT_STREQ(format.szFaceName, "ＭＳ 明朝");

  CFont made;
  ASSERT_TRUE(format.MakeFont(made));
  LOGFONT back{};
  made.GetLogFont(&back);
  EXPECT_EQ(back.lfHeight, lf.lfHeight);
  EXPECT_EQ(back.lfWeight, FW_BOLD);
  EXPECT_EQ(back.lfItalic, 1);
  EXPECT_EQ(back.lfUnderline, 0);
  EXPECT_EQ(back.lfPitchAndFamily, lf.lfPitchAndFamily);

  format.SetColor(RGB(1, 2, 3));
  EXPECT_EQ(format.dwMask & CFM_COLOR, CFM_COLOR);
  EXPECT_EQ(format.crTextColor, RGB(1, 2, 3));
  format.ToggleUnderline();
  format.ToggleBold();
  EXPECT_EQ(format.dwEffects, CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT);
}

// What unrtf reads from a file, as text in Shift JIS: its HTML form (the form in which it
// decodes the Japanese charset) with the tags dropped and the character references decoded.
std::string ReadWithUnrtf(const std::string& path) {
  std::string html;
  FILE* pipe = popen(("unrtf --html '" + CP932ToUTF8(path) + "' 2>/dev/null").c_str(), "r");
  if (!pipe) return html;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof(buffer), pipe)) > 0;) html.append(buffer, n);
  pclose(pipe);
  const size_t body = html.find("<body");
  if (body == std::string::npos) return std::string();
  std::u32string text;
  for (size_t i = body; i < html.size(); ++i) {
    if (html[i] == '<') {
      i = html.find('>', i);
      if (i == std::string::npos) break;
    } else if (html.compare(i, 2, "&#") == 0) {
      const size_t semicolon = html.find(';', i);
      text += static_cast<char32_t>(std::stoul(html.substr(i + 2, semicolon - i - 2)));
      i = semicolon;
    } else {
      text += static_cast<char32_t>(static_cast<unsigned char>(html[i]));
    }
  }
  std::string utf8;
  for (char32_t c : text) utf8 += wxString(wxUniChar(static_cast<unsigned>(c))).utf8_string();
  return UTF8ToCP932(utf8).str();
}

TEST_F(RtfExportTest, ARealRtfReaderReadsTheItemsInOrder) {
  auto tree = MakeSampleOutline();
  AfxWriteProfileInt("RtfOut", "PageFeed", 1);
  Export(*tree);
  const std::string path = m_dir + "/企画書.rtf";
  ASSERT_TRUE(m_control->SaveFile(path.c_str()));
  const std::string text = ReadWithUnrtf(path);
  ASSERT_FALSE(text.empty()) << "unrtf is missing (scripts/install-deps installs it)";
  size_t at = 0;
  for (const char* part : {"企画書", "第一章", "はじめに", "背景", "あいうえお", "目的", "目的を書く。", "第二章",
                           "削除予定", "まとめ", "補足です"}) {
    const size_t found = text.find(part, at);
    EXPECT_NE(found, std::string::npos) << part << " in\n" << text;
    if (found != std::string::npos) at = found + 1;
  }
  EXPECT_EQ(text.find("paper"), std::string::npos);
  EXPECT_EQ(text.find("page"), std::string::npos);
}

}  // namespace
