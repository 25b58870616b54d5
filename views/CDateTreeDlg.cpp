#include "views/CDateTreeDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/CDatePicker.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/MessageBox.h"

namespace {

const char* const kWeekdayShort[] = {"日", "月", "火", "水", "木", "金", "土"};
const char* const kWeekdayLong[] = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
const char* const kWeekdayEnglish[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kWeekdayEnglishLong[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
const char* const kMonthEnglish[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kMonthEnglishLong[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
const char* const kWeekLabels[] = {"日(&S)", "月(&M)", "火(&T)", "水(&W)", "木(&T)", "金(&F)", "土(&T)"};

COleDateTime Today() {
  const COleDateTime now = COleDateTime::GetCurrentTime();
  return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
}

}  // namespace

CString CDateTreeDlg::FormatDate(int year, int month, int day, const char* format) {
  CString text(format);
  text.Replace("%e", "&&ee&&");
  text.Replace("%E", "&&EE&&");
  text.Replace("%a", "&&aa&&");
  text.Replace("%A", "&&AA&&");
  text.Replace("%b", "&&bb&&");
  text.Replace("%B", "&&BB&&");
  const COleDateTime date(year, month, day, 0, 0, 0);
  text = date.Format(text);
  const int weekday = date.GetDayOfWeek() - 1;  // Sunday is 1
  if (weekday >= 0 && weekday < 7) {
    text.Replace("&&ee&&", kWeekdayShort[weekday]);
    text.Replace("&&EE&&", kWeekdayLong[weekday]);
    text.Replace("&&aa&&", kWeekdayEnglish[weekday]);
    text.Replace("&&AA&&", kWeekdayEnglishLong[weekday]);
  }
  if (month >= 1 && month <= 12) {
    text.Replace("&&bb&&", kMonthEnglish[month - 1]);
    text.Replace("&&BB&&", kMonthEnglishLong[month - 1]);
  }
  return text;
}

CDateTreeDlg::CDateTreeDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, CP932ToWx("日付ツリーの作成")) {
  m_strFormat = ReadSetting(Settings::DateTree::Format);
  m_bSameLevel = ReadSetting(Settings::DateTree::SameLevel);
  m_bHoliday = ReadSetting(Settings::DateTree::Holiday);
  for (int i = 0; i < 7; ++i) m_bWeek[i] = ReadSetting(Settings::DateTree::Week, i);
  m_timeStart = m_timeEnd = Today();

  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(2, 6, 6);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("開始日(&D):")), 0, wxALIGN_CENTER_VERTICAL);
  m_start = new CDatePicker(this, IDC_START);
  grid->Add(m_start);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("終了日(&E):")), 0, wxALIGN_CENTER_VERTICAL);
  m_end = new CDatePicker(this, IDC_END);
  grid->Add(m_end);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("形式(&F)")), 0, wxALIGN_CENTER_VERTICAL);
  m_format = new wxTextCtrl(this, IDC_FORMAT, wxEmptyString, wxDefaultPosition, wxSize(200, -1));
  grid->Add(m_format, 1, wxEXPAND);
  top->Add(grid, 0, wxALL | wxEXPAND, 8);

  auto* week = new wxStaticBoxSizer(wxHORIZONTAL, this, CP932ToWx("曜日"));
  for (int i = 0; i < 7; ++i) {
    m_week[i] = new wxCheckBox(week->GetStaticBox(), IDC_WEEK_FIRST + i, CP932ToWx(kWeekLabels[i]));
    week->Add(m_week[i], 0, wxALL, 3);
  }
  m_holiday = new wxCheckBox(week->GetStaticBox(), IDC_HOLIDAY, CP932ToWx("祝日(&H)"));
  week->Add(m_holiday, 0, wxALL, 3);
  top->Add(week, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);
  m_sameLevel = new wxCheckBox(this, IDC_SAME_LEVEL, CP932ToWx("同一階層に作成(&S)"));
  top->Add(m_sameLevel, 0, wxALL, 8);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  auto* create = new wxButton(this, IDOK, CP932ToWx("作成"));
  create->SetDefault();
  buttons->Add(create, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, IDCANCEL, CP932ToWx("キャンセル")));
  top->Add(buttons, 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, &CDateTreeDlg::OnCreate, this, IDOK);
  BindDialogHelp(this, kHelpTopic);
}

int CDateTreeDlg::DoModal() {
  TransferDataToWindow();
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CDateTreeDlg::TransferDataToWindow() {
  m_format->ChangeValue(CP932ToWx(m_strFormat.str()));
  m_sameLevel->SetValue(m_bSameLevel != 0);
  m_start->SetDate(m_timeStart);
  m_end->SetDate(m_timeEnd);
  m_holiday->SetValue(m_bHoliday != 0);
  for (int i = 0; i < 7; ++i) m_week[i]->SetValue(m_bWeek[i] != 0);
  return true;
}

bool CDateTreeDlg::TransferDataFromWindow() {
  m_strFormat = WxToCP932(m_format->GetValue());
  m_bSameLevel = m_sameLevel->GetValue();
  m_timeStart = m_start->GetDate();
  m_timeEnd = m_end->GetDate();
  m_bHoliday = m_holiday->GetValue();
  for (int i = 0; i < 7; ++i) m_bWeek[i] = m_week[i]->GetValue();
  return true;
}

void CDateTreeDlg::OnCreate(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_timeStart > m_timeEnd) {
    AfxMessageBox("終了日には開始日以降を設定してください");
    return;
  }
  bool anyDay = false;
  for (BOOL day : m_bWeek) anyDay = anyDay || day;
  if (!anyDay) {
    AfxMessageBox("曜日が一つもチェックされていません");
    return;
  }
  WriteSetting(Settings::DateTree::Format, m_strFormat);
  WriteSetting(Settings::DateTree::SameLevel, m_bSameLevel);
  WriteSetting(Settings::DateTree::Holiday, m_bHoliday);
  for (int i = 0; i < 7; ++i) WriteSetting(Settings::DateTree::Week, i, m_bWeek[i]);
  EndModal(IDOK);
}
