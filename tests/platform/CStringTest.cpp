#include <gtest/gtest.h>

#include "platform/base/CString.h"

TEST(CString, TrailByte5CNeverMatchesASingleByteSearch) {
  const CString text("漢字表");  // 表 is 0x95 0x5C in Shift JIS
  ASSERT_EQ(text.GetLength(), 6);
  EXPECT_EQ(static_cast<unsigned char>(text[5]), 0x5C);
  EXPECT_EQ(text.Find('\\'), -1);
  EXPECT_EQ(text.ReverseFind('\\'), -1);
  EXPECT_EQ(text.Find("\\"), -1);
  EXPECT_EQ(text.FindOneOf("\\/"), -1);
  EXPECT_EQ(CString("表\\x").Find('\\'), 2);
  EXPECT_EQ(CString("表\\x").ReverseFind('\\'), 2);

  CString replaced(text);
  EXPECT_EQ(replaced.Replace('\\', '/'), 0);
  EXPECT_EQ(replaced, text);
  EXPECT_EQ(replaced.Remove('\\'), 0);
  EXPECT_EQ(replaced.Replace("\\", "/"), 0);
  // A trail byte is passed over while the backslashes around it are replaced.
  CString mixed("\\表\\ソ\\\\");
  EXPECT_EQ(mixed.Replace("\\", "/"), 4);
  EXPECT_EQ(mixed, CString("/表/ソ//"));
  CString overlapping("aaa");
  EXPECT_EQ(overlapping.Replace("aa", "b"), 1);
  EXPECT_EQ(overlapping, CString("ba"));
  EXPECT_EQ(CString("表\\").TrimRight('\\'), CString("表"));
}

TEST(CString, CaseChangesLeaveDoubleByteCharactersAlone) {
  // Half-width katakana is one byte (0xB1); full-width letters are pairs and keep their case.
  CString mixed("abcＡｂ表ｱz");
  const CString original(mixed);
  mixed.MakeUpper();
  EXPECT_EQ(mixed, CString("ABCＡｂ表ｱZ"));
  mixed.MakeLower();
  EXPECT_EQ(mixed, CString("abcＡｂ表ｱz"));

  CString trailA("\x82\x61x");  // a pair whose trail byte is 'a'
  trailA.MakeUpper();
  EXPECT_EQ(trailA, CString("\x82\x61X"));
  EXPECT_EQ(original.CompareNoCase("ABCＡｂ表ｱZ"), 0);
}

TEST(CString, ExtractionClampsAndCountsBytes) {
  const CString s("abc漢字");
  EXPECT_EQ(s.Left(3), CString("abc"));
  EXPECT_EQ(s.Mid(3), CString("漢字"));
  EXPECT_EQ(s.Mid(3, 2), CString("漢"));
  EXPECT_EQ(s.Right(2), CString("字"));
  EXPECT_EQ(s.Mid(50), CString());
  EXPECT_EQ(s.Left(-1), CString());
  EXPECT_EQ(s.Right(99), s);
  EXPECT_EQ(s.Mid(-3, 2), CString("ab"));
}

TEST(CString, SearchingAndReplacingStepsByCharacter) {
  CString s("a\\b\\c");
  EXPECT_EQ(s.Find('\\', 2), 3);
  EXPECT_EQ(s.Find("b\\"), 2);
  EXPECT_EQ(s.Find("zz"), -1);
  EXPECT_EQ(s.Replace("\\", "/"), 2);
  EXPECT_EQ(s, CString("a/b/c"));

  CString repeat("aaa");
  EXPECT_EQ(repeat.Replace("a", "aa"), 3);
  EXPECT_EQ(repeat, CString("aaaaaa"));

  int pos = 0;
  const CString list(",x,,漢字,y");
  EXPECT_EQ(list.Tokenize(",", pos), CString("x"));
  EXPECT_EQ(list.Tokenize(",", pos), CString("漢字"));
  EXPECT_EQ(list.Tokenize(",", pos), CString("y"));
  EXPECT_EQ(list.Tokenize(",", pos), CString());
  EXPECT_EQ(pos, -1);
}

TEST(CString, TrimsInsertsDeletesAndReverses) {
  EXPECT_EQ(CString(" \t x y \r\n").Trim(), CString("x y"));
  EXPECT_EQ(CString("--x--").Trim('-'), CString("x"));
  EXPECT_EQ(CString("　x　").Trim("　"), CString("x"));  // full-width space as a two-byte target
  CString s("ace");
  s.Insert(1, 'b');
  s.Insert(3, "d");
  EXPECT_EQ(s, CString("abcde"));
  s.Delete(1, 3);
  EXPECT_EQ(s, CString("ae"));
  s.Delete(5, 2);
  EXPECT_EQ(s, CString("ae"));
  EXPECT_EQ(CString("ab漢").MakeReverse(), CString("漢ba"));
}

TEST(CString, FormatAndBuffers) {
  CString s;
  s.Format("%d-%s-%05.1f", 42, "漢", 3.14159);
  EXPECT_EQ(s, CString("42-漢-003.1"));
  s.AppendFormat("/%x", 255);
  EXPECT_EQ(s, CString("42-漢-003.1/ff"));
  std::string big(5000, 'x');
  s.Format("%s", big.c_str());
  EXPECT_EQ(s.GetLength(), 5000);

  CString b;
  char* p = b.GetBuffer(10);
  std::snprintf(p, 11, "%s", "hello");
  b.ReleaseBuffer();
  EXPECT_EQ(b, CString("hello"));
  p = b.GetBufferSetLength(3);
  p[2] = 'X';
  b.ReleaseBuffer(3);
  EXPECT_EQ(b, CString("heX"));
}
