#include "foundation/CPelkoCalenderCtrl.h"

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>

#include <algorithm>
#include <cstring>

#include "foundation/DateHelpers.h"
#include "platform/base/CodePage.h"
#include "platform/base/ColorRef.h"
#include "platform/desktop/DlgItem.h"

wxDEFINE_EVENT(wxEVT_CALENDER_NOTIFY, wxCommandEvent);

namespace {

const char* const kWeekdayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

bool SameDay(const COleDateTime& a, const COleDateTime& b) {
  return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

}  // namespace

CPelkoCalenderCtrl::CPelkoCalenderCtrl()
    : m_crBack(RGB(255, 255, 255)),
      m_crTitle(RGB(0, 0, 255)),
      m_crOtherMonth(RGB(128, 128, 128)),
      m_crWeek{RGB(255, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 255)},
      m_crHoliday(RGB(255, 0, 0)),
      m_date(COleDateTime::GetCurrentTime()),
      m_nFirstWeek(6),
      m_nWeekRows(6),
      m_bShowTitle(TRUE),
      m_bShowHoliday(TRUE),
      m_days{} {}

CPelkoCalenderCtrl::~CPelkoCalenderCtrl() = default;

BOOL CPelkoCalenderCtrl::Create(wxWindow* parent, int id, const wxRect& rect) {
  // Arrow and page keys belong to the calendar, not to the dialog's navigation.
  if (!wxWindow::Create(parent, id, rect.GetPosition(), rect.GetSize(), wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE))
    return FALSE;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  m_fontNormal.CreatePointFont(90, "ＭＳ Ｐゴシック");
  LOGFONT bold{};
  m_fontNormal.GetLogFont(&bold);
  bold.lfWeight = FW_BOLD;
  m_fontBold.CreateFontIndirect(&bold);
  SetFont(m_fontNormal);
  {
    wxClientDC dc(this);
    dc.SetFont(m_fontNormal);
    m_metrics = wxSize(dc.GetCharWidth(), dc.GetCharHeight());
  }
  if (m_bShowTitle) {
    m_btnNext = new wxButton(this, IDC_CALENDER_NEXT, ">", GetNextButtonRect().GetPosition(),
                             GetNextButtonRect().GetSize(), wxBU_EXACTFIT);
    m_btnPrev = new wxButton(this, IDC_CALENDER_PREV, "<", GetPrevButtonRect().GetPosition(),
                             GetPrevButtonRect().GetSize(), wxBU_EXACTFIT);
  }
  Bind(wxEVT_PAINT, &CPelkoCalenderCtrl::OnPaint, this);
  Bind(wxEVT_SIZE, &CPelkoCalenderCtrl::OnSize, this);
  Bind(wxEVT_LEFT_DOWN, &CPelkoCalenderCtrl::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &CPelkoCalenderCtrl::OnLeftUp, this);
  Bind(wxEVT_LEFT_DCLICK, &CPelkoCalenderCtrl::OnLeftDClick, this);
  Bind(wxEVT_MOUSEWHEEL, &CPelkoCalenderCtrl::OnMouseWheel, this);
  Bind(wxEVT_KEY_DOWN, &CPelkoCalenderCtrl::OnKeyDown, this);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { NextMonth(); }, IDC_CALENDER_NEXT);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { PrevMonth(); }, IDC_CALENDER_PREV);
  return TRUE;
}

BOOL CPelkoCalenderCtrl::CreateFromStatic(wxWindow* dialog, int id) {
  wxWindow* item = dialog ? dialog->FindWindow(id) : nullptr;
  if (!item || item == dialog) return FALSE;
  if (!Create(item->GetParent(), id, item->GetRect())) return FALSE;
  ReplaceDlgItem(item, this);
  return TRUE;
}

wxSize CPelkoCalenderCtrl::FontMetrics() const { return m_metrics; }

int CPelkoCalenderCtrl::TitleHeight() const { return m_bShowTitle ? 2 * FontMetrics().y : 0; }

wxRect CPelkoCalenderCtrl::GetNextButtonRect() const {
  const wxSize m = FontMetrics();
  const int right = GetClientSize().x;
  return wxRect(wxPoint(right - 5 * m.x, m.y / 4), wxPoint(right - m.x - 1, 2 * m.y - m.y / 4 - 1));
}

wxRect CPelkoCalenderCtrl::GetPrevButtonRect() const {
  const wxSize m = FontMetrics();
  return wxRect(wxPoint(m.x, m.y / 4), wxPoint(5 * m.x - 1, 2 * m.y - m.y / 4 - 1));
}

int CPelkoCalenderCtrl::FirstColumnWeekday() const { return m_nFirstWeek == 6 ? 0 : m_nFirstWeek + 1; }

COleDateTime CPelkoCalenderCtrl::FirstCellDate() const {
  const COleDateTime first(m_date.GetYear(), m_date.GetMonth(), 1, 0, 0, 0);
  const int weekday = first.GetDayOfWeek() - 1;  // 0 Sunday
  const int back = (weekday - FirstColumnWeekday() + 7) % 7;
  return first - COleDateTimeSpan(back, 0, 0, 0);
}

COleDateTime CPelkoCalenderCtrl::GetCellDate(int cell) const {
  return FirstCellDate() + COleDateTimeSpan(cell, 0, 0, 0);
}

wxPoint CPelkoCalenderCtrl::GetCellPosition(int cell) const {
  const wxSize client = GetClientSize();
  const int top = TitleHeight();
  const int cellWidth = client.x / 7;
  const int rowHeight = (client.y - top) / (m_nWeekRows + 1);
  return wxPoint(3 + (cell % 7) * cellWidth, top + (cell / 7 + 1) * rowHeight);
}

wxRect CPelkoCalenderCtrl::CellBox(const wxPoint& position, const wxSize& extent) const {
  return wxRect(wxPoint(position.x - 2, position.y - 2), wxPoint(position.x + extent.x + 3, position.y + extent.y + 3));
}

int CPelkoCalenderCtrl::HitTest(const wxPoint& point) const {
  wxClientDC dc(const_cast<CPelkoCalenderCtrl*>(this));
  dc.SetFont(m_fontNormal);
  const wxSize extent = dc.GetTextExtent("55");
  for (int cell = 0; cell < GetCellCount(); ++cell) {
    if (CellBox(GetCellPosition(cell), extent).Contains(point)) return cell;
  }
  return -1;
}

void CPelkoCalenderCtrl::Notify(int code) {
  wxWindow* parent = GetParent();
  if (!parent) return;
  wxCommandEvent event(wxEVT_CALENDER_NOTIFY, GetId());
  event.SetEventObject(this);
  event.SetInt(code);
  parent->GetEventHandler()->ProcessEvent(event);
}

void CPelkoCalenderCtrl::ChangeDate(const COleDateTime& date, bool monthChanged) {
  m_date = date;
  Refresh();
  if (monthChanged) {
    std::memset(m_days, 0, sizeof m_days);
    Notify(CALENDER_MONTHCHANGED);
  }
  Notify(CALENDER_DATECHANGED);
}

void CPelkoCalenderCtrl::SetDate(const COleDateTime& date) { ChangeDate(date, date.GetMonth() != m_date.GetMonth()); }

void CPelkoCalenderCtrl::MoveDays(int days) { SetDate(m_date + COleDateTimeSpan(days, 0, 0, 0)); }

void CPelkoCalenderCtrl::MoveMonths(int months) {
  const int index = m_date.GetYear() * 12 + (m_date.GetMonth() - 1) + months;
  const int year = index / 12;
  const int month = index % 12 + 1;
  const int day = std::min(m_date.GetDay(), GetDaysInMonth(year, month));
  ChangeDate(COleDateTime(year, month, day, 0, 0, 0), true);
}

void CPelkoCalenderCtrl::NextMonth() { MoveMonths(1); }
void CPelkoCalenderCtrl::PrevMonth() { MoveMonths(-1); }
void CPelkoCalenderCtrl::NextYear() { MoveMonths(12); }
void CPelkoCalenderCtrl::PrevYear() { MoveMonths(-12); }

void CPelkoCalenderCtrl::Draw(wxDC& dc) {
  const wxSize client = GetClientSize();
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(ColorRefToWx(m_crBack)));
  dc.DrawRectangle(0, 0, client.x, client.y);
  dc.SetFont(m_fontNormal);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

  const int top = TitleHeight();
  if (m_bShowTitle) {
    // The band is filled around the buttons so they do not flicker.
    wxRegion band(0, 0, client.x, top);
    band.Subtract(GetNextButtonRect());
    band.Subtract(GetPrevButtonRect());
    dc.SetDeviceClippingRegion(band);
    dc.SetBrush(wxBrush(ColorRefToWx(m_crTitle)));
    dc.DrawRectangle(0, 0, client.x, top);
    dc.DestroyClippingRegion();
    dc.SetFont(m_fontBold);
    dc.SetTextForeground(*wxWHITE);
    const wxString title = CP932ToWx(m_date.Format("%Y年%m月").GetString());
    const wxSize extent = dc.GetTextExtent(title);
    dc.DrawText(title, (client.x - extent.x) / 2, (top - extent.y) / 2);
    dc.SetFont(m_fontNormal);
  }

  const int year = m_date.GetYear();
  const int month = m_date.GetMonth();
  const int daysInMonth = GetDaysInMonth(year, month);
  if (m_bShowHoliday) {
    for (int day = 1; day <= daysInMonth; ++day) m_days[day - 1].holiday = IsPublicHoliday(year, month, day, false);
  }

  const int firstWeekday = FirstColumnWeekday();
  const int cellWidth = client.x / 7;
  for (int column = 0; column < 7; ++column) {
    const int weekday = (firstWeekday + column) % 7;
    dc.SetTextForeground(ColorRefToWx(m_crWeek[weekday]));
    dc.DrawText(CP932ToWx(kWeekdayNames[weekday]), 3 + column * cellWidth, top);
  }
  const int firstRowY = GetCellPosition(0).y;
  dc.SetPen(*wxBLACK_PEN);
  dc.DrawLine(0, firstRowY - 1, client.x, firstRowY - 1);

  const COleDateTime today = COleDateTime::GetCurrentTime();
  for (int cell = 0; cell < GetCellCount(); ++cell) {
    const COleDateTime date = GetCellDate(cell);
    const bool inMonth = date.GetMonth() == month && date.GetYear() == year;
    const int day = date.GetDay();
    wxColour colour = ColorRefToWx(m_crOtherMonth);
    dc.SetFont(m_fontNormal);
    if (inMonth) {
      const DayEntry& entry = m_days[day - 1];
      colour = ColorRefToWx(entry.holiday ? m_crHoliday : m_crWeek[date.GetDayOfWeek() - 1]);
      if (entry.mark) dc.SetFont(m_fontBold);
    }
    const wxString text = wxString::Format("%2d", day);
    const wxPoint position = GetCellPosition(cell);
    const wxRect box = CellBox(position, dc.GetTextExtent(text));
    if (SameDay(date, m_date)) {
      dc.SetPen(*wxTRANSPARENT_PEN);
      dc.SetBrush(wxBrush(wxColour(0, 0, 255)));
      dc.DrawRectangle(box);
      colour = *wxWHITE;
    }
    if (SameDay(date, today)) {
      dc.SetPen(wxPen(wxColour(255, 0, 0)));
      dc.SetBrush(*wxTRANSPARENT_BRUSH);
      dc.DrawRectangle(box);
    }
    dc.SetTextForeground(colour);
    dc.DrawText(text, position);
  }
}

void CPelkoCalenderCtrl::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  Draw(dc);
}

void CPelkoCalenderCtrl::OnSize(wxSizeEvent& event) {
  if (m_btnNext) m_btnNext->SetSize(GetNextButtonRect());
  if (m_btnPrev) m_btnPrev->SetSize(GetPrevButtonRect());
  Refresh();
  event.Skip();
}

void CPelkoCalenderCtrl::OnLeftDown(wxMouseEvent& event) {
  SetFocus();
  event.Skip();
}

void CPelkoCalenderCtrl::OnLeftUp(wxMouseEvent& event) {
  const int cell = HitTest(event.GetPosition());
  if (cell >= 0) SetDate(GetCellDate(cell));
  event.Skip();
}

void CPelkoCalenderCtrl::OnLeftDClick(wxMouseEvent& event) {
  SetFocus();
  Notify(NM_DBLCLK);
  event.Skip();
}

void CPelkoCalenderCtrl::OnMouseWheel(wxMouseEvent& event) {
  if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
    event.Skip();
    return;
  }
  // A turn towards the user goes on in time.
  MoveDays(event.GetWheelRotation() < 1 ? 7 : -7);
}

void CPelkoCalenderCtrl::OnKeyDown(wxKeyEvent& event) {
  const bool shift = event.ShiftDown();
  switch (event.GetKeyCode()) {
    case WXK_PAGEUP:
      shift ? PrevYear() : PrevMonth();
      break;
    case WXK_PAGEDOWN:
      shift ? NextYear() : NextMonth();
      break;
    case WXK_LEFT:
      MoveDays(-1);
      break;
    case WXK_UP:
      MoveDays(-7);
      break;
    case WXK_RIGHT:
      MoveDays(1);
      break;
    case WXK_DOWN:
      MoveDays(7);
      break;
    default:
      event.Skip();
  }
}
