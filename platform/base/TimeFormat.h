#pragma once
// strftime for texts of code page 932: the format and the result are Shift JIS, so literal text
// around the codes (such as "%Y年%m月") passes unchanged. Names of days and months follow the
// process's LC_TIME locale. The "#" flag of the Windows runtime ("%#d": no leading zero) is
// understood.
#include <ctime>

#include "platform/base/CString.h"

CString FormatTimeText(const std::tm& time, const char* format);
