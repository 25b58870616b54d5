#include "textarea/CSplitDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/framework/FileDialog.h"
#include "platform/desktop/UnkeptCharacters.h"

namespace {

constexpr struct {
  int id;
  const char* label;
} kChecks[] = {
    {CSplitDlg::IDC_DELETE_FIRST_LINE, "最初の一行を削除"},
    {CSplitDlg::IDC_MOVE_CARET, "カーソルを分割ツリーに移動"},
    {CSplitDlg::IDC_SAME_LEVEL, "同じ階層に追加"},
    {CSplitDlg::IDC_NO_DIALOG, "分割時、このﾀﾞｲｱﾛｸﾞを出さない"},
    {CSplitDlg::IDC_AUTO_TITLE, "自動タイトル"},
};

}  // namespace

CSplitDlg::CSplitDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("分割")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("タイトル(&T):")), 0, wxLEFT | wxTOP, 8);
  top->Add(new wxTextCtrl(this, IDC_TITLE, wxEmptyString, wxDefaultPosition, wxSize(320, -1)), 0, wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("ファイル名(&F):")), 0, wxLEFT, 8);
  auto* file = new wxBoxSizer(wxHORIZONTAL);
  file->Add(new wxTextCtrl(this, IDC_FILE), 1, wxRIGHT, 6);
  file->Add(new wxButton(this, IDC_BROWSE, CP932ToWx("参照...")));
  top->Add(file, 0, wxALL | wxEXPAND, 8);
  for (const auto& check : kChecks) top->Add(new wxCheckBox(this, check.id, CP932ToWx(check.label)), 0, wxLEFT | wxBOTTOM, 8);
  top->Add(CreateOkCancelButtons(this), 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
  BindDialogHelp(this, kHelpTopic);
  Bind(wxEVT_BUTTON, &CSplitDlg::OnBrowse, this, IDC_BROWSE);
}

bool CSplitDlg::TransferDataToWindow() {
  static_cast<wxTextCtrl*>(FindWindow(IDC_TITLE))->ChangeValue(CP932ToWx(m_strTitle.GetString()));
  static_cast<wxTextCtrl*>(FindWindow(IDC_FILE))->ChangeValue(CP932ToWx(m_strFile.GetString()));
  const BOOL values[] = {m_bDeleteFirstLine, m_bMoveCaret, m_bSameLevel, m_bNoDialog, m_bAutoTitle};
  for (size_t i = 0; i < std::size(kChecks); ++i) static_cast<wxCheckBox*>(FindWindow(kChecks[i].id))->SetValue(values[i]);
  return true;
}

bool CSplitDlg::TransferDataFromWindow() {
  TakeFieldTexts(this, {{static_cast<wxTextCtrl*>(FindWindow(IDC_TITLE)), &m_strTitle},
                        {static_cast<wxTextCtrl*>(FindWindow(IDC_FILE)), &m_strFile}});
  BOOL* values[] = {&m_bDeleteFirstLine, &m_bMoveCaret, &m_bSameLevel, &m_bNoDialog, &m_bAutoTitle};
  for (size_t i = 0; i < std::size(kChecks); ++i) *values[i] = static_cast<wxCheckBox*>(FindWindow(kChecks[i].id))->GetValue();
  WriteSetting(Settings::System::SplitDlg, m_bNoDialog ? 0 : 1);
  return true;
}

void CSplitDlg::OnBrowse(wxCommandEvent&) {
  FileChoice choice;
  if (!ChooseFile(this, "", "", "", "全てのﾌｧｲﾙ(*.*) |*.*||", wxFD_OPEN, choice)) return;
  static_cast<wxTextCtrl*>(FindWindow(IDC_FILE))->ChangeValue(CP932ToWx(choice.path.GetString()));
}
