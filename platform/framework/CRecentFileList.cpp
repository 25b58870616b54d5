#include "platform/framework/CRecentFileList.h"

#include <wx/menu.h>

#include <algorithm>
#include <filesystem>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FrameworkIds.h"
#include "platform/base/FullPath.h"

CRecentFileList::CRecentFileList(UINT nStart, const char* section, const char* entryFormat, int nSize,
                                 int nMaxDispLen)
    : m_arrNames(static_cast<size_t>(std::clamp(nSize, 0, ID_FILE_MRU_LAST - ID_FILE_MRU_FILE1 + 1))),
      m_strSectionName(section),
      m_strEntryFormat(entryFormat),
      m_nStart(nStart),
      m_nMaxDisplayLength(nMaxDispLen) {}

CRecentFileList::~CRecentFileList() = default;

void CRecentFileList::Add(const char* path) {
  if (m_arrNames.empty()) return;
  const CString full = AfxFullPath(path);
  size_t match = 0;
  while (match + 1 < m_arrNames.size() && m_arrNames[match] != full) ++match;
  for (; match > 0; --match) m_arrNames[match] = m_arrNames[match - 1];
  m_arrNames[0] = full;
}

void CRecentFileList::Remove(int index) {
  if (index < 0 || index >= GetSize()) return;
  m_arrNames.erase(m_arrNames.begin() + index);
  m_arrNames.emplace_back();
}

CString CRecentFileList::EntryKey(int index) const {
  CString key;
  key.Format(m_strEntryFormat, index + 1);
  return key;
}

void CRecentFileList::ReadList() {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  for (int i = 0; i < GetSize(); ++i) m_arrNames[static_cast<size_t>(i)] = app->GetProfileString(m_strSectionName, EntryKey(i), "");
}

void CRecentFileList::WriteList() {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  for (int i = 0; i < GetSize(); ++i) {
    const CString& name = m_arrNames[static_cast<size_t>(i)];
    app->WriteProfileString(m_strSectionName, EntryKey(i), name.IsEmpty() ? nullptr : name.GetString());
  }
}

BOOL CRecentFileList::GetDisplayName(CString& name, int index, const char* currentDir, int currentDirLength,
                                     BOOL atLeastName) const {
  if (index < 0 || index >= GetSize() || m_arrNames[static_cast<size_t>(index)].IsEmpty()) return FALSE;
  const CString& path = m_arrNames[static_cast<size_t>(index)];
  const int slash = path.ReverseFind('/');
  if (currentDir && currentDirLength == slash + 1 && path.Left(currentDirLength) == CString(currentDir, currentDirLength))
    name = path.Mid(slash + 1);
  else if (m_nMaxDisplayLength > 0)
    name = AbbreviatePath(path, m_nMaxDisplayLength, atLeastName);
  else
    name = path;
  return TRUE;
}

CString CRecentFileList::AbbreviatePath(const CString& path, int maxLength, BOOL atLeastName) {
  if (path.GetLength() <= maxLength) return path;
  const CString name = path.Mid(path.ReverseFind('/') + 1);
  if (name.GetLength() > maxLength) return atLeastName ? name : CString();
  const int volumeEnd = path.Find('/', 1);
  if (path[0] != '/' || volumeEnd < 0) return name;
  const CString volume = path.Left(volumeEnd);
  if (volume.GetLength() + 4 + 1 + name.GetLength() > maxLength) return name;
  CString rest = path.Mid(volumeEnd);  // "/folder/.../name"
  while (volume.GetLength() + 4 + rest.GetLength() > maxLength) rest = rest.Mid(rest.Find('/', 1));
  return volume + "/..." + rest;
}

void CRecentFileList::UpdateMenu(wxMenu* menu) {
  const int firstId = ID_FILE_MRU_FILE1;
  size_t pos = 0;
  wxMenuItem* first = menu ? menu->FindChildItem(firstId, &pos) : nullptr;
  if (!first) return;
  if (m_strOriginal.IsEmpty()) m_strOriginal = WxToCP932(first->GetItemLabel());
  for (int id = firstId; id <= ID_FILE_MRU_LAST; ++id)
    while (menu->FindChildItem(id)) menu->Destroy(id);

  if (m_arrNames.empty() || m_arrNames.front().IsEmpty()) {
    menu->Insert(pos, firstId, CP932ToWx(m_strOriginal.str()));
    menu->Enable(firstId, false);
    return;
  }
  std::error_code ec;
  const CString currentDir = UTF8ToCP932(std::filesystem::current_path(ec).string()) + "/";
  for (int i = 0; i < GetSize(); ++i) {
    CString name;
    if (!GetDisplayName(name, i, currentDir, currentDir.GetLength())) break;
    name.Replace("&", "&&");
    CString text;
    text.Format("&%u %s", (static_cast<UINT>(i) + 1 + m_nStart) % 10, name.GetString());
    menu->Insert(pos + static_cast<size_t>(i), firstId + i, CP932ToWx(text.str()));
  }
}
