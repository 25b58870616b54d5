#pragma once
// A date field that reads year/month/day ("2026/12/11"), as Japanese users write dates, whatever
// the locale would say. The date is typed into the field or picked in a month calendar that drops
// down from it; a text that names no day leaves the date it had.
#include <wx/combo.h>

#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"

class CDatePicker : public wxComboCtrl {
 public:
  CDatePicker(wxWindow* parent, wxWindowID id);

  // The date at midnight: the one the field shows, or the one it showed last when its text names
  // no day.
  void SetDate(const COleDateTime& date);
  COleDateTime GetDate() const;

  // "2026/01/05".
  static CString FormatDate(const COleDateTime& date);
  // Year, month and day as digits between "/" or "-" ("2026/1/5"); false when the text names no
  // day of the calendar.
  static bool ParseDate(const char* text, COleDateTime& date);

 private:
  void OnKillFocus(wxFocusEvent& event);

  COleDateTime m_date;  // the last date set or left in the field
};
