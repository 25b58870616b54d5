#include "treeview/CTimeStampDlg.h"

#include <wx/checkbox.h>
#include <wx/datectrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/timectrl.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"

CTimeStampDlg::CTimeStampDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("タイムスタンプ")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(4, 6, 8);
  m_created = AddPicker(grid, IDC_CREATED, "作成日時(&M):");
  m_updated = AddPicker(grid, IDC_UPDATED, "更新日時(&M):");
  top->Add(grid, 0, wxALL, 10);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("チェックがない場合、データ無しです。")), 0,
           wxLEFT | wxRIGHT, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}

CTimeStampDlg::Picker CTimeStampDlg::AddPicker(wxSizer* grid, int id, const char* label) {
  Picker picker;
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
  picker.tick = new wxCheckBox(this, id, wxEmptyString);
  picker.date = new wxDatePickerCtrl(this, wxID_ANY, wxDefaultDateTime, wxDefaultPosition, wxDefaultSize,
                                     wxDP_DROPDOWN | wxDP_SHOWCENTURY);
  picker.time = new wxTimePickerCtrl(this, wxID_ANY);
  grid->Add(picker.tick, 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(picker.date, 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(picker.time, 0, wxALIGN_CENTER_VERTICAL);
  picker.tick->Bind(wxEVT_CHECKBOX, &CTimeStampDlg::OnTick, this);
  return picker;
}

void CTimeStampDlg::Put(const Picker& picker, const COleDateTime& value) {
  const bool set = value.GetStatus() == COleDateTime::valid;
  picker.tick->SetValue(set);
  const COleDateTime shown = set ? value : COleDateTime::GetCurrentTime();
  const wxDateTime time(static_cast<wxDateTime::wxDateTime_t>(shown.GetDay()),
                        static_cast<wxDateTime::Month>(shown.GetMonth() - 1), shown.GetYear(),
                        static_cast<wxDateTime::wxDateTime_t>(shown.GetHour()),
                        static_cast<wxDateTime::wxDateTime_t>(shown.GetMinute()),
                        static_cast<wxDateTime::wxDateTime_t>(shown.GetSecond()));
  picker.date->SetValue(time);
  picker.time->SetValue(time);
  picker.date->Enable(set);
  picker.time->Enable(set);
}

COleDateTime CTimeStampDlg::Take(const Picker& picker) {
  COleDateTime value;
  if (!picker.tick->GetValue()) {
    value.SetStatus(COleDateTime::null);
    return value;
  }
  const wxDateTime date = picker.date->GetValue();
  const wxDateTime time = picker.time->GetValue();
  value.SetDateTime(date.GetYear(), date.GetMonth() + 1, date.GetDay(), time.GetHour(), time.GetMinute(),
                    time.GetSecond());
  return value;
}

bool CTimeStampDlg::TransferDataToWindow() {
  Put(m_created, m_timeCreate);
  Put(m_updated, m_timeUpdate);
  return true;
}

bool CTimeStampDlg::TransferDataFromWindow() {
  m_timeCreate = Take(m_created);
  m_timeUpdate = Take(m_updated);
  return true;
}

void CTimeStampDlg::OnTick(wxCommandEvent&) {
  for (const Picker* picker : {&m_created, &m_updated}) {
    picker->date->Enable(picker->tick->GetValue());
    picker->time->Enable(picker->tick->GetValue());
  }
}
