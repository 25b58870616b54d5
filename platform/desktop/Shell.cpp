#include "platform/desktop/Shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

extern char** environ;

namespace {

bool IsUrl(const CString& text) {
  int i = 0;
  while (i < text.GetLength() && (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '+' ||
                                  text[i] == '-' || text[i] == '.')) {
    ++i;
  }
  // "C:" is a drive, not a scheme.
  return i >= 2 && i < text.GetLength() && text[i] == ':' && std::isalpha(static_cast<unsigned char>(text[0]));
}

bool Exists(const std::string& path, struct stat& st) { return stat(path.c_str(), &st) == 0; }

// A name without "/" as the OS would find it in PATH; "" when it is nowhere.
std::string FindInPath(const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos) return name;
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string dir = end > start ? dirs.substr(start, end - start) : ".";
    const std::string candidate = dir + "/" + name;
    struct stat st;
    if (Exists(candidate, st) && S_ISREG(st.st_mode) && access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return std::string();
}

// A file that runs as a program, rather than a document that happens to carry execute bits.
bool IsProgram(const std::string& path) {
  if (access(path.c_str(), X_OK) != 0) return false;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char head[4] = {};
  const ssize_t n = read(fd, head, sizeof(head));
  close(fd);
  return (n >= 2 && head[0] == '#' && head[1] == '!') || (n == 4 && std::memcmp(head, "\x7F" "ELF", 4) == 0);
}

ShellLaunch Fail(INT_PTR error) {
  ShellLaunch launch;
  launch.error = error;
  return launch;
}

ScopedShellOpener*& CurrentOpener() {
  static ScopedShellOpener* opener = nullptr;
  return opener;
}

std::string OpenerPath() {
  const ScopedShellOpener* scope = CurrentOpener();
  if (scope && scope->Path()) return CP932ToUTF8(scope->Path()->str());
  return FindInPath("xdg-open");
}

ShellLaunch Opener(const CString& target, const CString& directory) {
  const std::string opener = OpenerPath();
  if (opener.empty()) return Fail(SE_ERR_NOASSOC);
  ShellLaunch launch;
  launch.argv = {UTF8ToCP932(opener), target};
  launch.directory = directory;
  return launch;
}

INT_PTR ErrorFromErrno(int error) {
  switch (error) {
    case ENOENT: return SE_ERR_FNF;
    case ENOTDIR: return SE_ERR_PNF;
    case EACCES:
    case EPERM: return SE_ERR_ACCESSDENIED;
    case ENOMEM: return SE_ERR_OOM;
    default: return 0;
  }
}

}  // namespace

std::vector<CString> SplitCommandLine(const char* parameters) {
  std::vector<CString> args;
  if (parameters == nullptr) return args;
  CString current;
  bool inArg = false;
  bool quoted = false;
  const char* p = parameters;
  while (*p != '\0') {
    if (!quoted && (*p == ' ' || *p == '\t')) {
      if (inArg) args.push_back(current);
      current.Empty();
      inArg = false;
      ++p;
      continue;
    }
    inArg = true;
    if (*p == '\\') {
      int slashes = 0;
      while (p[slashes] == '\\') ++slashes;
      if (p[slashes] == '"') {
        current += CString('\\', slashes / 2);
        if (slashes % 2 == 1) {
          current += '"';
          p += slashes + 1;
        } else {
          p += slashes;  // the quote groups, below
        }
      } else {
        current += CString('\\', slashes);
        p += slashes;
      }
      continue;
    }
    if (*p == '"') {
      if (quoted && p[1] == '"') {
        current += '"';
        p += 2;
      } else {
        quoted = !quoted;
        ++p;
      }
      continue;
    }
    const int length = CharLengthAt(p);
    current.Append(p, length);
    p += length;
  }
  if (inArg) args.push_back(current);
  return args;
}

ShellLaunch PlanShellExecute(const char* verb, const char* file, const char* parameters, const char* directory) {
  const CString action(verb ? verb : "");
  if (!action.IsEmpty() && action.CompareNoCase("open") != 0 && action.CompareNoCase("explore") != 0) {
    return Fail(SE_ERR_NOASSOC);
  }
  const CString target(file ? file : "");
  const CString folder(directory ? directory : "");
  if (target.IsEmpty()) return Fail(SE_ERR_FNF);
  if (IsUrl(target)) return Opener(target, folder);

  std::string path = CP932ToUTF8(target.str());
  if (path[0] != '/' && !folder.IsEmpty()) path = CP932ToUTF8(folder.str()) + "/" + path;
  struct stat st;
  if (!Exists(path, st)) {
    const std::string inPath = target.Find('/') < 0 ? FindInPath(CP932ToUTF8(target.str())) : std::string();
    if (inPath.empty()) {
      const size_t slash = path.rfind('/');
      struct stat dirSt;
      const bool folderThere = slash == std::string::npos || slash == 0 ||
                               (Exists(path.substr(0, slash), dirSt) && S_ISDIR(dirSt.st_mode));
      return Fail(folderThere ? SE_ERR_FNF : SE_ERR_PNF);
    }
    path = inPath;
    if (!Exists(path, st)) return Fail(SE_ERR_FNF);
  }
  if (S_ISREG(st.st_mode) && IsProgram(path)) {
    ShellLaunch launch;
    launch.program = true;
    launch.argv.push_back(UTF8ToCP932(path));
    for (CString& arg : SplitCommandLine(parameters)) launch.argv.push_back(std::move(arg));
    launch.directory = folder;
    return launch;
  }
  return Opener(UTF8ToCP932(path), folder);
}

CString QuoteCommandLineArgument(const char* argument) {
  const CString text(argument ? argument : "");
  CString quoted("\"");
  int slashes = 0;
  for (int i = 0; i < text.GetLength(); ++i) {
    const char c = text[i];
    if (CharLengthAt(text.GetString() + i) == 2) {
      // A trail byte may look like a backslash; the character is taken whole, as it is read.
      quoted.Append(text.GetString() + i, 2);
      ++i;
      slashes = 0;
      continue;
    }
    if (c == '\\') {
      ++slashes;
    } else if (c == '"') {
      // Backslashes before a quote are doubled, and the quote itself gets one.
      quoted += CString('\\', slashes + 1);
      slashes = 0;
    } else {
      slashes = 0;
    }
    quoted += c;
  }
  // Backslashes before the closing quote are doubled too.
  quoted += CString('\\', slashes);
  return quoted + "\"";
}

ScopedShellOpener::ScopedShellOpener(const char* path) : m_previous(CurrentOpener()) {
  if (path) m_path = CString(path);
  CurrentOpener() = this;
}

ScopedShellOpener::~ScopedShellOpener() { CurrentOpener() = m_previous; }

pid_t StartProgram(const std::vector<CString>& argv, const char* directory) {
  if (argv.empty()) {
    errno = EINVAL;
    return -1;
  }
  std::vector<std::string> utf8;
  utf8.reserve(argv.size());
  for (const CString& arg : argv) utf8.push_back(CP932ToUTF8(arg.str()));
  std::vector<char*> args;
  for (std::string& arg : utf8) args.push_back(arg.data());
  args.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const std::string dir = directory && *directory ? CP932ToUTF8(directory) : std::string();
  if (!dir.empty()) posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    errno = error;
    return -1;
  }
  return pid;
}

int WaitProgram(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

INT_PTR Run(const ShellLaunch& launch) {
  if (launch.error != 0) return launch.error;
  const pid_t pid = StartProgram(launch.argv, launch.directory.IsEmpty() ? nullptr : launch.directory.GetString());
  if (pid < 0) return ErrorFromErrno(errno);
  // The program runs on its own; only its exit is collected, so that it leaves no zombie.
  std::thread([pid] { WaitProgram(pid); }).detach();
  return 42;
}

}  // namespace

INT_PTR OpenLinkTarget(wxWindow* owner, const char* target, const char* directory) {
  const ShellLaunch launch = PlanShellExecute(nullptr, target, nullptr, directory);
  if (launch.program) {
    const CString question = "リンク先はプログラムです。起動しますか？\n" + launch.argv.front();
    const UINT flags = MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2;
    const int answer = owner ? MessageBox(owner, question, "確認", flags) : AfxMessageBox(question, flags);
    if (answer != IDOK) return 33;
  }
  return Run(launch);
}

INT_PTR ShellExecute(wxWindow*, const char* verb, const char* file, const char* parameters, const char* directory,
                     int) {
  return Run(PlanShellExecute(verb, file, parameters, directory));
}
