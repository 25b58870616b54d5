#pragma once
// Paths from outside (a file chosen to open or import, a folder's entries, a link) are read only
// when they name a regular file: a FIFO would hold the reader for ever and a device has no end.
// The file is opened without waiting and checked on what was opened, so nothing can be put in its
// place between the check and the read. Paths are code page 932.
#include <cstdio>
#include <string>

// A descriptor open for reading (close-on-exec, blocking again), or -1: errno EINVAL for a file
// that is not regular, else the open's own.
int OpenRegularFile(const char* path);
// The same as a stdio stream ("rb"); null as above.
std::FILE* OpenRegularFileStream(const char* path);
// The same for a path in the OS's form (UTF-8), as a folder's entries come.
std::FILE* OpenRegularOsFileStream(const char* osPath);
// The whole regular file; false when it cannot be opened or read.
bool ReadRegularFile(const char* path, std::string& bytes);
// Whether the path names a regular file now, for readers that open it through a library of their
// own (streams, wx); a symbolic link counts as what it points to.
bool IsRegularFile(const char* path);
