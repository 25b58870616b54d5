#pragma once
// The broken-down time record of Windows and the calls that fill it.
#include <ctime>

#include "platform/base/WinTypes.h"

struct SYSTEMTIME {
  WORD wYear;
  WORD wMonth;      // 1-12
  WORD wDayOfWeek;  // 0 Sunday - 6 Saturday
  WORD wDay;
  WORD wHour;
  WORD wMinute;
  WORD wSecond;
  WORD wMilliseconds;
};

// The current local time, and the current time in UTC, to the millisecond.
void GetLocalTime(SYSTEMTIME* time);
void GetSystemTime(SYSTEMTIME* time);

// The record of broken-down time parts (a leap second counts as second 59).
SYSTEMTIME SystemTimeFromTm(const std::tm& parts, WORD milliseconds = 0);

// A date or time written in the user's locale, which is Japanese here: the short date
// "yyyy/MM/dd", the long date "yyyy年M月d日", the time "H:mm:ss" (TIME_NOSECONDS: "H:mm"). time
// null means now. Picture formats are not taken: format must be null. Returns the bytes written
// with the NUL (with size 0, the size needed); 0 on failure.
#define DATE_SHORTDATE 0x00000001
#define DATE_LONGDATE 0x00000002
#define TIME_NOSECONDS 0x00000002
int GetDateFormat(DWORD locale, DWORD flags, const SYSTEMTIME* date, const char* format, char* buffer, int size);
int GetTimeFormat(DWORD locale, DWORD flags, const SYSTEMTIME* time, const char* format, char* buffer, int size);
