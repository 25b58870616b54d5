#include "model/NetPath.h"

#include <cstring>

BOOL IsNetFilePath(const char* path) { return path && std::strncmp(path, "net:", 4) == 0; }

BOOL IsUnstoredNetPath(const char* path) { return path && std::strncmp(path, "net:;", 5) == 0; }

CString GetNetFileTitle(const char* path) {
  const CString text(path ? path : "");
  const int semicolon = text.Find(';');
  return semicolon < 0 ? text : text.Mid(semicolon + 1);
}

CString GetNetFileId(const char* path) {
  const CString text(path ? path : "");
  const int colon = text.Find(':');
  const int semicolon = text.Find(';', colon + 1);
  if (semicolon < 0) return CString();
  return text.Mid(colon + 1, semicolon - colon - 1);
}

CString MakeNetPath(const char* fileId, const char* title) {
  return CString("net:") + (fileId ? fileId : "") + ";" + (title ? title : "");
}
