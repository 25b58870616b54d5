#pragma once
// An owner-drawn month calendar: a title band with the year and month and two month buttons, the
// weekday names, and week rows of day numbers with Sundays, Saturdays and public holidays
// coloured. It keeps one current date, moved by mouse, wheel and keys, and tells its parent about
// every change with a wxEVT_CALENDER_NOTIFY command event (id: the control's, GetInt(): the code).
#include <wx/button.h>
#include <wx/event.h>
#include <wx/window.h>

#include "platform/desktop/CFont.h"
#include "platform/base/COleDateTime.h"
#include "platform/base/WinTypes.h"

wxDECLARE_EVENT(wxEVT_CALENDER_NOTIFY, wxCommandEvent);

// Notification codes.
#define CALENDER_DATECHANGED 1
#define CALENDER_MONTHCHANGED 2  // the day entries were just cleared; CALENDER_DATECHANGED follows
#ifndef NM_DBLCLK
#define NM_DBLCLK (-3)
#endif

#define IDC_CALENDER_NEXT 300
#define IDC_CALENDER_PREV 301

class CPelkoCalenderCtrl : public wxWindow {
 public:
  struct DayEntry {
    int mark;     // non-zero: the day is drawn bold
    int holiday;  // filled at each paint
  };

  CPelkoCalenderCtrl();
  ~CPelkoCalenderCtrl() override;

  BOOL Create(wxWindow* parent, int id, const wxRect& rect);
  // Takes the place (and the id) of the child window id of the dialog, which is destroyed.
  BOOL CreateFromStatic(wxWindow* dialog, int id);

  void SetDate(const COleDateTime& date);
  const COleDateTime& GetDate() const { return m_date; }
  void NextMonth();
  void PrevMonth();
  void NextYear();
  void PrevYear();
  void MoveDays(int days);

  // Day grid: cell 0 is the first shown day, 7 per row.
  int GetCellCount() const { return 7 * m_nWeekRows; }
  COleDateTime GetCellDate(int cell) const;
  wxPoint GetCellPosition(int cell) const;
  // The cell whose text box holds the point; -1 between cells.
  int HitTest(const wxPoint& point) const;
  wxRect GetNextButtonRect() const;
  wxRect GetPrevButtonRect() const;
  void Draw(wxDC& dc);

  COLORREF m_crBack;
  COLORREF m_crTitle;
  COLORREF m_crOtherMonth;
  COLORREF m_crWeek[7];  // Sunday to Saturday
  COLORREF m_crHoliday;
  COleDateTime m_date;
  int m_nFirstWeek;  // 0 Monday ... 5 Saturday, 6 Sunday
  int m_nWeekRows;
  BOOL m_bShowTitle;
  BOOL m_bShowHoliday;
  CFont m_fontNormal;
  CFont m_fontBold;
  DayEntry m_days[31];
  wxButton* m_btnNext = nullptr;
  wxButton* m_btnPrev = nullptr;

 private:
  wxSize m_metrics;  // of the normal font, taken at creation

  void ChangeDate(const COleDateTime& date, bool monthChanged);
  void MoveMonths(int months);
  void Notify(int code);
  // Average character width and text height of the normal font.
  wxSize FontMetrics() const;
  int TitleHeight() const;
  int FirstColumnWeekday() const;
  COleDateTime FirstCellDate() const;
  wxRect CellBox(const wxPoint& position, const wxSize& extent) const;

  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnLeftDClick(wxMouseEvent& event);
  void OnMouseWheel(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
};
