#include "foundation/FileAttributes.h"

#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

bool InGroup(gid_t gid) {
  if (gid == getegid()) return true;
  const int count = getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<size_t>(count));
  const int got = getgroups(count, groups.data());
  for (int i = 0; i < got; ++i) {
    if (groups[static_cast<size_t>(i)] == gid) return true;
  }
  return false;
}

}  // namespace

bool IsReadOnlyForUser(const struct stat& st) {
  if (st.st_uid == geteuid()) return (st.st_mode & S_IWUSR) == 0;
  if (InGroup(st.st_gid)) return (st.st_mode & S_IWGRP) == 0;
  return (st.st_mode & S_IWOTH) == 0;
}

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
