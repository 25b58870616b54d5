#include "treeview/CLinkFileDlg.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"
#include "platform/framework/FileDialog.h"

CLinkFileDlg::CLinkFileDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, CP932ToWx("リンクファイルが設定されていません")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("以下のファイル名でリンクファイルを設定します(&F):")), 0,
           wxLEFT | wxRIGHT | wxTOP, 10);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxTextCtrl(this, IDC_FILENAME, wxEmptyString, wxDefaultPosition, wxSize(380, -1)), 1,
           wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  row->Add(new wxButton(this, IDC_BROWSE, CP932ToWx("参照(&B)...")), 0);
  top->Add(row, 0, wxALL | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(top);
  CentreOnParent();
  Bind(wxEVT_BUTTON, &CLinkFileDlg::OnBrowse, this, IDC_BROWSE);
  BindDialogHelp(this, kHelpTopic);
}

bool CLinkFileDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_FILENAME)->ChangeValue(CP932ToWx(m_strFileName.str()));
  return true;
}

bool CLinkFileDlg::TransferDataFromWindow() {
  m_strFileName = WxToCP932(DlgEdit(this, IDC_FILENAME)->GetValue());
  return true;
}

void CLinkFileDlg::OnBrowse(wxCommandEvent&) {
  TransferDataFromWindow();
  const CString pattern = AfxGetProfileString("System", "LinkExt", "*.TXT");
  const CString filter = CString(pattern == "*.TXT" ? "ﾃｷｽﾄﾌｧｲﾙ(*.TXT)|" : "ﾕｰｻﾞ設定ﾌｧｲﾙ|") + pattern +
                         "| 全てのﾌｧｲﾙ(*.*) |*.*||";
  FileChoice choice;
  if (!ChooseFile(this, "ﾘﾝｸﾌｧｲﾙ名の入力", AfxGetProfileString("InitDir", "LinkDlg", ""), pattern, filter,
                  wxFD_OPEN, choice)) {
    return;
  }
  m_strFileName = choice.path;
  AfxWriteProfileString("InitDir", "LinkDlg", choice.path);
  TransferDataToWindow();
}
