// A save past the process's file-size limit, in the program's own process set-up: the program
// lives on and reports the failed write; the old file stays.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "app/CKestavonDoc.h"
#include "platform/desktop/MessageBox.h"
#include "shell/FileSizeSignal.h"
#include "tests/common/TestSupport.h"

namespace {

TEST(FileSizeSignal, ASavePastTheFileSizeLimitFailsAndTheProgramLivesOn) {
  const std::string path = kesta_test::MakeTempDir("fsize") + "/doc.kvn";
  kesta_test::WriteBytes(path, "old bytes");
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_DFL);
    IgnoreFileSizeSignal();
    const rlimit small{50000, 50000};
    setrlimit(RLIMIT_FSIZE, &small);
    CKestavonDoc doc;
    doc.GetTree().AppendTree("Top");
    doc.GetTree().SetText(0, std::string(200000, 'z').c_str());
    doc.GetTree().SetLoaded();
    ScopedMessageBoxHook hook(IDOK);
    const BOOL saved = doc.SaveFile(path.c_str(), TRUE);
    _exit(!saved && !hook.Calls().empty() && kesta_test::ReadBytes(path) == "old bytes" ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(kesta_test::ReadBytes(path), "old bytes");
}

}  // namespace
