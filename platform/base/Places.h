#pragma once
// Where things are on this machine, and what it is called: the program's folder, the per-user
// folders, the temporary folder, the computer name and the system version. Paths are code page
// 932 with "/" as separator; they are converted to UTF-8 only at the OS calls. Every place can be
// redirected for tests: KESTA_PROGRAM_DIR (program folder), XDG_CONFIG_HOME and HOME (user
// folders), TMPDIR (temporary folder).
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// Full path of the running program (from /proc/self/exe); with KESTA_PROGRAM_DIR set, the
// program's file name in that folder.
CString GetProgramPath();
// Folder of the running program, without the final "/".
CString GetProgramFolder();
// The per-user settings folder: $XDG_CONFIG_HOME, else $HOME/.config. No final "/".
CString GetUserDataFolder();
// Folder of the program's own per-user files: GetUserDataFolder() + "/kesta32". No final "/".
CString GetProgramDataFolder();
// Stands in for the Windows folder, where older versions kept their ini files:
// GetProgramDataFolder() + "/windows". No final "/".
CString GetWindowsFolder();
// The temporary folder: $TMPDIR when it names a folder, else /tmp; with the final "/".
CString GetTempFolder();
// The folder of the program's local sockets (the running instance, conversations): $XDG_RUNTIME_DIR,
// else a folder only this user can enter below the temporary folder. Anyone may have made a folder
// of the expected name first, so one is used only when it is this user's own directory with no
// access for others; otherwise the next name of the same series is tried, which every start of
// this user walks alike. No final "/"; "" when none can be had.
CString GetRuntimeFolder();
// The computer's name (gethostname), at most MAX_COMPUTERNAME_LENGTH characters as a network
// name is; "" when the system gives none.
CString GetComputerNameText();
// This program never runs on a Tablet PC.
inline bool IsTabletPC() { return false; }

// The same services in the shape of the Windows calls, for code written against them.
#define MAX_COMPUTERNAME_LENGTH 15
// Copies the program path (module must be null); returns the length copied, or size when the
// path was cut (the buffer then holds size - 1 bytes and a NUL), 0 on failure.
DWORD GetModuleFileName(void* module, char* buffer, DWORD size);
// Copies GetWindowsFolder(); returns its length, or the size needed (with the NUL) when the
// buffer is too small.
UINT GetWindowsDirectory(char* buffer, UINT size);
// Copies GetTempFolder() (with the final "/"); returns as GetWindowsDirectory does.
DWORD GetTempPath(DWORD size, char* buffer);
// Makes a unique temporary file name "<folder>/<prefix up to 3 bytes><hex>.tmp". With unique 0
// the file is created (and the name is free); otherwise only the name is built from unique.
// Returns the number used, 0 on failure. buffer must hold MAX_PATH bytes.
UINT GetTempFileName(const char* folder, const char* prefix, UINT unique, char* buffer);
// Copies the computer name; *size is the buffer size on entry and the length on success (the
// size needed, with the NUL, on failure).
BOOL GetComputerName(char* buffer, DWORD* size);

// The system version as Windows reports it: a fixed modern version (10.0, NT family).
struct OSVERSIONINFO {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  char szCSDVersion[128];
};
struct OSVERSIONINFOEX : OSVERSIONINFO {
  WORD wServicePackMajor;
  WORD wServicePackMinor;
  WORD wSuiteMask;
  BYTE wProductType;
  BYTE wReserved;
};
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2
#define VER_NT_WORKSTATION 1
// Fills the record when dwOSVersionInfoSize is sizeof(OSVERSIONINFO) or sizeof(OSVERSIONINFOEX);
// FALSE for any other size.
BOOL GetVersionEx(OSVERSIONINFO* info);
