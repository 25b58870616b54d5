#include "platform/SystemTime.h"

#include <ctime>

namespace {

void Fill(SYSTEMTIME* out, bool local) {
  if (out == nullptr) return;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm parts{};
  if (local) localtime_r(&now.tv_sec, &parts);
  else gmtime_r(&now.tv_sec, &parts);
  *out = SystemTimeFromTm(parts, static_cast<WORD>(now.tv_nsec / 1000000));
}

}  // namespace

SYSTEMTIME SystemTimeFromTm(const std::tm& parts, WORD milliseconds) {
  SYSTEMTIME time;
  time.wYear = static_cast<WORD>(parts.tm_year + 1900);
  time.wMonth = static_cast<WORD>(parts.tm_mon + 1);
  time.wDayOfWeek = static_cast<WORD>(parts.tm_wday);
  time.wDay = static_cast<WORD>(parts.tm_mday);
  time.wHour = static_cast<WORD>(parts.tm_hour);
  time.wMinute = static_cast<WORD>(parts.tm_min);
  time.wSecond = static_cast<WORD>(parts.tm_sec > 59 ? 59 : parts.tm_sec);
  time.wMilliseconds = milliseconds;
  return time;
}

void GetLocalTime(SYSTEMTIME* time) { Fill(time, true); }

void GetSystemTime(SYSTEMTIME* time) { Fill(time, false); }
