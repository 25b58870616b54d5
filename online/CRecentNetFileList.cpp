#include "online/CRecentNetFileList.h"

#include "model/NetPath.h"

void CRecentNetFileList::Add(const char* path) {
  if (!IsNetFilePath(path)) {
    CRecentFileList::Add(path);
    return;
  }
  if (m_arrNames.empty()) return;
  const CString net = CString(path).Left(kMaxNetPath);
  size_t match = 0;
  while (match + 1 < m_arrNames.size() && m_arrNames[match].CompareNoCase(net) != 0) ++match;
  for (; match > 0; --match) m_arrNames[match] = m_arrNames[match - 1];
  m_arrNames[0] = net;
}

BOOL CRecentNetFileList::GetDisplayName(CString& name, int index, const char* currentDir, int currentDirLength,
                                        BOOL atLeastName) const {
  if (index < 0 || index >= GetSize()) return FALSE;
  const CString& entry = m_arrNames[static_cast<size_t>(index)];
  if (entry.IsEmpty()) return FALSE;
  if (IsNetFilePath(entry)) {
    name = GetNetFileTitle(entry);
    return TRUE;
  }
  return CRecentFileList::GetDisplayName(name, index, currentDir, currentDirLength, atLeastName);
}
