#pragma once
// The broken-down time record of Windows and the calls that fill it.
#include <ctime>

#include "platform/WinTypes.h"

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
