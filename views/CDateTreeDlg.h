#pragma once
// The range, weekdays and title format from which the tree pane's date-tree command makes one item
// per day, and the formatter that turns a date into such a title.
#include <wx/dialog.h>

#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDatePicker;
class wxCheckBox;
class wxTextCtrl;

class CDateTreeDlg : public wxDialog {
 public:
  enum {
    IDD = 173,
    IDC_START = 245,
    IDC_END = 246,
    IDC_SAME_LEVEL = 247,
    IDC_FORMAT = 248,
    IDC_WEEK_FIRST = 364,  // Sunday; Saturday is 370
    IDC_HOLIDAY = 371,
  };
  static constexpr DWORD kHelpTopic = 186;

  // Reads the settings of section "DateTree"; both dates are today.
  explicit CDateTreeDlg(wxWindow* parent);
  int DoModal();

  // The title of one date: strftime codes, with %e %E %a %A %b %B given as Japanese and English
  // weekday and month names of their own (not the locale's).
  static CString FormatDate(int year, int month, int day, const char* format);

  CString m_strFormat;
  BOOL m_bSameLevel = FALSE;
  COleDateTime m_timeStart;
  COleDateTime m_timeEnd;
  BOOL m_bHoliday = TRUE;
  BOOL m_bWeek[7] = {};  // Sunday first

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  void OnCreate(wxCommandEvent& event);

  wxTextCtrl* m_format;
  wxCheckBox* m_sameLevel;
  CDatePicker* m_start;
  CDatePicker* m_end;
  wxCheckBox* m_holiday;
  wxCheckBox* m_week[7];
};
