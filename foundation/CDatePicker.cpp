#include "foundation/CDatePicker.h"

#include <wx/textctrl.h>

#include <algorithm>
#include <cstdlib>

#include "foundation/CPelkoCalenderCtrl.h"
#include "platform/base/CodePage.h"

namespace {

// The drop-down calendar, in pixels at 96 dpi.
const wxSize kCalendarSize(240, 180);

COleDateTime Midnight(const COleDateTime& date) {
  return COleDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), 0, 0, 0);
}

// The month calendar under the field: a click on a day or Return takes the day, Escape leaves
// the field's date.
class CalendarPopup : public wxComboPopup {
 public:
  bool Create(wxWindow* parent) override {
    m_calendar = new CPelkoCalenderCtrl;
    if (!m_calendar->Create(parent, wxID_ANY, wxRect(wxPoint(0, 0), parent->FromDIP(kCalendarSize)))) return false;
    m_calendar->Bind(wxEVT_LEFT_UP, &CalendarPopup::OnLeftUp, this);
    m_calendar->Bind(wxEVT_KEY_DOWN, &CalendarPopup::OnKeyDown, this);
    return true;
  }
  wxWindow* GetControl() override { return m_calendar; }
  void SetStringValue(const wxString& value) override {
    COleDateTime date;
    if (CDatePicker::ParseDate(WxToCP932(value), date)) m_calendar->SetDate(date);
  }
  wxString GetStringValue() const override { return CP932ToWx(CDatePicker::FormatDate(m_calendar->GetDate()).str()); }
  wxSize GetAdjustedSize(int minWidth, int, int) override {
    const wxSize size = m_calendar->GetSize();
    return wxSize(std::max(minWidth, size.x), size.y);
  }

 private:
  void OnLeftUp(wxMouseEvent& event) {
    const int cell = m_calendar->HitTest(event.GetPosition());
    if (cell < 0) {
      event.Skip();
      return;
    }
    m_calendar->SetDate(m_calendar->GetCellDate(cell));
    Dismiss();
  }
  void OnKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
      case WXK_RETURN:
      case WXK_NUMPAD_ENTER: Dismiss(); break;
      case WXK_ESCAPE:
        SetStringValue(GetComboCtrl()->GetValue());
        Dismiss();
        break;
      default: event.Skip();
    }
  }

  CPelkoCalenderCtrl* m_calendar = nullptr;
};

}  // namespace

CDatePicker::CDatePicker(wxWindow* parent, wxWindowID id)
    : wxComboCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_PROCESS_ENTER) {
  SetPopupControl(new CalendarPopup);
  SetDate(COleDateTime::GetCurrentTime());
  if (wxTextCtrl* text = GetTextCtrl()) text->Bind(wxEVT_KILL_FOCUS, &CDatePicker::OnKillFocus, this);
  // Wide enough for the longest date of the font.
  SetMinSize(wxSize(GetSizeFromTextSize(GetTextExtent("8888/88/88").x).x + GetButtonSize().x, -1));
}

void CDatePicker::SetDate(const COleDateTime& date) {
  m_date = Midnight(date);
  ChangeValue(CP932ToWx(FormatDate(m_date).str()));
}

CString CDatePicker::FormatDate(const COleDateTime& date) { return date.Format("%Y/%m/%d"); }

bool CDatePicker::ParseDate(const char* text, COleDateTime& date) {
  int parts[3] = {};
  const char* at = text ? text : "";
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      if (*at != '/' && *at != '-') return false;
      ++at;
    }
    if (*at < '0' || *at > '9') return false;
    char* end = nullptr;
    const long value = std::strtol(at, &end, 10);
    if (end - at > 4) return false;
    parts[i] = static_cast<int>(value);
    at = end;
  }
  if (*at != '\0') return false;
  const COleDateTime parsed(parts[0], parts[1], parts[2], 0, 0, 0);
  if (parsed.GetStatus() != COleDateTime::valid) return false;
  date = parsed;
  return true;
}

COleDateTime CDatePicker::GetDate() const {
  COleDateTime typed;
  return ParseDate(WxToCP932(GetValue()), typed) ? typed : m_date;
}

void CDatePicker::OnKillFocus(wxFocusEvent& event) {
  // What is left in the field is the date the field holds.
  SetDate(GetDate());
  event.Skip();
}
