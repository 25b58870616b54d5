#include "app/CMarkDlg.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"

namespace {

struct Field {
  int id;
  const char* label;
};
constexpr Field kFields[] = {{CMarkDlg::IDC_CHECK, "チェックあり(&C)"},
                             {CMarkDlg::IDC_DEL, "取消線あり(&D)"},
                             {CMarkDlg::IDC_BOTH, "両方あり(&W)"},
                             {CMarkDlg::IDC_NORMAL, "両方なし(&H)"}};

}  // namespace

CMarkDlg::CMarkDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("マーク->テキスト")) {
  auto* grid = new wxFlexGridSizer(2, wxSize(8, 6));
  grid->AddGrowableCol(1);
  for (size_t i = 0; i < std::size(kFields); ++i) {
    grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx(kFields[i].label)), 0, wxALIGN_CENTER_VERTICAL);
    m_edit[i] = new wxTextCtrl(this, kFields[i].id, wxEmptyString, wxDefaultPosition, wxSize(200, -1));
    grid->Add(m_edit[i], 1, wxEXPAND);
  }
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxEXPAND | wxALL, 8);
  top->Add(CreateOkCancelButtons(this), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  BindDialogHelp(this, kHelpTopic);
  Centre();
}

bool CMarkDlg::TransferDataToWindow() {
  const CString* texts[] = {&m_strCheck, &m_strDel, &m_strDelCheck, &m_strNormal};
  for (size_t i = 0; i < std::size(texts); ++i) m_edit[i]->ChangeValue(CP932ToWx(texts[i]->str()));
  return true;
}

bool CMarkDlg::TransferDataFromWindow() {
  CString* texts[] = {&m_strCheck, &m_strDel, &m_strDelCheck, &m_strNormal};
  for (size_t i = 0; i < std::size(texts); ++i) *texts[i] = WxToCP932(m_edit[i]->GetValue());
  return true;
}
