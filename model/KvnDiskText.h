#pragma once
// The pieces of the native outline file as they go to the disk, appended to a buffer that is
// written whole: a line end is CR LF, as a text-mode write makes of LF. Numbers and times are
// formatted here without printf, which costs more than the rest of a save together.
#include <string>
#include <string_view>

#include "platform/base/COleDateTime.h"
#include "platform/base/WinTypes.h"

// The number as "%d" writes it.
void AppendDecimal(std::string& out, long long value);
// The low 24 bits as "%06X".
void AppendHex6(std::string& out, int value);
// Fourteen digits, year to second ("%04d%02d%02d%02d%02d%02d"); fourteen zeros for a time that is
// not valid.
void AppendTimeDigits(std::string& out, const COleDateTime& time);
// Seventeen digits, year to millisecond; a part too large for its width gets more digits.
void AppendSystemTimeDigits(std::string& out, const SYSTEMTIME& time);
// A title or link without line breaks and field marks, which would cut the line or its fields.
void AppendWithoutMarks(std::string& out, std::string_view text);

// A number field read back as strtol reads it (blanks, a sign, digits; anything else ends it),
// made an int; a field of digits alone, as the writer leaves it, is read without a copy.
int ReadDecimal(std::string_view field);
