#pragma once
// The files of a multi-file export: the pages of an HTML site, the files of text folders. A page
// is not a document, so it gets no temporary file and no sync of its own: each is written straight
// at its name, whole, and checked; the file systems they went to are synced once when the export
// ends. The first file that could not be written is named in one message, which says that the
// export is incomplete.
#include <string_view>
#include <vector>

#include "platform/base/CString.h"

class CPageFiles {
 public:
  CPageFiles();
  ~CPageFiles();
  CPageFiles(const CPageFiles&) = delete;
  CPageFiles& operator=(const CPageFiles&) = delete;

  // The bytes as the whole content of the file at path (code page 932). False when it could not
  // be written whole: a read-only file, a folder or anything but a regular file at the path, a
  // failed write or close. Only the first failure is remembered.
  bool Write(const char* path, std::string_view bytes);
  // Syncs what was written. False when a file failed or the sync did: the message then names the
  // first file that failed (or the folder whose sync did) and says the export is incomplete.
  bool Finish();

  bool HasFailed() const { return !m_strFirstFailure.IsEmpty(); }
  const CString& GetFirstFailure() const { return m_strFirstFailure; }

 private:
  void Fail(const char* path);
  // A folder of each file system written to, kept open for the one sync at the end.
  void RememberFileSystem(int fd, const char* path);

  struct Synced {
    unsigned long long device;
    int folder;
    CString path;
  };
  std::vector<Synced> m_synced;
  CString m_strFirstFailure;
};
