#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/CString.h"
#include "textarea/ListNumbering.h"
#include "textarea/LongTextPieces.h"

namespace {

std::string As(std::size_t count, char c) { return std::string(count, c); }

TEST(LongTextPiecesTest, CutsAtTheLimitWithoutSplittingACharacter) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::size_t> pieces;
  };
  const Case cases[] = {
      {"empty", "", {}},
      {"exactly one piece", As(16000, 'a'), {16000}},
      {"one byte more", As(16001, 'a'), {16000, 1}},
      // "あ" takes bytes 15999 and 16000: the first piece keeps it whole.
      {"character across the limit", As(15999, 'a') + "あ" + "b", {16001, 1}},
      // "＝" is 0x81 0x81: its trail byte at 15999 has a lead byte's value but is no lead byte.
      {"trail byte of a lead byte's value", As(15998, 'a') + "＝" + "b", {16000, 1}},
      {"character at the end of the text", As(15999, 'a') + "あ", {16001}},
      {"three pieces", As(40000, 'a'), {16000, 16000, 8000}},
  };
  for (const Case& c : cases) EXPECT_EQ(LongTextPieces(c.text), c.pieces) << c.what;
}

TEST(LongTextPiecesTest, WalksDoubleByteTextOnceFromPieceToPiece) {
  // Every even byte is a lead byte; with an odd limit every piece would end on one.
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "漢";
  std::vector<std::size_t> expected(9, 1002);
  expected.push_back(10000 - 9 * 1002);
  EXPECT_EQ(LongTextPieces(text, 1001), expected);
}

TEST(ListNumberingTest, ContinuesMarkersAfterTheLinesBlanks) {
  struct Case {
    const char* line;
    BOOL handled;
    const char* insertion;
  };
  const Case cases[] = {
      {"・項目", TRUE, "\r\n・"},
      {"  9. nine", TRUE, "\r\n  10."},
      {"12. twelve", TRUE, "\r\n13."},
      {"(3) three", TRUE, "\r\n(4)"},
      {"(12)", TRUE, "\r\n(13)"},
      {"\t　・", TRUE, "\r\n\t　・"},
      {"9.", TRUE, "\r\n10."},
      {"１．全角", FALSE, ""},  // only ASCII digits count
      {"", FALSE, ""},
      {"   ", FALSE, ""},
      {"text 1.", FALSE, ""},  // the marker is looked for at the first character only
      {"(1", FALSE, ""},
  };
  for (const Case& c : cases) {
    CString insertion;
    EXPECT_EQ(NextListLine(c.line, insertion), c.handled) << c.line;
    if (c.handled) {
      EXPECT_EQ(insertion, c.insertion) << c.line;
    }
  }
}

}  // namespace
