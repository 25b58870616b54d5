#include "platform/base/Places.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/base/CodePage.h"

namespace {

bool IsFolder(const char* utf8Path) {
  struct stat st;
  return utf8Path && *utf8Path && stat(utf8Path, &st) == 0 && S_ISDIR(st.st_mode);
}

std::string WithoutFinalSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string ExecutablePath() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

// Copies text into a Windows-style buffer: the length when it fits, else the size needed.
DWORD CopyOut(const CString& text, char* buffer, DWORD size) {
  const auto length = static_cast<DWORD>(text.GetLength());
  if (buffer == nullptr || size <= length) return length + 1;
  std::memcpy(buffer, text.GetString(), length + 1);
  return length;
}

}  // namespace

CString GetProgramPath() {
  const std::string exe = ExecutablePath();
  const char* dir = std::getenv("KESTA_PROGRAM_DIR");
  if (dir != nullptr && *dir != '\0') {
    const size_t slash = exe.rfind('/');
    return UTF8ToCP932(WithoutFinalSlash(dir) + "/" + (slash == std::string::npos ? exe : exe.substr(slash + 1)));
  }
  return UTF8ToCP932(exe);
}

CString GetProgramFolder() {
  const CString path = GetProgramPath();
  const int slash = path.ReverseFind('/');
  return slash <= 0 ? CString(slash == 0 ? "/" : "") : path.Left(slash);
}

CString GetUserDataFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  // A relative XDG_CONFIG_HOME is invalid by the XDG rules and must be ignored.
  if (config != nullptr && config[0] == '/') return UTF8ToCP932(WithoutFinalSlash(config));
  const char* home = std::getenv("HOME");
  return UTF8ToCP932(WithoutFinalSlash(home && *home ? home : "/tmp") + "/.config");
}

CString GetProgramDataFolder() { return GetUserDataFolder() + "/kesta32"; }

CString GetWindowsFolder() { return GetProgramDataFolder() + "/windows"; }

CString GetTempFolder() {
  const char* tmp = std::getenv("TMPDIR");
  const std::string folder = IsFolder(tmp) ? WithoutFinalSlash(tmp) : std::string("/tmp");
  return UTF8ToCP932(folder == "/" ? folder : folder + "/");
}

CString GetRuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) return UTF8ToCP932(runtime);
  constexpr int kTries = 100;
  for (int i = 0; i < kTries; ++i) {
    CString folder;
    folder.Format("%skesta32-%u", GetTempFolder().GetString(), static_cast<unsigned>(getuid()));
    if (i > 0) folder.AppendFormat("-%d", i);
    const std::string os = CP932ToUTF8(folder.str());
    mkdir(os.c_str(), 0700);
    struct stat st {};
    if (lstat(os.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 0777) == 0700) {
      return folder;
    }
  }
  return CString();
}

CString GetComputerNameText() {
  char name[256] = {};
  if (gethostname(name, sizeof(name) - 1) != 0) return CString();
  // A network name has no domain part.
  if (char* dot = std::strchr(name, '.')) *dot = '\0';
  return UTF8ToCP932(name).Left(MAX_COMPUTERNAME_LENGTH);
}

DWORD GetModuleFileName(void* module, char* buffer, DWORD size) {
  if (module != nullptr || buffer == nullptr || size == 0) return 0;
  const CString path = GetProgramPath();
  const auto length = static_cast<DWORD>(path.GetLength());
  if (length == 0) return 0;
  if (length < size) {
    std::memcpy(buffer, path.GetString(), length + 1);
    return length;
  }
  std::memcpy(buffer, path.GetString(), size - 1);
  buffer[size - 1] = '\0';
  return size;
}

UINT GetWindowsDirectory(char* buffer, UINT size) { return CopyOut(GetWindowsFolder(), buffer, size); }

DWORD GetTempPath(DWORD size, char* buffer) { return CopyOut(GetTempFolder(), buffer, size); }

UINT GetTempFileName(const char* folder, const char* prefix, UINT unique, char* buffer) {
  if (folder == nullptr || buffer == nullptr) return 0;
  CString base(folder);
  if (!base.IsEmpty() && base[base.GetLength() - 1] != '/') base += '/';
  base += CString(prefix ? prefix : "").Left(3);
  auto build = [&](UINT number) {
    CString name;
    name.Format("%s%X.tmp", base.GetString(), number & 0xFFFF);
    return name;
  };
  if (unique != 0) {
    const CString name = build(unique);
    if (name.GetLength() >= MAX_PATH) return 0;
    std::memcpy(buffer, name.GetString(), static_cast<size_t>(name.GetLength()) + 1);
    return unique & 0xFFFF;
  }
  // Start from a number that differs between processes, and take the first free one.
  const UINT start = static_cast<UINT>(getpid()) & 0xFFFF;
  for (UINT step = 0; step < 0x10000; ++step) {
    UINT number = (start + step) & 0xFFFF;
    if (number == 0) continue;
    const CString name = build(number);
    if (name.GetLength() >= MAX_PATH) return 0;
    const int fd = open(CP932ToUTF8(name.str()).c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
      close(fd);
      std::memcpy(buffer, name.GetString(), static_cast<size_t>(name.GetLength()) + 1);
      return number;
    }
    if (errno != EEXIST) return 0;
  }
  return 0;
}

BOOL GetComputerName(char* buffer, DWORD* size) {
  if (size == nullptr) return FALSE;
  const CString name = GetComputerNameText();
  if (name.IsEmpty()) return FALSE;
  const DWORD result = CopyOut(name, buffer, *size);
  if (buffer == nullptr || *size <= static_cast<DWORD>(name.GetLength())) {
    *size = result;
    return FALSE;
  }
  *size = result;
  return TRUE;
}

BOOL GetVersionEx(OSVERSIONINFO* info) {
  if (info == nullptr) return FALSE;
  const DWORD size = info->dwOSVersionInfoSize;
  if (size != sizeof(OSVERSIONINFO) && size != sizeof(OSVERSIONINFOEX)) return FALSE;
  info->dwMajorVersion = 10;
  info->dwMinorVersion = 0;
  info->dwBuildNumber = 19045;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::memset(info->szCSDVersion, 0, sizeof(info->szCSDVersion));
  if (size == sizeof(OSVERSIONINFOEX)) {
    auto* ex = static_cast<OSVERSIONINFOEX*>(info);
    ex->wServicePackMajor = 0;
    ex->wServicePackMinor = 0;
    ex->wSuiteMask = 0;
    ex->wProductType = VER_NT_WORKSTATION;
    ex->wReserved = 0;
  }
  return TRUE;
}
