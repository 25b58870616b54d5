#include "views/CChartSetDlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"
#include "views/ChartLayout.h"

CChartSetDlg::CChartSetDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("チャート設定")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("横幅(&W):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  m_width = new wxTextCtrl(this, IDC_WIDTH, wxEmptyString, wxDefaultPosition, wxSize(80, -1));
  row->Add(m_width);
  top->Add(row, 0, wxALL, 8);
  auto* group = new wxStaticBoxSizer(wxHORIZONTAL, this, CP932ToWx("ツリー色の反映"));
  m_treeBox = new wxCheckBox(group->GetStaticBox(), IDC_TREE_BOX, CP932ToWx("枠色(&L)"));
  m_treeText = new wxCheckBox(group->GetStaticBox(), IDC_TREE_TEXT, CP932ToWx("文字色(&S)"));
  group->Add(m_treeBox, 0, wxALL, 4);
  group->Add(m_treeText, 0, wxALL, 4);
  top->Add(group, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);
  top->Add(CreateOkCancelButtons(this), 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
}

int CChartSetDlg::DoModal() {
  CentreOnParent();
  return ShowModal() == wxID_OK ? IDOK : IDCANCEL;
}

bool CChartSetDlg::TransferDataToWindow() {
  m_width->ChangeValue(wxString::Format("%d", m_nWidth));
  m_treeBox->SetValue(m_bTreeBox != 0);
  m_treeText->SetValue(m_bTreeText != 0);
  return true;
}

bool CChartSetDlg::TransferDataFromWindow() {
  long width = 0;
  // A box narrower than two characters has no room for its text.
  if (!m_width->GetValue().Trim().Trim(false).ToLong(&width) || width < kMinChartBoxWidth || width > 10000) {
    AfxMessageBox("横幅には2以上の整数を入力してください");
    m_width->SetFocus();
    return false;
  }
  m_nWidth = static_cast<int>(width);
  m_bTreeBox = m_treeBox->GetValue();
  m_bTreeText = m_treeText->GetValue();
  return true;
}
