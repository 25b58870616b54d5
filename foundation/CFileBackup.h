#pragma once
// Backup generations beside a file: before it is overwritten, dir/name.ext is copied to
// dir/name.bak, which moves on to dir/name.2.bak, and so on up to the number of generations kept.
#include "platform/base/CString.h"

class CFileBackup {
 public:
  // Copies the file at path into the first generation, shifting the older ones; the file itself
  // stays. Nothing is reported, and a missing file changes nothing.
  void Backup(const char* path);
  // The next name in the chain: name.ext gives name.bak, name.bak name.2.bak, name.2.bak name.3.bak.
  CString GetBackupFileName(const char* path) const;

  int m_nGenerations = 1;
  CString m_strExt = "bak";  // without the dot

 private:
  void RotateBackupFiles(const char* path);

  int m_nDepth = 0;
};
