#include <gtest/gtest.h>

#include <set>

#include "foundation/DateHelpers.h"

namespace {

std::set<int> PublicHolidaysOf(int year) {
  std::set<int> days;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= GetDaysInMonth(year, month); ++day) {
      if (IsPublicHoliday(year, month, day, false)) days.insert(month * 100 + day);
    }
  }
  return days;
}

TEST(DateHelpers, PublicHolidaysOfWholeYears) {
  EXPECT_EQ(PublicHolidaysOf(2019), (std::set<int>{101, 114, 211, 321, 429, 430, 501, 502, 503, 504, 505, 506, 715,
                                                   811, 812, 916, 923, 1014, 1022, 1103, 1104, 1123}));
  EXPECT_EQ(PublicHolidaysOf(2020), (std::set<int>{101, 113, 211, 223, 224, 320, 429, 503, 504, 505, 506, 723, 724,
                                                   810, 921, 922, 1103, 1123}));
  EXPECT_EQ(PublicHolidaysOf(2021), (std::set<int>{101, 111, 211, 223, 320, 429, 503, 504, 505, 722, 723, 808, 809,
                                                   920, 923, 1103, 1123}));
  EXPECT_EQ(PublicHolidaysOf(2015).count(922), 1u);  // between the third Monday and the equinox day
  EXPECT_EQ(PublicHolidaysOf(2008).count(506), 1u);  // a Tuesday after the Sunday May 4
  EXPECT_EQ(PublicHolidaysOf(1990).count(115), 1u);
  EXPECT_EQ(PublicHolidaysOf(2018).count(1224), 1u);  // substitute of the Sunday December 23
}

TEST(DateHelpers, NationalHolidaysAndSundays) {
  EXPECT_FALSE(IsNationalHoliday(2019, 5, 6));  // a substitute only
  EXPECT_TRUE(IsPublicHoliday(2019, 5, 6, false));
  EXPECT_FALSE(IsNationalHoliday(2020, 8, 11));
  EXPECT_FALSE(IsNationalHoliday(2020, 7, 20));
  EXPECT_TRUE(IsPublicHoliday(2024, 6, 2, true));  // a Sunday with the flag
  EXPECT_FALSE(IsPublicHoliday(2024, 6, 2, false));
  EXPECT_TRUE(IsNationalHoliday(1960, 3, 20));   // equinox days before 1980 too
  EXPECT_TRUE(IsNationalHoliday(1960, 9, 23));
}

TEST(DateHelpers, ErasAndTheirYears) {
  struct Case {
    int year, month, day;
    const char* era;
    int eraYear;
  } cases[] = {
      {2019, 4, 30, "平成", 31}, {2019, 5, 1, "令和", 1},  {1989, 1, 7, "昭和", 64}, {1989, 1, 8, "平成", 1},
      {1926, 12, 24, "大正", 15}, {1912, 7, 30, "大正", 1}, {1868, 1, 25, "明治", 1}, {1868, 1, 24, "", 0},
      {2026, 12, 10, "令和", 8},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatEraDate(c.year, c.month, c.day), CString(c.era)) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(GetEraYear(c.year, c.month, c.day), c.eraYear) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(DateHelpers, CalendarChecks) {
  EXPECT_EQ(GetDaysInMonth(2000, 2), 29);
  EXPECT_EQ(GetDaysInMonth(1900, 2), 28);
  EXPECT_EQ(GetDaysInMonth(2024, 2), 29);
  EXPECT_EQ(GetDaysInMonth(2023, 4), 30);
  EXPECT_FALSE(IsValidGregorianDate(1582, 12, 31));
  EXPECT_FALSE(IsValidGregorianDate(9999, 1, 1));
  EXPECT_TRUE(IsValidGregorianDate(2024, 2, 29));
  EXPECT_FALSE(IsValidGregorianDate(2023, 2, 29));
  EXPECT_FALSE(IsValidGregorianDate(2023, 13, 1));
}

TEST(DateHelpers, SystemTimeRecords) {
  const SYSTEMTIME t = MakeSystemTime(2024, 2, 29, 13, 45, 10, 250);
  EXPECT_EQ(t.wYear, 2024);
  EXPECT_EQ(t.wMonth, 2);
  EXPECT_EQ(t.wDay, 29);
  EXPECT_EQ(t.wDayOfWeek, 4);  // Thursday
  EXPECT_EQ(t.wHour, 13);
  EXPECT_EQ(t.wMinute, 45);
  EXPECT_EQ(t.wSecond, 10);
  EXPECT_EQ(t.wMilliseconds, 250);

  SYSTEMTIME otherWeekday = t;
  otherWeekday.wDayOfWeek = 1;
  EXPECT_EQ(CompareSystemTime(t, otherWeekday), 0);
  SYSTEMTIME later = t;
  later.wMilliseconds = 300;
  EXPECT_EQ(CompareSystemTime(t, later), -50);
  EXPECT_TRUE(IsSystemTimeBefore(t, later));
  EXPECT_EQ(CompareSystemTime(MakeSystemTime(2025, 1, 1, 0, 0, 0, 0), t), 1);

  SYSTEMTIME none = t;
  ClearSystemTime(none);
  EXPECT_EQ(CompareSystemTime(none, SYSTEMTIME{}), 0);
  EXPECT_EQ(none.wDayOfWeek, 0);
  EXPECT_EQ(CompareSystemTime(MakeSystemTime(2023, 2, 30, 0, 0, 0, 5), SYSTEMTIME{}), 0);

  SYSTEMTIME now{};
  SetToNow(now);
  EXPECT_GE(now.wYear, 2024);
}

}  // namespace
