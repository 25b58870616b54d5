#pragma once
// The reversible scrambling under which a password is kept in the settings file. Not
// encryption: it only keeps the password from being read at a glance.
#include "platform/base/CString.h"

CString ScramblePassword(const char* text, const int* key, int keyLength);
// The text given to ScramblePassword with the same key; "" for a text it cannot have made.
CString UnscramblePassword(const char* text, const int* key, int keyLength);
