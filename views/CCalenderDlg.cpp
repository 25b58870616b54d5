#include "views/CCalenderDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "foundation/CPelkoCalenderCtrl.h"
#include "platform/base/COleDateTime.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

CCalenderDlg::CCalenderDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("カレンダー")) {
  auto* top = new wxBoxSizer(wxHORIZONTAL);
  // The calendar takes this place when the dialog opens.
  top->Add(new wxStaticText(this, IDC_CALENDER, wxEmptyString, wxDefaultPosition, wxSize(260, 200)), 0, wxALL, 8);
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  auto* ok = new wxButton(this, IDOK, "OK");
  ok->SetDefault();
  buttons->Add(ok, 0, wxBOTTOM | wxEXPAND, 6);
  buttons->Add(new wxButton(this, IDCANCEL, CP932ToWx("キャンセル")), 0, wxBOTTOM | wxEXPAND, 12);
  buttons->Add(new wxButton(this, IDC_NEXT, CP932ToWx("次の月へ(&N)")), 0, wxBOTTOM | wxEXPAND, 6);
  buttons->Add(new wxButton(this, IDC_PREV, CP932ToWx("前の月へ(&P)")), 0, wxBOTTOM | wxEXPAND, 6);
  buttons->Add(new wxButton(this, IDC_TODAY, CP932ToWx("今日へ(&T)")), 0, wxEXPAND);
  top->Add(buttons, 0, wxALL, 8);
  SetSizerAndFit(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  Bind(wxEVT_BUTTON, &CCalenderDlg::OnNext, this, IDC_NEXT);
  Bind(wxEVT_BUTTON, &CCalenderDlg::OnPrev, this, IDC_PREV);
  Bind(wxEVT_BUTTON, &CCalenderDlg::OnToday, this, IDC_TODAY);
  Bind(wxEVT_BUTTON, &CCalenderDlg::OnOk, this, IDOK);
}

int CCalenderDlg::DoModal() {
  OnInit();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

void CCalenderDlg::OnInit() {
  CentreOnParent();
  if (!m_calender) {
    m_calender = new CPelkoCalenderCtrl;
    m_calender->CreateFromStatic(this, IDC_CALENDER);
  }
  COleDateTime start(m_nStartYear, m_nStartMonth, m_nStartDay, 0, 0, 0);
  if (start.GetStatus() != COleDateTime::valid) start = COleDateTime::GetCurrentTime();
  m_calender->SetDate(start);
  m_calender->m_bShowHoliday = TRUE;
  m_calender->SetFocus();
}

void CCalenderDlg::OnNext(wxCommandEvent&) { m_calender->NextMonth(); }

void CCalenderDlg::OnPrev(wxCommandEvent&) { m_calender->PrevMonth(); }

void CCalenderDlg::OnToday(wxCommandEvent&) { m_calender->SetDate(COleDateTime::GetCurrentTime()); }

void CCalenderDlg::OnOk(wxCommandEvent&) {
  const COleDateTime& date = m_calender->GetDate();
  m_nYear = date.GetYear();
  m_nMonth = date.GetMonth();
  m_nDay = date.GetDay();
  EndModal(IDOK);
}
