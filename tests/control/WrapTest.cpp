#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/control/TestEdit.h"

namespace {

struct WrapCase {
  const char* name;
  const char* text;
  int mode;
  int width;  // MarginNormal in mode 1
  bool wordWrap;
  bool kinsoku;
  const char* faceWord;
  const char* breaks;
};

void SetUpWrap(TestEdit& edit, const WrapCase& c) {
  CCustomizeInfo& cust = edit.Settings();
  cust.WrapMode = c.mode;
  cust.MarginNormal = c.width;
  cust.MarginQuote = c.width;
  cust.WordWrap = c.wordWrap;
  cust.KinsokuWrap = c.kinsoku;
  cust.FaceWrap = c.faceWord != nullptr;
  if (c.faceWord) edit.m_faceWords.push_back(CFaceWord{CRefString(c.faceWord), true});
}

}  // namespace

TEST(LineWrap, BreakRules) {
  const WrapCase cases[] = {
      // A double-byte character whose second column would be column 21 starts the next row.
      {"straddling double-byte", "abcdefghijklmnopqrs漢字", 1, 20, false, false, nullptr, "19"},
      {"exact fit", "abcdefghijklmnopqrstuvwxyz", 1, 20, false, false, nullptr, "20"},
      {"word wrap", "aaa bbbbbb", 1, 8, true, false, nullptr, "4"},
      {"long word split", "abcdefghijklmnopqrstuvwxyzabcd", 1, 8, true, false, nullptr, "8,16,24"},
      // 。 would begin the second row: it hangs at the end of the first.
      {"hanging full stop", "あいうえお。かき", 1, 10, false, true, nullptr, "12"},
      // 「 would end the first row: it moves to the next.
      {"moved bracket", "あいうえ「かき」", 1, 10, false, true, nullptr, "8"},
      {"kinsoku off", "あいうえお。かき", 1, 10, false, false, nullptr, "10"},
      // A break between X and Y moves before W.
      {"unbreakable word", "abcdefWXYZghij", 1, 8, false, false, "WXYZ", "6"},
      {"long unbreakable word", "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 1, 30, false,
       false, "tuvwxyzABCDEFGHIJKLMNOPQRSTUV", "19,49"},
      // An opening bracket as wide as the whole row still lets the wrap advance.
      {"bracket fills a row", "「「「「", 1, 2, false, true, nullptr, "2,4,6"},
  };
  for (const WrapCase& c : cases) {
    TestEdit edit;
    SetUpWrap(edit, c);
    edit.B().SetText(c.text);
    EXPECT_EQ(edit.Breaks(0), c.breaks) << c.name;
  }
}

TEST(LineWrap, QuotePrefixChoosesTheMargin) {
  TestEdit edit;
  CCustomizeInfo& cust = edit.Settings();
  cust.WrapMode = 1;
  cust.MarginNormal = 20;
  cust.MarginQuote = 30;
  const std::string quoted = ">" + std::string(24, 'x');
  edit.B().SetText((quoted + "\r\n" + std::string(25, 'x') + "\r\n>").c_str());
  EXPECT_EQ(edit.B().GetLine(0)->GetRowCount(), 1);
  EXPECT_EQ(edit.B().GetLine(1)->GetRowCount(), 2);
  EXPECT_EQ(edit.B().GetLine(2)->GetRowCount(), 1);
  EXPECT_EQ(edit.m_wrapWidth, 30);
  EXPECT_EQ(edit.B().GetTotalRows(), 4);
  EXPECT_EQ(edit.B().GetFirstRow(2), 3);
  // A position equal to a break belongs to the next row; mode 2 reaches the end of a wrapped row.
  EXPECT_EQ(edit.B().LogicalToView(20, 1), (POINT{0, 2}));
  EXPECT_EQ(edit.B().ViewToLogical(40, 1, 2), (POINT{20, 1}));
  EXPECT_EQ(edit.B().ViewToLogical(40, 1, -1), (POINT{19, 1}));
}

TEST(LineWrap, ModeZeroWidthIsTheWidestLine) {
  TestEdit edit;
  edit.B().SetText("short\r\n\tab\r\nx");
  EXPECT_EQ(edit.m_wrapWidth, 16);  // at least 16
  EXPECT_EQ(edit.B().GetTotalRows(), 3);
  edit.B().SetText("a\r\n\t\t\tabc");  // TABs expanded: 24 + 3
  EXPECT_EQ(edit.m_wrapWidth, 27);
  for (int i = 0; i < edit.B().GetLineCount(); ++i) EXPECT_EQ(edit.Breaks(i), "");
}

TEST(LineWrap, WindowWidthModeAndRewrapAfterEdits) {
  TestEdit edit;
  edit.Settings().WrapMode = 2;
  edit.m_visibleColumns = 23;  // width 20
  edit.Settings().WordWrap = 0;
  edit.B().SetText("0123456789abcdefghij0123456789ABCDEFGHIJ\r\nxy");
  EXPECT_EQ(edit.m_wrapWidth, 20);
  EXPECT_EQ(edit.Breaks(0), "20");
  POINT caret = edit.B().InsertChar(POINT{0, 0}, '#', -1);
  EXPECT_EQ(caret, (POINT{1, 0}));
  EXPECT_EQ(edit.Breaks(0), "20,40");
  EXPECT_EQ(edit.B().GetTotalRows(), 4);
  EXPECT_EQ(edit.B().GetFirstRow(1), 3);
  EXPECT_EQ(edit.B().RowToLine(3), 1);
  EXPECT_EQ(edit.B().GetRowText(1), CRefString("j0123456789ABCDEFGHI"));
  CRowSpan span;
  ASSERT_TRUE(edit.B().GetRowSpan(1, 2, 5, &span));
  EXPECT_EQ(span.line, 0);
  EXPECT_EQ(span.rowStart, 20);
  EXPECT_EQ(span.rowEnd, 40);
  EXPECT_EQ(span.from, 22);
  EXPECT_EQ(span.to, 25);
  EXPECT_FALSE(edit.B().GetRowSpan(4, 0, 1, &span));
  edit.B().DeleteCharBefore(caret);
  EXPECT_EQ(edit.B().GetTotalRows(), 3);
  EXPECT_EQ(edit.B().RowToLine(2), 1);
  edit.m_visibleColumns = 3;  // narrower than 16: clamped
  EXPECT_TRUE(edit.B().RewrapAll());
  EXPECT_EQ(edit.m_wrapWidth, 16);
  EXPECT_EQ(edit.B().GetTotalRows(), 4);
}

// An edit rewraps only the rows near it; the result must equal wrapping the line afresh.
TEST(LineWrap, RewrapAfterAnEditEqualsAFullWrap) {
  const char* const pieces[] = {"word ", "ab", "漢字", "。", "「", "」", "\t", "WXYZ", "x", "ｶﾅ", "、", "longerword "};
  const char* const inserts[] = {"a", "漢", "。", "「", " ", "\t", "WX", "YZ"};
  std::uint32_t seed = 7;
  auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
  for (int round = 0; round < 40; ++round) {
    TestEdit edit;
    CCustomizeInfo& cust = edit.Settings();
    cust.WrapMode = 1;
    cust.MarginNormal = cust.MarginQuote = 6 + static_cast<int>(next() % 30);
    cust.WordWrap = next() % 2;
    cust.KinsokuWrap = next() % 2;
    cust.FaceWrap = 1;
    edit.m_faceWords.push_back(CFaceWord{CRefString("WXYZ"), true});
    std::string text;
    while (text.size() < 600) text += pieces[next() % std::size(pieces)];
    edit.B().SetText(text.c_str());
    POINT caret{0, 0};
    for (int step = 0; step < 30; ++step) {
      const int length = edit.B().GetLineLength(0);
      caret = edit.B().LogicalToViewClamped(static_cast<int>(next() % (length + 1)), 0);
      caret = edit.B().ViewToLogical(caret.x, caret.y, -1);
      switch (next() % 3) {
        case 0: edit.B().InsertText(caret, inserts[next() % std::size(inserts)]); break;
        case 1: edit.B().DeleteChar(caret, nullptr); break;
        default: edit.B().DeleteCharBefore(caret); break;
      }
      const std::string incremental = edit.Breaks(0);
      const int rows = edit.B().GetTotalRows();
      edit.B().RewrapAll();
      ASSERT_EQ(incremental, edit.Breaks(0)) << "round " << round << " step " << step;
      ASSERT_EQ(rows, edit.B().GetTotalRows());
    }
  }
}
