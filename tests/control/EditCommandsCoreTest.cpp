// The headless side of the editing commands: loading without events, replace-all across line ends,
// box text and deletion, moving a dragged range, width conversion and the character-code text.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/control/TestEdit.h"
#include "control/CCustomizeInfo.h"
#include "control/CharCodeText.h"
#include "control/WidthConvert.h"

namespace {

std::string Str(const CRefString& text) { return std::string(text.GetString(), static_cast<size_t>(text.GetLength())); }

}  // namespace

TEST(EditCommandsCore, LoadingATextIsNoChange) {
  TestEdit edit;
  edit.B().SetText("one\r\ntwo");
  EXPECT_EQ(edit.modifiedEvents, 0);
  EXPECT_EQ(edit.changeEvents, 0);
  EXPECT_FALSE(edit.B().IsModified());
  // A real edit afterwards still reports.
  edit.B().InsertChar(POINT{0, 0}, 'x', LINEEND_CRLF);
  EXPECT_EQ(edit.modifiedEvents, 1);
  EXPECT_TRUE(edit.B().IsModified());
}

TEST(EditCommandsCore, ReplaceAllWithLineEndsSplitsLinesInOneUndoStep) {
  TestEdit edit;
  edit.B().SetText("a,b\r\nc,d");
  EXPECT_EQ(edit.B().ReplaceAllLines(",", "\r\n", true), 2);
  EXPECT_EQ(edit.Text(), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(edit.B().GetLineCount(), 4);
  edit.B().UndoRedo(false, POINT{});
  EXPECT_EQ(edit.Text(), "a,b\r\nc,d");
  EXPECT_EQ(edit.B().GetUndoCount(), 0);
  // A bare LF in the replacement keeps its kind.
  EXPECT_EQ(edit.B().ReplaceAllLines("B", "\n", false), 1);
  EXPECT_EQ(edit.Text(), "a,\n\r\nc,d");
}

TEST(EditCommandsCore, DefaultKinsokuBeginEndsWithFullWidthMarks) {
  CCustomizeInfo cust;
  cust.Reset();
  const std::string begin = cust.KinsokuBegin;
  EXPECT_EQ(begin.substr(begin.size() - 4), "、。");
}

TEST(EditCommandsCore, BoxTextWidensToWholeCharactersAndEndsRowsWithCrLf) {
  TestEdit edit;
  edit.B().SetText("abcdef\r\nあいう\r\nx");
  // Columns 1..3: "bc", then the double-byte characters that touch columns 1-2 ("あい"), then "".
  EXPECT_EQ(Str(edit.B().GetBoxText(POINT{3, 2}, POINT{1, 0}, false)), "bc\r\nあい\r\n\r\n");
  const POINT caret = edit.B().DeleteBox(POINT{1, 0}, POINT{3, 1});
  EXPECT_EQ(edit.Text(), "adef\r\nう\r\nx");
  EXPECT_EQ(caret, (POINT{1, 0}));
  edit.B().UndoRedo(false, caret);
  EXPECT_EQ(edit.Text(), "abcdef\r\nあいう\r\nx");
  EXPECT_EQ(edit.B().GetUndoCount(), 0);
}

TEST(EditCommandsCore, ColumnPasteAndNulBytes) {
  TestEdit edit;
  edit.B().SetText("abcdefg");
  // Two lines at column 5 of the last row: one line appended, the second padded with five spaces.
  edit.B().InsertGlobal(POINT{5, 0}, "12\r\n34", 6, true);
  EXPECT_EQ(edit.Text(), "abcde12fg\r\n     34");
  edit.B().UndoRedo(false, POINT{});
  EXPECT_EQ(edit.Text(), "abcdefg");
  TestEdit nul;
  nul.B().SetText("ab");
  nul.B().InsertGlobal(POINT{1, 0}, std::string("x\0y", 3).c_str(), 3, false);
  EXPECT_EQ(nul.Text(), "ax yb");
}

TEST(EditCommandsCore, ColumnPasteChangesOnlyTheRowsItCovers) {
  struct Case {
    const char* before;
    POINT at;
    const char* block;
    const char* after;
  };
  const Case cases[] = {
      // A box copy's closing line end: the short row below the block and the end of the text stay.
      {"abcd\r\nefgh\r\nx", {2, 0}, "12\r\n34\r\n", "ab12cd\r\nef34gh\r\nx"},
      {"abcd\r\nefgh", {2, 0}, "12\r\n34\r\n", "ab12cd\r\nef34gh"},
      // The column falls on the trail byte of a double-byte character: no padding space.
      {"abcd\r\nあいう", {1, 0}, "12\r\n34\r\n", "a12bcd\r\n34あいう"},
      // A row that really ends before the column is still padded.
      {"abcd\r\nx", {3, 0}, "12\r\n34\r\n", "abc12d\r\nx  34"},
  };
  for (const Case& c : cases) {
    TestEdit edit;
    edit.B().SetText(c.before);
    edit.B().InsertGlobal(c.at, c.block, static_cast<int>(std::strlen(c.block)), true);
    EXPECT_EQ(edit.Text(), c.after) << c.before;
    edit.B().UndoRedo(false, POINT{});
    EXPECT_EQ(edit.Text(), c.before);
  }
}

TEST(EditCommandsCore, MovingARangeIsOneUndoStep) {
  struct Case {
    POINT drop, start, end;
    const char* result;
  } cases[] = {
      {{5, 0}, {0, 0}, {2, 0}, "cdeab f"},   // after the range, same line
      {{0, 0}, {3, 0}, {5, 0}, "deabc f"},   // before it
      {{1, 1}, {0, 0}, {3, 0}, "de f\r\nxabcy"},
  };
  for (const Case& c : cases) {
    TestEdit edit;
    edit.B().SetText(c.drop.y == 1 ? "abcde f\r\nxy" : "abcde f");
    edit.B().MoveText(c.drop, c.start, c.end);
    EXPECT_EQ(edit.Text(), c.result);
    edit.B().UndoRedo(false, POINT{});
    EXPECT_EQ(edit.Text(), c.drop.y == 1 ? "abcde f\r\nxy" : "abcde f");
  }
}

TEST(EditCommandsCore, WidthConversion) {
  const auto full = [](const char* text, unsigned categories) { return Str(ToFullWidth(text, static_cast<int>(std::strlen(text)), categories)); };
  const auto half = [](const char* text, unsigned categories) { return Str(ToHalfWidth(text, static_cast<int>(std::strlen(text)), categories)); };
  EXPECT_EQ(full("ｳﾞ", WIDTH_ALL), "ヴ");
  EXPECT_EQ(full("ｶﾞﾊﾟｱ｡ A1!", WIDTH_ALL), "ガパア。　Ａ１！");
  EXPECT_EQ(full("ｱA!", WIDTH_ALNUM), "ｱＡ!");
  EXPECT_EQ(half("ヴガパあ　Ａ１！漢", WIDTH_ALL), "ｳﾞｶﾞﾊﾟｱ A1!漢");
  EXPECT_EQ(half("あア", WIDTH_KATAKANA), "あｱ");
}

TEST(EditCommandsCore, CharacterCodeText) {
  EXPECT_EQ(Str(CharCodeText(0x82A0)), "あ\nShiftJIS: 82A0\nJIS: 2422");
  EXPECT_EQ(Str(CharCodeText(0x0D0A)), "CR+LF\n0D0A");
  EXPECT_EQ(Str(CharCodeText('\t')), "Tab\n09");
  EXPECT_EQ(Str(CharCodeText('A')), "A\n41");
  EXPECT_EQ(ShiftJisToJis(0xE040), 0x5F21u);
}
