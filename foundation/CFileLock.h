#pragma once
// The lock of one shared document: a companion file "<path>.lock" whose existence tells other
// copies of the program that someone has the document open for writing. Its content (time,
// computer name with the process id, note) is for people looking into the folder, and for a later
// start on the same computer: a lock whose process is gone is stale and taken over.
#include "platform/base/CString.h"

class CFileLock {
 public:
  // A different path (exact comparison) clears Owned; the same path changes nothing.
  void SetPath(const char* path);
  static CString GetLockFileName(const char* path);

  // False when no file is at the path; else whether this user may not write it.
  bool IsReadOnlyFile() const;
  // A lock file for the path exists that this object did not write and that is not stale.
  bool IsLockedByOther() const;
  // The path is this object's own locked path, or no lock file (or only a stale one) exists for it.
  bool CanWrite(const char* path) const;
  bool CreateLockFile();
  bool RemoveLockFile();

 private:
  CString m_strPath;
  CString m_strNote;  // third line of the lock file
  int m_nOwned = 0;   // 1 once this object wrote the lock file of m_strPath
};
