// What start-up loads besides the documents: the key table with the built-in bindings and the
// customisable commands, the line-breaking settings, the bookmarked files and the outside programs;
// and what the end of the run writes back.
#include <algorithm>

#include "app/CKinsokuSettings.h"
#include "app/KeyCommandList.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/PrivateProfile.h"
#include "platform/desktop/VirtualKeys.h"
#include "tests/shell/AppFixture.h"

namespace app_test {
namespace {

TEST_F(AppTest, StartUpLoadsKeyTableListsAndLineBreakingSettings) {
  Setting("System", "KeycustWrila", "1");
  Setting("Bookmark", "Count", "1");
  Setting("Bookmark", "name0", "/tmp/a.kvn");
  Setting("ShellItem", "Count", "1");
  Setting("ShellItem", "Title00", "less");
  Setting("ShellItem", "Path00", "/usr/bin/less");
  Setting("ShellItem", "Reload00", "1");
  Setting("Print", "KinsokuFirst", "!?");
  ASSERT_TRUE(Start());

  CAppKeyTable& keys = m_app->m_keyTable;
  EXPECT_EQ(keys.GetCommandIds().size(), 183u);
  EXPECT_EQ(std::string(keys.GetCommandName(0x804D)), "[表示]ツリー/テキスト編集");
  EXPECT_EQ(keys.GetKeyTable().LookupCommand(VK_F4, 0, 0, 1), 0xE102u);
  EXPECT_EQ(keys.GetKeyTable().LookupCommand(VK_INSERT, 0, 0, 0), 0x8216u);
  EXPECT_EQ(m_app->m_bKeycustWrila, 1);

  ASSERT_EQ(m_app->m_bookmarkFiles.GetSize(), 1);
  EXPECT_EQ(std::string(m_app->m_bookmarkFiles.GetAt(0)), "/tmp/a.kvn");
  EXPECT_EQ(std::string(GetKinsokuSettings().m_strKinsokuFirst), "!?");
  ASSERT_EQ(m_app->m_shellItems.size(), 1u);
  EXPECT_EQ(std::string(m_app->m_shellItems[0].m_strPath), "/usr/bin/less");
  EXPECT_EQ(m_app->m_shellItems[0].m_bReload, 1);
  Stop();
  // The line-breaking settings go back to the settings file at the end of the run.
  EXPECT_FALSE(Profile(m_conf, "Print", "KinsokuLast").empty());
}

TEST(KeyCommandListTest, OneCommandMayStandUnderTwoNames) {
  const auto& commands = GetCustomisableCommands();
  ASSERT_EQ(commands.size(), 183u);
  EXPECT_EQ(commands.front().id, 0xE100u);
  EXPECT_EQ(commands.back().id, 0xE140u);
  EXPECT_EQ(std::count_if(commands.begin(), commands.end(), [](const auto& c) { return c.id == 0x8005; }), 2);
}


void SendToApp(CKestavonApp& app, int id) {
  wxCommandEvent event(wxEVT_MENU, id);
  app.ProcessEventLocally(event);
}

TEST_F(AppTest, BookmarkCommandsOpenTheirFileAndRecentRemovalNeedsAList) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  Setting("System", "MRU", "0");
  Setting("Bookmark", "Count", "2");
  Setting("Bookmark", "name0", a.c_str());
  Setting("Bookmark", "name1", b.c_str());
  ASSERT_TRUE(Start());
  const size_t before = Documents().size();
  SendToApp(*m_app, 0x81D7 + 1);
  ASSERT_EQ(Documents().size(), before + 1);
  EXPECT_EQ(std::string(Documents().back()->GetPathName()), b);
  SendToApp(*m_app, 0x81D7 + 2);  // past the list's end: nothing
  EXPECT_EQ(Documents().size(), before + 1);

  ScopedMessageBoxHook hook(IDOK);
  SendToApp(*m_app, 0x81CB);
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_GE(hook.Calls()[0].text.Find("最近使ったファイル"), 0);
}

}  // namespace
}  // namespace app_test
