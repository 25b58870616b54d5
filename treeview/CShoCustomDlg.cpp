#include "treeview/CShoCustomDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "model/CShoStrArray.h"

CShoCustomDlg::CShoCustomDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, CP932ToWx("章番号の編集"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("一行で一つの章番号になるように以下で指定してください。")),
           0, wxALL, 8);
  m_edit = new wxTextCtrl(this, IDC_CUSTOM_EDIT, wxEmptyString, wxDefaultPosition, wxSize(320, 200),
                          wxTE_MULTILINE | wxHSCROLL);
  top->Add(m_edit, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
  top->Add(CreateOkCancelButtons(this), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  CentreOnParent();
}

bool CShoCustomDlg::TransferDataToWindow() {
  CString text = m_strCustom;
  text.Replace(CString(SHO_CUSTOM_SEPARATOR), "\n");
  m_edit->ChangeValue(CP932ToWx(text.str()));
  return true;
}

bool CShoCustomDlg::TransferDataFromWindow() {
  CString text = WxToCP932(m_edit->GetValue());
  // Both line-end forms end a string: the control gives LF, a paste may bring CR LF.
  text.Replace("\r\n", "\n");
  text.Replace('\n', SHO_CUSTOM_SEPARATOR);
  text.TrimRight(SHO_CUSTOM_SEPARATOR);
  m_strCustom = text;
  return true;
}
