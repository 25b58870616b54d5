#pragma once
// The registry of Windows as a per-user store: HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE live in one
// file, $XDG_CONFIG_HOME/kesta32/registry (or ~/.config/kesta32/registry); HKEY_CLASSES_ROOT is the
// user's class registrations, HKEY_CURRENT_USER\Software\Classes, as on Windows. One store per
// process, shared by the program and the editing control. Key and value names match without regard
// to ASCII letter case; "\" separates the keys of a path (a double-byte character whose second byte
// is 0x5C is no separator). Values keep their type and their exact bytes. Every change is written
// to the file at once (a whole new file renamed over the old one); a file changed by another
// process is read again before the next call.
#include <cstdint>

#include "platform/base/WinTypes.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;
using LSTATUS = LONG;

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))

#ifndef ERROR_SUCCESS
#define ERROR_SUCCESS 0L
#endif
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_INVALID_DATA 13L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MORE_DATA 234L
#define ERROR_NO_MORE_ITEMS 259L
#define ERROR_CANTWRITE 1013L
#define ERROR_KEY_DELETED 1018L

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_QWORD 11

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F
#define REG_OPTION_NON_VOLATILE 0
#define REG_CREATED_NEW_KEY 1
#define REG_OPENED_EXISTING_KEY 2

// Opens subKey below key, creating the missing keys on the way (disposition tells which).
LONG RegCreateKeyEx(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options, REGSAM access,
                    void* security, PHKEY result, DWORD* disposition);
LONG RegCreateKey(HKEY key, const char* subKey, PHKEY result);
// Opens an existing key; ERROR_FILE_NOT_FOUND when it is missing. A null or empty subKey opens
// key itself again.
LONG RegOpenKeyEx(HKEY key, const char* subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegOpenKey(HKEY key, const char* subKey, PHKEY result);
LONG RegCloseKey(HKEY key);

// A null or empty name is the key's default value.
LONG RegSetValueEx(HKEY key, const char* name, DWORD reserved, DWORD type, const BYTE* data, DWORD size);
// type and data may be null. With data null, *size receives the size. A buffer too small gives
// ERROR_MORE_DATA and the size needed in *size.
LONG RegQueryValueEx(HKEY key, const char* name, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);
// The default value (a string) of subKey below key; *size in bytes with the NUL.
LONG RegQueryValue(HKEY key, const char* subKey, char* data, LONG* size);

// The index-th subkey in order of names (case-insensitive); ERROR_NO_MORE_ITEMS past the end.
// *nameSize is the buffer size on entry and the length without NUL on return.
LONG RegEnumKeyEx(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* reserved, char* keyClass,
                  DWORD* classSize, void* lastWriteTime);
// The index-th value in the order the values were first set.
LONG RegEnumValue(HKEY key, DWORD index, char* name, DWORD* nameSize, DWORD* reserved, DWORD* type, BYTE* data,
                  DWORD* dataSize);

// Deletes a key that has no subkeys (ERROR_ACCESS_DENIED when it has some); a null or empty subKey
// deletes key itself. Open handles to a deleted key report ERROR_KEY_DELETED.
LONG RegDeleteKey(HKEY key, const char* subKey);
// Deletes subKey with everything below it; with a null subKey, everything below key.
LONG RegDeleteTree(HKEY key, const char* subKey);
LONG RegDeleteValue(HKEY key, const char* name);

// Forgets what the store holds in memory, so that the next call reads the file, as a new process
// would; the file's place is taken from the environment again.
void RegistryDiscardCache();
