#pragma once
// A point in time as a time_t, read and formatted in local time.
#include <ctime>

#include "platform/base/CString.h"
#include "platform/base/SystemTime.h"

class CTime {
 public:
  CTime() = default;
  CTime(std::time_t time) : m_time(time) {}  // NOLINT: implicit as callers expect
  // From local date and time parts; the time is -1 when they do not name a time.
  CTime(int year, int month, int day, int hour, int minute, int second);
  CTime(const SYSTEMTIME& time);  // NOLINT; milliseconds are dropped
  static CTime GetCurrentTime() { return CTime(std::time(nullptr)); }

  std::time_t GetTime() const { return m_time; }
  // Local parts; GetDayOfWeek counts Sunday 1 to Saturday 7.
  int GetYear() const { return Local().tm_year + 1900; }
  int GetMonth() const { return Local().tm_mon + 1; }
  int GetDay() const { return Local().tm_mday; }
  int GetHour() const { return Local().tm_hour; }
  int GetMinute() const { return Local().tm_min; }
  int GetSecond() const { return Local().tm_sec; }
  int GetDayOfWeek() const { return Local().tm_wday + 1; }
  bool GetAsSystemTime(SYSTEMTIME& time) const;
  // strftime codes (TimeFormat.h) in code page 932.
  CString Format(const char* format) const;

  friend bool operator==(const CTime& a, const CTime& b) { return a.m_time == b.m_time; }
  friend auto operator<=>(const CTime& a, const CTime& b) { return a.m_time <=> b.m_time; }

 private:
  std::tm Local() const;
  std::time_t m_time = 0;
};
