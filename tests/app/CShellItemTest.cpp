// The outside-program list in its settings section: keys with two-digit indexes, the count first.
#include <gtest/gtest.h>

#include "foundation/CPelkoInifile.h"
#include "tests/common/TestSupport.h"
#include "app/CShellItem.h"

namespace {

TEST(CShellItemArrayTest, SavesAndLoadsEveryFieldUnderTwoDigitKeys) {
  const std::string file = kesta_test::MakeTempDir("shell") + "/k.ini";
  CPelkoInifile settings(file.c_str());
  CShellItemArray items;
  for (int i = 0; i < 11; ++i) {
    CShellItem item;
    item.m_strTitle.Format("エディタ%d", i);
    item.m_strPath = "/usr/bin/editor";
    item.m_strParam = "%e";
    item.m_strEdit = i == 10 ? "/tmp/out.txt" : "";
    item.m_bReload = i % 2;
    items.push_back(item);
  }
  items.Save(settings);
  EXPECT_EQ(std::string(settings.GetProfileString("ShellItem", "Title10", "")), "エディタ10");
  EXPECT_EQ(settings.GetProfileInt("ShellItem", "Count", 0), 11);

  CShellItemArray loaded;
  loaded.Load(settings);
  ASSERT_EQ(loaded.size(), 11u);
  EXPECT_EQ(std::string(loaded[10].m_strEdit), "/tmp/out.txt");
  EXPECT_EQ(loaded[3].m_bReload, 1);
  EXPECT_EQ(std::string(loaded[0].m_strParam), "%e");
}

}  // namespace
