#pragma once
// A date and time as an OLE DATE (days since 1899-12-30, the fraction the time of day; before that
// day the fraction counts forward from the negative day), with a status of valid, invalid or null,
// and the span between two of them. Local time throughout; no time zone conversion.
#include <ctime>

#include "platform/base/CString.h"
#include "platform/base/SystemTime.h"

using DATE = double;

class COleDateTimeSpan {
 public:
  enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

  COleDateTimeSpan() = default;
  COleDateTimeSpan(double days) : m_span(days) {}  // NOLINT: implicit as callers expect
  COleDateTimeSpan(long days, int hours, int minutes, int seconds) { SetDateTimeSpan(days, hours, minutes, seconds); }

  void SetDateTimeSpan(long days, int hours, int minutes, int seconds);
  DateTimeSpanStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeSpanStatus status) { m_status = status; }

  double GetTotalDays() const { return m_span; }
  double GetTotalHours() const { return m_span * 24; }
  // The parts of the span, each with the sign of the span (rounded to the second).
  long GetDays() const;
  int GetHours() const;
  int GetMinutes() const;
  int GetSeconds() const;
  operator double() const { return m_span; }  // NOLINT

  COleDateTimeSpan operator+(const COleDateTimeSpan& other) const;
  COleDateTimeSpan operator-(const COleDateTimeSpan& other) const;
  COleDateTimeSpan operator-() const;
  COleDateTimeSpan& operator+=(const COleDateTimeSpan& other) { return *this = *this + other; }
  COleDateTimeSpan& operator-=(const COleDateTimeSpan& other) { return *this = *this - other; }
  bool operator==(const COleDateTimeSpan& other) const { return m_status == other.m_status && m_span == other.m_span; }
  bool operator<(const COleDateTimeSpan& other) const { return m_span < other.m_span; }
  bool operator>(const COleDateTimeSpan& other) const { return m_span > other.m_span; }
  bool operator<=(const COleDateTimeSpan& other) const { return m_span <= other.m_span; }
  bool operator>=(const COleDateTimeSpan& other) const { return m_span >= other.m_span; }

  double m_span = 0;
  DateTimeSpanStatus m_status = valid;

 private:
  long long TotalSeconds() const;
};

class COleDateTime {
 public:
  enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

  // 0.0, that is 1899-12-30 00:00:00, valid.
  COleDateTime() = default;
  COleDateTime(DATE date);  // NOLINT: implicit as callers expect; invalid outside years 100-9999
  COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
  }
  COleDateTime(const SYSTEMTIME& time);  // NOLINT; milliseconds are dropped
  COleDateTime(std::time_t time);        // NOLINT; as local time
  // Now, in local time, to the second.
  static COleDateTime GetCurrentTime();

  DateTimeStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeStatus status) { m_status = status; }

  // Each returns 0 and makes the value valid; with a date or time out of range (years 100-9999,
  // hour 0-23, minute and second 0-59) it returns 1 and the status becomes invalid.
  int SetDateTime(int year, int month, int day, int hour, int minute, int second);
  int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }

  // Reads a date and time as the Japanese user locale writes them: a date "2019/7/5" (also with
  // "-", "." or "年月日"; a two-digit year is 1930-2029; a month and day alone are in the current
  // year), a time "9:03", "9:03:07" or "9時3分7秒" with an optional AM/PM or 午前/午後, or a date,
  // a blank (or "T") and a time. A date alone is at midnight, a time alone on 1899-12-30. False,
  // with the value 0 and invalid, when the text is none of these; flags and locale are accepted
  // for the callers' sake.
  bool ParseDateTime(const char* text, DWORD flags = 0, DWORD locale = 0);

  // The parts (rounded to the second); -1 when the value is not valid. GetDayOfWeek counts
  // Sunday 1 to Saturday 7, GetDayOfYear from 1 January = 1.
  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;
  int GetDayOfYear() const;
  // False when the value is not valid.
  bool GetAsSystemTime(SYSTEMTIME& time) const;
  // As a time_t of local time; -1 when not valid.
  std::time_t GetAsTimeT() const;

  // strftime codes (TimeFormat.h) in code page 932; "" when the value is not valid.
  CString Format(const char* format) const;

  operator DATE() const { return m_dt; }  // NOLINT
  COleDateTime& operator=(DATE date) { return *this = COleDateTime(date); }

  // Arithmetic works on the time line (so across 1899-12-30 too). A result outside the range is
  // invalid; an invalid or null operand gives an invalid or null result.
  COleDateTime operator+(const COleDateTimeSpan& span) const;
  COleDateTime operator-(const COleDateTimeSpan& span) const;
  COleDateTime& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
  COleDateTime& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
  COleDateTimeSpan operator-(const COleDateTime& other) const;

  // Comparisons by time (as the framework's do; the status is the caller's to check).
  bool operator==(const COleDateTime& other) const { return m_status == other.m_status && Linear() == other.Linear(); }
  bool operator!=(const COleDateTime& other) const { return !(*this == other); }
  bool operator<(const COleDateTime& other) const { return Linear() < other.Linear(); }
  bool operator>(const COleDateTime& other) const { return Linear() > other.Linear(); }
  bool operator<=(const COleDateTime& other) const { return Linear() <= other.Linear(); }
  bool operator>=(const COleDateTime& other) const { return Linear() >= other.Linear(); }

  DATE m_dt = 0;
  DateTimeStatus m_status = valid;

 private:
  double Linear() const;
  static COleDateTime FromLinear(double days);
  // Broken-down parts of a valid value, rounded to the second.
  bool Parts(std::tm& parts) const;
};
