// The tree pane's insert and split commands as the outline window's frame runs them on the model.
#include <filesystem>
#include <string>
#include <vector>

#include "shell/TreeInsertCommands.h"
#include "model/ATREE.h"
#include "platform/base/CString.h"
#include "platform/desktop/MessageBox.h"
#include "tests/shell/AppFixture.h"
#include "tests/common/TestSupport.h"

namespace app_test {
namespace {

namespace fs = std::filesystem;
using kesta_test::WriteBytes;

class TreeInsertTest : public AppTest {
 protected:
  ATREE* OpenSample() {
    if (!Start({SampleCopy("trip.kvn")})) return nullptr;
    return &Documents().back()->GetTree();
  }
  // The own titles of the children of an item, in order.
  static std::vector<std::string> Children(const ATREE& tree, int parent) {
    std::vector<std::string> names;
    for (int i = parent + 1; i < tree.GetNextSibling(parent, TRUE); ++i)
      if (tree.GetParent(i) == parent) names.push_back(tree.GetName(i).str());
    return names;
  }
};

TEST(TitleOfFileTest, TheNameUpToItsLastDot) {
  EXPECT_EQ(TitleOfFile("/d/notes.txt").str(), "notes");
  EXPECT_EQ(TitleOfFile("/d/a.b.txt").str(), "a.b");
  EXPECT_EQ(TitleOfFile("/d.x/README").str(), "README");
  EXPECT_EQ(TitleOfFile("/d/.txt").str(), "");
}

TEST_F(TreeInsertTest, TextFilesBecomeTreesInReverseOrderWithoutControlBytes) {
  ATREE* tree = OpenSample();
  ASSERT_NE(tree, nullptr);
  const std::vector<CString> paths = {MakeFile("a.txt", "A\x01x\x05y\r\n").c_str(),
                                      MakeFile("b.txt", "B").c_str(), (m_dir + "/missing.txt").c_str(),
                                      MakeFile("README", "C").c_str()};
  // Under a tree that is not the top tree: siblings after its subtree.
  const int current = 1;
  const int parent = tree->GetParent(current);
  std::vector<std::string> expected = Children(*tree, parent);
  const size_t at = std::find(expected.begin(), expected.end(), tree->GetName(current).str()) - expected.begin();
  expected.insert(expected.begin() + static_cast<long>(at) + 1, {"README", "b", "a"});
  // The item the document selects first says nothing about the texts.
  tree->GetProperties().m_nFirstLine = 2;
  EXPECT_EQ(InsertFileTrees(*tree, current, paths, false), 3);
  tree->MakeTreeData();
  EXPECT_EQ(Children(*tree, parent), expected);
  const int a = tree->FindName("a");
  ASSERT_GE(a, 0);
  EXPECT_EQ(tree->GetText(a).str(), "Axy\r\n");

  // Under the top tree: its last children, also reversed, with the title as first line once.
  tree->GetProperties().m_bAutoTitle = 1;
  EXPECT_EQ(InsertFileTrees(*tree, 0, {paths[0], paths[1]}, false), 2);
  tree->MakeTreeData();
  std::vector<std::string> top = Children(*tree, 0);
  ASSERT_GE(top.size(), 2u);
  EXPECT_EQ(top[top.size() - 2], "b");
  EXPECT_EQ(top.back(), "a");
  EXPECT_EQ(tree->GetText(tree->GetDirDataCount() - 1).str(), "a\r\nAxy\r\n");
}

TEST_F(TreeInsertTest, LinkFilesLinkToTheFileOrTheShortcutsAddress) {
  ATREE* tree = OpenSample();
  ASSERT_NE(tree, nullptr);
  const std::string plain = MakeFile("plan.pdf", "%PDF");
  const std::string shortcut = MakeFile("site.URL", "[InternetShortcut]\r\nURL=https://example.com/\r\n");
  const int before = tree->GetDirDataCount();
  EXPECT_EQ(InsertFileTrees(*tree, 0, {plain.c_str(), shortcut.c_str()}, true), 2);
  tree->MakeTreeData();
  ASSERT_EQ(tree->GetDirDataCount(), before + 2);
  EXPECT_EQ(tree->GetName(before).str(), "site");
  EXPECT_EQ(tree->GetLink(before).str(), "https://example.com/");
  EXPECT_EQ(tree->GetName(before + 1).str(), "plan");
  EXPECT_EQ(tree->GetLink(before + 1).str(), plain);
  EXPECT_EQ(tree->GetText(before + 1).str(), "");
}

TEST_F(TreeInsertTest, InsertedOutlineIsReadWithoutLeavingALock) {
  Setting("System", "SharedFile", "1");
  ATREE* tree = OpenSample();
  ASSERT_NE(tree, nullptr);
  const std::string other = SampleCopy("other.kvn");
  CString records;
  ASSERT_TRUE(ReadInsertRecords(other.c_str(), 0, false, records));
  EXPECT_FALSE(records.IsEmpty());
  for (const auto& entry : fs::directory_iterator(m_dir))
    EXPECT_EQ(entry.path().string().find("other.kvn.lock"), std::string::npos) << entry.path();
  CString children;
  ASSERT_TRUE(ReadInsertRecords(other.c_str(), 0, true, children));
  EXPECT_LT(children.GetLength(), records.GetLength());
  EXPECT_FALSE(ReadInsertRecords((m_dir + "/none.kvn").c_str(), 0, false, records));
}

TEST_F(TreeInsertTest, SplitMovesTheChildrenIntoTheNewFileAndLinksIt) {
  ATREE* tree = OpenSample();
  ASSERT_NE(tree, nullptr);
  const int current = 1;
  ASSERT_TRUE(tree->HasChildren(current));
  const int count = tree->GetDirDataCount();
  const int size = tree->GetNextSibling(current, TRUE) - current;
  const CString title = tree->GetName(current);

  // A file that cannot be written keeps the children.
  {
    ScopedMessageBoxHook quiet(IDOK);
    EXPECT_FALSE(SplitTreeToFile(*tree, current, (m_dir + "/no/such/part.kvn").c_str()));
  }
  EXPECT_EQ(tree->GetDirDataCount(), count);
  EXPECT_EQ(tree->GetLink(current).str(), "");

  const std::string path = m_dir + "/part.kvn";
  ASSERT_TRUE(SplitTreeToFile(*tree, current, path.c_str()));
  EXPECT_EQ(tree->GetDirDataCount(), count - size + 1);
  EXPECT_EQ(tree->GetLink(current).str(), path);
  ATREE part;
  ASSERT_GE(part.OpenFile(path.c_str(), 0, 0), 0);
  EXPECT_EQ(part.GetDirDataCount(), size);
  EXPECT_EQ(part.GetName(0).str(), title.str());

  // A leaf gives a one-tree file.
  const int leaf = tree->GetDirDataCount() - 1;
  ASSERT_FALSE(tree->HasChildren(leaf));
  const std::string leafPath = m_dir + "/leaf.kvn";
  ASSERT_TRUE(SplitTreeToFile(*tree, leaf, leafPath.c_str()));
  ATREE one;
  ASSERT_GE(one.OpenFile(leafPath.c_str(), 0, 0), 0);
  EXPECT_EQ(one.GetDirDataCount(), 1);
  EXPECT_EQ(tree->GetLink(leaf).str(), leafPath);
}

}  // namespace
}  // namespace app_test
