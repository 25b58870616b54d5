#include "app/LinkFileName.h"

#include "foundation/CPelkoInifile.h"
#include "foundation/JapaneseText.h"
#include "foundation/PathHelpers.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"

CString JoinPath(const char* folder, const char* name) {
  const CString last = GetLastChar(folder);
  CString path(folder);
  if (last != "/" && last != "\\") path += "/";
  return path + name;
}

CString MakeLinkFileName(CPelkoSettings& settings, const char* title, const char* documentPath,
                         const char* linkFolder) {
  const CString ext = ReadSetting(Settings::System::LinkExt, settings);
  const int dot = ext.ReverseFind('.');
  const CString name = MakeValidFileName(title) + "." + (dot < 0 ? ext : ext.Mid(dot + 1));
  const int absolute = ReadSetting(Settings::System::LinkNewAbsolute, settings);

  const CString document(documentPath);
  const CString folder(linkFolder);
  const int slash = document.ReverseFind('/');
  if (slash < 0) return JoinPath(folder.IsEmpty() ? GetCurrentDir() : folder, name);

  const CString full = JoinPath(folder.IsEmpty() ? document.Left(slash) : folder, name);
  return absolute == 0 ? MakeRelativePath(document, full) : full;
}
