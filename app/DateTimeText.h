#pragma once
// The date and time texts inserted into titles and texts, written as the user chose in the
// DateOpt settings.
#include "platform/base/CString.h"
#include "platform/base/CTime.h"

class CPelkoSettings;

// Month and day, optionally a western or era year before them, and the weekday: "07/05(金)",
// "2019年07月05日", "令和1-07-05".
CString FormatDate(CPelkoSettings& settings, const CTime& date);
// Hours and minutes, 24-hour or 12-hour with an "AM"/"PM" or "午前"/"午後" prefix: "13:05",
// "午後01時05分".
CString FormatTime(CPelkoSettings& settings, const CTime& time);
CString FormatCurrentTime(CPelkoSettings& settings);
