#include "app/CEdSetDlg.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/framework/CWinApp.h"
#include "platform/framework/DialogHelp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/FileDialog.h"

CEdSetDlg::CEdSetDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("エディタの設定")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("使用するエディタを設定してください")), 0, wxLEFT | wxRIGHT | wxTOP, 10);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxTextCtrl(this, IDC_EDITOR, wxEmptyString, wxDefaultPosition, wxSize(320, -1)), 1,
           wxALIGN_CENTER_VERTICAL);
  row->Add(new wxButton(this, IDC_BROWSE, CP932ToWx("参照(&B)...")), 0, wxLEFT, 6);
  top->Add(row, 0, wxALL | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &CEdSetDlg::OnBrowse, this, IDC_BROWSE);
  BindDialogHelp(this, 91);
}

bool CEdSetDlg::TransferDataToWindow() {
  dynamic_cast<wxTextCtrl*>(FindWindow(IDC_EDITOR))->ChangeValue(CP932ToWx(m_strEditor.str()));
  return true;
}

bool CEdSetDlg::TransferDataFromWindow() {
  m_strEditor = WxToCP932(dynamic_cast<wxTextCtrl*>(FindWindow(IDC_EDITOR))->GetValue());
  return true;
}

void CEdSetDlg::OnBrowse(wxCommandEvent&) {
  // Programs here carry no extension: every file is offered.
  const CString folder = AfxGetProfileString("InitDir", "EditorSet", "/usr/bin");
  FileChoice choice;
  if (!ChooseFile(this, "エディタの設定", folder, "", "全てのﾌｧｲﾙ(*.*)|*", wxFD_OPEN | wxFD_FILE_MUST_EXIST, choice))
    return;
  AfxWriteProfileString("InitDir", "EditorSet", choice.folder);
  m_strEditor = choice.path;
  TransferDataToWindow();
}
