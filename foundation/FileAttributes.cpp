#include "foundation/FileAttributes.h"

#include <cstring>

DWORD FileAttributesOf(const struct stat& st, const char* name) {
  DWORD attributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
  if (IsReadOnlyForUser(st)) attributes |= FILE_ATTRIBUTE_READONLY;
  const char* slash = std::strrchr(name, '/');
  const char* base = slash ? slash + 1 : name;
  if (base[0] == '.' && std::strcmp(base, ".") != 0 && std::strcmp(base, "..") != 0) {
    attributes |= FILE_ATTRIBUTE_HIDDEN;
  }
  return attributes;
}
