#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"
#include "tests/common/TestSupport.h"

namespace {

std::vector<std::string> Strings(const std::vector<CString>& list) {
  std::vector<std::string> out;
  for (const CString& s : list) out.push_back(s.str());
  return out;
}

// A folder of its own holding a stand-in xdg-open, or nothing.
std::string OpenerFolder(bool withOpener) {
  const std::string dir = kesta_test::MakeTempDir("bin");
  if (withOpener) {
    kesta_test::WriteBytes(dir + "/xdg-open", "#!/bin/sh\nexit 0\n");
    chmod((dir + "/xdg-open").c_str(), 0755);
  }
  return dir;
}

// PATH for the scope of a test.
class ScopedPath {
 public:
  explicit ScopedPath(const std::string& path) : m_old(std::getenv("PATH")) { setenv("PATH", path.c_str(), 1); }
  ~ScopedPath() { setenv("PATH", m_old.c_str(), 1); }

 private:
  std::string m_old;
};

}  // namespace

TEST(Shell, SplitsParametersAsAWindowsCommandLine) {
  struct Case {
    const char* line;
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {"", {}},
      {"  a  b\tc ", {"a", "b", "c"}},
      {"\"C:\\x y\\a.kvn\" /J3", {"C:\\x y\\a.kvn", "/J3"}},
      {"a\\\\b \\\\\\\"q", {"a\\\\b", "\\\"q"}},  // backslashes count only before a quote
      {"\"a\\\\\" b", {"a\\", "b"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"\"\"", {""}},
      {"表\" x\"", {"表 x"}},  // 0x5C inside 表 is no backslash
      {"ab\"c d\"e", {"abc de"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Strings(SplitCommandLine(c.line)), c.args) << c.line;
}

TEST(Shell, PlansDocumentsUrlsAndPrograms) {
  const std::string opener = OpenerFolder(true) + "/xdg-open";
  ScopedShellOpener scope(opener.c_str());
  const std::string dir = kesta_test::MakeTempDir("shell");
  kesta_test::WriteBytes(dir + "/doc.txt", "text");
  chmod((dir + "/doc.txt").c_str(), 0755);  // execute bits alone do not make a program
  kesta_test::WriteBytes(dir + "/tool", "#!/bin/sh\nexit 3\n");
  chmod((dir + "/tool").c_str(), 0755);

  ShellLaunch launch = PlanShellExecute(nullptr, "https://example.com/a?b=c&d", nullptr, nullptr);
  EXPECT_EQ(launch.error, 0);
  EXPECT_EQ(Strings(launch.argv), (std::vector<std::string>{opener, "https://example.com/a?b=c&d"}));
  launch = PlanShellExecute("open", (dir + "/doc.txt").c_str(), "ignored", nullptr);
  EXPECT_EQ(Strings(launch.argv), (std::vector<std::string>{opener, dir + "/doc.txt"}));
  launch = PlanShellExecute("", "doc.txt", nullptr, dir.c_str());
  EXPECT_EQ(Strings(launch.argv), (std::vector<std::string>{opener, dir + "/doc.txt"}));
  launch = PlanShellExecute("explore", dir.c_str(), nullptr, nullptr);
  EXPECT_EQ(Strings(launch.argv), (std::vector<std::string>{opener, dir}));
  launch = PlanShellExecute(nullptr, (dir + "/tool").c_str(), "\"a b\" $(rm -rf x) ;c", dir.c_str());
  EXPECT_EQ(Strings(launch.argv), (std::vector<std::string>{dir + "/tool", "a b", "$(rm", "-rf", "x)", ";c"}));
  EXPECT_EQ(std::string(launch.directory), dir);
  launch = PlanShellExecute(nullptr, "env", "X=1", nullptr);  // a bare name is found in PATH
  EXPECT_EQ(launch.error, 0);
  ASSERT_EQ(launch.argv.size(), 2u);
  EXPECT_TRUE(std::filesystem::path(launch.argv[0].GetString()).filename() == "env");

  struct Failure {
    const char* verb;
    std::string file;
    INT_PTR error;
  };
  const Failure failures[] = {
      {nullptr, dir + "/missing.txt", SE_ERR_FNF},
      {nullptr, dir + "/no/such/folder/a.txt", SE_ERR_PNF},
      {nullptr, "", SE_ERR_FNF},
      {nullptr, "no-such-program-anywhere", SE_ERR_FNF},
      {"print", dir + "/doc.txt", SE_ERR_NOASSOC},
  };
  for (const Failure& f : failures) {
    launch = PlanShellExecute(f.verb, f.file.c_str(), nullptr, nullptr);
    EXPECT_EQ(launch.error, f.error) << f.file;
    EXPECT_TRUE(launch.argv.empty());
    EXPECT_EQ(ShellExecute(nullptr, f.verb, f.file.c_str(), nullptr, nullptr, SW_SHOWNORMAL), f.error);
  }
}

TEST(Shell, WithoutAnOpenerDocumentsHaveNoAssociation) {
  ScopedShellOpener none("");
  const std::string dir = kesta_test::MakeTempDir("noassoc");
  kesta_test::WriteBytes(dir + "/doc.txt", "text");
  EXPECT_EQ(ShellExecute(nullptr, nullptr, (dir + "/doc.txt").c_str(), nullptr, nullptr, SW_SHOW), SE_ERR_NOASSOC);
  EXPECT_EQ(ShellExecute(nullptr, nullptr, "http://example.com", nullptr, nullptr, SW_SHOW), SE_ERR_NOASSOC);
}

TEST(Shell, TheOpenerIsTheOneInScopeElseXdgOpenInPath) {
  const std::string folder = OpenerFolder(true);
  const std::vector<std::string> opened = {folder + "/xdg-open", "http://example.com"};
  const auto plan = [] { return PlanShellExecute(nullptr, "http://example.com", nullptr, nullptr); };
  ScopedPath path(folder);
  ScopedShellOpener fromPath(nullptr);
  EXPECT_EQ(Strings(plan().argv), opened);
  {
    ScopedShellOpener none("");
    EXPECT_EQ(plan().error, SE_ERR_NOASSOC);
    {
      ScopedShellOpener again(nullptr);  // the newest scope counts
      EXPECT_EQ(Strings(plan().argv), opened);
    }
    EXPECT_EQ(plan().error, SE_ERR_NOASSOC);  // and gives the older one back when it ends
  }
  ScopedPath bare(OpenerFolder(false));
  EXPECT_EQ(plan().error, SE_ERR_NOASSOC);
}

TEST(Shell, StartsProgramsWithTheirArgumentsIntact) {
  const std::string dir = kesta_test::MakeTempDir("start");
  // touch makes the files it is given; names with blanks, quotes and kanji arrive as one argument each.
  const std::vector<CString> argv = {"touch", "a b.txt", "it's \"quoted\".txt", "漢字表.txt", "$HOME"};
  const pid_t pid = StartProgram(argv, dir.c_str());
  ASSERT_GT(pid, 0);
  EXPECT_EQ(WaitProgram(pid), 0);
  EXPECT_TRUE(std::filesystem::exists(dir + "/a b.txt"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/it's \"quoted\".txt"));
  EXPECT_TRUE(std::filesystem::exists(dir + "/" + reinterpret_cast<const char*>(u8"漢字表.txt")));
  EXPECT_TRUE(std::filesystem::exists(dir + "/$HOME"));

  kesta_test::WriteBytes(dir + "/tool", "#!/bin/sh\nexit 3\n");
  chmod((dir + "/tool").c_str(), 0755);
  const pid_t tool = StartProgram({CString((dir + "/tool").c_str())});
  ASSERT_GT(tool, 0);
  EXPECT_EQ(WaitProgram(tool), 3);
  EXPECT_EQ(StartProgram({CString("no-such-program-anywhere")}), -1);
  EXPECT_GT(ShellExecute(nullptr, nullptr, (dir + "/tool").c_str(), nullptr, nullptr, SW_SHOWNORMAL), 32);
}

TEST(Shell, AQuotedArgumentReadsBackAsThatOneArgument) {
  const char* const arguments[] = {"",          "plain",    "a b",       "\"/bin/sh\" -c \"touch /tmp/x\" :",
                                   "C:\\x y\\", "a\\\\\"b", "\\\"",      "表",
                                   "表\" x",    "-c",       "+!touch x", "it's $HOME"};
  for (const char* argument : arguments) {
    EXPECT_EQ(Strings(SplitCommandLine(QuoteCommandLineArgument(argument))), std::vector<std::string>{argument})
        << argument;
  }
}

// A link is one path or URL: a link that reads as a program with arguments names no file, and an
// executable file starts only when the user agrees; a document goes to the opener unasked.
TEST(Shell, ALinkIsOnePathAndAProgramStartsOnlyWhenAgreed) {
  const std::string dir = kesta_test::MakeTempDir("link");
  const std::string opener = OpenerFolder(true) + "/xdg-open";
  ScopedShellOpener scope(opener.c_str());
  const std::string marker = dir + "/ran";
  kesta_test::WriteBytes(dir + "/tool", "#!/bin/sh\ntouch '" + marker + "'\n");
  chmod((dir + "/tool").c_str(), 0755);
  kesta_test::WriteBytes(dir + "/doc.txt", "text");
  {
    ScopedMessageBoxHook ask(IDOK);
    const std::string link = "\"/bin/sh\" -c \"touch " + marker + "\" :";
    EXPECT_LE(OpenLinkTarget(nullptr, link.c_str()), 32);
    EXPECT_GT(OpenLinkTarget(nullptr, (dir + "/doc.txt").c_str()), 32);
    EXPECT_TRUE(ask.Calls().empty());
  }
  {
    ScopedMessageBoxHook refuse(IDCANCEL);
    EXPECT_GT(OpenLinkTarget(nullptr, (dir + "/tool").c_str()), 32);
    ASSERT_EQ(refuse.Calls().size(), 1u);
    EXPECT_EQ(refuse.Calls()[0].text, CString("リンク先はプログラムです。起動しますか？\n") + (dir + "/tool").c_str());
  }
  EXPECT_FALSE(std::filesystem::exists(marker));
  if (!kesta_test::HasGui()) return;
  ScopedMessageBoxHook agree(IDOK);
  EXPECT_GT(OpenLinkTarget(nullptr, (dir + "/tool").c_str()), 32);
  EXPECT_TRUE(kesta_test::RunUntil([&] { return std::filesystem::exists(marker); }));
}
