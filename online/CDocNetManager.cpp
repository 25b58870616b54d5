#include "online/CDocNetManager.h"

#include "model/NetPath.h"

CDocument* CDocNetManager::OpenDocumentFile(const char* path) {
  if (!IsNetFilePath(path) && !(path && path[0] == '"' && IsNetFilePath(path + 1))) return CDocManager::OpenDocumentFile(path);
  CString name(path[0] == '"' ? path + 1 : path);
  name = name.Left(kMaxNetPath);
  const int quote = name.ReverseFind('"');
  if (quote >= 0) name = name.Left(quote);
  return OpenWithBestTemplate(name);
}
