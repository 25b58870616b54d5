#include "app/UserFiles.h"

#include <filesystem>
#include <system_error>

#include "foundation/PathHelpers.h"
#include "platform/base/CodePage.h"
#include "platform/base/Places.h"

CString GetShippedFolder() {
  const CString program = GetProgramFolder();
  // Found from where the program is, not from where it was built to go, so a moved prefix works.
  const int slash = program.ReverseFind('/');
  if (slash >= 0 && program.Mid(slash + 1) == "bin") {
    const CString shared = program.Left(slash) + "/share/kesta32";
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::path(CP932ToUTF8(shared.str())), ec)) return shared;
  }
  return program;
}

CString GetShippedFilePath(const char* name) { return GetShippedFolder() + "/" + name; }

CString GetUserFilePath(const char* name) {
  const CString folder = GetProgramDataFolder();
  CreateDirectoryTree(folder);
  return folder + "/" + name;
}

bool IsInProgramFolder(const CString& path) {
  const int slash = path.ReverseFind('/');
  if (slash < 0) return false;
  const CString folder = path.Left(slash);
  return folder == GetProgramFolder() || folder == GetShippedFolder();
}
