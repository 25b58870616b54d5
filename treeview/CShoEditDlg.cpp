#include "treeview/CShoEditDlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/framework/DialogHelp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "treeview/CShoCustomDlg.h"

CShoEditDlg::CShoEditDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("章立て文字の編集")) {
  auto* grid = new wxFlexGridSizer(2, 6, 8);
  grid->AddGrowableCol(1);
  const auto label = [this, grid](const char* text) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(text)), 0, wxALIGN_CENTER_VERTICAL);
  };
  label("前の文字(&B)");
  grid->Add(new wxTextCtrl(this, IDC_MAE, wxEmptyString, wxDefaultPosition, wxSize(200, -1)), 1, wxEXPAND);
  label("番号種類(&N)");
  wxArrayString kinds;
  for (const char* kind : {"数字（例：1）", "全角数字（例：１）", "ローマ数字（例：Ⅰ）", "英大文字（例：A）",
                           "英小文字（例：a）", "丸付き数字（例：①）", "漢数字（例：一）", "なし", "半角カナ（例：ｱ）",
                           "全角カナ（例：ア）", "ひらがな（例：あ）", "章番号", "カスタム"})
    kinds.Add(CP932ToWx(kind));
  auto* kindRow = new wxBoxSizer(wxHORIZONTAL);
  m_kind = new wxChoice(this, IDC_NO, wxDefaultPosition, wxDefaultSize, kinds);
  kindRow->Add(m_kind, 1, wxALIGN_CENTER_VERTICAL);
  kindRow->Add(new wxButton(this, IDC_CUSTOM, CP932ToWx("カスタム(&C)...")), 0, wxLEFT, 6);
  grid->Add(kindRow, 1, wxEXPAND);
  label("後の文字(&A)");
  grid->Add(new wxTextCtrl(this, IDC_ATO, wxEmptyString, wxDefaultPosition, wxSize(200, -1)), 1, wxEXPAND);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 1, wxALL | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(top);
  Bind(wxEVT_CHOICE, &CShoEditDlg::OnKind, this, IDC_NO);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EditCustom(); }, IDC_CUSTOM);
  BindDialogHelp(this, 93);
}

bool CShoEditDlg::TransferDataToWindow() {
  dynamic_cast<wxTextCtrl*>(FindWindow(IDC_MAE))->ChangeValue(CP932ToWx(m_strMae.str()));
  dynamic_cast<wxTextCtrl*>(FindWindow(IDC_ATO))->ChangeValue(CP932ToWx(m_strAto.str()));
  m_kind->SetSelection(m_nNo >= 0 && m_nNo <= kCustomKind ? m_nNo : wxNOT_FOUND);
  FindWindow(IDC_CUSTOM)->Enable(m_nNo == kCustomKind);
  return true;
}

bool CShoEditDlg::TransferDataFromWindow() {
  m_strMae = WxToCP932(dynamic_cast<wxTextCtrl*>(FindWindow(IDC_MAE))->GetValue());
  m_strAto = WxToCP932(dynamic_cast<wxTextCtrl*>(FindWindow(IDC_ATO))->GetValue());
  m_nNo = m_kind->GetSelection();
  return true;
}

void CShoEditDlg::OnKind(wxCommandEvent&) {
  TransferDataFromWindow();
  const bool custom = m_nNo == kCustomKind;
  FindWindow(IDC_CUSTOM)->Enable(custom);
  if (custom) EditCustom();
}

void CShoEditDlg::EditCustom() {
  CShoCustomDlg dialog(this);
  dialog.m_strCustom = m_strCustom;
  if (dialog.ShowModal() == wxID_OK) m_strCustom = dialog.m_strCustom;
}
