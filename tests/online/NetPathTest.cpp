#include "model/NetPath.h"

#include <gtest/gtest.h>

#include "online/CRecentNetFileList.h"

TEST(NetPathTest, NetPathsAndTheirParts) {
  const struct {
    const char* path;
    BOOL net;
    BOOL unstored;
    const char* id;
    const char* title;
  } cases[] = {
      {"net:;Memo", TRUE, TRUE, "", "Memo"},
      {"net:42;a;b", TRUE, FALSE, "42", "a;b"},
      {"NET:1;a", FALSE, FALSE, "1", "a"},
      {"/home/net:1;a", FALSE, FALSE, "1", "a"},
      {"net:7", TRUE, FALSE, "", "net:7"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsNetFilePath(c.path), c.net) << c.path;
    EXPECT_EQ(IsUnstoredNetPath(c.path), c.unstored) << c.path;
    EXPECT_EQ(GetNetFileId(c.path), c.id) << c.path;
    EXPECT_EQ(GetNetFileTitle(c.path), c.title) << c.path;
  }
  EXPECT_EQ(MakeNetPath("42", "a;b"), "net:42;a;b");
}

TEST(NetPathTest, RecentListKeepsNetPathsAndShowsTheirTitles) {
  CRecentNetFileList list(0, "Recent File List", "File%d", 4, 30);
  list.Add("net:42;A long title that is never abbreviated at all");
  list.Add("net:7;Memo & more");
  list.Add("NET:42;a long title that is never abbreviated at all");  // a file path, made absolute
  list.Add("net:42;A LONG TITLE THAT IS NEVER ABBREVIATED AT ALL");
  EXPECT_EQ(list[0], "net:42;A LONG TITLE THAT IS NEVER ABBREVIATED AT ALL");
  EXPECT_EQ(list[2], "net:7;Memo & more");
  EXPECT_TRUE(list[3].IsEmpty());
  CString name;
  ASSERT_TRUE(list.GetDisplayName(name, 0, "/", 1));
  EXPECT_EQ(name, "A LONG TITLE THAT IS NEVER ABBREVIATED AT ALL");
  EXPECT_FALSE(list.GetDisplayName(name, 3, "/", 1));
  // A net path longer than a path buffer holds is cut.
  list.Add(("net:1;" + std::string(300, 'x')).c_str());
  EXPECT_EQ(list[0].GetLength(), kMaxNetPath);
}
