#include <gtest/gtest.h>

#include "shell/CMainFrame.h"
#include "platform/desktop/MessageBox.h"

namespace {

TEST(RelativePaths, MakeRelative) {
  struct Case {
    const char* base;
    const char* target;
    const char* result;
  } cases[] = {
      {"/docs/a.kvn", "/docs/img/p.png", "img/p.png"},
      {"/docs/a.kvn", "/docs/p.png", "p.png"},
      {"/docs/sub/a.kvn", "/Docs/other/p.png", "../other/p.png"},
      {"/docs/sub/a.kvn", "/x/p.png", "../../x/p.png"},
      {"C:/docs/a.kvn", "D:/x.png", "D:/x.png"},
  };
  for (const Case& c : cases) EXPECT_EQ(CMainFrame::MakeRelativePath(c.base, c.target), CString(c.result)) << c.target;
}

TEST(RelativePaths, MakeAbsolute) {
  struct Case {
    const char* base;
    const char* relative;
    const char* result;
  } cases[] = {
      {"/docs/sub/a.kvn", "../../x.txt", "/x.txt"},
      {"/docs/sub/a.kvn", "img/p.png", "/docs/sub/img/p.png"},
      {"/docs/sub/a.kvn", "img/../x.txt", "/docs/sub/img/../x.txt"},
      {"/docs/sub/a.kvn", "/etc/x.txt", "/etc/x.txt"},
      {"/docs/sub/a.kvn", "C:/x.txt", "C:/x.txt"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CMainFrame::MakeAbsolutePath(c.base, c.relative), CString(c.result)) << c.relative;

  ScopedMessageBoxHook hook(IDOK);
  EXPECT_EQ(CMainFrame::MakeAbsolutePath("/docs/sub/a.kvn", "../../../../x.txt"), CString("../../../../x.txt"));
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(hook.Calls()[0].text, CString("相対パスが誤っています"));
}

}  // namespace
