// Outlines built from folder trees: which files become items and how, hidden entries, outline
// documents taken over, unreadable files, and the folder mode of the model's open operation.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "convert/ConverterReaders.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "tests/common/TestSupport.h"
#include "tests/convert/SlashedPath.h"

using kesta_test::MakeTempDir;
using kesta_test::WriteBytes;

namespace {

// The folder-import settings in a private settings file, for one test.
class FolderImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_conf = MakeTempDir("conf") + "/kesta32.ini";
    m_settings = std::make_unique<kesta_test::ScopedSettingsFile>(m_conf);
  }
  void TearDown() override { m_settings.reset(); }
  void Options(const char* ext, int extName, int otherLink) {
    AfxWriteProfileString("FolderImport", "Ext", ext);
    AfxWriteProfileInt("FolderImport", "ExtName", extName);
    AfxWriteProfileInt("FolderImport", "OtherLink", otherLink);
  }
  std::string m_conf;
  std::unique_ptr<kesta_test::ScopedSettingsFile> m_settings;
  Installed<CConverterReaders, IOutlineReaders> m_readers;
};

// Each item as "path=text" or "path>link", '/' standing for the level separator.
std::vector<std::string> Dump(const ATREE& model) {
  std::vector<std::string> out;
  for (int i = 0; i < model.GetDirDataCount(); ++i) {
    const CDirData* item = model.GetDirData(i);
    const std::string field = item->m_strLink.IsEmpty() ? "=" + item->m_strText.str() : ">" + item->m_strLink.str();
    out.push_back(SlashedPath(model, i) + field);
  }
  return out;
}

// a.txt, b.MD, c.log, README (no extension), a hidden file and folder, a sub-folder notes.old.
std::string MakeSampleFolder() {
  const std::string top = MakeTempDir("import") + "/top";
  std::filesystem::create_directories(top + "/notes.old");
  std::filesystem::create_directories(top + "/.git");
  WriteBytes(top + "/a.txt", "alpha\r\n");
  WriteBytes(top + "/b.MD", "# beta\n");
  WriteBytes(top + "/c.log", "log");
  WriteBytes(top + "/README", "read me");
  WriteBytes(top + "/.hidden.txt", "hidden");
  WriteBytes(top + "/.git/config.txt", "hidden too");
  WriteBytes(top + "/notes.old/x.txt", "x");
  WriteBytes(top + "/notes.old/.y.txt", "hidden below");
  return top;
}

TEST_F(FolderImportTest, OptionsChooseTheFilesAndTheirTitles) {
  const std::string top = MakeSampleFolder();
  struct Case {
    const char* ext;
    int extName;
    int otherLink;
    std::vector<std::string> items;
  } cases[] = {
      {"txt;MD", 0, 0, {"top=", "top/a=alpha\r\n", "top/b=# beta\n", "top/notes=", "top/notes/x=x"}},
      {";;txt;;md;", 1, 0, {"top=", "top/a.txt=alpha\r\n", "top/b.MD=# beta\n", "top/notes=", "top/notes/x.txt=x",
                                "top/README=read me"}},
      {"txt;md",
       0,
       1,
       {"top=", "top/a=alpha\r\n", "top/b=# beta\n", "top/c>" + top + "/c.log", "top/notes=", "top/notes/x=x",
        "top/README>" + top + "/README"}},
      {"", 0, 0, {"top=", "top/a=alpha\r\n", "top/b=# beta\n", "top/c=log", "top/notes=", "top/notes/x=x",
                  "top/README=read me"}},
      {"log", 0, 0, {"top=", "top/c=log", "top/notes="}},
  };
  for (const Case& c : cases) {
    Options(c.ext, c.extName, c.otherLink);
    ATREE model;
    EXPECT_EQ(model.OpenFile(top.c_str(), 2, 1), static_cast<int>(c.items.size())) << c.ext;
    EXPECT_EQ(Dump(model), c.items) << c.ext;
    EXPECT_EQ(model.GetRows().GetTreeDataCount(), static_cast<int>(c.items.size())) << "rows are built";
  }
}

TEST_F(FolderImportTest, ContentIsKeptByteForByteUpToAZeroByte) {
  Options("txt", 0, 0);
  const std::string top = MakeTempDir("import") + "/bytes";
  std::filesystem::create_directories(top);
  WriteBytes(top + "/mixed.txt", std::string("one\r\ntwo\nthree\r\x81\x40\0after", 22));
  ATREE model;
  ASSERT_EQ(model.OpenFile(top.c_str(), 2, 1), 2);
  EXPECT_EQ(model.GetText(1).str(), std::string("one\r\ntwo\nthree\r\x81\x40"));
}

TEST_F(FolderImportTest, OutlineDocumentsAreTakenOverUnderTheirOwnFolder) {
  Options("txt;kvn", 0, 0);
  const std::string top = MakeTempDir("import") + "/docs";
  std::filesystem::create_directories(top + "/sub");
  std::filesystem::create_directories(top + "/suba");
  WriteBytes(top + "/a.txt", "a");
  // Sorted after a.txt: the outline's items follow item a on its level.
  WriteBytes(top + "/b.kvn", "\x08\r\n\x08\r\nDoc\x05" "0\x06" "1\x07" "0\r\nDoc\x01" "Child\x05" "0\r\n");
  WriteBytes(top + "/sub/c.txt", "c");
  // An outline that is its folder's first entry, with more entries after it.
  WriteBytes(top + "/suba/a.kvn",
             "\x08\r\n\x08\r\nInner\x05"
             "0\r\nInner\x01"
             "Leaf\x05"
             "0\r\n");
  WriteBytes(top + "/suba/subb.txt", "b");
  // Shared files: an imported outline is only read, so it is neither locked nor refused.
  AfxWriteProfileInt("System", "SharedFile", 1);
  WriteBytes(top + "/sub/d.kvn", "\x08\r\n\x08\r\nLocked\x05" "0\r\n");
  WriteBytes(top + "/sub/d.kvn.lock", "2024/01/01 00:00\r\nother\r\n\r\n");
  ATREE model;
  ScopedMessageBoxHook messages(IDOK);
  ASSERT_GT(model.OpenFile(top.c_str(), 2, 1), 0);
  EXPECT_EQ(Dump(model),
            (std::vector<std::string>{
                "docs=", "docs/a=a", "docs/Doc=", "docs/Doc/Child=", "docs/sub=", "docs/sub/c=c",
                "docs/sub/Locked=", "docs/suba=", "docs/suba/Inner=", "docs/suba/Inner/Leaf=", "docs/suba/subb=b"}));
  EXPECT_FALSE(std::filesystem::exists(top + "/b.kvn.lock"));
  EXPECT_TRUE(messages.Calls().empty());

  // The top folder's first entry an outline: it goes below the top item, which stays the only one.
  const std::string first = MakeTempDir("import") + "/first";
  std::filesystem::create_directories(first);
  WriteBytes(first + "/a.kvn",
             "\x08\r\n\x08\r\nDoc\x05"
             "0\r\n");
  WriteBytes(first + "/b.txt", "b");
  ATREE firstModel;
  ASSERT_GT(firstModel.OpenFile(first.c_str(), 2, 1), 0);
  EXPECT_EQ(Dump(firstModel), (std::vector<std::string>{"first=", "first/Doc=", "first/b=b"}));
}

TEST_F(FolderImportTest, AnUnreadableFileEndsOnlyItsOwnFolder) {
  Options("txt", 0, 0);
  const std::string top = MakeTempDir("import") + "/walk";
  std::filesystem::create_directories(top + "/inner");
  WriteBytes(top + "/inner/a.txt", "a");
  WriteBytes(top + "/inner/c.txt", "c");
  WriteBytes(top + "/z.txt", "z");
  // A socket cannot be opened as a file, even by the superuser.
  const std::string socketPath = top + "/inner/b.txt";
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

  ScopedMessageBoxHook messages(IDOK);
  ATREE model;
  EXPECT_GT(model.OpenFile(top.c_str(), 2, 1), 0);
  close(fd);
  ASSERT_EQ(messages.Calls().size(), 1u);
  EXPECT_EQ(std::string(messages.Calls()[0].text), "ファイルのオープンに失敗しました:" + socketPath);
  EXPECT_EQ(Dump(model), (std::vector<std::string>{"walk=", "walk/inner=", "walk/inner/a=a", "walk/z=z"}));
}

TEST_F(FolderImportTest, FolderModeNamesTheTopAfterTheFolderAndNeverLocks) {
  Options("txt", 0, 0);
  AfxWriteProfileInt("System", "SharedFile", 1);
  const std::string base = MakeTempDir("import");
  const std::string top = base + "/トップ";
  std::filesystem::create_directories(CP932ToUTF8(top) + "/loop");
  // A link back to the folder it lies in adds its item but is not walked again.
  std::filesystem::create_directory_symlink("..", CP932ToUTF8(top) + "/loop/back");
  WriteBytes(CP932ToUTF8(top + "/メモ.txt"), "m");
  // A name the outline's code page cannot hold is read all the same.
  WriteBytes(CP932ToUTF8(top) + "/\xF0\x9F\x98\x80.txt", "smile");
  struct Case {
    std::string path;
    const char* rootTitle;
  } cases[] = {{top, "トップ"}, {top + "/", "トップ"}, {base + "/missing", "missing"}};
  for (const Case& c : cases) {
    ScopedMessageBoxHook messages(IDOK);
    ATREE model;
    ASSERT_GT(model.OpenFile(c.path.c_str(), 2, 1), 0) << c.path;
    EXPECT_EQ(model.GetTitle(0).str(), c.rootTitle);
    EXPECT_TRUE(messages.Calls().empty()) << "no read-only notice, no message";
    EXPECT_FALSE(model.IsReadOnly());
  }
  ATREE model;
  model.OpenFile(top.c_str(), 2, 1);
  EXPECT_EQ(Dump(model), (std::vector<std::string>{"トップ=", "トップ/loop=", "トップ/loop/back=", "トップ/メモ=m",
                                                    "トップ/?=smile"}));
}

}  // namespace
