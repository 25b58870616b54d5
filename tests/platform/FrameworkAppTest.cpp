// The application object: life cycle, idle time, profile functions, the recent-file list and the
// wait cursor.
#include <wx/menu.h>
#include <wx/utils.h>

#include <filesystem>

#include "platform/framework/CCommandLineInfo.h"
#include "platform/framework/CRecentFileList.h"
#include "platform/desktop/CWaitCursor.h"
#include "tests/platform/FrameworkFixture.h"

namespace framework_test {
namespace {

class LifeCycleApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    m_calls.push_back("init");
    return m_initResult;
  }
  int ExitInstance() override {
    m_calls.push_back("exit");
    CWinApp::ExitInstance();
    return 3;
  }
  BOOL OnIdle(LONG count) override {
    m_idleCounts.push_back(count);
    return count < 2;  // two more rounds, then rest
  }
  BOOL m_initResult = TRUE;
  std::vector<std::string> m_calls;
  std::vector<LONG> m_idleCounts;
};

TEST(FrameworkAppTest, LifeCycleRunsInitIdleAndExitOnce) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  LifeCycleApp app;
  EXPECT_EQ(AfxGetApp(), &app);
  ASSERT_TRUE(app.Startup({"a b.kvn", "-J3"}));
  EXPECT_EQ(std::string(app.m_lpCmdLine), "\"a b.kvn\" -J3");
  ASSERT_EQ(app.m_argv.size(), 2u);

  // Idle time is asked for while the handler wants more, counting up, and starts over after.
  while (wxTheApp->ProcessIdle()) {
  }
  wxTheApp->ProcessIdle();
  EXPECT_EQ(app.m_idleCounts, (std::vector<LONG>{0, 1, 2, 0}));

  EXPECT_EQ(app.Shutdown(), 3);
  EXPECT_EQ(app.Shutdown(), 0);  // only once
  EXPECT_EQ(app.m_calls, (std::vector<std::string>{"init", "exit"}));
  wxTheApp->ProcessIdle();
  EXPECT_EQ(app.m_idleCounts.size(), 4u);  // no idle time after the end
}

TEST(FrameworkAppTest, RefusedStartRunsExitInstance) {
  LifeCycleApp app;
  app.m_initResult = FALSE;
  EXPECT_FALSE(app.Startup({}));
  EXPECT_EQ(app.m_calls, (std::vector<std::string>{"init", "exit"}));
  EXPECT_EQ(app.GetExitCode(), 3);
}

TEST(FrameworkAppTest, ProfileFunctionsReadAndWriteTheSettingsFile) {
  CWinApp app("Test");
  EXPECT_EQ(app.GetProfileInt("System", "MRU", 5), 5);  // no settings file chosen yet
  EXPECT_FALSE(app.WriteProfileInt("System", "MRU", 4));
  app.m_pszProfileName = (kesta_test::MakeTempDir("profile") + "/kesta32.conf").c_str();

  EXPECT_TRUE(app.WriteProfileInt("System", "MRU", -3));
  EXPECT_TRUE(app.WriteProfileString("System", "IniFile", "/home/u/a b.kvn"));
  EXPECT_EQ(app.GetProfileInt("system", "mru", 5), -3);
  EXPECT_EQ(std::string(app.GetProfileString("System", "IniFile", "")), "/home/u/a b.kvn");
  EXPECT_EQ(std::string(app.GetProfileString("System", "Missing", "dflt")), "dflt");
  EXPECT_EQ(std::string(app.GetProfileString("System", "Missing")), "");
  EXPECT_NE(kesta_test::ReadBytes(app.m_pszProfileName.GetString()).find("MRU=-3\r\n"), std::string::npos);

  EXPECT_TRUE(app.WriteProfileString("System", "IniFile", nullptr));
  EXPECT_EQ(std::string(app.GetProfileString("System", "IniFile", "gone")), "gone");
  EXPECT_TRUE(app.WriteProfileString("System", nullptr, nullptr));
  EXPECT_EQ(app.GetProfileInt("System", "MRU", 5), 5);
}

class RecentFileListTest : public ::testing::Test {
 protected:
  void SetUp() override { m_app.m_pszProfileName = (kesta_test::MakeTempDir("mru") + "/kesta32.conf").c_str(); }
  std::vector<std::string> Entries(CRecentFileList& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.GetSize(); ++i) names.emplace_back(list[i]);
    return names;
  }
  CWinApp m_app{"Test"};
};

TEST_F(RecentFileListTest, AddMovesAnEntryToTheTopAndRemoveClosesTheGap) {
  CRecentFileList list(0, "Recent File List", "File%d", 3);
  for (const char* path : {"/d/a.kvn", "/d/b.kvn", "/d/c.kvn", "/d/a.kvn", "/d/x/../d.kvn"}) list.Add(path);
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"/d/d.kvn", "/d/a.kvn", "/d/c.kvn"}));
  list.Remove(0);
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"/d/a.kvn", "/d/c.kvn", ""}));
}

TEST_F(RecentFileListTest, ListRoundTripsThroughTheSettingsFileWithoutStaleKeys) {
  CRecentFileList list(0, "Recent File List", "File%d", 4);
  list.Add("/d/a.kvn");
  list.Add("/d/b.kvn");
  m_app.WriteProfileString("Recent File List", "File3", "/d/stale.kvn");
  list.WriteList();
  EXPECT_EQ(std::string(m_app.GetProfileString("Recent File List", "File1", "")), "/d/b.kvn");
  EXPECT_EQ(std::string(m_app.GetProfileString("Recent File List", "File3", "none")), "none");
  CRecentFileList again(0, "Recent File List", "File%d", 4);
  again.ReadList();
  EXPECT_EQ(Entries(again), (std::vector<std::string>{"/d/b.kvn", "/d/a.kvn", "", ""}));
}

TEST_F(RecentFileListTest, DisplayNamesShortenLongPathsAndKeepTheFileName) {
  CRecentFileList list(0, "Recent File List", "File%d", 4, 30);
  list.Add("/home/user/notes/2024/projects/plan.kvn");
  list.Add("/home/user/a-very-long-file-name-for-the-menu.kvn");
  list.Add("/home/user/short.kvn");
  CString name;
  EXPECT_TRUE(list.GetDisplayName(name, 0, "/home/user/", 11));
  EXPECT_EQ(std::string(name), "short.kvn");
  EXPECT_TRUE(list.GetDisplayName(name, 0, "/tmp/", 5));
  EXPECT_EQ(std::string(name), "/home/user/short.kvn");
  EXPECT_TRUE(list.GetDisplayName(name, 1, "/tmp/", 5));
  EXPECT_EQ(std::string(name), "a-very-long-file-name-for-the-menu.kvn");
  EXPECT_TRUE(list.GetDisplayName(name, 2, "/tmp/", 5));
  EXPECT_EQ(std::string(name), "/home/.../projects/plan.kvn");
  EXPECT_FALSE(list.GetDisplayName(name, 3, "/tmp/", 5));
}

TEST_F(RecentFileListTest, MenuShowsNumberedEntriesOrTheDisabledPlaceholder) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "needs a display";
  wxMenu menu;
  menu.Append(ID_FILE_OPEN, "Open");
  menu.Append(ID_FILE_MRU_FILE1, "Recent files");
  menu.Append(ID_APP_EXIT, "Exit");
  CRecentFileList list(0, "Recent File List", "File%d", 4);
  list.UpdateMenu(&menu);
  EXPECT_EQ(menu.GetMenuItemCount(), 3u);
  EXPECT_FALSE(menu.IsEnabled(ID_FILE_MRU_FILE1));

  list.Add("/d/a&b.kvn");
  list.Add("/d/c.kvn");
  list.UpdateMenu(&menu);
  ASSERT_EQ(menu.GetMenuItemCount(), 4u);
  EXPECT_EQ(menu.FindItemByPosition(1)->GetId(), ID_FILE_MRU_FILE1);
  EXPECT_EQ(menu.FindItemByPosition(1)->GetItemLabel(), "&1 /d/c.kvn");
  EXPECT_EQ(menu.FindItemByPosition(2)->GetItemLabel(), "&2 /d/a&&b.kvn");
  EXPECT_EQ(menu.FindItemByPosition(3)->GetId(), ID_APP_EXIT);

  list.Remove(0);
  list.Remove(0);
  list.UpdateMenu(&menu);
  ASSERT_EQ(menu.GetMenuItemCount(), 3u);
  EXPECT_EQ(menu.FindItemByPosition(1)->GetItemLabel(), "Recent files");
}

TEST_F(FrameworkTest, RecentFileCommandOpensTheEntryAndDropsOneThatFails) {
  m_app->m_pszProfileName = (m_dir + "/kesta32.conf").c_str();
  m_app->m_pRecentFileList = std::make_unique<CRecentFileList>(0, "Recent File List", "File%d", 4);
  const std::string a = MakeFile("a.tst", "alpha");
  TestDoc* doc = Open(a);
  ASSERT_TRUE(doc);
  EXPECT_EQ(std::string((*m_app->m_pRecentFileList)[0]), a);  // opening remembers the file
  doc->OnCloseDocument();
  std::filesystem::remove(a);
  m_app->m_pRecentFileList->Add((m_dir + "/b.tst").c_str());
  MakeFile("b.tst", "beta");

  Command(ID_FILE_MRU_FILE1);  // b
  ASSERT_EQ(m_template->GetDocuments().size(), 1u);
  EXPECT_EQ(std::string(m_template->GetDocuments()[0]->GetTitle()), "b.tst");
  Command(ID_FILE_MRU_FILE1 + 1);  // a is gone
  EXPECT_EQ(std::string((*m_app->m_pRecentFileList)[1]), "");
  EXPECT_EQ(m_template->GetDocuments().size(), 1u);
}

TEST(FrameworkWaitCursorTest, WaitCursorLastsAsLongAsItsObjects) {
  EXPECT_FALSE(wxIsBusy());
  {
    CWaitCursor outer;
    {
      CWaitCursor inner;
      EXPECT_TRUE(wxIsBusy());
    }
    EXPECT_TRUE(wxIsBusy());
  }
  EXPECT_FALSE(wxIsBusy());
}

}  // namespace
}  // namespace framework_test

namespace framework_test {
namespace {

struct ParsedLine {
  std::vector<CString> args;
  int command;
  const char* file;
  const char* printer;
  const char* port;
};

TEST(FrameworkCommandLineTest, ParamsGiveTheShellCommandAndNames) {
  const ParsedLine cases[] = {
      {{}, CCommandLineInfo::FileNew, "", "", ""},
      {{"/home/u/a.kvn"}, CCommandLineInfo::FileOpen, "/home/u/a.kvn", "", ""},
      {{"-p", "a.kvn"}, CCommandLineInfo::FilePrint, "a.kvn", "", ""},
      {{"-pt", "a.kvn", "printer", "driver", "port"}, CCommandLineInfo::FilePrintTo, "a.kvn", "printer", "port"},
      {{"-P", "a.kvn"}, CCommandLineInfo::FileOpen, "a.kvn", "", ""},  // shell flags keep their case
      {{"-REGSERVER"}, CCommandLineInfo::AppRegister, "", "", ""},
      {{"a.kvn", "b.kvn"}, CCommandLineInfo::FileOpen, "a.kvn", "", ""},
  };
  for (const ParsedLine& c : cases) {
    CWinApp app("Test");
    app.m_argv = c.args;
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    EXPECT_EQ(info.m_nShellCommand, c.command) << (c.args.empty() ? "" : c.args[0].GetString());
    EXPECT_EQ(std::string(info.m_strFileName), c.file);
    EXPECT_EQ(std::string(info.m_strPrinterName), c.printer);
    EXPECT_EQ(std::string(info.m_strPortName), c.port);
  }
}

TEST_F(FrameworkTest, ShellCommandOpensTheFileOrFailsWithIt) {
  CCommandLineInfo open;
  m_app->m_argv = {MakeFile("a.tst", "alpha").c_str()};
  m_app->ParseCommandLine(open);
  EXPECT_TRUE(m_app->ProcessShellCommand(open));
  EXPECT_EQ(m_template->GetDocuments().size(), 1u);

  CCommandLineInfo missing;
  m_app->m_argv = {(m_dir + "/missing.tst").c_str()};
  m_app->ParseCommandLine(missing);
  EXPECT_FALSE(m_app->ProcessShellCommand(missing));

  CCommandLineInfo fresh;
  m_app->m_argv = {};
  m_app->ParseCommandLine(fresh);
  EXPECT_TRUE(m_app->ProcessShellCommand(fresh));
  EXPECT_EQ(m_template->GetDocuments().size(), 2u);
}

}  // namespace
}  // namespace framework_test
