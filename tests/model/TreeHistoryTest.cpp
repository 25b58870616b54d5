#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "model/ATREE.h"
#include "model/CLinkPath.h"
#include "model/DocumentTreeLink.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;

namespace {

SYSTEMTIME At(int minute) {
  SYSTEMTIME t = {};
  t.wYear = 2024;
  t.wMonth = 1;
  t.wDay = 1;
  t.wMinute = static_cast<WORD>(minute);
  return t;
}

}  // namespace

TEST(TreeHistory, BackAndForward) {
  auto m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/b", ""}, {"R/c", ""}});
  m->EditDirData(1)->SetDisplayTime(At(1));
  EXPECT_EQ(m->GoBack(1), -1);  // only one tree was shown
  EXPECT_EQ(m->GoForward(), -1);
  m->EditDirData(2)->SetDisplayTime(At(2));
  m->EditDirData(3)->SetDisplayTime(At(3));
  EXPECT_EQ(m->GoBack(3), 2);
  m->EditDirData(2)->SetDisplayTime(At(4));  // the view shows it
  EXPECT_EQ(m->GoBack(2), 1);
  EXPECT_EQ(m->FindInForwardList(m->GetDirData(2)), 1);
  EXPECT_EQ(m->GoForward(), 2);
  EXPECT_EQ(m->GoForward(), 3);
  EXPECT_EQ(m->GoForward(), -1);
}

TEST(TreeHistory, BackGoesOnlyToAnItemShownBeforeTheCurrentOne) {
  auto m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/b", ""}, {"R/c", ""}});
  for (int i = 1; i <= 3; ++i) m->EditDirData(i)->SetDisplayTime(At(i));
  EXPECT_EQ(m->GoBack(1), -1) << "a was shown first";
  EXPECT_FALSE(m->HasForward());
  EXPECT_EQ(m->GoBack(2), 1) << "not c, shown after b";
}

TEST(TreeHistory, ATreeEditedWhileAnUndoCopySharesItStaysInTheHistory) {
  auto m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/b", ""}, {"R/c", ""}});
  for (int i = 1; i <= 3; ++i) m->EditDirData(i)->SetDisplayTime(At(i));
  EXPECT_EQ(m->GoBack(3), 2);
  const ATREE snapshot(*m, ATREE::ItemsOnly());
  m->EditDirData(3)->m_nStatus = 1;  // c becomes a copy of its own
  m->EditDirData(2)->SetDisplayTime(At(4));
  EXPECT_EQ(m->GoBack(2), 1);  // c is still left behind, so back does not return to it
  EXPECT_EQ(m->GoForward(), 2);
  EXPECT_EQ(m->GoForward(), 3);
}

TEST(TreeHistory, RecentListsAndStatus) {
  auto m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/b", ""}, {"R/c", ""}});
  m->EditDirData(1)->SetUpdateTime(COleDateTime(2020, 1, 1, 0, 0, 0));
  m->EditDirData(3)->SetUpdateTime(COleDateTime(2022, 1, 1, 0, 0, 0));
  std::vector<const CDirData*> list;
  EXPECT_EQ(m->ListRecentUpdated(0, list, 0), 0);
  EXPECT_EQ(m->ListRecentUpdated(0, list, 5), 2);
  EXPECT_EQ(list[0], m->GetDirData(3));
  EXPECT_EQ(list[1], m->GetDirData(1));
  list.clear();
  m->EditDirData(2)->SetDisplayTime(At(9));
  EXPECT_EQ(m->ListRecentDisplayed(0, list, 5), 1);

  m->SetFlags(1, 3);
  m->SetFlags(1, 1);
  EXPECT_EQ(m->GetDirData(1)->m_nStatus & 0x1C, 4);
  m->EditDirData(2)->m_nStatus = 1 | (5 << 16);
  m->SetSubtreeCategory(0, 0, -1);
  EXPECT_EQ(m->GetDirData(2)->m_nStatus, 5 << 16);
  m->RenumberCategory(4, 1);
  EXPECT_EQ(m->GetDirData(2)->GetCategory(), 2);
  m->SetTreeColor(3, 0x123456);
  EXPECT_EQ(m->GetRows().GetTreeData(m->GetRows().GetRowIndex(3))->m_nIdHigh, 0x123456);
  m->ResetLevelCounters(2);
  EXPECT_EQ(m->GetRows().GetLevelCounters()[0], -2);
  EXPECT_EQ(m->GetRows().GetLevelCounters()[1], 0);
}

TEST(TreeHistory, LinksAndPaths) {
  CLinkPath link("file:///D:\\docs\\a.KVN/Top/Child");
  EXPECT_EQ(link.GetPath(), "D:\\docs\\a.KVN");
  ASSERT_EQ(link.GetTitleCount(), 2);
  EXPECT_EQ(link.GetTitle(1), "Child");
  EXPECT_EQ(link.GetTitle(2), "");
  EXPECT_EQ(link.MakeTreeLink(TRUE), "file:///D:\\docs\\a.KVN/Top/Child");
  EXPECT_FALSE(link.IsSameFile("D:\\other.kvn"));

  CLinkPath same("file:///.//Top");
  EXPECT_EQ(same.GetPath(), ".");
  ASSERT_EQ(same.GetTitleCount(), 2);
  EXPECT_EQ(same.GetTitle(0), "");
  EXPECT_TRUE(same.IsSameFile("anything"));
  EXPECT_TRUE(CLinkPath::IsTreeLink("file:///.//Top"));
  EXPECT_TRUE(CLinkPath::IsTreeLink("file:///./a.kvn/T"));
  EXPECT_FALSE(CLinkPath::IsTreeLink("file:///nowhere/a.kvn/T"));
  EXPECT_FALSE(CLinkPath::IsTreeLink("http://x/a.kvn/T"));
  EXPECT_EQ(CLinkPath::MakeAbsolute("file:///./a.kvn/T", "D:\\d\\doc.kvn"), "file:///D:/d/a.kvn/T");
  EXPECT_EQ(CLinkPath::MakeAbsolute("file:///../a.kvn/T", "D:\\d\\doc.kvn"), "file:///../a.kvn/T");

  EXPECT_EQ(ATREE::MakeFullPath("D:\\d\\doc.kvn", "C:\\x.txt"), "C:\\x.txt");
  EXPECT_EQ(ATREE::MakeFullPath("D:\\d\\doc.kvn", "\\x.txt"), "\\x.txt");
  EXPECT_EQ(ATREE::MakeFullPath("", "x.txt"), "");
  EXPECT_EQ(ATREE::MakeFullPath("/home/u/doc.kvn", "x.txt"), "/home/u/x.txt");
}

// Links name the item by every title from the top item down; links written earlier stand for the
// top item by an empty first title, and both find the same item.
TEST(TreeHistory, TreeLinksNameTheTopItemAndTheOlderFormStillLeadsThere) {
  auto m = MakeModel({{"R", ""}, {"R/Top", ""}, {"R/Top/Child", ""}, {"R/Other", ""}});
  CLinkPath out;
  m->GetTreeLinkText(2, out);
  out.SetPath(".");
  EXPECT_EQ(out.MakeTreeLink(TRUE), "file:///./R/Top/Child");
  m->GetTreeLinkText(0, out);
  out.SetPath("");
  EXPECT_EQ(out.MakeTreeLink(TRUE), "file:////R");

  struct Case {
    const char* link;
    const char* path;
    int item;
  };
  const Case cases[] = {
      {"file:///./R/Top/Child", ".", 2},
      {"file:///.//Top/Child", ".", 2},
      {"file:///./R/Other", ".", 3},
      {"file:///./R", ".", 0},
      {"file:///./R/Top/Nope", ".", 1},
      {"file:///.//Nope/Child", ".", 0},
      {"file:///o.kvn/R/Top/Child", "o.kvn", 2},
      {"file:///o.kvn//Top/Child", "o.kvn", 2},
      {"file:///./sub/o.kvn/R/Top", "./sub/o.kvn", 1},
  };
  for (const Case& c : cases) {
    const CLinkPath link(c.link);
    EXPECT_EQ(link.GetPath(), c.path) << c.link;
    EXPECT_EQ(m->FindTreeByLink(link), c.item) << c.link;
  }

  // "file:///./name" is a file beside the document when one is there, else an item of it.
  const std::string dir = kesta_test::MakeTempDir("treelinks");
  std::ofstream(dir + "/note.txt") << "x";
  const std::string doc = dir + "/doc.kvn";
  EXPECT_TRUE(IsTreeLinkOfDocument("file:///./R/Top", doc.c_str()));
  EXPECT_TRUE(CLinkPath::IsTreeLink("file:///./R/Top"));
  EXPECT_FALSE(IsTreeLinkOfDocument("file:///./note.txt", doc.c_str()));
  EXPECT_TRUE(IsTreeLinkOfDocument("file:///.//Top", doc.c_str()));
}

TEST(TreePrune, StruckAndFilteredTrees) {
  auto m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/s", ""}, {"R/s/1", ""}, {"R/s/2", ""}, {"R/b", ""}});
  m->EditDirData(2)->m_nStatus = 2;
  int current = 5;
  EXPECT_TRUE(m->PruneForPrint(&current));
  EXPECT_EQ(current, 2);
  EXPECT_EQ(m->GetDirDataCount(), 3);

  m = MakeModel({{"R", ""}, {"R/s", ""}, {"R/s/1", ""}});
  m->EditDirData(1)->m_nStatus = 2;
  current = 2;
  EXPECT_FALSE(m->PruneForPrint(&current));

  m = MakeModel({{"R", ""}, {"R/a", ""}});
  m->SetCheckFilter(1);
  current = 0;
  EXPECT_FALSE(m->PruneForPrint(&current));
}

// A full list: the newest items in order, ties in outline order, whatever the order they come in.
TEST(TreeHistory, RecentListKeepsTheNewestInAStableOrder) {
  std::vector<std::pair<std::string, std::string>> items = {{"R", ""}};
  for (int i = 0; i < 400; ++i) items.push_back({"R/t" + std::to_string(i), ""});
  auto m = MakeModel(items);
  std::vector<std::pair<int, int>> expected;  // (minute, item)
  unsigned seed = 7;
  for (int i = 1; i <= 400; ++i) {
    seed = seed * 1103515245u + 12345u;
    const int minute = static_cast<int>(seed >> 16) % 50;  // many equal times
    if (minute == 0) continue;  // left unset: never listed
    m->EditDirData(i)->SetUpdateTime(COleDateTime(2020, 1, 1, 0, minute, 0));
    expected.push_back({minute, i});
  }
  std::stable_sort(expected.begin(), expected.end(), [](auto a, auto b) { return a.first > b.first; });
  for (const int maximum : {1, 100, 1000}) {
    std::vector<const CDirData*> list;
    const size_t count = std::min(expected.size(), static_cast<size_t>(maximum));
    ASSERT_EQ(m->ListRecentUpdated(0, list, maximum), static_cast<int>(count));
    for (size_t k = 0; k < count; ++k) EXPECT_EQ(list[k], m->GetDirData(expected[k].second)) << maximum << " " << k;
  }
}
