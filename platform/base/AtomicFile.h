#pragma once
// Replacing a file so that a failure never leaves a half-written file where a whole one stood:
// the new content goes to a temporary file in the target's folder, which is renamed over the
// target only after it was written and closed successfully. A read-only target is not replaced.
// Paths are code page 932.
#include <string_view>

#include "platform/base/CString.h"

// Creates an empty temporary file (mkstemp) in the folder of targetPath and returns its path;
// "" when it cannot be created. Its name is "." + the target's name + "." + the program's mark,
// this process and computer ("kesta32-<pid>@<computer>-") and six random characters.
CString CreateTempFileBeside(const char* targetPath);

// Removes the temporary files that a write to targetPath left behind when the program was killed
// in the middle: this user's regular files named as CreateTempFileBeside names them whose process
// of this computer is gone. They may hold a document's text, so they must not outlive the save
// that made them; a file of a save still running, or of a name the program did not make, stays.
void RemoveStaleTempFiles(const char* targetPath);

// Moves a finished temporary file over the target: the data is synced, the target's permission
// bits are kept (a new target gets the usual permissions of a new file), a symbolic link at the
// target is followed. On failure the temporary file is removed and the target stays as it was.
bool CommitTempFile(const char* tempPath, const char* targetPath);

// Writes the bytes to a temporary file beside the target and commits it. False on any failure,
// with the old target untouched. Without durable the data is not synced to the disk first: still
// the old file or the new one after a crash of the program, for small stores written often
// (settings, registry) where a sync per change would cost more than the change.
bool WriteFileAtomically(const char* targetPath, std::string_view bytes, bool durable = true);
