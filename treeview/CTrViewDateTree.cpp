// The date tree: one new item per chosen day of a range.
#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "foundation/DateHelpers.h"
#include "treeview/CTrView.h"

namespace {

struct Day {
  int year, month, day;
  bool operator<=(const Day& other) const {
    if (year != other.year) return year < other.year;
    if (month != other.month) return month < other.month;
    return day <= other.day;
  }
  void Next() {
    if (++day <= GetDaysInMonth(year, month)) return;
    day = 1;
    if (++month <= 12) return;
    month = 1;
    ++year;
  }
};

}  // namespace

int CTrView::AddDateTrees(const int first[3], const int last[3], const BOOL week[7], BOOL holidays, BOOL sameLevel,
                          const std::function<CString(int year, int month, int day)>& title) {
  CKestavonDoc* doc = GetDocument();
  if (!doc) return 0;
  doc->SaveUndo();
  int added = 0;
  const Day end{last[0], last[1], last[2]};
  for (Day at{first[0], first[1], first[2]}; at <= end; at.Next()) {
    const SYSTEMTIME date = MakeSystemTime(at.year, at.month, at.day, 0, 0, 0, 0);
    if (date.wYear == 0 || !week[date.wDayOfWeek % 7]) continue;
    if (!holidays && IsPublicHoliday(at.year, at.month, at.day, false)) continue;
    if (AddTreeQuick(title(at.year, at.month, at.day), sameLevel, FALSE, sameLevel, "") >= 0) ++added;
  }
  const CKestavonApp* app = GetKestavonApp();
  if (app && app->m_bAfterText) ActivateTextPane();
  return added;
}
