#include "platform/base/LocalProcess.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

namespace {

std::string ExecutableOf(pid_t pid) {
  char link[64];
  std::snprintf(link, sizeof link, "/proc/%ld/exe", static_cast<long>(pid));
  char target[PATH_MAX];
  const ssize_t n = readlink(link, target, sizeof target);
  return n > 0 ? std::string(target, static_cast<size_t>(n)) : std::string();
}

}  // namespace

bool IsLocalProcessGone(pid_t pid) {
  if (pid <= 0) return false;
  if (kill(pid, 0) != 0) return errno == ESRCH;
  const std::string executable = ExecutableOf(pid);
  return !executable.empty() && executable != ExecutableOf(getpid());
}
