#include <gtest/gtest.h>

#include "app/LinkFileName.h"
#include "foundation/PathHelpers.h"
#include "tests/app/TestSettingsFile.h"

namespace {

using kesta_test::Setting;
using SettingsFile = kesta_test::TestSettingsFile;

TEST(JoinPath, AddsOneSeparator) {
  EXPECT_EQ(JoinPath("/docs", "a.txt"), CString("/docs/a.txt"));
  EXPECT_EQ(JoinPath("/docs/", "a.txt"), CString("/docs/a.txt"));
  EXPECT_EQ(JoinPath("C:\\docs\\", "a.txt"), CString("C:\\docs\\a.txt"));
  EXPECT_EQ(JoinPath("/docs/ソ", "a.txt"), CString("/docs/ソ/a.txt"));  // the trail byte of ソ is "\"
}

TEST(MakeLinkFileName, NamesTheFileAfterTheTitle) {
  SettingsFile txt({{"System", "LinkExt", "*.txt"}});
  EXPECT_EQ(MakeLinkFileName(txt.Get(), "a:b*c", "/docs/outline.kvn", ""), CString("/docs/a bc.txt"));
  EXPECT_EQ(MakeLinkFileName(txt.Get(), "a:b*c", "/docs/outline.kvn", "/links/"), CString("/links/a bc.txt"));
  // Never saved: the link folder, else the current folder.
  EXPECT_EQ(MakeLinkFileName(txt.Get(), "x", "無題", "/links"), CString("/links/x.txt"));
  EXPECT_EQ(MakeLinkFileName(txt.Get(), "x", "", ""), JoinPath(GetCurrentDir(), "x.txt"));

  SettingsFile defaults({});
  EXPECT_EQ(MakeLinkFileName(defaults.Get(), "メモ", "/docs/outline.kvn", ""), CString("/docs/メモ.kvn"));
  SettingsFile bare({{"System", "LinkExt", "html"}});
  EXPECT_EQ(MakeLinkFileName(bare.Get(), "p", "/docs/outline.kvn", ""), CString("/docs/p.html"));

  SettingsFile relative({{"System", "LinkNewAbsolute", "0"}, {"System", "LinkExt", "*.txt"}});
  EXPECT_EQ(MakeLinkFileName(relative.Get(), "n", "/d/a/outline.kvn", "/d/b"), CString("../b/n.txt"));
  EXPECT_EQ(MakeLinkFileName(relative.Get(), "n", "/d/a/outline.kvn", ""), CString("n.txt"));
  EXPECT_EQ(MakeLinkFileName(relative.Get(), "n", "無題", "/d/b"), CString("/d/b/n.txt"));
}

}  // namespace
