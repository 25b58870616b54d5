#include "platform/base/FileAccess.h"

#include <unistd.h>

#include <string>
#include <vector>

#include "platform/base/CodePage.h"

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

bool IsReadOnlyFile(const char* path) {
  struct stat st {};
  return stat(CP932ToUTF8(path).c_str(), &st) == 0 && IsReadOnlyForUser(st);
}
