#pragma once
// Whether a file may be written: the one writable check of the program. A file is read-only when
// the write permission bit that applies to this user is off, as the read-only attribute of
// Windows, which binds administrators too; so not access(), which lets root write everything.
#include <sys/stat.h>

bool IsReadOnlyForUser(const struct stat& st);
// The file at path (code page 932) exists and is read-only for this user.
bool IsReadOnlyFile(const char* path);
