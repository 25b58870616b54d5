#pragma once
// What tells one state of a file on disk from another, for stores that keep a parsed file in
// memory and must read it again when another process replaced it.
#include <string>

struct FileStamp {
  bool exists = false;
  long long mtimeNs = 0;
  long long size = 0;
  unsigned long long inode = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of a path in the OS form (UTF-8); exists is false when there is no file.
FileStamp FileStampOf(const std::string& osPath);
