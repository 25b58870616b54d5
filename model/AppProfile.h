#pragma once
// The application's settings file for the model's options. The application names the file
// once at start-up; until it does, every read gives the default named at the call.
#include "platform/CString.h"
#include "platform/WinTypes.h"

void SetAppProfilePath(const char* path);
int AppGetProfileInt(const char* section, const char* key, int defaultValue);
CString AppGetProfileString(const char* section, const char* key, const char* defaultValue);
// Writes of the same file; FALSE while no file is named or when the write fails.
BOOL AppWriteProfileString(const char* section, const char* key, const char* value);
BOOL AppWriteProfileInt(const char* section, const char* key, int value);
