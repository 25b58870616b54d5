#pragma once
// Time texts of items: the process-wide display format and the formatting with Japanese and
// English day and month names that do not depend on the locale.
#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"

// Starts as "%Y/%m/%d %H:%M"; the time-stamp options may change it while the program runs.
const CString& GetTimeDisplayFormat();
void SetTimeDisplayFormat(const char* format);

// strftime codes plus %e/%E (Japanese day of the week, short and long), %a/%A and %b/%B (English).
CString FormatDateText(const COleDateTime& time, const char* format);

// A time from checked parts; a minute or second of 60 runs over into the next minute or hour.
COleDateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second);
