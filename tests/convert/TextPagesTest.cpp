// Text pages and text folders: the folder layout of an outline, overwriting, titles that are no
// plain file names, and folders that cannot be made.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "convert/TextPages.h"
#include "foundation/PathHelpers.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/convert/ExportFixture.h"
#include "tests/model/ModelTestSupport.h"

using export_test::ExportTest;
using export_test::MakeOutline;
using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

namespace {

// Every file below the folder as "relative path=content" (Shift JIS names), folders as "dir/".
std::set<std::string> Layout(const std::string& folder) {
  std::set<std::string> out;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string relative = UTF8ToCP932(std::filesystem::relative(entry.path(), folder).string()).str();
    out.insert(entry.is_directory() ? relative + "/" : relative + "=" + ReadBytes(entry.path().string()));
  }
  return out;
}

class TextPagesTest : public ExportTest {
 protected:
  std::string Folder(const char* name) {
    const std::string folder = m_dir + "/" + name;
    std::filesystem::create_directories(folder);
    return folder;
  }
};

TEST_F(TextPagesTest, TheFolderLayoutMirrorsTheOutline) {
  auto tree = MakeOutline({{"本", "序文"}, {"本/第1章", "章の話"}, {"本/第1章/節a", "a\r\nb"}, {"本/第1章/節:b", ""},
                           {"本/第2章", ""}, {"本/第2章/c", "c"}, {"本/付録", "z"}});
  const std::string folder = Folder("pages");
  const std::string cwd = GetCurrentDir().str();
  EXPECT_EQ(ExportTextPages(*tree, 0, folder.c_str(), 1), 1);
  const std::set<std::string> expected = {
      "本.txt=本\r\n\r\n序文",
      "本/",
      "本/第1章.txt=第1章\r\n\r\n章の話",
      "本/第1章/",
      "本/第1章/節a.txt=節a\r\n\r\na\r\nb",
      "本/第1章/節 b.txt=節:b\r\n\r\n",
      "本/第2章/",
      "本/第2章/c.txt=c\r\n\r\nc",
      "本/付録.txt=付録\r\n\r\nz",
  };
  EXPECT_EQ(Layout(folder), expected);
  EXPECT_EQ(GetCurrentDir().str(), cwd);

  // Without the top folder, and without texts of parents, in the subtree of 第1章 only.
  AfxWriteProfileInt("TextPage", "ParentText", 0);
  AfxWriteProfileInt("TextPage", "Title", 0);
  AfxWriteProfileString("TextPage", "Ext", "md");
  const std::string sub = Folder("sub");
  EXPECT_EQ(ExportTextPages(*tree, 1, sub.c_str(), 0), 1);
  EXPECT_EQ(Layout(sub), (std::set<std::string>{"節a.md=a\r\nb", "節 b.md="}));
}

TEST_F(TextPagesTest, OverwriteZeroKeepsAnExistingFile) {
  auto tree = MakeOutline({{"t", ""}, {"t/a", "new"}, {"t/a", "second"}});
  const std::string folder = Folder("keep");
  WriteBytes(folder + "/a.txt", "old");
  AfxWriteProfileInt("TextPage", "Overwrite", 0);
  EXPECT_EQ(WriteTextPage(*tree, 1, folder.c_str(), nullptr, "txt"), 0);
  EXPECT_EQ(ReadBytes(folder + "/a.txt"), "old");
  AfxWriteProfileInt("TextPage", "Overwrite", 1);
  ExportTextPages(*tree, 0, folder.c_str(), 0);
  EXPECT_EQ(ReadBytes(folder + "/a.txt"), "a\r\n\r\nsecond");
}

TEST_F(TextPagesTest, TitlesNeverLeadOutOfTheFolder) {
  auto tree = MakeOutline({{"t", ""}, {"t/..", ""}, {"t/../x", "inside"}, {"t/a..", "y"}});
  const std::string top = Folder("outer");
  const std::string folder = Folder("outer/pages");
  ExportTextPages(*tree, 0, folder.c_str(), 0);
  EXPECT_FALSE(std::filesystem::exists(top + "/x.txt"));
  EXPECT_EQ(Layout(top), (std::set<std::string>{"pages/", "pages/_../", "pages/_../x.txt=x\r\n\r\ninside",
                                                "pages/a...txt=a..\r\n\r\ny"}));
}

TEST_F(TextPagesTest, AFolderThatCannotBeMadeStopsTheExport) {
  auto tree = MakeOutline({{"t", ""}, {"t/a", ""}, {"t/a/b", "b"}, {"t/c", "c"}});
  const std::string folder = Folder("blocked");
  WriteBytes(folder + "/a", "a file where the folder would go");
  model_test::MessageRecorder messages;
  EXPECT_EQ(ExportTextPages(*tree, 0, folder.c_str(), 0), 0);
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "フォルダが作れません:" + folder + "/a");
  EXPECT_FALSE(std::filesystem::exists(folder + "/b.txt"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/c.txt"));
}

// The files are written straight at their names: one that cannot be (a read-only file, a folder
// standing there) is named in one message that says the export is incomplete, and the others are
// still written.
TEST_F(TextPagesTest, AFileThatCannotBeWrittenIsNamedAndTheExportIsIncomplete) {
  auto tree = MakeOutline({{"t", ""}, {"t/a", "a"}, {"t/b", "b"}, {"t/c", "c"}, {"t/d", "d"}});
  const std::string folder = Folder("failing");
  WriteBytes(folder + "/b.txt", "old");
  std::filesystem::permissions(folder + "/b.txt", std::filesystem::perms::owner_read);
  std::filesystem::create_directories(folder + "/c.txt");
  model_test::MessageRecorder messages;
  EXPECT_EQ(ExportTextPages(*tree, 0, folder.c_str(), 0), 0);
  EXPECT_EQ(messages.texts,
            std::vector<std::string>{"ファイル書き込みが出来ません:" + folder + "/b.txt\n出力が完了していません。"});
  EXPECT_EQ(ReadBytes(folder + "/b.txt"), "old");
  EXPECT_EQ(ReadBytes(folder + "/a.txt"), "a\r\n\r\na");
  EXPECT_EQ(ReadBytes(folder + "/d.txt"), "d\r\n\r\nd");
  std::filesystem::permissions(folder + "/b.txt", std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

}  // namespace
