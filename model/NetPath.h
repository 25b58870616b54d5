#pragma once
// The net path names a document kept on the web file service wherever a file path stands:
// "net:" + file ID + ";" + title. The file ID holds no ";"; the title is the rest and may hold
// anything. A document not yet stored there has the unstored net path "net:;" + title.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// The longest net path handled (as a path buffer of 260 holds it).
constexpr int kMaxNetPath = 259;

// "net:" (in these small letters) at the very start.
BOOL IsNetFilePath(const char* path);
BOOL IsUnstoredNetPath(const char* path);
// The text after the first ";"; a path without one is returned whole.
CString GetNetFileTitle(const char* path);
// The text after the first ":" up to the first ";" behind it; "" when no ";" follows.
CString GetNetFileId(const char* path);
CString MakeNetPath(const char* fileId, const char* title);
