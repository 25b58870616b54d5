#include <gtest/gtest.h>

#include "model/ATREE.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;
using model_test::P;

TEST(Navigation, WalksAndLookups) {
  auto m = MakeModel({{"Root", ""}, {"Root/abc", ""}, {"Root/abc/x", ""}, {"Root/abc/y", ""}, {"Root/d", ""},
                      {"Root/d", ""}, {"Root/d/z", ""}});
  EXPECT_EQ(m->GetLevel(2), 2);
  EXPECT_EQ(m->GetParent(0), 0);
  EXPECT_EQ(m->GetParent(1), 0);
  EXPECT_EQ(m->GetParent(3), 1);
  EXPECT_EQ(m->GetPrevSibling(0), 0);
  EXPECT_EQ(m->GetPrevSibling(2), -1);
  EXPECT_EQ(m->GetPrevSibling(4), 1);
  EXPECT_EQ(m->GetNextSibling(1, FALSE), 4);
  EXPECT_EQ(m->GetNextSibling(3, FALSE), -1);
  EXPECT_EQ(m->GetNextSibling(3, TRUE), 4);
  EXPECT_EQ(m->GetNextSibling(6, TRUE), 7);
  EXPECT_EQ(m->GetNextSibling(5, TRUE), 7);
  EXPECT_EQ(m->HasChildren(1), 1);
  EXPECT_EQ(m->HasChildren(4), 0);
  EXPECT_EQ(m->HasChildren(6), 0);
  EXPECT_EQ(m->GetPathPart(2, 0), "Root");
  EXPECT_EQ(m->GetPathPart(2, 1), "abc");
  EXPECT_EQ(m->GetPathPart(2, -1), "x");
  EXPECT_EQ(m->GetPathPart(1, 3), "");
  EXPECT_EQ(m->GetPathPos(2, 0), 1);
  EXPECT_EQ(m->GetPathPos(2, 2), 9);
  EXPECT_EQ(m->GetPathPos(1, 5), 9);
  EXPECT_EQ(m->GetTitleWidth(2), 1 + 4);
  EXPECT_EQ(m->FindPath(P("ROOT/ABC")), 1);
  EXPECT_EQ(m->FindPath(P("Root/ＡＢＣ")), -1);
  EXPECT_EQ(m->FindName("d"), 4);
  EXPECT_EQ(m->FindName("D"), -1);
  EXPECT_EQ(m->FindRow("\x84\xB0\x84\xAA" "ABC"), 1);
  EXPECT_EQ(m->IndexOf(m->GetDirData(5)), 5);
}

TEST(Navigation, NameStopsAtALinkMark) {
  auto m = MakeModel({{"Root", ""}, {"Root/title\x02tail", ""}});
  EXPECT_EQ(m->GetName(1), "title");
  EXPECT_EQ(m->GetName(0), "Root");
}
