#include "app/CKinsokuDlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/CKinsokuSettings.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/WinTypes.h"

namespace {

constexpr DWORD kHelpTopic = 1;

struct Rule {
  int check;
  const char* checkLabel;
  int edit;
  const char* editLabel;
};
constexpr Rule kRules[] = {
    {CKinsokuDlg::IDC_KIN_FIRST, "ぶらさげ処理(&B)", CKinsokuDlg::IDC_KINSOKU_FIRST, "最初に来てはいけない文字(&F)"},
    {CKinsokuDlg::IDC_KIN_LAST, "追い出し処理(&O)", CKinsokuDlg::IDC_KINSOKU_LAST, "最後に来てはいけない文字(&L)"}};

}  // namespace

CKinsokuDlg::CKinsokuDlg(wxWindow* parent, CKinsokuSettings& settings)
    : wxDialog(parent, wxID_ANY, CP932ToWx("禁則処理")), m_settings(settings) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  for (const Rule& rule : kRules) {
    top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(rule.editLabel)), 0, wxLEFT | wxRIGHT | wxTOP, 8);
    top->Add(new wxTextCtrl(this, rule.edit, wxEmptyString, wxDefaultPosition, wxSize(420, -1)), 0,
             wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 8);
    top->Add(new wxCheckBox(this, rule.check, CP932ToWx(rule.checkLabel)), 0, wxLEFT | wxRIGHT | wxTOP, 8);
    Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { UpdateEnabling(); }, rule.check);
  }
  top->Add(new wxCheckBox(this, IDC_WORD_WRAP, CP932ToWx("英単語のワードラップ(&W)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(new wxCheckBox(this, IDC_TAG_KINSOKU, CP932ToWx("タグ中の改行禁止(&T)")), 0, wxLEFT | wxRIGHT | wxTOP, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  BindDialogHelp(this, kHelpTopic);
  TransferDataToWindow();
  Centre();
}

bool CKinsokuDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_KINSOKU_FIRST)->ChangeValue(CP932ToWx(m_settings.m_strKinsokuFirst.str()));
  DlgEdit(this, IDC_KINSOKU_LAST)->ChangeValue(CP932ToWx(m_settings.m_strKinsokuLast.str()));
  DlgCheck(this, IDC_KIN_FIRST)->SetValue(m_settings.m_bKinFirst != 0);
  DlgCheck(this, IDC_KIN_LAST)->SetValue(m_settings.m_bKinLast != 0);
  DlgCheck(this, IDC_WORD_WRAP)->SetValue(m_settings.m_nWordWrap != 0);
  DlgCheck(this, IDC_TAG_KINSOKU)->SetValue(m_settings.m_nTagKinsoku != 0);
  UpdateEnabling();
  return true;
}

bool CKinsokuDlg::TransferDataFromWindow() {
  m_settings.m_strKinsokuFirst = WxToCP932(DlgEdit(this, IDC_KINSOKU_FIRST)->GetValue());
  m_settings.m_strKinsokuLast = WxToCP932(DlgEdit(this, IDC_KINSOKU_LAST)->GetValue());
  m_settings.m_bKinFirst = DlgCheck(this, IDC_KIN_FIRST)->GetValue() ? 1 : 0;
  m_settings.m_bKinLast = DlgCheck(this, IDC_KIN_LAST)->GetValue() ? 1 : 0;
  m_settings.m_nWordWrap = DlgCheck(this, IDC_WORD_WRAP)->GetValue() ? 1 : 0;
  m_settings.m_nTagKinsoku = DlgCheck(this, IDC_TAG_KINSOKU)->GetValue() ? 1 : 0;
  return true;
}

void CKinsokuDlg::UpdateEnabling() {
  for (const Rule& rule : kRules) DlgEdit(this, rule.edit)->Enable(DlgCheck(this, rule.check)->GetValue());
}
