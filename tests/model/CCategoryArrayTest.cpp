#include "model/CCategoryArray.h"

#include <gtest/gtest.h>

namespace {

CTreeCategory Category(const char* name, const char* memo, int color) {
  CTreeCategory c;
  c.Name = name;
  c.Memo = memo;
  c.Color = color;
  return c;
}

TEST(CCategoryArray, ColourLineOnlyWhenThereIsAColour) {
  CCategoryArray list;
  list.Add(Category("A", "x", -1));
  EXPECT_EQ(list.GetLinesText(), "CategoryName=A\nCategoryMemo=x\n");
  list.SetAt(0, Category("A", "x", 0));
  EXPECT_EQ(list.GetLinesText(), "CategoryName=A\nCategoryMemo=x\nCategoryColor=0\n");
}

TEST(CCategoryArray, LineBreaksInTextsCannotSplitALine) {
  CCategoryArray list;
  list.Add(Category("A\r\n\x08", "x\ny", -1));
  EXPECT_EQ(list.GetLinesText(), "CategoryName=A\x08\nCategoryMemo=xy\n");
}

TEST(CCategoryArray, ParsesLinesIntoCategories) {
  CCategoryArray list;
  EXPECT_TRUE(list.ParseLine("CategoryMemo", "orphan"));  // no category yet to take it
  EXPECT_TRUE(list.ParseLine("CategoryColor", "7"));
  EXPECT_EQ(list.GetCount(), 0);

  EXPECT_TRUE(list.ParseLine("CategoryName", "A\r\n"));
  EXPECT_TRUE(list.ParseLine("CategoryMemo", "x"));
  EXPECT_TRUE(list.ParseLine("CategoryColor", "255"));
  EXPECT_TRUE(list.ParseLine("CategoryName", "仕事"));
  EXPECT_FALSE(list.ParseLine("CategoryNames", "B"));
  EXPECT_FALSE(list.ParseLine("Header", "B"));
  ASSERT_EQ(list.GetCount(), 2);
  const CTreeCategory a = list.GetAt(0);
  EXPECT_EQ(a.Name, "A");
  EXPECT_EQ(a.Memo, "x");
  EXPECT_EQ(a.Color, 255);
  EXPECT_EQ(list.GetAt(1).Color, -1);
  EXPECT_EQ(list.GetAt(1).Memo, "");
}

TEST(CCategoryArray, LinesRoundTrip) {
  CCategoryArray list;
  list.Add(Category("A", "", -1));
  list.Add(Category(" 仕事 ", "memo = text", 0x00FF8000));
  list.Add(Category("", "", 0));
  const CString text = list.GetLinesText();

  CCategoryArray read;
  int start = 0;
  while (start < text.GetLength()) {
    const int end = text.Find('\n', start);
    const CString line = text.Mid(start, end - start);
    const int eq = line.Find('=');
    read.ParseLine(line.Left(eq), line.Mid(eq + 1));
    start = end + 1;
  }
  EXPECT_EQ(read.GetCount(), 3);
  EXPECT_EQ(read.GetLinesText(), text);
}

TEST(CCategoryArray, NamesByOneBasedNumber) {
  CCategoryArray list;
  list.Add(Category("A", "", -1));
  list.Add(Category("", "", -1));
  EXPECT_EQ(list.GetName(1), "A");
  EXPECT_EQ(list.GetDisplayName(1), "【A】");
  EXPECT_EQ(list.GetDisplayName(0), "");
  EXPECT_EQ(list.GetDisplayName(2), "");  // empty name
  EXPECT_EQ(list.GetDisplayName(3), "");
  EXPECT_EQ(list.GetDisplayName(-1), "");
  list.SetBefore("<");
  list.SetAfter(">");
  EXPECT_EQ(list.GetDisplayName(1), "<A>");
}

TEST(CCategoryArray, AssignmentReplacesElementsAndKeepsWrapStrings) {
  CCategoryArray source;
  source.Add(Category("A", "", -1));
  source.SetBefore("[");
  CCategoryArray target;
  target.Add(Category("B", "", -1));
  target.Add(Category("C", "", -1));
  target = source;
  EXPECT_EQ(target.GetCount(), 1);
  EXPECT_EQ(target.GetDisplayName(1), "【A】");

  const CCategoryArray copy(source);  // a copy of a model keeps everything
  EXPECT_EQ(copy.GetDisplayName(1), "[A】");
}

TEST(CCategoryArray, ElementAccessOutsideTheListIsHarmless) {
  CCategoryArray list;
  list.Add(Category("A", "", -1));
  EXPECT_EQ(list.GetAt(5).Name, "");
  list.SetAt(5, Category("B", "", -1));
  list.RemoveAt(-1);
  EXPECT_EQ(list.GetCount(), 1);
  list.RemoveAt(0);
  EXPECT_TRUE(list.IsEmpty());
}

}  // namespace
