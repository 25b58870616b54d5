#pragma once
// The details of one file as a file list shows them.
#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

struct CFileStatusEx {
  CString m_strPath;  // the path asked for
  COleDateTime m_ctime;  // creation, local time
  COleDateTime m_mtime;  // last write
  COleDateTime m_atime;  // last access
  DWORD m_size = 0;       // the low 32 bits of the size
  DWORD m_attribute = 0;  // FILE_ATTRIBUTE_* bits, low 7 only
};

// Sets the path; when the file is there, fills the rest (otherwise the rest stays as it was).
void GetFileStatusEx(CFileStatusEx& status, const char* path);
