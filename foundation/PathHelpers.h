#pragma once
// Small helpers for file paths, special folders and text building. Paths are Shift JIS with "/"
// as the separator; where a stored path is split, "\" (as written on Windows) counts as well.
#include <memory>

#include "platform/base/CString.h"
#include "platform/base/Places.h"  // IsTabletPC

// Creates the folder, and its missing parents. False when the first attempt failed and the path
// is shorter than 4 bytes, has no "/", or its parent cannot be made; so an existing folder
// gives false too.
bool CreateDirectoryTree(const char* path);
// The reference from the base file's folder to the target, with "/" separators ("../c/y.txt").
CString MakeRelativePath(const char* basePath, const char* targetPath);
// The path that a reference ("./x", "../x", "x/y") relative to the base file's folder names;
// a reference that climbs above the root comes back unchanged.
CString ResolveRelativePath(const char* basePath, const char* reference);
CString GetCurrentDir();
// Lets waiting window events run during a long loop (once; nothing without a GUI).
void PumpWaitingMessages();
// The program's folder with "/" and the file name; the folder alone without the final "/".
CString GetModuleDirFile(const char* fileName);
CString GetModuleDir();
// The path's folder (with its final separator) followed by fileName.
CString ReplaceFileName(const char* path, const char* fileName);
// ":" becomes a blank; * / < > ? \ | are dropped unless they are the trail byte of a double-byte
// character.
CString MakeValidFileName(const char* text);
// The text after the last ".", "" when there is none.
CString GetFileExt(const char* path);
// The temporary folder, with its final "/".
CString GetTempDir();
// The user's application-data folder, with the sub folders appended when given; with a file
// name as well, the folder is created when missing and the file's path returned.
CString GetAppDataPath(const char* subFolder1 = nullptr, const char* subFolder2 = nullptr,
                       const char* fileName = nullptr);
CString IntToString(int value);

// A growable character buffer for building long texts piece by piece; appending is amortised
// constant time.
class CStrBuffer {
 public:
  CStrBuffer() : CStrBuffer(254) {}
  explicit CStrBuffer(int capacity);
  CStrBuffer(const CStrBuffer&) = delete;
  CStrBuffer& operator=(const CStrBuffer&) = delete;

  void Append(const char* text);
  const char* GetData() const { return m_pBuffer.get(); }

 private:
  std::unique_ptr<char[]> m_pBuffer;  // always NUL-terminated
  int m_nLength = 0;
  int m_nCapacity = 0;  // bytes for text, the NUL not counted
};
