#pragma once
// Item dates (SYSTEMTIME records, all zero meaning no date), Japanese public holidays and era
// names, on the proleptic Gregorian calendar in local time.
#include "platform/base/CString.h"
#include "platform/base/SystemTime.h"

void ClearSystemTime(SYSTEMTIME& time);
// The record of a date and time, its day of week filled; all zero for a date that does not exist.
SYSTEMTIME MakeSystemTime(int year, int month, int day, int hour, int minute, int second, int milliseconds);
void SetToNow(SYSTEMTIME& time);
// Difference of the first unequal field from the year down to the milliseconds (first minus
// second); the day of week is not compared.
int CompareSystemTime(const SYSTEMTIME& a, const SYSTEMTIME& b);
bool IsSystemTimeBefore(const SYSTEMTIME& a, const SYSTEMTIME& b);

int GetDaysInMonth(int year, int month);
// Years 1583 to 9998 with a day that exists in its month.
bool IsValidGregorianDate(int year, int month, int day);

// A holiday by law, without substitute days.
bool IsNationalHoliday(int year, int month, int day);
// A national holiday, a substitute holiday, or (with sundays) any Sunday.
bool IsPublicHoliday(int year, int month, int day, bool sundays);

// The year within the Japanese era of the date (平成 31, 令和 1, ...); 0 before the first era.
int GetEraYear(int year, int month, int day);
// The era's name alone; "" before the first era.
CString FormatEraDate(int year, int month, int day);
