#include "app/DateTimeText.h"

#include "foundation/CPelkoInifile.h"
#include "foundation/DateHelpers.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"

CString FormatDate(CPelkoSettings& settings, const CTime& date) {
  const CString mark = ReadSetting(Settings::DateOpt::Mark, settings);
  const int year = ReadSetting(Settings::DateOpt::Year, settings);
  const int year4 = ReadSetting(Settings::DateOpt::Year4, settings);
  const int week = ReadSetting(Settings::DateOpt::Week, settings);
  const int nengo = ReadSetting(Settings::DateOpt::Nengo, settings);
  const int nengappi = ReadSetting(Settings::DateOpt::Nengappi, settings);

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
  const int kanji = ReadSetting(Settings::DateOpt::TimeKanji, settings);
  const int time24 = ReadSetting(Settings::DateOpt::Time24, settings);
  const int ampm = ReadSetting(Settings::DateOpt::TimeAMPM, settings);

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
