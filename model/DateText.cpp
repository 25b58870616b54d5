#include "model/DateText.h"

namespace {

CString& DisplayFormat() {
  static CString format = "%Y/%m/%d %H:%M";
  return format;
}

}  // namespace

const CString& GetTimeDisplayFormat() { return DisplayFormat(); }

void SetTimeDisplayFormat(const char* format) { DisplayFormat() = format; }

CString FormatDateText(const COleDateTime& time, const char* format) {
  static const char* const codes[][2] = {{"%e", "&&ee&&"}, {"%E", "&&EE&&"}, {"%a", "&&aa&&"},
                                         {"%A", "&&AA&&"}, {"%b", "&&bb&&"}, {"%B", "&&BB&&"}};
  static const char* const dayShort[] = {"日", "月", "火", "水", "木", "金", "土"};
  static const char* const dayLong[] = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
  static const char* const dayEnglish[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const dayEnglishLong[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};
  static const char* const month[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  static const char* const monthLong[] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
  CString pattern(format);
  for (const auto& code : codes) pattern.Replace(code[0], code[1]);
  CString text = time.Format(pattern);
  const int day = time.GetDayOfWeek() - 1;
  const int mon = time.GetMonth() - 1;
  if (day >= 0 && day < 7) {
    text.Replace("&&ee&&", dayShort[day]);
    text.Replace("&&EE&&", dayLong[day]);
    text.Replace("&&aa&&", dayEnglish[day]);
    text.Replace("&&AA&&", dayEnglishLong[day]);
  }
  if (mon >= 0 && mon < 12) {
    text.Replace("&&bb&&", month[mon]);
    text.Replace("&&BB&&", monthLong[mon]);
  }
  return text;
}

COleDateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  COleDateTime time(year, month, day, hour, minute > 59 ? 59 : minute, second > 59 ? 59 : second);
  const int overflow = (minute > 59 ? 60 : 0) + (second > 59 ? 1 : 0);
  if (overflow) time += COleDateTimeSpan(0, 0, 0, overflow);
  return time;
}
