#include "views/CCalcDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/CCalculator.h"
#include "foundation/NumberText.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"
#include "platform/framework/DialogHelp.h"

CCalcDlg::CCalcDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("計算")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("数式(&E):")), 0, wxLEFT | wxTOP, 8);
  m_expression = new wxTextCtrl(this, IDC_EXPRESSION, wxEmptyString, wxDefaultPosition, wxSize(320, -1),
                                wxTE_PROCESS_ENTER);
  top->Add(m_expression, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("結果(&L)")), 0, wxLEFT, 8);
  m_result = new wxTextCtrl(this, IDC_RESULT, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
  top->Add(m_result, 0, wxALL | wxEXPAND, 8);
  m_comma = new wxCheckBox(this, IDC_COMMA, CP932ToWx("桁区切り（,）挿入(&M)"));
  top->Add(m_comma, 0, wxLEFT | wxRIGHT, 8);

  auto* buttons = new wxGridSizer(2, 6, 6);
  buttons->Add(new wxButton(this, IDC_REPLACE, CP932ToWx("置き換え挿入(&R)")), 0, wxEXPAND);
  buttons->Add(new wxButton(this, IDC_INSERT_AFTER, CP932ToWx("式の後に挿入(&I)")), 0, wxEXPAND);
  buttons->Add(new wxButton(this, IDC_COPY_CLOSE, CP932ToWx("コピーして閉じる(&C)")), 0, wxEXPAND);
  buttons->Add(new wxButton(this, IDC_RECALC, CP932ToWx("再計算(&X)")), 0, wxEXPAND);
  buttons->AddStretchSpacer();
  buttons->Add(new wxButton(this, IDCANCEL, CP932ToWx("キャンセル")), 0, wxEXPAND);
  top->Add(buttons, 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
  SetEscapeId(IDCANCEL);
  // Only the three closing buttons and Cancel end the dialog.
  SetAffirmativeId(wxID_NONE);

  Bind(wxEVT_CHECKBOX, &CCalcDlg::OnComma, this, IDC_COMMA);
  Bind(wxEVT_BUTTON, &CCalcDlg::OnRecalc, this, IDC_RECALC);
  Bind(wxEVT_BUTTON, &CCalcDlg::OnClose, this, IDC_REPLACE);
  Bind(wxEVT_BUTTON, &CCalcDlg::OnClose, this, IDC_INSERT_AFTER);
  Bind(wxEVT_BUTTON, &CCalcDlg::OnClose, this, IDC_COPY_CLOSE);
  Bind(wxEVT_BUTTON, &CCalcDlg::OnOk, this, IDOK);
  Bind(wxEVT_TEXT_ENTER, &CCalcDlg::OnEnter, this, IDC_EXPRESSION);
  BindDialogHelp(this, kHelpTopic);
}

int CCalcDlg::DoModal() {
  m_bComma = AfxGetProfileInt("CalcDlg", "Comma", 0);
  const int focus = AfxGetProfileInt("CalcDlg", "Focus", 0);
  m_nCloseMode = kOpen;
  Calculate();
  TransferDataToWindow();
  if (m_strExpression.IsEmpty()) {
    m_default = static_cast<wxButton*>(FindWindow(IDC_RECALC));
    m_expression->SetFocus();
  } else {
    const int ids[] = {IDC_REPLACE, IDC_INSERT_AFTER, IDC_COPY_CLOSE};
    m_default = static_cast<wxButton*>(FindWindow(ids[focus >= 1 && focus <= 2 ? focus : 0]));
    m_default->SetFocus();
  }
  m_default->SetDefault();
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

void CCalcDlg::Calculate() {
  if (m_strExpression.IsEmpty()) {
    m_strResult.Empty();
    return;
  }
  double value = 0;
  CCalculator calculator;
  if (calculator.EvaluateExpression(NormaliseExpression(m_strExpression), &value) <= 0) {
    m_strResult = "式が不正です";
  } else if (m_bComma) {
    m_strResult = FormatNumber(value);
  } else {
    m_strResult.Format("%.10g", value);
  }
}

bool CCalcDlg::TransferDataToWindow() {
  m_expression->ChangeValue(CP932ToWx(m_strExpression.str()));
  m_result->ChangeValue(CP932ToWx(m_strResult.str()));
  m_comma->SetValue(m_bComma != 0);
  return true;
}

bool CCalcDlg::TransferDataFromWindow() {
  m_strExpression = WxToCP932(m_expression->GetValue());
  m_bComma = m_comma->GetValue();
  return true;
}

void CCalcDlg::Recalculate() {
  TransferDataFromWindow();
  Calculate();
  TransferDataToWindow();
}

void CCalcDlg::OnComma(wxCommandEvent&) { Recalculate(); }

void CCalcDlg::OnRecalc(wxCommandEvent&) {
  Recalculate();
  m_nCloseMode = kOpen;
}

void CCalcDlg::OnEnter(wxCommandEvent&) {
  // Return presses the default button; while that is "再計算" it recalculates and stays.
  if (!m_default || m_default->GetId() == IDC_RECALC) {
    Recalculate();
    return;
  }
  wxCommandEvent press(wxEVT_BUTTON, m_default->GetId());
  press.SetEventObject(m_default);
  ProcessWindowEvent(press);
}

void CCalcDlg::OnClose(wxCommandEvent& event) {
  switch (event.GetId()) {
    case IDC_REPLACE: CloseWith(kReplace); break;
    case IDC_INSERT_AFTER: CloseWith(kInsertAfter); break;
    default: {
      m_result->SetFocus();
      m_result->SelectAll();
      if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(m_result->GetValue()));
        wxTheClipboard->Close();
      }
      CloseWith(kCopy);
      break;
    }
  }
}

void CCalcDlg::OnOk(wxCommandEvent&) {
  if (m_nCloseMode != kOpen) CloseWith(m_nCloseMode);
}

void CCalcDlg::CloseWith(int mode) {
  m_nCloseMode = mode;
  AfxWriteProfileInt("CalcDlg", "Focus", mode);
  m_strResult = WxToCP932(m_result->GetValue());
  EndModal(IDOK);
}
