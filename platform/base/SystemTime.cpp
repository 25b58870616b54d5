#include "platform/base/SystemTime.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

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

// Copies a formatted text as the locale calls do.
int CopyLocaleText(const std::string& text, char* buffer, int size) {
  const int needed = static_cast<int>(text.size()) + 1;
  if (size == 0) return needed;
  if (buffer == nullptr || size < needed) return 0;
  std::memcpy(buffer, text.c_str(), static_cast<size_t>(needed));
  return needed;
}

SYSTEMTIME NowOr(const SYSTEMTIME* time) {
  SYSTEMTIME now{};
  if (time != nullptr) return *time;
  GetLocalTime(&now);
  return now;
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

int GetDateFormat(DWORD, DWORD flags, const SYSTEMTIME* date, const char* format, char* buffer, int size) {
  if (format != nullptr || ((flags & DATE_SHORTDATE) && (flags & DATE_LONGDATE))) return 0;
  const SYSTEMTIME d = NowOr(date);
  if (d.wMonth < 1 || d.wMonth > 12 || d.wDay < 1 || d.wDay > 31) return 0;
  char text[64];
  if (flags & DATE_LONGDATE) std::snprintf(text, sizeof(text), "%d年%d月%d日", d.wYear, d.wMonth, d.wDay);
  else std::snprintf(text, sizeof(text), "%04d/%02d/%02d", d.wYear, d.wMonth, d.wDay);
  return CopyLocaleText(text, buffer, size);
}

int GetTimeFormat(DWORD, DWORD flags, const SYSTEMTIME* time, const char* format, char* buffer, int size) {
  if (format != nullptr) return 0;
  const SYSTEMTIME t = NowOr(time);
  if (t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59) return 0;
  char text[32];
  if (flags & TIME_NOSECONDS) std::snprintf(text, sizeof(text), "%d:%02d", t.wHour, t.wMinute);
  else std::snprintf(text, sizeof(text), "%d:%02d:%02d", t.wHour, t.wMinute, t.wSecond);
  return CopyLocaleText(text, buffer, size);
}
