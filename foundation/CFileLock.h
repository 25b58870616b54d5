#pragma once
// The lock of one shared document: a companion file "<path>.lock" whose existence tells other
// copies of the program that someone has the document open for writing. Its content (time,
// computer name, note) is for people looking into the folder; nothing reads it back.
#include "platform/CString.h"

class CFileLock {
 public:
  // A different path (exact comparison) clears Owned; the same path changes nothing.
  void SetPath(const char* path);
  static CString GetLockFileName(const char* path);

  // False when no file is at the path; else whether this user may not write it.
  bool IsReadOnlyFile() const;
  // A lock file for the path exists that this object did not write.
  bool IsLockedByOther() const;
  // The path is this object's own locked path, or no lock file exists for it.
  bool CanWrite(const char* path) const;
  bool CreateLockFile();
  bool RemoveLockFile();

 private:
  CString m_strPath;
  CString m_strNote;  // third line of the lock file
  int m_nOwned = 0;   // 1 once this object wrote the lock file of m_strPath
};
