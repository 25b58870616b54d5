#include "foundation/DateHelpers.h"

#include <cstdint>

#include "platform/base/COleDateTime.h"

namespace {

struct Era {
  const char* name;
  int year;
  int month;
  int day;
};

// Newest first.
const Era kEras[] = {
    {"令和", 2019, 5, 1}, {"平成", 1989, 1, 8}, {"昭和", 1926, 12, 25}, {"大正", 1912, 7, 30}, {"明治", 1868, 1, 25},
};

int DateKey(int year, int month, int day) { return year * 10000 + month * 100 + day; }

const Era* EraOf(int year, int month, int day) {
  for (const Era& era : kEras) {
    if (DateKey(era.year, era.month, era.day) <= DateKey(year, month, day)) return &era;
  }
  return nullptr;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long year, int month, int day) {
  year -= month <= 2;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yoe = year - era * 400;
  const long long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// Sunday 1, Monday 2, ... Saturday 7.
int Weekday(int year, int month, int day) {
  const long long days = DaysFromCivil(year, month, day);  // 1970-01-01 was a Thursday
  return static_cast<int>(((days % 7) + 7 + 4) % 7) + 1;
}

bool IsNthMonday(int year, int month, int day, int n) {
  return Weekday(year, month, day) == 2 && (day - 1) / 7 == n - 1;
}

// Equinox day of March (vernal) or September (autumnal), in integers so that no rounding of
// floating point can move it.
int EquinoxDay(int year, long long k) {
  const long long quarter = static_cast<long long>(year - 1980) >> 2;  // toward minus infinity
  return static_cast<int>((242194LL * year - 1000000LL * quarter - k) / 1000000LL);
}
int VernalEquinoxDay(int year) { return EquinoxDay(year, 458701020LL); }
int AutumnalEquinoxDay(int year) { return EquinoxDay(year, 456295320LL); }

struct FixedHoliday {
  int month;
  int day;
  int fromYear;
};
const FixedHoliday kFixed[] = {
    {1, 1, 1948}, {2, 11, 1966}, {4, 29, 1948}, {5, 3, 1948}, {5, 4, 1986},
    {5, 5, 1948}, {11, 3, 1948}, {11, 23, 1948}, {8, 11, 2016},
};

void PreviousDay(int& year, int& month, int& day) {
  if (--day >= 1) return;
  if (--month < 1) {
    month = 12;
    --year;
  }
  day = GetDaysInMonth(year, month);
}

}  // namespace

void ClearSystemTime(SYSTEMTIME& time) { time = SYSTEMTIME{}; }

SYSTEMTIME MakeSystemTime(int year, int month, int day, int hour, int minute, int second, int milliseconds) {
  SYSTEMTIME time{};
  const COleDateTime value(year, month, day, hour, minute, second);
  if (value.GetStatus() != COleDateTime::valid || !value.GetAsSystemTime(time)) return SYSTEMTIME{};
  time.wMilliseconds = static_cast<WORD>(milliseconds);
  return time;
}

void SetToNow(SYSTEMTIME& time) { GetLocalTime(&time); }

int CompareSystemTime(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  const WORD SYSTEMTIME::*fields[] = {&SYSTEMTIME::wYear,   &SYSTEMTIME::wMonth,  &SYSTEMTIME::wDay,
                                      &SYSTEMTIME::wHour,   &SYSTEMTIME::wMinute, &SYSTEMTIME::wSecond,
                                      &SYSTEMTIME::wMilliseconds};
  for (auto field : fields) {
    if (a.*field != b.*field) return static_cast<int>(a.*field) - static_cast<int>(b.*field);
  }
  return 0;
}

bool IsSystemTimeBefore(const SYSTEMTIME& a, const SYSTEMTIME& b) { return CompareSystemTime(a, b) < 0; }

int GetDaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
  return kDays[month - 1];
}

bool IsValidGregorianDate(int year, int month, int day) {
  return year >= 1583 && year <= 9998 && month >= 1 && month <= 12 && day >= 1 && day <= GetDaysInMonth(year, month);
}

bool IsNationalHoliday(int year, int month, int day) {
  // Dates moved or added by special laws.
  if (year == 2019 && month == 4 && day == 30) return true;
  if (year == 2019 && month == 5 && (day == 1 || day == 2)) return true;
  if (year == 2020 && month == 7 && (day == 23 || day == 24)) return true;
  if (year == 2020 && month == 8) return day == 10;
  // The enthronement ceremony, and the Olympic moves of 2021.
  if (year == 2019 && month == 10 && day == 22) return true;
  if (year == 2021 && month == 7) return day == 22 || day == 23;
  if (year == 2021 && month == 8) return day == 8;

  for (const FixedHoliday& h : kFixed) {
    if (month == h.month && day == h.day && year >= h.fromYear) return true;
  }

  if (year < 2000) {
    if (month == 1 && day == 15 && year >= 1948) return true;
    if (month == 10 && day == 10 && year >= 1966) return true;
  } else {
    if (month == 1 && IsNthMonday(year, month, day, 2)) return true;
    if (month == 10 && year != 2020 && year != 2021 && IsNthMonday(year, month, day, 2)) return true;
  }

  if (year < 2003) {
    if (month == 9 && day == 15 && year >= 1966) return true;
    if (month == 7 && day == 20 && year >= 1996) return true;
  } else {
    if (month == 7 && year != 2020 && IsNthMonday(year, month, day, 3)) return true;
    if (month == 9 && IsNthMonday(year, month, day, 3)) return true;
  }

  if (month == 3 && day == VernalEquinoxDay(year)) return true;
  if (month == 9) {
    const int equinox = AutumnalEquinoxDay(year);
    if (day == equinox) return true;
    // A day between the third Monday and the equinox day becomes a holiday too.
    if (year >= 2003 && day == equinox - 1 && IsNthMonday(year, 9, day - 1, 3)) return true;
    if (year >= 2003 && day == equinox + 1 && day + 1 <= 30 && IsNthMonday(year, 9, day + 1, 3)) return true;
  }

  if (month == 12 && day == 23 && year >= 1989 && year <= 2018) return true;
  if (month == 2 && day == 23 && year >= 2020) return true;
  return false;
}

bool IsPublicHoliday(int year, int month, int day, bool sundays) {
  const int weekday = Weekday(year, month, day);
  if (sundays && weekday == 1) return true;
  if (IsNationalHoliday(year, month, day)) return true;
  if (weekday == 2) {
    int y = year;
    int m = month;
    int d = day;
    PreviousDay(y, m, d);
    if (IsNationalHoliday(y, m, d)) return true;
  }
  return year >= 2007 && month == 5 && day == 6 && (weekday == 3 || weekday == 4);
}

int GetEraYear(int year, int month, int day) {
  const Era* era = EraOf(year, month, day);
  return era ? year - era->year + 1 : 0;
}

CString FormatEraDate(int year, int month, int day) {
  const Era* era = EraOf(year, month, day);
  return era ? CString(era->name) : CString();
}
