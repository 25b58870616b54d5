#pragma once
// Files that a process leaves behind for as long as it works on them (a lock, the temporary file
// of a save) name the computer and the process, so that a later start can tell one whose writer
// is gone from one still in use.
#include <sys/types.h>

// True only when the process of this computer with that number is known to be gone: no process
// has the number, or it now belongs to another program. Another user's process counts as running.
bool IsLocalProcessGone(pid_t pid);
