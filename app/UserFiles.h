#pragma once
// The two places of the files the program ships with defaults (the settings file, the key file):
// the shipped copy beside the program, only ever read, because that folder is shared and
// read-only once installed; and the user's own copy in the per-user folder, read and written.
#include "platform/CString.h"

// The shipped default of a file, beside the program.
CString GetShippedFilePath(const char* name);
// The user's copy of a file; the per-user folder is made when missing.
CString GetUserFilePath(const char* name);
// Whether a path names a file in the program's folder, which the program never writes.
bool IsInProgramFolder(const CString& path);
