#include "treeview/CSortDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"

namespace {

constexpr const char* kModes[CSortDlg::kModeCount] = {
    "ツリー名の昇順",         "ツリー名の降順",         "チェックのない方を上に", "チェックのある方を上に",
    "削除線のない方を上に",   "削除線のある方を上に",   "カテゴリの昇順",         "カテゴリの降順",
    "更新時間の古い順",       "更新時間の新しい順",     "作成時間の古い順",       "作成時間の新しい順",
};

}  // namespace

CSortDlg::CSortDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("整列")) {
  m_nMode = std::clamp(ReadSetting(Settings::System::SortMode), 0, kModeCount - 1);
  m_bSameLevel = ReadSetting(Settings::System::SortSameLevel);
  m_bNumbers = ReadSetting(Settings::System::NumTree);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("選択したツリー配下を並べ替えます。")), 0, wxALL, 10);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("整列基準(&S):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  auto* modes = new wxChoice(this, IDC_MODE);
  for (const char* mode : kModes) modes->Append(CP932ToWx(mode));
  row->Add(modes, 1);
  top->Add(row, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
  top->Add(new wxCheckBox(this, IDC_SAME_LEVEL, CP932ToWx("選択ツリー直下階層のみ(&O)")), 0, wxLEFT | wxRIGHT | wxTOP, 10);
  top->Add(new wxCheckBox(this, IDC_NUMBERS, CP932ToWx("ツリー名を数字と見なして比較(&N)")), 0, wxALL, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  if (auto* ok = dynamic_cast<wxButton*>(FindWindow(wxID_OK))) ok->SetLabel(CP932ToWx("開始"));
  SetSizerAndFit(top);
  BindDialogHelp(this, kHelpTopic);
  CentreOnParent();
  Bind(wxEVT_BUTTON, &CSortDlg::OnOK, this, wxID_OK);
}

bool CSortDlg::TransferDataToWindow() {
  static_cast<wxChoice*>(FindWindow(IDC_MODE))->SetSelection(m_nMode);
  DlgCheck(this, IDC_SAME_LEVEL)->SetValue(m_bSameLevel != 0);
  DlgCheck(this, IDC_NUMBERS)->SetValue(m_bNumbers != 0);
  return true;
}

bool CSortDlg::TransferDataFromWindow() {
  m_nMode = std::max(0, static_cast<wxChoice*>(FindWindow(IDC_MODE))->GetSelection());
  m_bSameLevel = DlgCheck(this, IDC_SAME_LEVEL)->GetValue() ? 1 : 0;
  m_bNumbers = DlgCheck(this, IDC_NUMBERS)->GetValue() ? 1 : 0;
  return true;
}

void CSortDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  WriteSetting(Settings::System::SortMode, m_nMode);
  WriteSetting(Settings::System::SortSameLevel, m_bSameLevel);
  WriteSetting(Settings::System::NumTree, m_bNumbers);
  EndModal(wxID_OK);
}
