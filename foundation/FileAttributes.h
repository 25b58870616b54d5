#pragma once
// The Windows file attributes of a file on this system.
#include <sys/stat.h>

#include "platform/base/FileAccess.h"
#include "platform/base/WinTypes.h"

#define FILE_ATTRIBUTE_READONLY 0x01
#define FILE_ATTRIBUTE_HIDDEN 0x02
#define FILE_ATTRIBUTE_DIRECTORY 0x10
#define FILE_ATTRIBUTE_ARCHIVE 0x20

// Read-only, hidden (a name beginning with "."), directory, or archive for any other file.
DWORD FileAttributesOf(const struct stat& st, const char* name);
