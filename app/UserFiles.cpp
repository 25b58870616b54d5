#include "app/UserFiles.h"

#include "foundation/PathHelpers.h"
#include "platform/Places.h"

CString GetShippedFilePath(const char* name) { return GetProgramFolder() + "/" + name; }

CString GetUserFilePath(const char* name) {
  const CString folder = GetProgramDataFolder();
  CreateDirectoryTree(folder);
  return folder + "/" + name;
}

bool IsInProgramFolder(const CString& path) {
  const int slash = path.ReverseFind('/');
  return slash >= 0 && path.Left(slash) == GetProgramFolder();
}
