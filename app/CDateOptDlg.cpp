#include "app/CDateOptDlg.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"

namespace {

struct Flag {
  int id;
  const char* label;
  int CDateOptDlg::*member;
};
constexpr Flag kFlags[] = {
    {CDateOptDlg::IDC_NENGO, "年号表記(&N)", &CDateOptDlg::m_bNengo},
    {CDateOptDlg::IDC_WEEK, "曜日を付加(&W)", &CDateOptDlg::m_bWeek},
    {CDateOptDlg::IDC_YEAR, "年を付加(&Y)", &CDateOptDlg::m_bYear},
    {CDateOptDlg::IDC_YEAR4, "&4桁", &CDateOptDlg::m_bYear4},
    {CDateOptDlg::IDC_NENGAPPI, "X年X月X日の形式で挿入(&K)", &CDateOptDlg::m_bNengappi},
    {CDateOptDlg::IDC_TIME, "[現在日時挿入]のときに時刻も挿入(&T)", &CDateOptDlg::m_bTime},
    {CDateOptDlg::IDC_TIME24, "時刻挿入時、24時間表記(&F)", &CDateOptDlg::m_bTime24},
    {CDateOptDlg::IDC_TIME_KANJI, "時刻挿入時、X時X分の形式で挿入(&J)", &CDateOptDlg::m_bTimeKanji},
};

}  // namespace

CDateOptDlg::CDateOptDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("日付挿入形式")) {
  auto* column = new wxBoxSizer(wxVERTICAL);
  for (const Flag& flag : kFlags)
    column->Add(new wxCheckBox(this, flag.id, CP932ToWx(flag.label)), 0, wxBOTTOM, 4);

  m_mark = new wxTextCtrl(this, IDC_MARK, wxEmptyString, wxDefaultPosition, wxSize(60, -1));
  auto* mark = new wxBoxSizer(wxHORIZONTAL);
  mark->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("年月日区切り記号(&M):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  mark->Add(m_mark);
  column->Add(mark, 0, wxTOP | wxBOTTOM, 4);

  m_ampm = new wxChoice(this, IDC_AMPM);
  for (const char* text : {"なし", "AM/PM", "午前/午後"}) m_ampm->Append(CP932ToWx(text));
  auto* ampm = new wxBoxSizer(wxHORIZONTAL);
  ampm->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("午前午後の表記(&A)")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  ampm->Add(m_ampm);
  column->Add(ampm, 0, wxTOP, 4);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(column, 0, wxEXPAND | wxALL, 8);
  top->Add(CreateOkCancelButtons(this), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  BindDialogHelp(this, kHelpTopic);
  CentreOnParent();

  Load();
  Bind(wxEVT_CHECKBOX, &CDateOptDlg::OnNengappi, this, IDC_NENGAPPI);
  Bind(wxEVT_CHECKBOX, &CDateOptDlg::OnNengo, this, IDC_NENGO);
  Bind(wxEVT_BUTTON, &CDateOptDlg::OnOK, this, wxID_OK);
}

wxCheckBox* CDateOptDlg::Check(int id) const { return dynamic_cast<wxCheckBox*>(FindWindow(id)); }

void CDateOptDlg::Load() {
  m_bNengo = ReadSetting(Settings::DateOpt::Nengo);
  m_bWeek = ReadSetting(Settings::DateOpt::Week);
  m_bYear = ReadSetting(Settings::DateOpt::Year);
  m_strMark = ReadSetting(Settings::DateOpt::Mark);
  m_bNengappi = ReadSetting(Settings::DateOpt::Nengappi);
  m_bTime = ReadSetting(Settings::DateOpt::Time);
  m_bYear4 = ReadSetting(Settings::DateOpt::Year4);
  m_bTime24 = ReadSetting(Settings::DateOpt::Time24);
  m_bTimeKanji = ReadSetting(Settings::DateOpt::TimeKanji);
  m_nTimeAMPM = ReadSetting(Settings::DateOpt::TimeAMPM);
}

void CDateOptDlg::Save() const {
  WriteSetting(Settings::DateOpt::Mark, m_strMark);
  const std::pair<const IntSetting&, int> values[] = {
      {Settings::DateOpt::Year, m_bYear},           {Settings::DateOpt::Year4, m_bYear4},
      {Settings::DateOpt::Week, m_bWeek},           {Settings::DateOpt::Nengo, m_bNengo},
      {Settings::DateOpt::Nengappi, m_bNengappi},   {Settings::DateOpt::Time, m_bTime},
      {Settings::DateOpt::TimeKanji, m_bTimeKanji}, {Settings::DateOpt::Time24, m_bTime24},
      {Settings::DateOpt::TimeAMPM, m_nTimeAMPM},
  };
  for (const auto& [setting, value] : values) WriteSetting(setting, value);
}

bool CDateOptDlg::TransferDataToWindow() {
  for (const Flag& flag : kFlags) Check(flag.id)->SetValue(this->*flag.member != 0);
  m_mark->ChangeValue(CP932ToWx(m_strMark.str()));
  m_ampm->SetSelection(m_nTimeAMPM >= 0 && m_nTimeAMPM < 3 ? m_nTimeAMPM : 0);
  m_mark->Enable(!m_bNengappi);
  return true;
}

bool CDateOptDlg::TransferDataFromWindow() {
  for (const Flag& flag : kFlags) this->*flag.member = Check(flag.id)->GetValue() ? 1 : 0;
  m_strMark = WxToCP932(m_mark->GetValue());
  m_nTimeAMPM = m_ampm->GetSelection() < 0 ? 0 : m_ampm->GetSelection();
  return true;
}

void CDateOptDlg::OnNengappi(wxCommandEvent&) {
  TransferDataFromWindow();
  m_mark->Enable(!m_bNengappi);
}

void CDateOptDlg::OnNengo(wxCommandEvent&) {
  TransferDataFromWindow();
  // An era name is always followed by its year.
  if (m_bNengo) m_bYear = 1;
  TransferDataToWindow();
}

void CDateOptDlg::OnOK(wxCommandEvent& event) {
  if (!TransferDataFromWindow()) return;
  Save();
  event.Skip();
}
