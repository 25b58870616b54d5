#include "online/CNetSearchDlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/WebPages.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"

CNetSearchDlg::CNetSearchDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("ネット検索設定")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("URL(&U):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
  row->Add(new wxTextCtrl(this, IDC_URL, wxEmptyString, wxDefaultPosition, wxSize(360, -1)), 1, wxEXPAND);
  top->Add(row, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("%s：選択語 %t：タイトル　%f：リンクファイル")), 0, wxLEFT | wxRIGHT, 8);
  top->Add(new wxCheckBox(this, IDC_UTF8, CP932ToWx("文字コードをUTF8に変換(&U)")), 0, wxALL, 8);
  top->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
}

int CNetSearchDlg::DoModal() {
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  if (ShowModal() != IDOK) return IDCANCEL;
  TransferDataFromWindow();
  return IDOK;
}

bool CNetSearchDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_URL)->ChangeValue(CP932ToWx(m_strUrl.str()));
  DlgCheck(this, IDC_UTF8)->SetValue(m_bUtf8 != 0);
  return true;
}

bool CNetSearchDlg::TransferDataFromWindow() {
  m_strUrl = WxToCP932(DlgEdit(this, IDC_URL)->GetValue());
  m_bUtf8 = DlgCheck(this, IDC_UTF8)->GetValue() ? 1 : 0;
  return true;
}

void EditNetSearchSettings() {
  CNetSearchDlg dialog(AfxGetMainFrameWindow());
  dialog.m_strUrl = AfxGetProfileString("System", "NetSearch", kDefaultNetSearchUrl);
  dialog.m_bUtf8 = AfxGetProfileInt("System", "NetSearchUni", 1);
  if (dialog.DoModal() != IDOK) return;
  AfxWriteProfileString("System", "NetSearch", dialog.m_strUrl);
  AfxWriteProfileInt("System", "NetSearchUni", dialog.m_bUtf8);
}
