#pragma once
// Picks one date in a month calendar, for the commands that insert a date as text.
#include <wx/dialog.h>

#include "platform/base/WinTypes.h"

class CPelkoCalenderCtrl;

class CCalenderDlg : public wxDialog {
 public:
  enum { IDD = 132, IDC_NEXT = 113, IDC_PREV = 114, IDC_TODAY = 115, IDC_CALENDER = 250 };

  explicit CCalenderDlg(wxWindow* parent);
  // Shows the start date (today when it is not a valid date); on OK the result holds the date picked.
  int DoModal();

  int m_nStartYear = 0;
  int m_nStartMonth = 0;
  int m_nStartDay = 0;
  int m_nYear = 0;
  int m_nMonth = 0;
  int m_nDay = 0;

  CPelkoCalenderCtrl* GetCalender() const { return m_calender; }

 private:
  void OnInit();
  void OnNext(wxCommandEvent& event);
  void OnPrev(wxCommandEvent& event);
  void OnToday(wxCommandEvent& event);
  void OnOk(wxCommandEvent& event);

  CPelkoCalenderCtrl* m_calender = nullptr;
};
