#include "platform/base/COleDateTime.h"

#include <strings.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/base/TimeFormat.h"

namespace {

constexpr double kMinDate = -657434.0;         // 0100-01-01
constexpr double kMaxDate = 2958465.99999999;  // 9999-12-31 23:59:59

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's algorithms).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

const long long kEpochOffset = DaysFromCivil(1899, 12, 30);  // OLE day 0 in days since 1970

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Reads the date and time texts that ParseDateTime accepts, a piece at a time.
class DateScanner {
 public:
  explicit DateScanner(const char* text) : m_p(text) {}
  void Blanks() {
    while (*m_p == ' ' || *m_p == '\t') ++m_p;
  }
  bool Number(int& value, int& digits) {
    value = 0;
    digits = 0;
    while (m_p[digits] >= '0' && m_p[digits] <= '9' && digits < 5) value = value * 10 + (m_p[digits++] - '0');
    m_p += digits;
    return digits > 0;
  }
  bool Literal(const char* text) {
    const size_t n = std::strlen(text);
    if (strncasecmp(m_p, text, n) != 0) return false;
    m_p += n;
    return true;
  }
  // 1 for AM, 2 for PM, 0 for neither.
  int Meridiem() {
    if (Literal("午前") || Literal("AM")) return 1;
    if (Literal("午後") || Literal("PM")) return 2;
    return 0;
  }
  bool AtEnd() const { return *m_p == '\0'; }
  const char* Position() const { return m_p; }
  void Restore(const char* position) { m_p = position; }

 private:
  const char* m_p;
};

bool ScanDate(DateScanner& s, int& year, int& month, int& day, bool& found) {
  const char* start = s.Position();
  int a = 0, b = 0, c = 0, digits = 0, ignored = 0;
  found = false;
  if (!s.Number(a, digits)) return true;
  if (!(s.Literal("/") || s.Literal("-") || s.Literal(".") || s.Literal("年") || s.Literal("月"))) {
    s.Restore(start);  // a time
    return true;
  }
  if (!s.Number(b, ignored)) return false;
  found = true;
  if (s.Literal("/") || s.Literal("-") || s.Literal(".") || s.Literal("月")) {
    if (!s.Number(c, ignored)) return false;
    s.Literal("日");
    year = digits <= 2 ? (a < 30 ? 2000 + a : 1900 + a) : a;
    month = b;
    day = c;
    return true;
  }
  s.Literal("日");
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  year = local.tm_year + 1900;
  month = a;
  day = b;
  return true;
}

bool ScanTime(DateScanner& s, int& hour, int& minute, int& second) {
  int meridiem = s.Meridiem();
  s.Blanks();
  int digits = 0;
  if (!s.Number(hour, digits) || !(s.Literal(":") || s.Literal("時"))) return false;
  minute = second = 0;
  if (s.Number(minute, digits)) {
    if (s.Literal(":") || s.Literal("分")) {
      if (s.Number(second, digits)) s.Literal("秒");
    }
  }
  s.Blanks();
  if (meridiem == 0) meridiem = s.Meridiem();
  if (meridiem != 0) {
    if (hour < 1 || hour > 12) return false;
    hour = (hour % 12) + (meridiem == 2 ? 12 : 0);
  }
  return true;
}

}  // namespace

// ---- COleDateTimeSpan

void COleDateTimeSpan::SetDateTimeSpan(long days, int hours, int minutes, int seconds) {
  m_span = static_cast<double>(days) + hours / 24.0 + minutes / (24.0 * 60) + seconds / (24.0 * 60 * 60);
  m_status = valid;
}

long long COleDateTimeSpan::TotalSeconds() const { return std::llround(m_span * 86400.0); }

long COleDateTimeSpan::GetDays() const { return static_cast<long>(TotalSeconds() / 86400); }
int COleDateTimeSpan::GetHours() const { return static_cast<int>(TotalSeconds() / 3600 % 24); }
int COleDateTimeSpan::GetMinutes() const { return static_cast<int>(TotalSeconds() / 60 % 60); }
int COleDateTimeSpan::GetSeconds() const { return static_cast<int>(TotalSeconds() % 60); }

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const {
  COleDateTimeSpan result(m_span + other.m_span);
  if (m_status != valid || other.m_status != valid) {
    result.m_status = (m_status == invalid || other.m_status == invalid) ? invalid : null;
  }
  return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const { return *this + -other; }

COleDateTimeSpan COleDateTimeSpan::operator-() const {
  COleDateTimeSpan result(-m_span);
  result.m_status = m_status;
  return result;
}

// ---- COleDateTime

COleDateTime::COleDateTime(DATE date) : m_dt(date) {
  m_status = (std::isfinite(date) && date >= kMinDate && date <= kMaxDate) ? valid : invalid;
}

COleDateTime::COleDateTime(const SYSTEMTIME& time) {
  SetDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond);
}

COleDateTime::COleDateTime(std::time_t time) {
  std::tm parts{};
  if (localtime_r(&time, &parts) == nullptr) {
    m_status = invalid;
    return;
  }
  SetDateTime(parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min,
              parts.tm_sec > 59 ? 59 : parts.tm_sec);
}

COleDateTime COleDateTime::GetCurrentTime() { return COleDateTime(std::time(nullptr)); }

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    m_dt = 0;
    m_status = invalid;
    return 1;
  }
  const long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset;
  const double fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
  m_dt = days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
  m_status = valid;
  return 0;
}

bool COleDateTime::ParseDateTime(const char* text, DWORD, DWORD) {
  DateScanner s(text ? text : "");
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
  bool hasDate = false;
  s.Blanks();
  bool ok = ScanDate(s, year, month, day, hasDate);
  if (ok) {
    s.Blanks();
    if (hasDate) s.Literal("T");
    s.Blanks();
    const bool hasTime = !s.AtEnd();
    ok = (hasDate || hasTime) && (!hasTime || ScanTime(s, hour, minute, second));
    s.Blanks();
    ok = ok && s.AtEnd();
  }
  if (ok && SetDateTime(year, month, day, hour, minute, second) == 0) return true;
  m_dt = 0;
  m_status = invalid;
  return false;
}

double COleDateTime::Linear() const {
  const double day = std::trunc(m_dt);
  return m_dt >= 0 ? m_dt : day + (day - m_dt);
}

COleDateTime COleDateTime::FromLinear(double days) {
  // Work in whole seconds so that a sum lands exactly on the second the caller meant.
  const long long seconds = std::llround(days * 86400.0);
  const long long day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  const double fraction = static_cast<double>(seconds - day * 86400) / 86400.0;
  return COleDateTime(day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction);
}

bool COleDateTime::Parts(std::tm& parts) const {
  if (m_status != valid) return false;
  const long long seconds = std::llround(Linear() * 86400.0);
  const long long day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
  const long long secondOfDay = seconds - day * 86400;
  int year = 0, month = 0, dayOfMonth = 0;
  const long long civil = day + kEpochOffset;
  CivilFromDays(civil, year, month, dayOfMonth);
  parts = std::tm{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = dayOfMonth;
  parts.tm_hour = static_cast<int>(secondOfDay / 3600);
  parts.tm_min = static_cast<int>(secondOfDay / 60 % 60);
  parts.tm_sec = static_cast<int>(secondOfDay % 60);
  parts.tm_wday = static_cast<int>(((civil % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday
  parts.tm_yday = static_cast<int>(civil - DaysFromCivil(year, 1, 1));
  parts.tm_isdst = -1;
  return true;
}

int COleDateTime::GetYear() const {
  std::tm p;
  return Parts(p) ? p.tm_year + 1900 : -1;
}
int COleDateTime::GetMonth() const {
  std::tm p;
  return Parts(p) ? p.tm_mon + 1 : -1;
}
int COleDateTime::GetDay() const {
  std::tm p;
  return Parts(p) ? p.tm_mday : -1;
}
int COleDateTime::GetHour() const {
  std::tm p;
  return Parts(p) ? p.tm_hour : -1;
}
int COleDateTime::GetMinute() const {
  std::tm p;
  return Parts(p) ? p.tm_min : -1;
}
int COleDateTime::GetSecond() const {
  std::tm p;
  return Parts(p) ? p.tm_sec : -1;
}
int COleDateTime::GetDayOfWeek() const {
  std::tm p;
  return Parts(p) ? p.tm_wday + 1 : -1;
}
int COleDateTime::GetDayOfYear() const {
  std::tm p;
  return Parts(p) ? p.tm_yday + 1 : -1;
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& time) const {
  std::tm p;
  if (!Parts(p)) return false;
  time = SystemTimeFromTm(p);
  return true;
}

std::time_t COleDateTime::GetAsTimeT() const {
  std::tm p;
  if (!Parts(p)) return static_cast<std::time_t>(-1);
  return std::mktime(&p);
}

CString COleDateTime::Format(const char* format) const {
  std::tm p;
  return Parts(p) ? FormatTimeText(p, format) : CString();
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const {
  if (m_status != valid || span.GetStatus() != COleDateTimeSpan::valid) {
    COleDateTime result;
    result.m_status = (m_status == invalid || span.GetStatus() == COleDateTimeSpan::invalid) ? invalid : null;
    return result;
  }
  return FromLinear(Linear() + span.GetTotalDays());
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const { return *this + -span; }

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const {
  COleDateTimeSpan result(Linear() - other.Linear());
  if (m_status != valid || other.m_status != valid) {
    result.SetStatus((m_status == invalid || other.m_status == invalid) ? COleDateTimeSpan::invalid
                                                                         : COleDateTimeSpan::null);
  }
  return result;
}
