// Where the settings file lives: the user's own copy in the per-user folder, read and written
// there. The program's folder is shared and read-only once installed, so the file beside the
// program is only the shipped default that fills a user's first copy; it is never written.
#include <filesystem>

#include "app/CKestavonApp.h"
#include "app/UserFiles.h"
#include "foundation/PathHelpers.h"
#include "platform/base/CodePage.h"
#include "platform/base/Places.h"

namespace {

std::filesystem::path Os(const CString& path) { return std::filesystem::path(CP932ToUTF8(path.str())); }

bool HasContent(const CString& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(Os(path), ec);
  return !ec && size > 0;
}

// Where older versions kept their settings: the framework's default ini of the program in the
// folder that stands for the Windows folder.
CString OldPath() {
  CString folder = GetWindowsFolder();
  if (folder.IsEmpty() || folder[folder.GetLength() - 1] != '/') folder += '/';
  return folder + "KESTA32.INI";
}

}  // namespace

void CKestavonApp::ChooseSettingsFile() {
  const CString userPath = GetUserFilePath("kesta32.conf");
  if (!HasContent(userPath)) {
    // A first copy starts from the user's own older settings where there are any: the per-user
    // file of earlier builds, then the older program's ini; else from the shipped defaults.
    const CString sources[] = {GetAppDataPath("Pelko", "Kestavon") + "/kesta32.conf", OldPath(),
                               GetShippedFilePath("kesta32.conf")};
    for (const CString& source : sources) {
      if (!HasContent(source)) continue;
      std::error_code ec;
      std::filesystem::copy_file(Os(source), Os(userPath), std::filesystem::copy_options::overwrite_existing, ec);
      break;
    }
  }
  m_pszProfileName = userPath;
}
