#include "treeview/CCategoryEditDlg.h"

#include <wx/button.h>
#include <wx/colordlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/base/WinTypes.h"

CCategoryEditDlg::CCategoryEditDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, CP932ToWx("カテゴリ編集")) {
  auto* grid = new wxFlexGridSizer(2, wxSize(8, 8));
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("カテゴリ名(&N):")), 0, wxALIGN_CENTER_VERTICAL);
  m_name = new wxTextCtrl(this, IDC_NAME, wxEmptyString, wxDefaultPosition, wxSize(280, -1));
  grid->Add(m_name, 1, wxEXPAND);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("説明(&M):")), 0, wxALIGN_CENTER_VERTICAL);
  // One line: the description is stored as one header line of the document.
  m_memo = new wxTextCtrl(this, IDC_MEMO, wxEmptyString, wxDefaultPosition, wxSize(280, -1));
  grid->Add(m_memo, 1, wxEXPAND);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxEXPAND | wxALL, 8);
  top->Add(new wxButton(this, IDC_COLOR, CP932ToWx("色(&C)...")), 0, wxLEFT | wxRIGHT, 8);
  top->Add(CreateOkCancelButtons(this), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  CentreOnParent();
  Bind(wxEVT_BUTTON, &CCategoryEditDlg::OnColor, this, IDC_COLOR);
}

bool CCategoryEditDlg::TransferDataToWindow() {
  m_name->ChangeValue(CP932ToWx(m_category.Name.str()));
  m_memo->ChangeValue(CP932ToWx(m_category.Memo.str()));
  return true;
}

bool CCategoryEditDlg::TransferDataFromWindow() {
  m_category.Name = WxToCP932(m_name->GetValue());
  m_category.Memo = WxToCP932(m_memo->GetValue());
  return true;
}

void CCategoryEditDlg::OnColor(wxCommandEvent&) {
  wxColourData data;
  const COLORREF rgb = m_category.Color == -1 ? RGB(0, 0, 0) : static_cast<COLORREF>(m_category.Color);
  data.SetColour(wxColour(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
  wxColourDialog dialog(this, &data);
  if (dialog.ShowModal() != wxID_OK) return;
  const wxColour chosen = dialog.GetColourData().GetColour();
  m_category.Color = static_cast<int>(RGB(chosen.Red(), chosen.Green(), chosen.Blue()));
}
