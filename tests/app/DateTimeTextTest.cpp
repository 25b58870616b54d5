#include <gtest/gtest.h>

#include "app/DateTimeText.h"
#include "tests/app/TestSettingsFile.h"

namespace {

using kesta_test::Setting;
using SettingsFile = kesta_test::TestSettingsFile;

TEST(FormatDate, FollowsTheDateOptions) {
  const struct {
    std::initializer_list<Setting> settings;
    int year, month, day;
    const char* text;
  } cases[] = {
      {{}, 2019, 7, 5, "07/05(金)"},
      {{}, 2019, 7, 7, "07/07(日)"},
      {{{"DateOpt", "Year", "1"}, {"DateOpt", "Year4", "1"}, {"DateOpt", "Nengappi", "1"}, {"DateOpt", "Week", "0"}},
       2019, 7, 5, "2019年07月05日"},
      {{{"DateOpt", "Year", "1"}}, 2019, 7, 6, "19/07/06(土)"},
      {{{"DateOpt", "Year", "1"}, {"DateOpt", "Nengo", "1"}, {"DateOpt", "Mark", "-"}, {"DateOpt", "Week", "0"}},
       2019, 7, 5, "令和1-07-05"},
      {{{"DateOpt", "Year", "1"}, {"DateOpt", "Nengo", "1"}, {"DateOpt", "Nengappi", "1"}}, 2019, 4, 30,
       "平成31年04月30日(火)"},
      {{{"DateOpt", "Mark", "%"}, {"DateOpt", "Week", "0"}}, 2019, 7, 5, "07%05"},
  };
  for (const auto& c : cases) {
    SettingsFile settings(c.settings);
    EXPECT_EQ(FormatDate(settings.Get(), CTime(c.year, c.month, c.day, 10, 0, 0)), CString(c.text)) << c.text;
  }
}

TEST(FormatTime, FollowsTheTimeOptions) {
  const struct {
    std::initializer_list<Setting> settings;
    int hour, minute;
    const char* text;
  } cases[] = {
      {{}, 13, 5, "13:05"},
      {{{"DateOpt", "Time24", "0"}, {"DateOpt", "TimeAMPM", "2"}, {"DateOpt", "TimeKanji", "1"}}, 13, 5,
       "午後01時05分"},
      {{{"DateOpt", "Time24", "0"}, {"DateOpt", "TimeAMPM", "2"}}, 0, 30, "午前12:30"},
      {{{"DateOpt", "Time24", "0"}, {"DateOpt", "TimeAMPM", "1"}}, 11, 59, "AM11:59"},
      {{{"DateOpt", "Time24", "0"}, {"DateOpt", "TimeAMPM", "1"}}, 12, 0, "PM12:00"},
      {{{"DateOpt", "Time24", "0"}}, 21, 7, "09:07"},
  };
  for (const auto& c : cases) {
    SettingsFile settings(c.settings);
    EXPECT_EQ(FormatTime(settings.Get(), CTime(2019, 7, 5, c.hour, c.minute, 0)), CString(c.text)) << c.text;
  }
}

}  // namespace
