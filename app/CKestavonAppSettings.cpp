// Where the settings file lives: beside the program when its folder may be written and the older
// settings do not say otherwise, else in the per-user folder.
#include <cstdio>
#include <filesystem>

#include "app/CKestavonApp.h"
#include "app/COsVersion.h"
#include "foundation/PathHelpers.h"
#include "platform/CWinApp.h"
#include "platform/CodePage.h"
#include "platform/Places.h"
#include "platform/PrivateProfile.h"

namespace {

std::filesystem::path Os(const CString& path) { return std::filesystem::path(CP932ToUTF8(path.str())); }

// The settings file beside the program, under the name the program has on every system.
CString BesidePath() { return GetProgramFolder() + "/kesta32.conf"; }

// Where older versions kept their settings: the framework's default ini of the program in the
// folder that stands for the Windows folder.
CString OldPath() {
  CString folder = GetWindowsFolder();
  if (folder.IsEmpty() || folder[folder.GetLength() - 1] != '/') folder += '/';
  return folder + "KESTA32.INI";
}

CString UserFolder() {
  const CString folder = GetAppDataPath("Pelko", "Kestavon");
  CreateDirectoryTree(folder);
  return folder + "/";
}

void CopyOver(const CString& from, const CString& to) {
  std::error_code ec;
  std::filesystem::copy_file(Os(from), Os(to), std::filesystem::copy_options::overwrite_existing, ec);
}

}  // namespace

void CKestavonApp::ChooseSettingsFile() {
  CString newPath = BesidePath();
  CString oldPath = OldPath();
  if (FILE* file = std::fopen(CP932ToUTF8(newPath.str()).c_str(), "a")) {
    std::fclose(file);
    m_bIniWritable = 1;
  } else {
    m_bIniWritable = 0;
  }
  const int profileFolder = static_cast<int>(GetPrivateProfileInt("System", "ProfileFolder", m_bIniWritable, oldPath));
  if (profileFolder == 0 && COsVersion().m_dwMajorVersion >= 5) {
    oldPath = newPath;
    newPath = UserFolder() + "kesta32.conf";
  }
  std::error_code ec;
  const bool newExists = std::filesystem::exists(Os(newPath), ec);
  const bool oldExists = std::filesystem::exists(Os(oldPath), ec);
  if (!newExists && oldExists)
    CopyOver(oldPath, newPath);
  else if (newExists && std::filesystem::file_size(Os(newPath), ec) == 0 && !ec && oldExists)
    CopyOver(oldPath, newPath);
  m_pszProfileName = newPath;
}

BOOL CKestavonApp::MoveSettingsToProfileFolder(BOOL toProfileFolder) {
  if (COsVersion().m_dwMajorVersion < 5) return FALSE;
  const CString beside = BesidePath();
  const CString user = UserFolder() + "kesta32.conf";
  const CString from = toProfileFolder ? beside : user;
  const CString to = toProfileFolder ? user : beside;
  CopyOver(from, to);
  m_pszProfileName = to;
  return TRUE;
}
