#include "app/CTemplateEditDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "foundation/CFileDialogEx.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/MessageBox.h"

CTemplateEditDlg::CTemplateEditDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("テンプレート")) {
  m_title = new wxTextCtrl(this, IDC_TITLE, wxEmptyString, wxDefaultPosition, wxSize(260, -1));
  m_file = new wxTextCtrl(this, IDC_FILE, wxEmptyString, wxDefaultPosition, wxSize(260, -1));
  auto* grid = new wxFlexGridSizer(3, wxSize(8, 6));
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("タイトル(&T)：")), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(m_title, 1, wxEXPAND);
  grid->AddSpacer(0);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("ファイル名(&F)：")), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(m_file, 1, wxEXPAND);
  grid->Add(new wxButton(this, IDC_BROWSE, CP932ToWx("参照(&B)")));
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxEXPAND | wxALL, 8);
  top->Add(CreateOkCancelButtons(this), 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  CentreOnParent();
  Bind(wxEVT_BUTTON, &CTemplateEditDlg::OnBrowse, this, IDC_BROWSE);
}

bool CTemplateEditDlg::TransferDataToWindow() {
  m_title->ChangeValue(CP932ToWx(m_strTitle.str()));
  m_file->ChangeValue(CP932ToWx(m_strFile.str()));
  return true;
}

bool CTemplateEditDlg::TransferDataFromWindow() {
  m_strTitle = WxToCP932(m_title->GetValue());
  m_strFile = WxToCP932(m_file->GetValue());
  if (m_strFile.IsEmpty()) {
    AfxMessageBox("ファイル名が設定されていません");
    return false;
  }
  if (m_strTitle.IsEmpty()) {
    AfxMessageBox("名前が設定されていません");
    return false;
  }
  return true;
}

void CTemplateEditDlg::TakeChosenFile(const char* path, const char* name) {
  m_file->ChangeValue(CP932ToWx(path));
  if (m_title->GetValue().empty()) m_title->ChangeValue(CP932ToWx(name));
}

void CTemplateEditDlg::OnBrowse(wxCommandEvent&) {
  CFileDialogEx dialog(TRUE, "txt", "*.txt", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                       "ﾃｷｽﾄﾌｧｲﾙ(*.txt) |*.txt| 全てのﾌｧｲﾙ(*.*) |*.*||", this);
  dialog.m_ofn.lpstrTitle = "参照";
  // The key keeps the last chosen file; the chooser starts in its folder.
  const CString last = AfxGetProfileString("InitDir", "TemplateEdit", "");
  dialog.m_ofn.lpstrInitialDir = last.ReverseFind('/') < 0 ? last : last.Left(last.ReverseFind('/'));
  if (dialog.DoModal() != IDOK) return;
  AfxWriteProfileString("InitDir", "TemplateEdit", dialog.GetPathName());
  TakeChosenFile(dialog.GetPathName(), dialog.GetFileName());
}
