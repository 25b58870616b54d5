#include <gtest/gtest.h>

#include <wx/menu.h>

#include "platform/framework/CWinApp.h"
#include "model/BookmarkFileList.h"
#include "tests/common/TestSupport.h"

TEST(BookmarkFileList, LoadSaveFindAndMenu) {
  const std::string dir = kesta_test::MakeTempDir("bookmarks");
  const std::string conf = dir + "/kesta32.conf";
  kesta_test::WriteBytes(conf, "[Bookmark]\r\nCount=3\r\nname0=D:\\docs\\a.kvn\r\nname1=/home/u/b.kvn\r\n");
  const kesta_test::ScopedSettingsFile settings(conf);
  BookmarkFileList list;
  list.Load();
  ASSERT_EQ(list.GetSize(), 3);
  EXPECT_EQ(list.GetDisplayName(0), "a.kvn");
  EXPECT_EQ(list.GetDisplayName(1), "b.kvn");
  EXPECT_EQ(list.GetDisplayName(2), "");  // a missing name stays as an empty entry
  EXPECT_EQ(list.Find("d:\\DOCS\\A.KVN"), 0);
  EXPECT_EQ(list.Find("none"), -1);
  list.Swap(0, 1);
  list.Save();
  BookmarkFileList again;
  again.Load();
  EXPECT_EQ(again.GetAt(0), "/home/u/b.kvn");

  BookmarkFileList many;
  for (int i = 0; i < 60; ++i) many.Add(("/d/f" + std::to_string(i) + ".kvn").c_str());
  // The program's command ids lie above wx's own id range, which wx asserts on; the items work.
  const wxAssertHandler_t previous = wxSetAssertHandler(nullptr);
  wxMenu menu;
  menu.Append(0x81D6, "other");
  menu.Append(0x81FF, "next block");
  many.AppendToMenu(&menu);
  many.AppendToMenu(&menu);  // the menu opens again
  EXPECT_EQ(menu.GetMenuItemCount(), 42u);
  EXPECT_NE(menu.FindItem(0x81FE), nullptr);
  EXPECT_EQ(menu.FindItem(0x81FF)->GetItemLabelText(), "next block");
  EXPECT_EQ(menu.FindItem(0x81D7)->GetItemLabelText(), "f0.kvn");
  wxSetAssertHandler(previous);
}
