#include "foundation/PathHelpers.h"

#include <sys/stat.h>
#include <unistd.h>
#include <wx/app.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"

namespace {

// "\" as written on Windows becomes "/"; a trail byte 0x5C stays.
CString WithSlashes(const char* path) {
  CString text(path ? path : "");
  text.Replace('\\', '/');
  return text;
}

int LastSeparator(const CString& path) { return path.ReverseFind('/'); }

std::vector<CString> SplitFolders(const CString& folder) {
  std::vector<CString> parts;
  int start = 0;
  for (int slash = folder.Find('/'); slash >= 0; slash = folder.Find('/', start)) {
    parts.push_back(folder.Mid(start, slash - start));
    start = slash + 1;
  }
  parts.push_back(folder.Mid(start));
  return parts;
}

bool MakeFolder(const CString& path) { return mkdir(CP932ToUTF8(path.GetString()).c_str(), 0777) == 0; }

bool IsFolder(const CString& path) {
  struct stat st {};
  return stat(CP932ToUTF8(path.GetString()).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool CreateDirectoryTree(const char* path) {
  const CString folder(path);
  if (MakeFolder(folder)) return true;
  const int slash = LastSeparator(folder);
  if (folder.GetLength() < 4 || slash < 0) return false;
  if (!CreateDirectoryTree(folder.Left(slash))) return false;
  MakeFolder(folder);
  return true;
}

CString MakeRelativePath(const char* basePath, const char* targetPath) {
  const CString base = WithSlashes(basePath);
  const CString target = WithSlashes(targetPath);
  const int baseSlash = LastSeparator(base);
  const int targetSlash = LastSeparator(target);
  const CString baseFolder = base.Left(std::max(baseSlash, 0));
  const CString targetFolder = target.Left(std::max(targetSlash, 0));
  const CString targetName = target.Mid(targetSlash + 1);
  if (baseFolder == targetFolder) return targetName;

  const std::vector<CString> from = SplitFolders(baseFolder);
  const std::vector<CString> to = SplitFolders(targetFolder);
  size_t common = 0;
  // File names are case-sensitive here: "Docs" and "docs" are two folders.
  while (common < from.size() && common < to.size() && from[common] == to[common]) ++common;
  CString relative;
  for (size_t i = common; i < from.size(); ++i) relative += "../";
  for (size_t i = common; i < to.size(); ++i) relative += to[i] + "/";
  return relative + targetName;
}

CString ResolveRelativePath(const char* basePath, const char* reference) {
  const CString base = WithSlashes(basePath);
  CString folder = base.Left(std::max(LastSeparator(base), 0));
  const CString ref = WithSlashes(reference);
  if (ref.Left(2) == "./") return folder + "/" + ref.Mid(2);
  if (ref.Left(3) == "../") {
    int rest = 0;
    while (ref.Mid(rest, 3) == "../") {
      const int slash = LastSeparator(folder);
      if (slash < 0) return CString(reference);  // above the top of the base's folders
      folder = folder.Left(slash);
      rest += 3;
    }
    return folder + "/" + ref.Mid(rest);
  }
  if (ref.Find("../") < 0 && !folder.IsEmpty() && folder[folder.GetLength() - 1] == '/') return folder + ref;
  return folder + "/" + ref;
}

CString GetCurrentDir() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return CString();
    buffer.resize(buffer.size() * 2);
  }
  return UTF8ToCP932(buffer.data());
}

void PumpWaitingMessages() {
  wxAppConsole* app = wxAppConsole::GetInstance();
  if (app != nullptr && app->IsGUI()) app->Yield(true);
}

CString GetModuleDirFile(const char* fileName) { return GetProgramFolder() + "/" + fileName; }

CString GetModuleDir() { return GetProgramFolder(); }

CString ReplaceFileName(const char* path, const char* fileName) {
  const CString full(path);
  const int slash = std::max(full.ReverseFind('/'), full.ReverseFind('\\'));
  return full.Left(slash + 1) + fileName;
}

CString MakeValidFileName(const char* text) {
  CString out;
  for (const char* p = text; *p;) {
    const int length = CharLengthAt(p);
    if (length == 2) {
      out.Append(p, 2);
    } else if (*p == ':') {
      out += ' ';
    } else if (std::strchr("*/<>?\\|", *p) == nullptr) {
      out += *p;
    }
    p += length;
  }
  return out;
}

CString GetFileExt(const char* path) {
  const CString full(path);
  const int dot = full.ReverseFind('.');
  return dot >= 0 ? full.Mid(dot + 1) : CString();
}

CString GetTempDir() { return GetTempFolder(); }

CString GetAppDataPath(const char* subFolder1, const char* subFolder2, const char* fileName) {
  CString folder = GetUserDataFolder();
  if (subFolder1 != nullptr) {
    if (folder.IsEmpty() || folder[folder.GetLength() - 1] != '/') folder += "/";
    folder += subFolder1;
    if (subFolder2 != nullptr) folder += CString("/") + subFolder2;
  }
  if (fileName == nullptr) return folder;
  if (!IsFolder(folder)) CreateDirectoryTree(folder);
  return folder + "/" + fileName;
}

CString IntToString(int value) {
  CString text;
  text.Format("%d", value);
  return text;
}

CStrBuffer::CStrBuffer(int capacity)
    : m_pBuffer(std::make_unique<char[]>(static_cast<size_t>(std::max(capacity, 0)) + 1)),
      m_nCapacity(std::max(capacity, 0)) {}

void CStrBuffer::Append(const char* text) {
  const int added = static_cast<int>(std::strlen(text));
  const int needed = m_nLength + added;
  if (needed > m_nCapacity) {
    const int capacity = std::max(needed * 2, m_nCapacity * 2);
    auto grown = std::make_unique<char[]>(static_cast<size_t>(capacity) + 1);
    std::memcpy(grown.get(), m_pBuffer.get(), static_cast<size_t>(m_nLength) + 1);
    m_pBuffer = std::move(grown);
    m_nCapacity = capacity;
  }
  std::memcpy(m_pBuffer.get() + m_nLength, text, static_cast<size_t>(added) + 1);
  m_nLength = needed;
}
