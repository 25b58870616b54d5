#include <gtest/gtest.h>

#include <cstring>

#include "control/CArrayEx.h"
#include "control/CRefString.h"
#include "control/ControlRoutines.h"

TEST(CRefString, CopiesShareUntilOneIsChanged) {
  CRefString first("abc");
  CRefString second(first);
  EXPECT_EQ(first.GetString(), second.GetString());  // one buffer
  second += "d";
  second.MakeUpper();
  EXPECT_EQ(first, "abc");
  EXPECT_EQ(second, "ABCD");

  CRefString third(first);
  char* buffer = third.GetBuffer(10);
  CRefString copyOfLocked(third);  // a locked buffer is copied, never shared
  std::strcpy(buffer, "xyz");
  third.ReleaseBuffer();
  EXPECT_EQ(third, "xyz");
  EXPECT_EQ(copyOfLocked, "abc");
  EXPECT_EQ(first, "abc");

  CRefString edited(first);
  edited.Insert(1, "ZZ", 2);
  edited.Delete(0, 1);
  EXPECT_EQ(edited, "ZZbc");
  EXPECT_EQ(first, "abc");
  EXPECT_EQ(CRefString('x', 0), "");
  EXPECT_EQ(CRefString("漢字").Mid(2), "字");
  EXPECT_EQ(CRefString("ab").Left(-1), "");
}

TEST(ControlRoutines, DoubleByteAwareCopyShortenAndStep) {
  // 45 bytes: 38 bytes and "...".
  const CRefString link("http://example.com/a/very/long/path/index.htm");
  ASSERT_EQ(link.GetLength(), 45);
  EXPECT_EQ(ShortenText(link), CRefString("http://example.com/a/very/long/path/in..."));
  // A double-byte character across byte 38 is kept whole (39 bytes).
  const CRefString kanji = CRefString('a', 37) + "漢字字字";
  EXPECT_EQ(ShortenText(kanji), CRefString('a', 37) + "漢...");

  char dest[6];
  CopyTextSafe(dest, "abcd漢", sizeof(dest));  // byte size - 2 is the lead byte of 漢
  EXPECT_STREQ(dest, "abcd");

  const char* text = "a漢b";
  EXPECT_EQ(NextChar(text + 1), text + 3);
  EXPECT_EQ(PrevChar(text, text + 3), text + 1);
  EXPECT_EQ(ByteKindAt(1, text), 1);
  EXPECT_EQ(ByteKindAt(2, text), 2);
  EXPECT_EQ(ByteKindAt(9, text), 0);
  EXPECT_TRUE(IsMailChar('~'));
  EXPECT_FALSE(IsMailChar('@'));

  EXPECT_EQ(std::string(BSTRToAnsi(u"日本a").get()), std::string("日本a"));
  EXPECT_EQ(AnsiToBSTR("日本a"), std::u16string(u"日本a"));
  EXPECT_EQ(BSTRToAnsi(nullptr), nullptr);
}

TEST(CArrayEx, GrowsByAnEighthBetweenFourAnd1024) {
  CDWordArrayEx small;
  small.SetSize(100);
  EXPECT_EQ(small.GetAllocSize(), 100);
  small.Add(7);
  EXPECT_EQ(small.GetAllocSize(), 112);
  EXPECT_EQ(small[100], 7u);
  EXPECT_EQ(small[99], 0u);

  CDWordArrayEx large;
  large.SetSize(10000);
  large.SetAtGrow(10000, 1);
  EXPECT_EQ(large.GetAllocSize(), 11024);

  CStringArrayEx strings;
  strings.InsertAt(0, CRefString("b"));
  strings.InsertAt(0, CRefString("a"));
  strings.InsertAt(2, CRefString("c"), 2);
  ASSERT_EQ(strings.GetSize(), 4);
  EXPECT_EQ(strings[0], "a");
  EXPECT_EQ(strings[3], "c");
  strings.RemoveAt(1, 2);
  EXPECT_EQ(strings.GetSize(), 2);
  EXPECT_EQ(strings[1], "c");
  strings.SetSize(0);
  EXPECT_EQ(strings.GetAllocSize(), 0);
}
