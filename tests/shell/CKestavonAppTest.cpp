// Start-up and the end of the run: settings file, first documents, registry switches, the
// hand-over to a running instance, and dispatch errors during a command.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <wx/app.h>
#include <wx/evtloop.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/CKestaCommandLineInfo.h"
#include "app/CRegistryKey.h"
#include "app/InstanceChannel.h"
#include "platform/com/COleDispatchException.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/Places.h"
#include "platform/base/PrivateProfile.h"
#include "tests/shell/AppFixture.h"
#include "tests/common/TestSupport.h"

namespace app_test {
namespace {

using kesta_test::ReadBytes;
using kesta_test::WriteBytes;

TEST_F(AppTest, PlainStartWithoutLastFileMakesOneNewOutline) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(Documents().size(), 1u);
  CKestavonDoc* doc = Documents()[0];
  EXPECT_TRUE(doc->GetPathName().IsEmpty());
  ASSERT_EQ(doc->GetTree().GetDirDataCount(), 1);
  EXPECT_EQ(std::string(doc->GetTree().GetTitle(0)), "（無題）");
  // The browser switches are written once.
  EXPECT_EQ(Profile(m_conf, "Preview", "PreviewBrowserMode"), "3");
  CRegistryKey key;
  ASSERT_TRUE(key.Open(HKEY_CURRENT_USER,
                       "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION"));
  DWORD value = 0, size = sizeof value, type = 0;
  ASSERT_EQ(RegQueryValueEx(key.m_hKey, "kesta32.exe", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 11001u);
}

TEST_F(AppTest, PlainStartReopensTheLastFileAndSwitchesGoToTheApplication) {
  const std::string path = SampleCopy("last.kvn");
  Setting("System", "IniFile", path.c_str());
  ASSERT_TRUE(Start());
  ASSERT_EQ(Documents().size(), 1u);
  EXPECT_EQ(std::string(Documents()[0]->GetPathName()), path);
  Stop();

  const std::string other = SampleCopy("other.kvn");
  ASSERT_TRUE(Start({"-J3", other}));
  ASSERT_EQ(Documents().size(), 1u);
  EXPECT_EQ(std::string(Documents()[0]->GetPathName()), other);
  // The tree pane takes the jump over: item 2 is selected and the switch is used up.
  EXPECT_EQ(Documents()[0]->GetCurrentTree(), 2);
  EXPECT_EQ(m_app->m_nJumpNumber, 0);
}

TEST_F(AppTest, ADocumentNameWithLineBreaksAddsNoSettings) {
  Setting("System", "AllFileInit", "1");
  // Every section and key of the settings file after a run with the document open.
  auto runWith = [this](const std::string& path) {
    EXPECT_TRUE(Start({path}));
    EXPECT_EQ(Documents().size(), 1u);
    m_app->m_pMainWnd->GetFrameWindow()->Close();
    wxTheApp->ProcessIdle();
    m_app->m_pMainWnd = nullptr;
    Stop();
    std::set<std::string> names;
    std::istringstream lines(ReadBytes(m_conf));
    std::string section, line;
    while (std::getline(lines, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && line[0] == '[') section = line;
      // The recent-file list grows by one entry per document: not what is compared.
      else if (line.find('=') != std::string::npos && section != "[Recent File List]")
        names.insert(section + line.substr(0, line.find('=')));
    }
    return names;
  };
  const std::set<std::string> plain = runWith(SampleCopy("plain.kvn"));
  const std::string crafted = MakeFile("a\nSingleInstance=0\n[x].kvn", ReadBytes(SampleCopy("plain.kvn")));
  EXPECT_EQ(runWith(crafted), plain);
  EXPECT_EQ(Profile(m_conf, "System", "SingleInstance"), "");
}

TEST_F(AppTest, AllFileInitReopensTheDocumentsOpenAtExitInOrder) {
  Setting("System", "AllFileInit", "1");
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn"), c = SampleCopy("c.kvn");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  ASSERT_TRUE(m_app->OpenDocumentFile(c.c_str()));
  m_app->m_pMainWnd->GetFrameWindow()->Close();  // the user ends the program
  wxTheApp->ProcessIdle();
  m_app->m_pMainWnd = nullptr;
  EXPECT_EQ(Profile(m_conf, "InitAllFile", "Count"), "3");
  Stop();

  ASSERT_TRUE(Start());
  const std::vector<CKestavonDoc*> docs = Documents();
  ASSERT_EQ(docs.size(), 3u);
  EXPECT_EQ(std::string(docs[0]->GetPathName()), a);
  EXPECT_EQ(std::string(docs[1]->GetPathName()), b);
  EXPECT_EQ(std::string(docs[2]->GetPathName()), c);
}

TEST_F(AppTest, AFileThatCannotBeOpenedEndsTheStart) {
  ScopedMessageBoxHook hook(IDOK);
  EXPECT_FALSE(Start({m_dir + "/missing.kvn"}));
  EXPECT_FALSE(hook.Calls().empty());
  EXPECT_TRUE(Documents().empty());
  Stop();  // the program ends: its frame goes
}

TEST_F(AppTest, DispatchErrorDuringACommandIsShownAndTheProgramGoesOn) {
  ASSERT_TRUE(Start());
  const int id = 0x8200;
  Frame()->Bind(wxEVT_MENU, [](wxCommandEvent&) {
    throw COleDispatchException(0x800A139A, "構文エラーです");
  }, id);
  ScopedMessageBoxHook hook(IDOK);
  Frame()->SendCommand(id);
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(std::string(hook.Calls()[0].text), "構文エラーです");
}

TEST(InstanceChannel, WithoutARuntimeFolderOnlyAFolderClosedToOthersIsUsed) {
  const std::string savedRuntime = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
  const char* savedTmp = std::getenv("TMPDIR");
  const std::string tmp = kesta_test::MakeTempDir("sharedtmp");
  unsetenv("XDG_RUNTIME_DIR");
  setenv("TMPDIR", tmp.c_str(), 1);
  const std::string first = tmp + "/kesta32-" + std::to_string(getuid());
  // Made first by someone else, open to all; then a link to a private folder.
  std::filesystem::create_directory(first);
  chmod(first.c_str(), 0777);
  std::filesystem::create_directory(tmp + "/elsewhere");
  chmod((tmp + "/elsewhere").c_str(), 0700);
  std::filesystem::create_directory_symlink(tmp + "/elsewhere", first + "-1");
  const std::string path(GetInstanceSocketPath("Kestavon", "/conf").GetString());
  EXPECT_EQ(path.substr(0, path.rfind('/')), first + "-2");
  struct stat st {};
  ASSERT_EQ(lstat((first + "-2").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(std::string(GetInstanceSocketPath("Kestavon", "/conf").GetString()), path);  // every start finds it
  chmod(first.c_str(), 0700);
  EXPECT_EQ(std::string(GetInstanceSocketPath("Kestavon", "/conf").GetString()), first + path.substr(path.rfind('/')));
  setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
  if (savedTmp) setenv("TMPDIR", savedTmp, 1); else unsetenv("TMPDIR");
}

// Gives environment variables values (nullptr: unset) for one scope and puts the earlier ones back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::initializer_list<std::pair<const char*, const char*>> values) {
    for (const auto& [name, value] : values) {
      const char* old = std::getenv(name);
      m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
      if (value)
        setenv(name, value, 1);
      else
        unsetenv(name);
    }
  }
  ~ScopedEnvironment() {
    for (const auto& [name, value] : m_saved) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST(InstanceChannel, OnlyStartsOnTheSameDisplayWithTheSameSettingsFolderMeet) {
  const std::string runtime = kesta_test::MakeTempDir("runtime");
  ScopedEnvironment folder{{"XDG_RUNTIME_DIR", runtime.c_str()}};
  CInstanceListener listener;
  {
    ScopedEnvironment display{{"DISPLAY", ":5"}, {"WAYLAND_DISPLAY", nullptr}};
    ASSERT_TRUE(listener.Listen("Kestavon", "/home/a/.config/kesta32", [](int, const CString&) {}));
  }
  struct Case {
    const char* x11;
    const char* wayland;
    const char* folder;
    bool meets;
  } cases[] = {
      {":5", nullptr, "/home/a/.config/kesta32", true},
      {":5.0", nullptr, "/home/a/.config/kesta32", true},  // a screen of the same display
      {":6", nullptr, "/home/a/.config/kesta32", false},
      {"remote:5", nullptr, "/home/a/.config/kesta32", false},
      {":5", "wayland-0", "/home/a/.config/kesta32", false},
      {":5", nullptr, "/home/a/other-settings", false},
  };
  for (const Case& c : cases) {
    ScopedEnvironment display{{"DISPLAY", c.x11}, {"WAYLAND_DISPLAY", c.wayland}};
    CInstanceLink link;
    EXPECT_EQ(link.Connect("Kestavon", c.folder) != FALSE, c.meets) << c.x11 << " " << c.folder;
    // Another display or folder gets its own listener beside the first.
    CInstanceListener second;
    EXPECT_EQ(second.Listen("Kestavon", c.folder, [](int, const CString&) {}) != FALSE, !c.meets) << c.x11;
  }
}

TEST(InstanceChannel, TheCommandLineTravelsOverTheSocket) {
  const std::string runtime = kesta_test::MakeTempDir("runtime");
  ScopedEnvironment folder{{"XDG_RUNTIME_DIR", runtime.c_str()}};
  CInstanceListener listener;
  std::vector<std::pair<int, std::string>> received;
  ASSERT_TRUE(listener.Listen("Kestavon", "/conf",
                              [&](int id, const CString& text) { received.emplace_back(id, text.GetString()); }));
  const std::string line = "-J3 \"/home/a/My Files/\xe8\xaa\xad\xe6\x9b\xb8.kvn\" b.kvn";
  std::atomic<bool> done{false};
  BOOL sent = FALSE;
  std::thread sender([&] {
    CInstanceLink link;
    sent = link.Connect("Kestavon", "/conf") && link.SendCommand(0x8116, line.c_str());
    done = true;
  });
  wxGUIEventLoop loop;
  wxEventLoopActivator active(&loop);
  while (!done) loop.DispatchTimeout(100);
  sender.join();
  EXPECT_TRUE(sent);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].first, 0x8116);
  EXPECT_EQ(received[0].second, line);
}

TEST_F(AppTest, SecondStartHandsItsFileToTheRunningInstance) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  Setting("Print", "bKinFirst", "1");
  Setting("ColorDlg", "Custom0", "255");
  ASSERT_TRUE(Start({a}));
  // The second start is the program itself, in another process with the same settings.
  const std::string program = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "kesta32";
  ASSERT_TRUE(std::filesystem::exists(program));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    execl(program.c_str(), program.c_str(), b.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  // Serve the hand-over until the second process has ended.
  wxGUIEventLoop loop;
  wxEventLoopActivator active(&loop);
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) loop.DispatchTimeout(100);
  while (loop.Pending()) loop.Dispatch();
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Profile(m_conf, "System", "Commandline"), b);
  // The second start read none of the settings the end of a run writes, so it leaves them alone.
  EXPECT_EQ(Profile(m_conf, "Print", "bKinFirst"), "1");
  EXPECT_EQ(Profile(m_conf, "ColorDlg", "Custom0"), "255");
  const std::vector<CKestavonDoc*> docs = Documents();
  ASSERT_EQ(docs.size(), 2u);
  EXPECT_EQ(std::string(docs[1]->GetPathName()), b);
  EXPECT_EQ(Frame()->GetActiveDocument(), docs[1]);
}

TEST_F(AppTest, HandedOverFileThatIsOpenIsActivated) {
  const std::string a = SampleCopy("a.kvn"), b = SampleCopy("b.kvn");
  ASSERT_TRUE(Start({a}));
  ASSERT_TRUE(m_app->OpenDocumentFile(b.c_str()));
  m_app->WriteProfileString("System", "Commandline", ("-N読書メモ " + a).c_str());
  Frame()->SendCommand(ID_WORK_COMMAND_LINE);
  ASSERT_EQ(Documents().size(), 2u);
  EXPECT_EQ(std::string(Frame()->GetActiveDocument()->GetPathName()), a);
  EXPECT_EQ(std::string(m_app->m_strJumpTitle), "読書メモ");
}

TEST_F(AppTest, HelpSaysThatTheHelpFileIsMissing) {
  CKestavonApp app;
  ScopedMessageBoxHook hook(IDOK);
  app.ShowHelp(42, 1);
  ASSERT_EQ(hook.Calls().size(), 1u);
  EXPECT_EQ(std::string(hook.Calls()[0].text), "ヘルプファイルがありません：" + m_dir + "/bin/kesta32.chm");
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = kesta_test::MakeTempDir("settings");
    std::filesystem::create_directories(m_dir + "/bin");
    setenv("KESTA_PROGRAM_DIR", (m_dir + "/bin").c_str(), 1);
    m_beside = m_dir + "/bin/kesta32.conf";
    m_old = std::string(GetWindowsFolder()) + "/KESTA32.INI";
    m_earlier = std::string(GetUserDataFolder()) + "/Pelko/Kestavon/kesta32.conf";
    m_user = std::string(GetUserDataFolder()) + "/kesta32/kesta32.conf";
    for (const std::string& path : {m_old, m_earlier, m_user})
      std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    TearDown();
    setenv("KESTA_PROGRAM_DIR", (m_dir + "/bin").c_str(), 1);
  }
  void TearDown() override {
    for (const std::string& path : {m_old, m_earlier, m_user}) std::filesystem::remove(path);
    std::filesystem::permissions(m_dir + "/bin", std::filesystem::perms::owner_all);
    unsetenv("KESTA_PROGRAM_DIR");
  }
  std::string Choose() {
    CKestavonApp app;
    app.ChooseSettingsFile();
    return std::string(app.m_pszProfileName);
  }
  static std::string Bytes(const std::string& path) {
    return std::filesystem::exists(path) ? ReadBytes(path) : std::string("(none)");
  }
  std::string m_dir, m_beside, m_old, m_earlier, m_user;
};

TEST_F(SettingsFileTest, UserCopyStartsFromOlderSettingsElseTheShippedDefaults) {
  struct Case {
    const char* name;
    const char* earlier;
    const char* old;
    const char* shipped;
    const char* user;  // before the start
    const char* expected;
  };
  const Case cases[] = {
      {"nothing anywhere", nullptr, nullptr, nullptr, nullptr, "(none)"},
      {"shipped defaults only", nullptr, nullptr, "[A]\r\nx=1\r\n", nullptr, "[A]\r\nx=1\r\n"},
      {"older ini before defaults", nullptr, "[A]\r\nx=2\r\n", "[A]\r\nx=1\r\n", nullptr, "[A]\r\nx=2\r\n"},
      {"earlier per-user file first", "[A]\r\nx=3\r\n", "[A]\r\nx=2\r\n", "[A]\r\nx=1\r\n", nullptr,
       "[A]\r\nx=3\r\n"},
      {"an empty user file is refilled", nullptr, "", "[A]\r\nx=1\r\n", "", "[A]\r\nx=1\r\n"},
      {"the user's own settings stay", nullptr, nullptr, "[A]\r\nx=1\r\n", "[A]\r\nx=9\r\n", "[A]\r\nx=9\r\n"},
  };
  for (const Case& c : cases) {
    TearDown();
    setenv("KESTA_PROGRAM_DIR", (m_dir + "/bin").c_str(), 1);
    std::filesystem::remove(m_beside);
    if (c.earlier) WriteBytes(m_earlier, c.earlier);
    if (c.old) WriteBytes(m_old, c.old);
    if (c.shipped) WriteBytes(m_beside, c.shipped);
    if (c.user) WriteBytes(m_user, c.user);
    EXPECT_EQ(Choose(), m_user) << c.name;
    EXPECT_EQ(Bytes(m_user), c.expected) << c.name;
    EXPECT_EQ(Bytes(m_beside), c.shipped ? c.shipped : "(none)") << c.name;
  }
}

TEST_F(SettingsFileTest, ReadOnlyProgramFolderIsOnlyRead) {
  // Root may write there all the same; the program must not.
  WriteBytes(m_beside, "[A]\r\nx=1\r\n");
  std::filesystem::permissions(m_dir + "/bin", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  CKestavonApp app;
  app.ChooseSettingsFile();
  EXPECT_EQ(std::string(app.m_pszProfileName), m_user);
  EXPECT_EQ(app.GetProfileInt("A", "x", 0), 1);
  app.WriteProfileInt("A", "x", 2);
  EXPECT_EQ(ReadBytes(m_beside), "[A]\r\nx=1\r\n");
  EXPECT_EQ(Profile(m_user, "A", "x"), "2");
}

}  // namespace
}  // namespace app_test
