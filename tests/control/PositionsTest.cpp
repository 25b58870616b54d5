#include <gtest/gtest.h>

#include "tests/control/TestEdit.h"

TEST(TextPositions, SerialOffsetsCountEachLineEnd) {
  TestEdit edit;
  edit.B().SetText("ab\r\nc");
  EXPECT_EQ(edit.B().LogicalToSerial(0, 1), 4);
  EXPECT_EQ(edit.B().SerialToLogical(4), (POINT{0, 1}));
  EXPECT_EQ(edit.B().SerialToLogical(3), (POINT{2, 0}));  // inside the line end: clamped
  EXPECT_EQ(edit.B().SerialToLogical(99), (POINT{1, 1}));

  edit.B().SetText("ab\rc");
  EXPECT_EQ(edit.B().LogicalToSerial(0, 1), 3);
  EXPECT_EQ(edit.B().GetLineSize(0), 3);
  EXPECT_EQ(edit.B().GetLineSize(1), 1);  // the last line has no line end
}

TEST(TextPositions, TabCellsMapByMode) {
  TestEdit edit;
  edit.B().SetText("abcdef\tx");  // the TAB at column 6 fills columns 6 and 7
  EXPECT_EQ(edit.B().LogicalToView(7, 0), (POINT{8, 0}));
  EXPECT_EQ(edit.B().ViewToLogical(7, 0, -1), (POINT{6, 0}));
  EXPECT_EQ(edit.B().ViewToLogical(7, 0, 1), (POINT{7, 0}));
  EXPECT_EQ(edit.B().ViewToLogical(6, 0, -1), (POINT{6, 0}));

  edit.B().SetText("a漢b");
  EXPECT_EQ(edit.B().ViewToLogical(2, 0, -1), (POINT{1, 0}));  // inside the double-byte character
  EXPECT_EQ(edit.B().ViewToLogical(2, 0, 1), (POINT{3, 0}));
  EXPECT_EQ(edit.B().LogicalToViewClamped(2, 5), (POINT{1, 0}));  // a trail byte moves back
}

TEST(TextPositions, RowsBeyondTheTextMapToTheLastLine) {
  TestEdit edit;
  edit.B().SetText("one\r\ntwo!");
  EXPECT_EQ(edit.B().ViewToLogical(2, 50, -1), (POINT{2, 1}));
  EXPECT_EQ(edit.B().ViewToLogical(0, 50, 1), (POINT{4, 1}));
  EXPECT_EQ(edit.B().NormalizePos(POINT{99, 0}), (POINT{3, 0}));
}

TEST(TextPositions, CharAtGivesLineEndCodes) {
  TestEdit edit;
  edit.B().SetText("a\r\nb\rc\nd");
  EXPECT_EQ(edit.B().GetCharAt(POINT{1, 0}), 3338);
  EXPECT_EQ(edit.B().GetCharAt(POINT{1, 1}), 13);
  EXPECT_EQ(edit.B().GetCharAt(POINT{1, 2}), 10);
  EXPECT_EQ(edit.B().GetCharAt(POINT{1, 3}), 0);
  EXPECT_EQ(edit.B().GetCharAt(POINT{0, 3}), 'd');
  edit.B().SetText("漢");
  EXPECT_EQ(edit.B().GetCharAt(POINT{0, 0}), 0x8ABF);
}

TEST(TextPositions, WordRightStopsAtEachClassChange) {
  TestEdit edit;
  // hiragana, kanji, ASCII word, space, katakana with a long-vowel mark, full-width digits, mark
  edit.B().SetText("ひらがな漢字abc_1  カタカーナ１２。x");
  POINT pos{0, 0};
  for (int column : {8, 12, 19, 29, 33, 35, 36}) {
    edit.B().MoveByCommand(32817, pos);
    EXPECT_EQ(pos.x, column);
  }
  for (int column : {35, 33, 29, 19, 12, 8, 0}) {
    edit.B().MoveByCommand(32818, pos);
    EXPECT_EQ(pos.x, column);
  }
  POINT start;
  POINT end;
  EXPECT_TRUE(edit.B().GetWordAt(POINT{9, 0}, &start, &end));
  EXPECT_EQ(start.x, 8);
  EXPECT_EQ(end.x, 12);
}

TEST(TextPositions, CaretMovesAcrossLines) {
  TestEdit edit;
  edit.B().SetText("ab\r\n漢字");
  POINT pos{2, 0};
  edit.B().MoveByCommand(32792, pos);
  EXPECT_EQ(pos, (POINT{0, 1}));
  edit.B().MoveByCommand(32792, pos);
  EXPECT_EQ(pos, (POINT{2, 1}));
  edit.B().MoveByCommand(32860, pos);
  edit.B().MoveByCommand(32792, pos);
  EXPECT_EQ(pos, (POINT{4, 1}));  // end of the text: unchanged
  edit.B().MoveByCommand(32859, pos);
  edit.B().MoveByCommand(32793, pos);
  EXPECT_EQ(pos, (POINT{2, 0}));
  POINT view = edit.B().MoveVertical(32790, POINT{2, 0}, pos, 10);
  EXPECT_EQ(pos, (POINT{2, 1}));
  EXPECT_EQ(view, (POINT{2, 1}));
  edit.B().MoveVertical(32791, POINT{1, 1}, pos, 10);  // column 1 inside 漢 snaps back
  EXPECT_EQ(pos, (POINT{1, 0}));
}

TEST(TextReading, RangesLineColoursMarksAndRowWidths) {
  TestEdit edit;
  edit.B().SetText("ab\rc\td\r\nef");
  // The range keeps each line's own line end; quoted, every line gets the prefix.
  EXPECT_EQ(edit.B().RangeToGlobal(POINT{1, 0}, POINT{1, 2}, false), CRefString("b\rc\td\r\ne"));
  EXPECT_EQ(edit.B().RangeToGlobal(POINT{0, 0}, POINT{1, 1}, true), CRefString(">ab\r>c"));
  EXPECT_EQ(edit.B().GetRangeSize(POINT{0, 0}, POINT{1, 1}, true), 8);
  EXPECT_EQ(edit.B().GetTextRange(POINT{0, 1}, POINT{9, 1}), CRefString("c\td"));
  EXPECT_EQ(edit.B().GetTextRange(POINT{0, 0}, POINT{1, 1}), CRefString(""));
  EXPECT_EQ(edit.B().GetRowText(1), CRefString("c       d"));

  int kind = 0;
  EXPECT_EQ(edit.B().GetTabExpandedWidth(1, &kind), 9);
  EXPECT_EQ(kind, 0);
  EXPECT_EQ(edit.B().GetTabExpandedWidth(0, &kind), 2);
  EXPECT_EQ(kind, 1);

  COLORREF text = 0;
  COLORREF back = 0;
  BOOL underline = FALSE;
  EXPECT_FALSE(edit.B().GetLineColor(1, &text, &back, &underline));
  EXPECT_TRUE(edit.B().SetLineColor(-5, 1, 0x123456, 0xABCDEF, TRUE));
  EXPECT_TRUE(edit.B().GetLineColor(1, &text, &back, &underline));
  EXPECT_EQ(text, 0x123456u);
  EXPECT_TRUE(underline);
  EXPECT_FALSE(edit.B().SetLineColor(3, 9, 0, 0, FALSE));
  edit.B().EraseLineColor(0, 9);
  EXPECT_FALSE(edit.B().GetLineColor(0, &text, &back, &underline));

  EXPECT_EQ(edit.B().GetLineMark(1), -1);
  EXPECT_TRUE(edit.B().SetLineMark(1, 7));
  EXPECT_EQ(edit.B().GetLineMark(1), 7);
  EXPECT_FALSE(edit.B().SetLineMark(3, 1));
  EXPECT_EQ(edit.B().GetLineMark(3), -1);
}
