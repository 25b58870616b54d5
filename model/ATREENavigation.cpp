// Structural questions answered from the paths: levels, parents, siblings and lookups.
#include <algorithm>
#include <cstring>

#include "model/ATREE.h"

namespace {

bool EqualFoldAscii(const CString& a, const char* b) {
  const size_t length = static_cast<size_t>(a.GetLength());
  if (std::strlen(b) != length) return false;
  for (size_t i = 0; i < length; ++i) {
    char x = a.GetString()[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

// Offset of the byte at which the count of 0x01 bytes first reaches n; -1 when it never does.
int PositionOfLevel(const CString& path, int n) {
  if (n <= 0) return 0;
  int count = 0;
  for (int i = 0; i < path.GetLength(); ++i) {
    if (path[i] == '\x01' && ++count == n) return i;
  }
  return -1;
}

}  // namespace

int ATREE::LevelOf(const CString& path) {
  // A count the compiler does many bytes at a time; paths are too short for a search per title.
  const char* p = path.GetString();
  return static_cast<int>(std::count(p, p + path.GetLength(), '\x01'));
}

int ATREE::GetLevel(int item) const { return LevelOf(GetDirData(item)->m_strPath); }

CString ATREE::GetName(int item) const {
  const CString& path = GetDirData(item)->m_strPath;
  const int slash = static_cast<int>(path.str().rfind('\x01'));
  CString name = slash >= 0 ? path.Mid(slash + 1) : path;
  const size_t mark = name.str().rfind('\x02');
  if (mark != std::string::npos) name = name.Left(static_cast<int>(mark));
  return name;
}

CString ATREE::GetPathPart(int item, int level) const {
  const CString& path = GetDirData(item)->m_strPath;
  if (level < 0) level = LevelOf(path);
  const int at = PositionOfLevel(path, level);
  if (at < 0) return CString();
  const int start = level == 0 ? 0 : at + 1;
  int end = start;
  while (end < path.GetLength() && path[end] != '\x01' && path[end] != '\x02' && path[end] != '\x03') ++end;
  return path.Mid(start, end - start);
}

int ATREE::GetPathPos(int item, int count) const {
  const CString& path = GetDirData(item)->m_strPath;
  const int at = PositionOfLevel(path, count);
  return at < 0 ? path.GetLength() + 1 : at + 1;
}

int ATREE::GetParent(int item) const {
  const int level = GetLevel(item);
  if (level == 0) return 0;
  for (int i = item - 1; i > 0; --i) {
    if (GetLevel(i) == level - 1) return i;
  }
  return 0;
}

int ATREE::GetPrevSibling(int item) const {
  if (item == 0) return 0;
  const int level = GetLevel(item);
  for (int i = item - 1; i >= 0; --i) {
    const int other = GetLevel(i);
    if (other == level) return i;
    if (other < level) return -1;
  }
  return -1;
}

int ATREE::GetNextSibling(int item, BOOL end) const {
  const int level = GetLevel(item);
  const int count = GetDirDataCount();
  for (int i = item + 1; i < count; ++i) {
    const int other = GetLevel(i);
    if (other == level) return i;
    if (other < level) return end ? i : -1;
  }
  return end ? count : -1;
}

int ATREE::HasChildren(int item) const {
  return item + 1 < GetDirDataCount() && GetLevel(item + 1) == GetLevel(item) + 1 ? 1 : 0;
}

int ATREE::FindPath(const char* path) const {
  for (int i = 0; i < GetDirDataCount(); ++i) {
    if (EqualFoldAscii(GetDirData(i)->m_strPath, path)) return i;
  }
  return -1;
}

int ATREE::FindName(const char* name) const {
  for (int i = 0; i < GetDirDataCount(); ++i) {
    if (GetName(i) == name) return i;
  }
  return -1;
}

int ATREE::FindRow(const char* title) const {
  // Every row, the sentinel too.
  for (int r = 0; r <= m_rows.GetTreeDataCount(); ++r) {
    if (EqualFoldAscii(m_rows.GetTreeData(r)->m_strTitle, title)) return r;
  }
  return -1;
}

int ATREE::GetTitleWidth(int item) const { return GetPathPart(item, -1).GetLength() + 2 * GetLevel(item); }
