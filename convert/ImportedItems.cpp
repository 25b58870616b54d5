#include "convert/ImportedItems.h"

#include <algorithm>
#include <string>

#include "model/ATREE.h"

CString FileTitleOf(const char* path) {
  const std::string p(path);
  const size_t slash = p.find_last_of("/\\");
  std::string name = slash == std::string::npos ? p : p.substr(slash + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return CString(name.c_str());
}

void CleanImportedText(CString& text) {
  std::string& s = text.str();
  s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c >= '\x01' && c <= '\x08'; }), s.end());
}

void CleanImportedTitle(CString& title) {
  CleanImportedText(title);
  ATREE::DeleteLineBreaks(title);
}
