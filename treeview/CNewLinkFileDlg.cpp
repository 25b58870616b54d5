#include "treeview/CNewLinkFileDlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"

CNewLinkFileDlg::CNewLinkFileDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("新規リンクファイル")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("ファイルがありません。ファイルを以下の設定で新規に作成します。")), 0,
           wxALL, 10);
  auto* name = new wxBoxSizer(wxHORIZONTAL);
  name->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("ファイル名(&F):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  name->Add(new wxTextCtrl(this, IDC_FILENAME, wxEmptyString, wxDefaultPosition, wxSize(360, -1)), 1);
  top->Add(name, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
  auto* group = new wxStaticBoxSizer(wxVERTICAL, this, CP932ToWx("テキストファイル時(&X):"));
  group->Add(new wxCheckBox(group->GetStaticBox(), IDC_TITLE, CP932ToWx("一行目にタイトルを出力(&T)")), 0, wxALL, 4);
  group->Add(new wxCheckBox(group->GetStaticBox(), IDC_BODY, CP932ToWx("テキストエリア内容を出力(&B)")), 0, wxALL, 4);
  top->Add(group, 0, wxALL | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(top);
  CentreOnParent();
  Bind(wxEVT_BUTTON, &CNewLinkFileDlg::OnOK, this, wxID_OK);
  BindDialogHelp(this, 200);
}

bool CNewLinkFileDlg::TransferDataToWindow() {
  m_bTitle = AfxGetProfileInt("NewLinkFile", "Title", 1) != 0;
  m_bBody = AfxGetProfileInt("NewLinkFile", "Body", 0) != 0;
  DlgEdit(this, IDC_FILENAME)->ChangeValue(CP932ToWx(m_strFileName.str()));
  DlgCheck(this, IDC_TITLE)->SetValue(m_bTitle != FALSE);
  DlgCheck(this, IDC_BODY)->SetValue(m_bBody != FALSE);
  return true;
}

bool CNewLinkFileDlg::TransferDataFromWindow() {
  m_strFileName = WxToCP932(DlgEdit(this, IDC_FILENAME)->GetValue());
  m_bTitle = DlgCheck(this, IDC_TITLE)->GetValue();
  m_bBody = DlgCheck(this, IDC_BODY)->GetValue();
  return true;
}

void CNewLinkFileDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  AfxWriteProfileInt("NewLinkFile", "Title", m_bTitle ? 1 : 0);
  AfxWriteProfileInt("NewLinkFile", "Body", m_bBody ? 1 : 0);
  EndModal(wxID_OK);
}
