#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/CString.h"
#include "textarea/TextPrintPage.h"

namespace {

// Every single-byte character 10 wide, every double-byte one 20, lines 10 high with 2 of leading.
class FakeCanvas : public TextPrintCanvas {
 public:
  struct Drawn {
    std::string text;
    int x;
    int y;
  };
  int CharWidth(const char*, int bytes) override { return bytes * 10; }
  int FontHeight() override { return 10; }
  int ExternalLeading() override { return leading; }
  void DrawChars(const char* text, int length, int x, int y) override {
    drawn.push_back(Drawn{std::string(text, length), x, y});
  }
  void DrawRule(int left, int right, int y) override { rules.push_back({left, right, y}); }

  const Drawn* Find(const std::string& text) const {
    for (const Drawn& d : drawn)
      if (d.text == text) return &d;
    return nullptr;
  }

  int leading = 0;
  std::vector<Drawn> drawn;
  std::vector<std::vector<int>> rules;
};

std::vector<std::string> Pieces(const CString& text, const std::vector<TextPrintLine>& lines) {
  std::vector<std::string> out;
  for (const TextPrintLine& line : lines) out.emplace_back(text.GetString() + line.offset, line.length);
  return out;
}

TEST(TextPrintLayoutTest, WrapsLinesAtTheLastBlankAndNeverInsideACharacter) {
  struct Case {
    const char* what;
    const char* text;
    std::vector<std::string> pieces;
  };
  // A body 100 wide holds ten single-byte or five double-byte characters.
  const Case cases[] = {
      {"fits", "short line", {"short line"}},
      {"at the last blank", "the quick brown fox", {"the quick", "brown fox"}},
      {"blanks after the break are skipped", "aaaa bbbbb   cc", {"aaaa bbbbb", "cc"}},
      {"a word that ends at the edge", "aaaaaaaaaa bbb", {"aaaaaaaaaa", "bbb"}},
      {"no blank: at the last character that fits", "abcdefghijklmno", {"abcdefghij", "klmno"}},
      {"double-byte characters stay whole", "aあいうえおか", {"aあいうえ", "おか"}},
      {"a line end starts a new line", "ab\r\ncd\r\n\r\nef", {"ab", "cd", "ef"}},
      {"a lone LF ends a line as well", "ab\ncd", {"ab", "cd"}},
      {"TABs go to the next stop", "\tabcdefgh", {"\tabcdef", "gh"}},
  };
  for (const Case& c : cases) {
    FakeCanvas canvas;
    const CString text(c.text);
    std::vector<TextPrintLine> lines;
    const RECT body = {0, 0, 100, 1000};
    EXPECT_EQ(LayoutTextPage(canvas, text, 0, body, 40, lines), text.GetLength()) << c.what;
    EXPECT_EQ(Pieces(text, lines), c.pieces) << c.what;
  }
}

TEST(TextPrintLayoutTest, EmptyLinesTakeTheirRowsAndACharacterWiderThanThePageStillPrints) {
  FakeCanvas canvas;
  canvas.leading = 2;
  const CString text("a\r\n\r\nb");
  std::vector<TextPrintLine> lines;
  LayoutTextPage(canvas, text, 0, RECT{0, 0, 100, 100}, 40, lines);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].y, 24);  // line height 12, one empty line between

  const CString wide("あいう");
  lines.clear();
  EXPECT_EQ(LayoutTextPage(canvas, wide, 0, RECT{0, 0, 15, 100}, 40, lines), wide.GetLength());
  EXPECT_EQ(Pieces(wide, lines), (std::vector<std::string>{"あ", "い", "う"}));
}

TEST(TextPrintLayoutTest, APageThatEndsInsideAWrappedLineGoesOnWithItsRest) {
  FakeCanvas canvas;
  // Two lines fit: the long line's third piece goes to the next page.
  const CString text("one two three four five six");
  const RECT body = {0, 0, 100, 25};
  std::vector<TextPrintLine> lines;
  const int stop = LayoutTextPage(canvas, text, 0, body, 40, lines);
  EXPECT_EQ(Pieces(text, lines), (std::vector<std::string>{"one two", "three four"}));
  EXPECT_EQ(std::string(text.GetString() + stop), "five six");
  lines.clear();
  EXPECT_EQ(LayoutTextPage(canvas, text, stop, body, 40, lines), text.GetLength());
  EXPECT_EQ(Pieces(text, lines), (std::vector<std::string>{"five six"}));
}

TEST(TextPrintPageTest, BandsHoldHeaderFooterAndPageNumbers) {
  const RECT page = {0, 0, 200, 200};
  const CString text("body");
  struct Case {
    int style;
    const char* top;
    const char* bottom;
  };
  for (const Case& c : {Case{0, nullptr, nullptr}, Case{1, "Page -  2", nullptr}, Case{2, nullptr, "- 2 -"}}) {
    FakeCanvas canvas;
    TextPrintBands bands;
    bands.header = "Head";
    bands.footer = "Foot";
    bands.pageStyle = c.style;
    bands.headerLine = TRUE;
    bands.footerLine = TRUE;
    EXPECT_EQ(PrintTextPage(canvas, text, 0, page, bands, 2, 4), 4);
    // Header centred in the top band, footer at the left of the bottom band.
    ASSERT_NE(canvas.Find("Head"), nullptr);
    EXPECT_EQ(canvas.Find("Head")->x, 80);
    EXPECT_EQ(canvas.Find("Head")->y, 0);
    ASSERT_NE(canvas.Find("Foot"), nullptr);
    EXPECT_EQ(canvas.Find("Foot")->x, 0);
    EXPECT_EQ(canvas.Find("Foot")->y, 190);
    // The body 1.5 lines below the top; rules under the header and over the footer band.
    EXPECT_EQ(canvas.Find("body")->y, 15);
    EXPECT_EQ(canvas.rules, (std::vector<std::vector<int>>{{0, 200, 10}, {0, 200, 180}}));
    if (c.top) {
      ASSERT_NE(canvas.Find(c.top), nullptr) << c.style;
      EXPECT_EQ(canvas.Find(c.top)->x, 110);  // right-aligned
      EXPECT_EQ(canvas.Find(c.top)->y, 0);
    }
    if (c.bottom) {
      ASSERT_NE(canvas.Find(c.bottom), nullptr) << c.style;
      EXPECT_EQ(canvas.Find(c.bottom)->x, 75);  // centred
      EXPECT_EQ(canvas.Find(c.bottom)->y, 190);
    }
    EXPECT_EQ(canvas.drawn.size(), 3u + (c.style ? 1 : 0)) << c.style;
  }
}

TEST(TextPrintPageTest, EmptyBandsDrawNothingButTheBodyKeepsItsPlace) {
  FakeCanvas canvas;
  const CString text("a\tb");
  PrintTextPage(canvas, text, 0, RECT{0, 0, 200, 200}, TextPrintBands{}, 1, 4);
  // Only the body, its TAB four blanks wide: "b" at the first stop.
  ASSERT_EQ(canvas.drawn.size(), 2u);
  EXPECT_EQ(canvas.drawn[0].text, "a");
  EXPECT_EQ(canvas.drawn[1].text, "b");
  EXPECT_EQ(canvas.drawn[1].x, 40);
  EXPECT_EQ(canvas.drawn[1].y, 15);
  EXPECT_TRUE(canvas.rules.empty());
}

TEST(TextPrintPageTest, PaginationCarriesALineAcrossPagesAndStopsOnAPageTooSmall) {
  FakeCanvas canvas;
  // Body: 200 - 15 - 20 = 165 high, 16 lines of 10.
  std::string text;
  for (int i = 0; i < 15; ++i) text += "line\r\n";
  text += "one two three four five six";
  const CString all(text);
  const std::vector<int> starts = PaginateText(canvas, all, RECT{0, 0, 100, 200}, 4);
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_EQ(std::string(all.GetString() + starts[1]), "three four five six");

  EXPECT_EQ(PaginateText(canvas, CString(), RECT{0, 0, 100, 200}, 4), std::vector<int>{0});
  // No line fits the body: one page, no endless pagination.
  EXPECT_EQ(PaginateText(canvas, all, RECT{0, 0, 100, 40}, 4), std::vector<int>{0});
}

}  // namespace
