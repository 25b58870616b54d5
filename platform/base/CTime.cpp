#include "platform/base/CTime.h"

#include "platform/base/TimeFormat.h"

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  parts.tm_hour = hour;
  parts.tm_min = minute;
  parts.tm_sec = second;
  parts.tm_isdst = -1;
  m_time = std::mktime(&parts);
}

CTime::CTime(const SYSTEMTIME& time)
    : CTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond) {}

std::tm CTime::Local() const {
  std::tm parts{};
  localtime_r(&m_time, &parts);
  return parts;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& time) const {
  std::tm parts{};
  if (localtime_r(&m_time, &parts) == nullptr) return false;
  time = SystemTimeFromTm(parts);
  return true;
}

CString CTime::Format(const char* format) const { return FormatTimeText(Local(), format); }
