#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "foundation/PathHelpers.h"
#include "tests/common/TestSupport.h"

namespace {

TEST(PathHelpers, RelativePathsBothWays) {
  struct Case {
    const char* base;
    const char* target;
    const char* relative;
  } cases[] = {
      {"/a/b/x.kvn", "/a/c/y.txt", "../c/y.txt"},
      {"/a/b/x.kvn", "/a/b/z.txt", "z.txt"},
      // Folders whose names differ in letter case alone are other folders.
      {"/a/b/x.kvn", "/A/B/w.txt", "../../A/B/w.txt"},
      {"/tmp/A/docs/d.kvn", "/tmp/A/Docs/x.txt", "../Docs/x.txt"},
      {"/a/b/x.kvn", "/a/b/c/d/y.txt", "c/d/y.txt"},
      {"/a/b/x.kvn", "/e/y.txt", "../../e/y.txt"},
      {"D:\\a\\b\\x.kvn", "D:\\a\\c\\y.txt", "../c/y.txt"},  // stored Windows paths
  };
  for (const Case& c : cases) EXPECT_EQ(MakeRelativePath(c.base, c.target), CString(c.relative)) << c.target;

  struct Resolve {
    const char* reference;
    const char* path;
  } resolves[] = {
      {"../../y.txt", "/y.txt"},
      {"../y.txt", "/a/y.txt"},
      {"../../../y.txt", "../../../y.txt"},  // climbs above the root: unchanged
      {"./img/p.png", "/a/b/img/p.png"},
      {"img/p.png", "/a/b/img/p.png"},
      {"img\\p.png", "/a/b/img/p.png"},
      {"x/../y.txt", "/a/b/x/../y.txt"},
  };
  for (const Resolve& r : resolves) {
    EXPECT_EQ(ResolveRelativePath("/a/b/x.kvn", r.reference), CString(r.path)) << r.reference;
  }
  EXPECT_EQ(ResolveRelativePath("/x.kvn", "y.txt"), CString("/y.txt"));
}

TEST(PathHelpers, FileNamesAndExtensions) {
  EXPECT_EQ(MakeValidFileName("a:b*c/d<e>f?g\\h|i"), CString("a bcdefghi"));
  EXPECT_EQ(MakeValidFileName("表\\ソ|"), CString("表ソ"));  // 表 ends in 0x5C, ソ in 0x5C as well
  EXPECT_EQ(MakeValidFileName("\\表"), CString("表"));
  EXPECT_EQ(GetFileExt("readme"), CString(""));
  EXPECT_EQ(GetFileExt("/d/v1.2/readme"), CString("2/readme"));
  EXPECT_EQ(GetFileExt("/d/a.kvn"), CString("kvn"));
  EXPECT_EQ(ReplaceFileName("/d/a.kvn", "b.txt"), CString("/d/b.txt"));
  EXPECT_EQ(ReplaceFileName("C:\\d\\a.kvn", "b.txt"), CString("C:\\d\\b.txt"));
  EXPECT_EQ(ReplaceFileName("a.kvn", "b.txt"), CString("b.txt"));
  EXPECT_EQ(IntToString(-42), CString("-42"));
}

TEST(PathHelpers, CreateDirectoryTreeMakesMissingParents) {
  const std::string root = kesta_test::MakeTempDir("tree");
  const std::string deep = root + "/x/y/z";
  EXPECT_TRUE(CreateDirectoryTree(deep.c_str()));
  EXPECT_TRUE(std::filesystem::is_directory(deep));
  EXPECT_FALSE(CreateDirectoryTree(deep.c_str()));  // already there: reported as not made
  EXPECT_FALSE(CreateDirectoryTree("q/r"));  // too short to climb to a parent
  EXPECT_FALSE(std::filesystem::exists("q"));
}

TEST(PathHelpers, PlacesComeFromThePlatform) {
  const std::string config = std::getenv("XDG_CONFIG_HOME");
  EXPECT_EQ(GetAppDataPath(), CString(config.c_str()));
  EXPECT_EQ(GetAppDataPath("Pelko"), CString((config + "/Pelko").c_str()));
  const CString file = GetAppDataPath("Pelko", "Kestavon", "kesta32.conf");
  EXPECT_EQ(file, CString((config + "/Pelko/Kestavon/kesta32.conf").c_str()));
  EXPECT_TRUE(std::filesystem::is_directory(config + "/Pelko/Kestavon"));
  EXPECT_EQ(GetTempDir().Right(1), CString("/"));
  EXPECT_EQ(GetModuleDirFile("a.txt"), GetModuleDir() + "/a.txt");
  EXPECT_EQ(GetCurrentDir(), CString(std::filesystem::current_path().c_str()));
  PumpWaitingMessages();
}

TEST(PathHelpers, StrBufferGrowsAndKeepsTheText) {
  CStrBuffer buffer;
  EXPECT_STREQ(buffer.GetData(), "");
  std::string expected;
  for (int i = 0; i < 50; ++i) {
    const std::string piece(static_cast<size_t>(i * 7 % 300), static_cast<char>('a' + i % 26));
    buffer.Append(piece.c_str());
    expected += piece;
  }
  EXPECT_EQ(std::string(buffer.GetData()), expected);
  CStrBuffer small(0);
  small.Append("x");
  small.Append("");
  EXPECT_STREQ(small.GetData(), "x");
}

}  // namespace
