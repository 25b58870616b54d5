#pragma once
// Moving a file to the desktop's trash, from where the user can still restore it.
#include "platform/base/WinTypes.h"

// path in code page 932. FALSE when the file could not be moved (it stays where it was).
BOOL MoveToTrash(const char* path);
