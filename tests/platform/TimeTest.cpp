#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "platform/base/COleDateTime.h"
#include "platform/base/CTime.h"
#include "platform/base/ColorRef.h"
#include "platform/base/MulDiv.h"
#include "platform/base/SystemTime.h"

namespace {

void ExpectParts(const COleDateTime& t, int y, int mo, int d, int h, int mi, int s) {
  EXPECT_EQ(t.GetStatus(), COleDateTime::valid);
  EXPECT_EQ(t.GetYear(), y);
  EXPECT_EQ(t.GetMonth(), mo);
  EXPECT_EQ(t.GetDay(), d);
  EXPECT_EQ(t.GetHour(), h);
  EXPECT_EQ(t.GetMinute(), mi);
  EXPECT_EQ(t.GetSecond(), s);
}

}  // namespace

TEST(COleDateTime, ConvertsBetweenDateNumbersAndParts) {
  const COleDateTime zero;
  EXPECT_EQ(zero.m_dt, 0.0);
  ExpectParts(zero, 1899, 12, 30, 0, 0, 0);  // the "zero value" of a date

  ExpectParts(COleDateTime(45352.5), 2024, 3, 1, 12, 0, 0);
  ExpectParts(COleDateTime(2.0), 1900, 1, 1, 0, 0, 0);
  // Before day 0 the fraction still counts forward from the (negative) day.
  ExpectParts(COleDateTime(-1.25), 1899, 12, 29, 6, 0, 0);
  EXPECT_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).m_dt, -1.25);

  const COleDateTime leap(2024, 2, 29, 10, 20, 30);
  ExpectParts(leap, 2024, 2, 29, 10, 20, 30);
  EXPECT_EQ(leap.GetDayOfWeek(), 5);  // a Thursday; Sunday is 1
  EXPECT_EQ(leap.GetDayOfYear(), 60);
  SYSTEMTIME st{};
  ASSERT_TRUE(leap.GetAsSystemTime(st));
  EXPECT_EQ(st.wDayOfWeek, 4);  // the record counts Sunday 0
  EXPECT_EQ(st.wDay, 29);
  EXPECT_EQ(st.wSecond, 30);
  st.wMilliseconds = 999;
  EXPECT_TRUE(COleDateTime(st) == leap);

  // A date made from parts of the current local time reads back the same.
  const CTime now = CTime::GetCurrentTime();
  ExpectParts(COleDateTime(now.GetTime()), now.GetYear(), now.GetMonth(), now.GetDay(), now.GetHour(),
              now.GetMinute(), now.GetSecond());
  EXPECT_EQ(COleDateTime(now.GetTime()).GetAsTimeT(), now.GetTime());
}

TEST(COleDateTime, InvalidAndNullStates) {
  struct Parts {
    int y, mo, d, h, mi, s;
  };
  const Parts bad[] = {{2023, 2, 29, 0, 0, 0}, {2024, 13, 1, 0, 0, 0}, {99, 1, 1, 0, 0, 0},
                       {10000, 1, 1, 0, 0, 0}, {2024, 1, 1, 24, 0, 0}, {2024, 1, 1, 0, 60, 0},
                       {2024, 1, 0, 0, 0, 0},  {0, 0, 0, 0, 0, 0}};
  for (const Parts& p : bad) {
    COleDateTime t;
    EXPECT_EQ(t.SetDateTime(p.y, p.mo, p.d, p.h, p.mi, p.s), 1) << p.y << "-" << p.mo << "-" << p.d;
    EXPECT_EQ(t.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(t.GetYear(), -1);
    EXPECT_EQ(t.GetDayOfWeek(), -1);
    EXPECT_EQ(t.Format("%Y"), CString());
    SYSTEMTIME st;
    EXPECT_FALSE(t.GetAsSystemTime(st));
  }
  EXPECT_EQ(COleDateTime(3000000.0).GetStatus(), COleDateTime::invalid);
  EXPECT_EQ(COleDateTime(NAN).GetStatus(), COleDateTime::invalid);
  SYSTEMTIME cleared{};
  EXPECT_EQ(COleDateTime(cleared).GetStatus(), COleDateTime::invalid);

  COleDateTime unset(2024, 1, 1, 0, 0, 0);
  unset.SetStatus(COleDateTime::null);
  EXPECT_EQ(unset.Format("%Y"), CString());
  EXPECT_EQ((unset + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::null);
  COleDateTime broken;
  broken.SetStatus(COleDateTime::invalid);
  EXPECT_EQ((broken + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
  EXPECT_EQ((unset - broken).GetStatus(), COleDateTimeSpan::invalid);
  EXPECT_EQ(unset.SetDate(2024, 5, 6), 0);
  EXPECT_EQ(unset.GetStatus(), COleDateTime::valid);
}

TEST(COleDateTime, ArithmeticAndComparisonFollowTheTimeLine) {
  const COleDateTime evening(1899, 12, 29, 18, 0, 0);  // -1.75
  const COleDateTime morning(1899, 12, 29, 6, 0, 0);   // -1.25
  EXPECT_TRUE(morning < evening);
  EXPECT_FALSE(evening < morning);
  ExpectParts(evening + COleDateTimeSpan(0, 12, 0, 0), 1899, 12, 30, 6, 0, 0);
  ExpectParts(COleDateTime(0.25) - COleDateTimeSpan(0, 18, 0, 0), 1899, 12, 29, 12, 0, 0);
  EXPECT_DOUBLE_EQ((COleDateTime(0.25) - morning).GetTotalHours(), 24.0);

  const COleDateTime a(2024, 3, 1, 0, 0, 0);
  const COleDateTime b(2024, 2, 28, 0, 0, 0);
  EXPECT_DOUBLE_EQ((a - b).GetTotalDays(), 2.0);
  // Minutes added many times land on whole seconds, not drift below them.
  COleDateTime t(2024, 1, 1, 0, 0, 0);
  for (int i = 0; i < 1440; ++i) t += COleDateTimeSpan(0, 0, 1, 0);
  ExpectParts(t, 2024, 1, 2, 0, 0, 0);
  const COleDateTimeSpan span = COleDateTime(2024, 1, 3, 4, 5, 6) - COleDateTime(2024, 1, 1, 0, 0, 0);
  EXPECT_EQ(span.GetDays(), 2);
  EXPECT_EQ(span.GetHours(), 4);
  EXPECT_EQ(span.GetMinutes(), 5);
  EXPECT_EQ(span.GetSeconds(), 6);
  EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
  EXPECT_TRUE(COleDateTime(2024, 1, 1, 0, 0, 1) > COleDateTime(2024, 1, 1, 0, 0, 0));
}

TEST(COleDateTime, ParsesTheUserLocaleForms) {
  struct Case {
    const char* text;
    int y, mo, d, h, mi, s;
  };
  const int year = CTime::GetCurrentTime().GetYear();
  const Case good[] = {
      {"2019/07/05 09:03:07", 2019, 7, 5, 9, 3, 7},
      {" 2019/7/5 ", 2019, 7, 5, 0, 0, 0},
      {"2019-07-05T21:03", 2019, 7, 5, 21, 3, 0},
      {"2019.7.5 9:03:07 PM", 2019, 7, 5, 21, 3, 7},
      {"2019年7月5日 午後9時3分", 2019, 7, 5, 21, 3, 0},
      {"19/7/5", 2019, 7, 5, 0, 0, 0},
      {"45/7/5", 1945, 7, 5, 0, 0, 0},
      {"7/5", year, 7, 5, 0, 0, 0},
      {"12:30 am", 1899, 12, 30, 0, 30, 0},
      {"9:03", 1899, 12, 30, 9, 3, 0},
  };
  for (const Case& c : good) {
    COleDateTime t;
    EXPECT_TRUE(t.ParseDateTime(c.text)) << c.text;
    ExpectParts(t, c.y, c.mo, c.d, c.h, c.mi, c.s);
  }
  const char* bad[] = {"", "   ", "yesterday", "2019/13/05", "2019/02/30", "2019/07/05 25:00", "2019/07/05 x",
                       "13:00 PM", "2019/07", nullptr};
  for (const char* text : bad) {
    COleDateTime t(2024, 1, 1, 0, 0, 0);
    EXPECT_FALSE(t.ParseDateTime(text)) << (text ? text : "(null)");
    EXPECT_EQ(t.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(t.m_dt, 0.0);
  }
}

TEST(TimeFormat, FormatsStrftimeCodesInShiftJis) {
  const COleDateTime t(2024, 2, 9, 7, 5, 3);
  EXPECT_EQ(t.Format("%Y/%m/%d %H:%M"), CString("2024/02/09 07:05"));
  EXPECT_EQ(t.Format("%Y年%m月%d日"), CString("2024年02月09日"));
  EXPECT_EQ(t.Format("%#m/%#d %#H時"), CString("2/9 7時"));
  EXPECT_EQ(t.Format("100%% %S"), CString("100% 03"));
  EXPECT_EQ(t.Format(""), CString());
  EXPECT_EQ(t.Format("表"), CString("表"));  // 0x95 0x5C: the trail byte is no escape
  const CTime c(2024, 2, 9, 7, 5, 3);
  EXPECT_EQ(c.Format("%Y/%m/%d %H:%M:%S"), CString("2024/02/09 07:05:03"));
  EXPECT_EQ(c.GetDayOfWeek(), 6);  // a Friday
  SYSTEMTIME st{};
  ASSERT_TRUE(c.GetAsSystemTime(st));
  EXPECT_EQ(CTime(st), c);
}

TEST(SystemTime, LocalTimeRecordIsConsistent) {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  const COleDateTime asDate(local);
  ASSERT_EQ(asDate.GetStatus(), COleDateTime::valid);
  EXPECT_EQ(asDate.GetDayOfWeek(), local.wDayOfWeek + 1);
  EXPECT_LT(local.wMilliseconds, 1000);
  SYSTEMTIME utc{};
  GetSystemTime(&utc);
  EXPECT_EQ(COleDateTime(utc).GetStatus(), COleDateTime::valid);
  EXPECT_LE(std::fabs((COleDateTime(local) - COleDateTime(utc)).GetTotalHours()), 15.0);  // a time zone apart
}

TEST(SystemTime, LocaleDateAndTimeTexts) {
  const SYSTEMTIME t = {2019, 7, 5, 5, 9, 3, 7, 0};
  char buffer[256];
  EXPECT_EQ(GetDateFormat(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, buffer, sizeof(buffer)), 11);
  EXPECT_STREQ(buffer, "2019/07/05");
  EXPECT_GT(GetDateFormat(LOCALE_USER_DEFAULT, DATE_LONGDATE, &t, nullptr, buffer, sizeof(buffer)), 0);
  EXPECT_EQ(CString(buffer), "2019年7月5日");
  EXPECT_EQ(GetTimeFormat(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &t, nullptr, buffer, sizeof(buffer)), 5);
  EXPECT_STREQ(buffer, "9:03");
  EXPECT_EQ(GetTimeFormat(LOCALE_USER_DEFAULT, 0, &t, nullptr, buffer, sizeof(buffer)), 8);
  EXPECT_STREQ(buffer, "9:03:07");
  EXPECT_EQ(GetTimeFormat(LOCALE_USER_DEFAULT, 0, &t, nullptr, nullptr, 0), 8);
  EXPECT_EQ(GetTimeFormat(LOCALE_USER_DEFAULT, 0, &t, nullptr, buffer, 4), 0);  // too small
  EXPECT_EQ(GetDateFormat(LOCALE_USER_DEFAULT, 0, &t, "yyyy", buffer, sizeof(buffer)), 0);
  EXPECT_GT(GetDateFormat(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, sizeof(buffer)), 0);
}

TEST(MulDiv, RoundsHalfAwayFromZero) {
  struct Case {
    int number, numerator, denominator, expected;
  };
  const Case cases[] = {
      {5, 3, 2, 8},   {-5, 3, 2, -8}, {5, -3, 2, -8}, {5, 3, -2, -8},  {-5, -3, 2, 8},
      {7, 1, 3, 2},   {8, 1, 3, 3},   {-8, 1, 3, -3}, {1, 1, 0, -1},   {0, -5, 7, 0},
      {INT_MAX, 2, 1, -1}, {INT_MAX, 2, 2, INT_MAX}, {INT_MIN, 1, 1, -1}, {-INT_MAX, 1, 1, -INT_MAX},
      {-12, 720000, 96, -90000},  // a font height of -12 pixels at 96 dpi is 9 points (x 10000)
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << " * " << c.numerator << " / " << c.denominator;
  }
}

TEST(ColorRef, ConvertsToAndFromWx) {
  const COLORREF color = RGB(0x12, 0x34, 0x56);
  EXPECT_EQ(color, 0x563412u);
  const wxColour wx = ColorRefToWx(color);
  EXPECT_EQ(wx.Red(), 0x12);
  EXPECT_EQ(wx.Green(), 0x34);
  EXPECT_EQ(wx.Blue(), 0x56);
  EXPECT_EQ(WxToColorRef(wx), color);
}
