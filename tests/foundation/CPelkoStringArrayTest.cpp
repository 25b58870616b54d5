#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/CPelkoStringArray.h"

namespace {

std::string Pieces(const CStringArray& a) {
  std::string s;
  for (const CString& e : a) s += "[" + e.str() + "]";
  return s;
}

CPelkoStringArray Of(std::initializer_list<const char*> items) {
  CPelkoStringArray a;
  for (const char* item : items) a.Add(item);
  return a;
}

struct ByteOrder : CPelkoStringArray::Compare {
  int operator()(const char* a, const char* b) const override { return std::strcmp(a, b); }
};

}  // namespace

TEST(CPelkoStringArray, SortsIgnoringWidthCaseKanaAndLooseDifferences) {
  CPelkoStringArray a = Of({"ｳｴ", "いち", "Beta", "ＡＬＰＨＡ", "ガ", "か", "alpha2"});
  a.SortAscending();
  // "ＡＬＰＨＡ" sorts as "ALPHA"; "か" and "ガ" fold to one key and may come in either order.
  ASSERT_EQ(a.GetSize(), 7);
  EXPECT_EQ(a[0], CString("ＡＬＰＨＡ"));
  EXPECT_EQ(a[1], CString("alpha2"));
  EXPECT_EQ(a[2], CString("Beta"));
  EXPECT_EQ(a[3], CString("いち"));
  EXPECT_EQ(a[4], CString("ｳｴ"));
  EXPECT_EQ(a[5] + a[6], a[5] == CString("か") ? CString("かガ") : CString("ガか"));

  a.SortDescending();
  EXPECT_EQ(a[0].GetLength(), 2);  // か or ガ
  EXPECT_EQ(a[6], CString("ＡＬＰＨＡ"));

  const char* sameWord[] = {"ｶﾀｶﾅ", "カタカナ", "かたかな"};
  for (const char* other : sameWord) EXPECT_EQ(CPelkoStringArray::Compare()("カタカナ", other), 0) << other;
}

TEST(CPelkoStringArray, SortHandlesEveryShapeOfHeap) {
  for (int n = 0; n <= 9; ++n) {
    CPelkoStringArray a;
    for (int i = 0; i < n; ++i) a.Add(CString(static_cast<char>('a' + (i * 5) % n), 1));
    a.Add("m");
    a.Add("m");  // duplicates
    a.Sort(ByteOrder());
    for (int i = 1; i < a.GetSize(); ++i) EXPECT_LE(std::strcmp(a[i - 1], a[i]), 0) << n << ": " << Pieces(a);
  }
  CPelkoStringArray one = Of({"x"});
  one.SortDescending();
  EXPECT_EQ(Pieces(one), "[x]");
}

TEST(CPelkoStringArray, ReverseAndJoin) {
  CPelkoStringArray a = Of({"a", "b", "c"});
  a.Reverse();
  EXPECT_EQ(Pieces(a), "[c][b][a]");
  EXPECT_EQ(Of({"a", "b"}).Join(), CString("a\r\nb\r\n"));
  EXPECT_EQ(CPelkoStringArray().Join(), CString(""));
  CPelkoStringArray big;
  for (int i = 0; i < 500; ++i) big.Add("行の文字");
  EXPECT_EQ(big.Join().GetLength(), 500 * 10);
}
