#include <gtest/gtest.h>

#include <cstring>

#include "tests/control/TestEdit.h"

TEST(TextEdit, ReplaceAllIsOneUndoStep) {
  TestEdit edit;
  edit.B().SetText("aaa\r\nxAx");
  EXPECT_EQ(edit.B().ReplaceAllLines("a", "aa", true), 3);
  EXPECT_EQ(edit.Text(), "aaaaaa\r\nxAx");
  edit.B().UndoRedo(false, POINT{});
  EXPECT_EQ(edit.Text(), "aaa\r\nxAx");
  EXPECT_EQ(edit.B().GetUndoCount(), 0);
  edit.B().UndoRedo(true, POINT{});
  EXPECT_EQ(edit.Text(), "aaaaaa\r\nxAx");

  // Without match case the matched bytes keep their own case on undo.
  TestEdit folded;
  folded.B().SetText("Ab ab 表a");  // the trail byte of 表 is never a match start
  EXPECT_EQ(folded.B().ReplaceAllLines("AB", "-", false), 2);
  EXPECT_EQ(folded.Text(), "- - 表a");
  folded.B().UndoRedo(false, POINT{});
  EXPECT_EQ(folded.Text(), "Ab ab 表a");
}

TEST(TextEdit, EnterWithAutoIndentUndoesInOneStep) {
  TestEdit edit;
  edit.Settings().AutoIndent = 1;
  edit.B().SetText("\t　 text");
  POINT caret = edit.B().InsertChar(POINT{6, 0}, 10, 0);
  EXPECT_EQ(caret, (POINT{4, 1}));
  EXPECT_EQ(edit.Text(), "\t　 te\r\n\t　 xt");
  edit.B().UndoRedo(false, caret);
  EXPECT_EQ(edit.Text(), "\t　 text");
  EXPECT_EQ(edit.B().GetUndoCount(), 0);
  edit.B().UndoRedo(true, caret);
  EXPECT_EQ(edit.Text(), "\t　 te\r\n\t　 xt");

  // Inside the indentation no indent is added.
  edit.B().SetText("    x");
  edit.B().InsertChar(POINT{2, 0}, 10, 0);
  EXPECT_EQ(edit.Text(), "  \r\n  x");
}

TEST(TextEdit, TypingUndoRedoAndTheModifiedFlag) {
  TestEdit edit;
  edit.B().SetText("");
  POINT caret = edit.B().InsertChar(POINT{}, 'a', -1);
  caret = edit.B().InsertChar(caret, 0xBF8A, -1);  // 漢, low byte first
  EXPECT_EQ(edit.Text(), "a漢");
  caret = edit.B().UndoRedo(false, caret);
  EXPECT_EQ(edit.Text(), "a");
  EXPECT_EQ(caret, (POINT{1, 0}));
  edit.B().UndoRedo(true, caret);
  EXPECT_EQ(edit.Text(), "a漢");
  edit.B().UndoRedo(false, caret);
  edit.B().InsertChar(POINT{1, 0}, 'b', -1);  // a new edit empties the redo list
  EXPECT_EQ(edit.B().GetRedoCount(), 0);

  // Save (the flag goes off and old records count as modified), type, undo: off again.
  edit.B().SetModifiedState(false);
  edit.B().InsertChar(POINT{2, 0}, 'c', -1);
  EXPECT_TRUE(edit.B().IsModified());
  edit.B().UndoRedo(false, POINT{});
  EXPECT_FALSE(edit.B().IsModified());
  // Undoing an edit made before the save leaves it modified.
  edit.B().UndoRedo(false, POINT{});
  EXPECT_TRUE(edit.B().IsModified());
  EXPECT_GT(edit.changeEvents, 0);
  EXPECT_GT(edit.modifiedEvents, 0);
}

TEST(TextEdit, BackspaceAndDeleteAtTheEndsBeep) {
  TestEdit edit;
  edit.B().SetText("ab");
  EXPECT_EQ(edit.B().DeleteCharBefore(POINT{0, 0}), (POINT{0, 0}));
  EXPECT_EQ(edit.B().DeleteChar(POINT{2, 0}, nullptr), (POINT{2, 0}));
  EXPECT_EQ(edit.beeps, 2);
  EXPECT_EQ(edit.Text(), "ab");
  bool keep = true;  // overwrite typing at a line end only inserts
  edit.B().DeleteChar(POINT{2, 0}, &keep);
  EXPECT_FALSE(keep);
  EXPECT_EQ(edit.beeps, 2);
}

TEST(TextEdit, JoinedLineEndsComeBackWithTheirKind) {
  TestEdit edit;
  edit.B().SetText("a\nb\rc\r\nd");
  POINT caret = edit.B().DeleteCharBefore(POINT{0, 1});
  EXPECT_EQ(caret, (POINT{1, 0}));
  EXPECT_EQ(edit.B().GetUndoList().back().kind & 0xFFFFu, 1u);
  EXPECT_EQ(edit.B().GetUndoList().back().kind & 0xC0000u, 0x80000u);
  edit.B().DeleteChar(POINT{2, 0}, nullptr);  // joins across the lone CR
  EXPECT_EQ(edit.Text(), "abc\r\nd");
  edit.B().UndoRedo(false, POINT{});
  edit.B().UndoRedo(false, POINT{});
  EXPECT_EQ(edit.Text(), "a\nb\rc\r\nd");
  edit.B().UndoRedo(true, POINT{});
  edit.B().UndoRedo(true, POINT{});
  EXPECT_EQ(edit.Text(), "abc\r\nd");
}

TEST(TextEdit, InsertAndDeleteRangesAcrossLines) {
  TestEdit edit;
  edit.B().SetText("first\r\nlast");
  POINT caret = edit.B().InsertText(POINT{2, 0}, "X\rY\nZ");
  EXPECT_EQ(caret, (POINT{1, 2}));
  EXPECT_EQ(edit.Text(), "fiX\rY\nZrst\r\nlast");
  edit.B().DeleteRange(POINT{1, 0}, POINT{2, 3});
  EXPECT_EQ(edit.Text(), "fst");
  edit.B().UndoRedo(false, POINT{});
  EXPECT_EQ(edit.Text(), "fiX\rY\nZrst\r\nlast");
  edit.B().UndoRedo(false, POINT{});
  EXPECT_EQ(edit.Text(), "first\r\nlast");
}

TEST(TextEdit, IndentUnindentAndNewlinesAtWraps) {
  TestEdit edit;
  edit.B().SetText("a\r\n\r\n  b\r\n c");
  edit.B().Indent(POINT{0, 0}, POINT{0, 3});  // the end line takes part only past column 0
  EXPECT_EQ(edit.Text(), "\ta\r\n\r\n\t  b\r\n c");
  edit.B().Unindent(POINT{0, 0}, POINT{1, 3});
  EXPECT_EQ(edit.Text(), "a\r\n\r\n  b\r\nc");
  edit.B().UndoRedo(false, POINT{});
  EXPECT_EQ(edit.Text(), "\ta\r\n\r\n\t  b\r\n c");
  edit.B().UndoRedo(false, POINT{});
  EXPECT_EQ(edit.Text(), "a\r\n\r\n  b\r\n c");

  edit.B().SetText("a\r\n\r\nb\r\nc");
  edit.B().DeleteNewlines(POINT{0, 0}, POINT{0, 3});
  EXPECT_EQ(edit.Text(), "a\r\n\r\nbc");  // the blank line survives

  TestEdit wrapped;
  wrapped.Settings().WrapMode = 1;
  wrapped.Settings().MarginNormal = 4;
  wrapped.Settings().WordWrap = 0;
  wrapped.B().SetText("abcdefghij\rk");
  wrapped.B().InsertNewlinesAtWraps(POINT{}, 0, wrapped.B().GetTotalRows() - 1);
  EXPECT_EQ(wrapped.Text(), "abcd\r\nefgh\r\nij\rk");
  wrapped.B().UndoRedo(false, POINT{});
  EXPECT_EQ(wrapped.Text(), "abcdefghij\rk");
}

TEST(TextEdit, EnterAtTheRowLimitKeepsTheLine) {
  TestEdit edit;
  edit.B().SetText("one\r\ntwo");
  edit.B().SetRowLimit(2);
  const POINT caret = edit.B().InsertChar(POINT{1, 1}, 10, 0);
  EXPECT_EQ(caret, (POINT{1, 1}));
  EXPECT_EQ(edit.Text(), "one\r\ntwo");
  EXPECT_EQ(edit.beeps, 1);
  EXPECT_FALSE(edit.B().InsertEmptyLine(0, 0));
}

TEST(TextEdit, OverwriteEnterMovesDownExceptOnTheLastRow) {
  TestEdit edit;
  edit.B().SetText("abc\r\nde");
  EXPECT_EQ(edit.B().NextRowOrNewline(POINT{2, 0}, 0), (POINT{2, 1}));
  EXPECT_EQ(edit.Text(), "abc\r\nde");
  EXPECT_EQ(edit.B().NextRowOrNewline(POINT{1, 1}, 2), (POINT{0, 2}));
  EXPECT_EQ(edit.Text(), "abc\r\nd\ne");
}

TEST(TextEdit, FindStringBothWays) {
  TestEdit edit;
  edit.B().SetText("xAbx\r\nＢb ab");  // the trail byte of Ｂ is "a"
  POINT start;
  POINT end;
  ASSERT_TRUE(edit.B().FindString("ab", 1, false, POINT{0, 0}, &start, &end, false));
  EXPECT_EQ(start, (POINT{1, 0}));
  EXPECT_EQ(end, (POINT{3, 0}));
  ASSERT_TRUE(edit.B().FindString("ab", 1, true, POINT{1, 0}, &start, &end, true));
  EXPECT_EQ(start, (POINT{4, 1}));
  ASSERT_TRUE(edit.B().FindString("ab", 0, false, POINT{4, 1}, &start, &end, true));
  EXPECT_EQ(start, (POINT{1, 0}));
  EXPECT_FALSE(edit.B().FindString("zz", 1, false, POINT{0, 0}, &start, &end, false));
}

TEST(TextEdit, CommentStatesFollowEdits) {
  TestEdit edit;
  edit.Settings().HiliteComment = 1;
  std::strcpy(edit.Settings().CommentBegin, "/*");
  std::strcpy(edit.Settings().CommentEnd, "*/");
  edit.B().SetText("a /* b\r\nc\r\nd */ e\r\nf");
  EXPECT_EQ(edit.B().GetLine(1)->m_commentState, 1);
  EXPECT_EQ(edit.B().GetLine(3)->m_commentState, 0);
  edit.B().DeleteRange(POINT{2, 0}, POINT{4, 0});
  EXPECT_EQ(edit.B().GetLine(1)->m_commentState, 0);
  EXPECT_EQ(edit.B().GetLine(2)->m_commentState, 0);
  edit.B().InsertText(POINT{0, 1}, "/*");
  EXPECT_EQ(edit.B().GetLine(2)->m_commentState, 1);
  EXPECT_EQ(edit.B().GetLine(3)->m_commentState, 0);
}

TEST(TextEdit, ColumnBlockPaste) {
  TestEdit edit;
  edit.B().SetText("abc\r\nabcdefg");
  // Two lines at column 5 of the last row: one line is appended, the second line padded.
  POINT caret = edit.B().InsertGlobal(POINT{5, 1}, "XY\r\nZ", 5, true);
  EXPECT_EQ(caret, (POINT{5, 1}));
  EXPECT_EQ(edit.Text(), "abc\r\nabcdeXYfg\r\n     Z");
  edit.B().UndoRedo(false, caret);
  EXPECT_EQ(edit.Text(), "abc\r\nabcdefg");

  edit.B().InsertGlobal(POINT{1, 0}, "1\n2", 3, true);
  EXPECT_EQ(edit.Text(), "a1bc\r\na2bcdefg");
  caret = edit.B().InsertGlobal(POINT{0, 0}, "p\r\nq", 4, false);
  EXPECT_EQ(caret, (POINT{1, 1}));
  EXPECT_EQ(edit.Text(), "p\r\nqa1bc\r\na2bcdefg");
}
