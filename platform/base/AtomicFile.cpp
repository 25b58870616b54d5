#include "platform/base/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/base/CodePage.h"
#include "platform/base/FileAccess.h"
#include "platform/base/LocalProcess.h"
#include "platform/base/Places.h"

namespace {

// The file a write to path really replaces: the target of a symbolic link, else the path itself.
std::string ResolvedTarget(const std::string& path) {
  char resolved[PATH_MAX];
  struct stat st;
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && realpath(path.c_str(), resolved) != nullptr) {
    return resolved;
  }
  return path;
}

// The process umask, read without changing it (umask() would race with other threads).
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  return 022;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

constexpr char kTempMark[] = "kesta32-";
constexpr char kTempSuffix[] = "XXXXXX";
constexpr size_t kTempSuffixLength = sizeof kTempSuffix - 1;

// The computer's name as it can stand in a file name.
std::string ComputerInName() {
  std::string name = CP932ToUTF8(GetComputerNameText().GetString());
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') c = '_';
  }
  return name;
}

// The folder (with its final "/", "" for the current one) and the start of the names of the
// temporary files written for a target: "." + name + "." + the program's mark.
void TempPlaceOf(const std::string& target, std::string& folder, std::string& prefix) {
  const std::string real = ResolvedTarget(target);
  const size_t slash = real.rfind('/');
  folder = slash == std::string::npos ? std::string() : real.substr(0, slash + 1);
  prefix = "." + (slash == std::string::npos ? real : real.substr(slash + 1)) + "." + kTempMark;
}

// A temporary name goes on with "<pid>@<computer>-" and six random characters: only the writing
// process uses it, and once that process is gone the file is left over from a killed save.
bool IsLeftOver(std::string_view rest) {
  const size_t at = rest.find('@');
  if (at == 0 || at == std::string_view::npos || at > 9 || rest.size() < at + 2 + kTempSuffixLength) return false;
  const std::string_view pid = rest.substr(0, at);
  if (!std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
  const std::string_view computer = rest.substr(at + 1, rest.size() - at - 2 - kTempSuffixLength);
  if (rest[rest.size() - kTempSuffixLength - 1] != '-' || computer != ComputerInName()) return false;
  return IsLocalProcessGone(static_cast<pid_t>(std::stol(std::string(pid))));
}

int MakeTempBeside(const std::string& target, std::string& tempPath) {
  std::string folder, prefix;
  TempPlaceOf(target, folder, prefix);
  std::string name = folder + prefix + std::to_string(getpid()) + "@" + ComputerInName() + "-" + kTempSuffix;
  const int fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd >= 0) tempPath = name;
  return fd;
}

// Paths here are already in the OS form (UTF-8).
bool CommitTemp(const std::string& temp, const std::string& targetPath, bool durable) {
  const std::string target = ResolvedTarget(targetPath);
  struct stat st;
  const bool replacing = stat(target.c_str(), &st) == 0;
  // A rename would replace a file that was made read-only; writing it in place would fail.
  if (replacing && IsReadOnlyForUser(st)) {
    unlink(temp.c_str());
    return false;
  }
  bool ok = false;
  const int fd = open(temp.c_str(), O_RDWR | O_CLOEXEC);
  if (fd >= 0) {
    const mode_t mode = replacing ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
    ok = fchmod(fd, mode) == 0 && (!durable || fsync(fd) == 0);
    ok = (close(fd) == 0) && ok;
  }
  ok = ok && rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) unlink(temp.c_str());
  return ok;
}

}  // namespace

void RemoveStaleTempFiles(const char* targetPath) {
  std::string folder, prefix;
  TempPlaceOf(CP932ToUTF8(targetPath ? targetPath : ""), folder, prefix);
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (!name.starts_with(prefix) || !IsLeftOver(name.substr(prefix.size()))) continue;
    const std::string path = folder + std::string(name);
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == getuid()) unlink(path.c_str());
  }
  closedir(dir);
}

CString CreateTempFileBeside(const char* targetPath) {
  std::string temp;
  const int fd = MakeTempBeside(CP932ToUTF8(targetPath ? targetPath : ""), temp);
  if (fd < 0) return CString();
  close(fd);
  return UTF8ToCP932(temp);
}

bool CommitTempFile(const char* tempPath, const char* targetPath) {
  return CommitTemp(CP932ToUTF8(tempPath ? tempPath : ""), CP932ToUTF8(targetPath ? targetPath : ""), true);
}

bool WriteFileAtomically(const char* targetPath, std::string_view bytes, bool durable) {
  const std::string target = CP932ToUTF8(targetPath ? targetPath : "");
  std::string temp;
  const int fd = MakeTempBeside(target, temp);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes);
  if (close(fd) != 0 || !written) {
    unlink(temp.c_str());
    return false;
  }
  return CommitTemp(temp, target, durable);
}
