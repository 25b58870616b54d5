#include "app/DateTimeText.h"

#include "foundation/CPelkoInifile.h"
#include "foundation/DateHelpers.h"

CString FormatDate(CPelkoSettings& settings, const CTime& date) {
  const CString mark = settings.GetProfileString("DateOpt", "Mark", "/");
  const int year = settings.GetProfileInt("DateOpt", "Year", 0);
  const int year4 = settings.GetProfileInt("DateOpt", "Year4", 0);
  const int week = settings.GetProfileInt("DateOpt", "Week", 1);
  const int nengo = settings.GetProfileInt("DateOpt", "Nengo", 0);
  const int nengappi = settings.GetProfileInt("DateOpt", "Nengappi", 0);

  // A "%" in the separator is text, not a format code.
  CString patternMark = mark;
  patternMark.Replace("%", "%%");
  CString pattern;
  if (year == 1 && nengo == 0) {
    pattern = year4 == 1 ? "%Y" : "%y";
    pattern += nengappi == 1 ? CString("年") : patternMark;
  }
  pattern += "%m";
  pattern += nengappi == 1 ? CString("月") : patternMark;
  pattern += "%d";
  if (nengappi == 1) pattern += "日";
  CString text = date.Format(pattern);

  if (week == 1) {
    static const char* const kWeekdays[] = {"日", "月", "火", "水", "木", "金", "土"};
    text.AppendFormat("(%s)", kWeekdays[date.GetDayOfWeek() - 1]);
  }
  if (year == 1 && nengo == 1) {
    const int y = date.GetYear();
    const int m = date.GetMonth();
    const int d = date.GetDay();
    const int eraYear = GetEraYear(y, m, d);
    CString yearText;
    if (eraYear != 0) {
      yearText.Format("%s%d", FormatEraDate(y, m, d).GetString(), eraYear);
    } else {
      yearText.Format("%d", y);
    }
    yearText += nengappi == 1 ? CString("年") : mark;
    text = yearText + text;
  }
  return text;
}

CString FormatTime(CPelkoSettings& settings, const CTime& time) {
  const int kanji = settings.GetProfileInt("DateOpt", "TimeKanji", 0);
  const int time24 = settings.GetProfileInt("DateOpt", "Time24", 1);
  const int ampm = settings.GetProfileInt("DateOpt", "TimeAMPM", 0);

  CString pattern;
  if (time24 == 1) {
    pattern = "%H";
  } else {
    const bool morning = time.GetHour() < 12;
    if (ampm == 1) pattern = morning ? "AM" : "PM";
    if (ampm == 2) pattern = morning ? "午前" : "午後";
    pattern += "%I";
  }
  pattern += kanji == 1 ? "時" : ":";
  pattern += "%M";
  if (kanji == 1) pattern += "分";
  return time.Format(pattern);
}

CString FormatCurrentTime(CPelkoSettings& settings) { return FormatTime(settings, CTime::GetCurrentTime()); }
