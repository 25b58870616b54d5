#include "convert/CFormHtmlDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/colordlg.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <utility>

#include "convert/ExportDialogParts.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr std::pair<int, int CTextOutputOptions::*> kChecks[] = {
    {CFormHtmlDlg::IDC_SELECT_ONLY, &CTextOutputOptions::m_nSelectOnly},
    {CFormHtmlDlg::IDC_FILE_OUT, &CTextOutputOptions::m_nFileOut},
    {CFormHtmlDlg::IDC_EDIT_OUT, &CTextOutputOptions::m_nEditOut},
    {CFormHtmlDlg::IDC_DELLINE_OUT, &CTextOutputOptions::m_nDellineOut},
    {CFormHtmlDlg::IDC_JQUERY, &CTextOutputOptions::m_nJQuery},
    {CFormHtmlDlg::IDC_CSS_SET, &CTextOutputOptions::m_nCssSet},
    {CFormHtmlDlg::IDC_HTML_ESCAPE, &CTextOutputOptions::m_nHtmlEscape},
};

}  // namespace

CFormHtmlDlg::CFormHtmlDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("HTML出力")) {
  auto* grid = new wxFlexGridSizer(2, 6, 8);
  AddLabelled(grid, this, "出力形式(&F):", NewFormDropList(this, IDC_FORM));
  AddLabelled(grid, this, "章区切記号(&H):", new wxTextCtrl(this, IDC_SHOW_STR));
  AddLabelled(grid, this, "文字コード(&E):", NewDropList(this, IDC_CHARSET, {"UTF-8", "シフトJIS"}));
  auto* color = new wxBoxSizer(wxHORIZONTAL);
  color->Add(new wxTextCtrl(this, IDC_CSS_COLOR), 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  color->Add(new wxButton(this, IDC_COLOR_BUTTON, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT));
  AddLabelled(grid, this, "標準スタイルの色(&C):", color);

  auto* checks = new wxBoxSizer(wxVERTICAL);
  const std::pair<int, const char*> checkLabels[] = {
      {IDC_SELECT_ONLY, "選択したツリーのみ出力(&L)"}, {IDC_FILE_OUT, "リンクファイルを出力(&Q)"},
      {IDC_EDIT_OUT, "テキストエリアを出力(&E)"},     {IDC_DELLINE_OUT, "削除線ツリーを出力(&R)"},
      {IDC_JQUERY, "ツリーの開閉(&T)"},               {IDC_CSS_SET, "標準スタイルを設定(&S)"},
      {IDC_HTML_ESCAPE, "タグのエスケープ(&P)"}};
  for (const auto& [id, label] : checkLabels) checks->Add(new wxCheckBox(this, id, CP932ToWx(label)), 0, wxBOTTOM, 6);
  checks->Add(new wxButton(this, IDC_CSS, CP932ToWx("外部CSS設定(&G)...")), 0, wxTOP, 4);

  auto* body = new wxBoxSizer(wxHORIZONTAL);
  body->Add(grid, 0, wxALL, 8);
  body->Add(checks, 0, wxALL, 8);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(body);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  FindWindow(IDOK)->SetLabel(CP932ToWx("出力"));
  FindWindow(IDCANCEL)->SetLabel(CP932ToWx("キャンセル"));
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);

  Bind(wxEVT_BUTTON, &CFormHtmlDlg::OnOK, this, IDOK);
  Bind(wxEVT_BUTTON, &CFormHtmlDlg::OnColor, this, IDC_COLOR_BUTTON);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AskOutsideCss(this); }, IDC_CSS);
}

int CFormHtmlDlg::DoModal() {
  m_options.Load();
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CFormHtmlDlg::TransferDataToWindow() {
  for (const auto& [id, member] : kChecks) DlgCheck(this, id)->SetValue(m_options.*member != 0);
  SetDropList(this, IDC_FORM, m_options.m_nForm);
  SetDropList(this, IDC_CHARSET, m_nCharset);
  DlgEdit(this, IDC_SHOW_STR)->ChangeValue(CP932ToWx(m_options.m_strShowStr.str()));
  DlgEdit(this, IDC_CSS_COLOR)->ChangeValue(CP932ToWx(m_options.m_strCssColor.str()));
  return true;
}

bool CFormHtmlDlg::TransferDataFromWindow() {
  for (const auto& [id, member] : kChecks) m_options.*member = DlgCheck(this, id)->GetValue() ? 1 : 0;
  m_options.m_nForm = GetDropList(this, IDC_FORM, m_options.m_nForm);
  m_nCharset = GetDropList(this, IDC_CHARSET, m_nCharset);
  m_options.m_strShowStr = WxToCP932(DlgEdit(this, IDC_SHOW_STR)->GetValue());
  m_options.m_strCssColor = WxToCP932(DlgEdit(this, IDC_CSS_COLOR)->GetValue());
  return true;
}

void CFormHtmlDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  // The text layout values are not shown here and go back as they were loaded.
  m_options.SaveText(CTextOutputOptions::GetSettingsPath());
  EndModal(IDOK);
}

void CFormHtmlDlg::OnColor(wxCommandEvent&) {
  wxColourData data;
  const wxColour shown(DlgEdit(this, IDC_CSS_COLOR)->GetValue());
  if (shown.IsOk()) data.SetColour(shown);
  wxColourDialog dialog(this, &data);
  if (dialog.ShowModal() != wxID_OK) return;
  const wxColour chosen = dialog.GetColourData().GetColour();
  DlgEdit(this, IDC_CSS_COLOR)->ChangeValue(wxString::Format("#%02X%02X%02X", chosen.Red(), chosen.Green(), chosen.Blue()));
}
