#pragma once
// The two places of the files the program ships with defaults (the settings file, the key file,
// the style sheets): the shipped copy, only ever read, because that folder is shared and read-only
// once installed; and the user's own copy in the per-user folder, read and written.
#include "platform/base/CString.h"

// The folder of the shipped files: <prefix>/share/kesta32 when the program runs as installed
// (<prefix>/bin/kesta32), else the program's own folder, as in the build tree.
CString GetShippedFolder();
// The shipped default of a file.
CString GetShippedFilePath(const char* name);
// The user's copy of a file; the per-user folder is made when missing.
CString GetUserFilePath(const char* name);
// Whether a path names a file in the program's folder or the shipped files' folder, which the
// program never writes.
bool IsInProgramFolder(const CString& path);
