#include <gtest/gtest.h>

#include "platform/base/CArray.h"
#include "platform/base/CStringArray.h"
#include "platform/base/CTypedPtrArray.h"
#include "platform/base/CUIntArray.h"

namespace {

std::string Joined(const CStringArray& a) {
  std::string s;
  for (const CString& e : a) s += std::string(e.GetString()) + "|";
  return s;
}

}  // namespace

TEST(CArray, AddInsertRemoveKeepOrderAndIndices) {
  CStringArray a;
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(a.GetUpperBound(), -1);
  EXPECT_EQ(a.Add("一"), 0);
  EXPECT_EQ(a.Add(CString("三")), 1);
  a.InsertAt(1, "二");
  a.InsertAt(0, "零", 2);
  EXPECT_EQ(Joined(a), "零|零|一|二|三|");
  a.RemoveAt(0);
  a.RemoveAt(2, 2);
  EXPECT_EQ(Joined(a), "零|一|");
  EXPECT_EQ(a.GetSize(), 2);
  EXPECT_EQ(a.GetCount(), 2);
  EXPECT_EQ(a.GetUpperBound(), 1);

  a.SetAt(0, "a");
  a[1] = "b";
  a.ElementAt(1) += "c";
  EXPECT_EQ(a.GetAt(0), CString("a"));
  EXPECT_EQ(a[1], CString("bc"));

  a.RemoveAll();
  EXPECT_TRUE(a.IsEmpty());
}

TEST(CArray, GrowingPastTheEndFillsWithEmptyElements) {
  CUIntArray n;
  n.InsertAt(3, 7u);  // past the end: grows first
  ASSERT_EQ(n.GetSize(), 4);
  EXPECT_EQ(n[0] + n[1] + n[2], 0u);
  EXPECT_EQ(n[3], 7u);
  n.SetAtGrow(5, 9u);
  EXPECT_EQ(n.GetSize(), 6);
  EXPECT_EQ(n[4], 0u);
  n.SetSize(2);
  EXPECT_EQ(n.GetSize(), 2);
  n.SetSize(3, 16);
  EXPECT_EQ(n[2], 0u);
  n.SetSize(-1);
  EXPECT_TRUE(n.IsEmpty());
}

TEST(CArray, AppendCopyAndInsertFromArraysIncludingItself) {
  CStringArray a;
  a.Add("x");
  a.Add("y");
  EXPECT_EQ(a.Append(a), 2);
  EXPECT_EQ(Joined(a), "x|y|x|y|");

  CStringArray b;
  b.Add("old");
  b.Copy(a);
  EXPECT_EQ(Joined(b), "x|y|x|y|");
  b.Copy(b);
  EXPECT_EQ(b.GetSize(), 4);

  CStringArray c;
  c.Add("1");
  c.Add("2");
  c.InsertAt(1, &c);
  EXPECT_EQ(Joined(c), "1|1|2|2|");

  // Inserting an element of the array itself into it must not read a moved-from value.
  CStringArray d;
  d.Add("keep");
  d.Add("z");
  d.InsertAt(0, d[0], 3);
  EXPECT_EQ(Joined(d), "keep|keep|keep|keep|z|");
}

namespace {
struct Node : CObject {
  explicit Node(int v) : value(v) {}
  int value;
};
}  // namespace

TEST(CTypedPtrArray, HandsBackTheElementType) {
  Node n1(1);
  Node n2(2);
  CTypedPtrArray<CObArray, Node*> nodes;
  nodes.Add(&n1);
  nodes.InsertAt(0, &n2);
  EXPECT_EQ(nodes[0]->value, 2);
  EXPECT_EQ(nodes.GetAt(1)->value, 1);
  nodes.SetAt(1, &n2);
  EXPECT_EQ(nodes[1], &n2);

  int plain = 5;
  CTypedPtrArray<CPtrArray, int*> ints;
  ints.Add(&plain);
  EXPECT_EQ(*ints[0], 5);

  CArray<Node*, Node*> untyped;
  untyped.Add(&n1);
  EXPECT_EQ(untyped[0]->value, 1);
}
