#pragma once
// Numbers in texts as users type and read them: with thousands separators.
#include "platform/base/CString.h"

// The number at the start of text (sign first, commas skipped); 0 when there is none.
double ParseNumber(const char* text);
// "%.10g" with a comma between each group of three digits of the integer part.
CString FormatNumber(double value);
