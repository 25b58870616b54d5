#pragma once
// Reads of the application's settings file for the model's options. The application names the file
// once at start-up; until it does, every read gives the default named at the call.
#include "platform/CString.h"

void SetAppProfilePath(const char* path);
int AppGetProfileInt(const char* section, const char* key, int defaultValue);
CString AppGetProfileString(const char* section, const char* key, const char* defaultValue);
