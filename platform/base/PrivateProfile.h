#pragma once
// Private profile (ini) files with the Windows semantics: "[section]" lines, then "key=value"
// lines. Section and key names match without regard to ASCII letter case and surrounding blanks;
// a value loses its surrounding blanks and one pair of enclosing quotes (" or ') when read. A file
// named without a folder lives in the Windows folder (Places.h). Each file is parsed once and kept;
// it is read again when its time or size on disk changes. A change is written at once, as a whole
// new file renamed over the old one, in code page 932 with CR LF line ends, keeping the other
// lines (comments, blank lines) as they stood.
#include "platform/base/WinTypes.h"

// Copies the value (or defaultValue, null meaning "", with its trailing blanks removed when the
// key is missing) into buffer, cut to size - 1 bytes without splitting a double-byte character.
// Returns the number of bytes copied, NUL not counted.
DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer,
                              DWORD size, const char* fileName);

// The value read as a number: blanks, an optional sign, then digits (decimal, or hexadecimal
// after "0x", octal after "0o", binary after "0b"), stopping at the first other character; 0 when
// there are no digits. defaultValue when the key is missing or its value is empty.
int GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* fileName);

// Sets a value, adding the section and key when missing. A null value deletes the key; a null key
// deletes the whole section. FALSE when section is null or the file cannot be written (the file
// then stays as it was).
BOOL WritePrivateProfileString(const char* section, const char* key, const char* value, const char* fileName);
