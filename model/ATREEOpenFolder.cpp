// Documents built from something other than an outline file: a folder tree and a JSON outline.
#include <algorithm>

#include "convert/CTreeJsonSerializer.h"
#include "model/ATREE.h"

void ATREE::StripLevelSeparators(CString& title) {
  std::string& s = title.str();
  s.erase(std::remove(s.begin(), s.end(), '\x01'), s.end());
}

BOOL ATREE::OpenFolder(const char* folder) {
  CString path(folder);
  // "/notes/" names the folder "notes", as "/notes" does.
  while (path.GetLength() > 1 && path[path.GetLength() - 1] == '/') path = path.Left(path.GetLength() - 1);
  const int slash = path.ReverseFind('/');
  CString title = slash >= 0 && path.GetLength() > 1 ? path.Mid(slash + 1) : path;
  StripLevelSeparators(title);
  auto root = std::make_unique<CDirData>(title);
  StripRecordBytes(root->m_strPath);
  const CString rootPath = root->m_strPath;
  AddDirData(std::move(root));
  ImportFolder(path, rootPath);
  return TRUE;
}

int ATREE::ReadJsonFile(const char* path) {
  AddDirData(std::make_unique<CDirData>());
  CTreeJsonSerializer serializer(*this);
  return serializer.ReadFile(path);
}
