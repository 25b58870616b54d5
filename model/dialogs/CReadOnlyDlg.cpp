#include "model/dialogs/CReadOnlyDlg.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "platform/framework/DialogHelp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

namespace {

const char* ReasonText(int reason) {
  switch (reason) {
    case 1:
      return "このファイルは読み取り専用属性です。読み取り専用モードで開きます。";
    case 2:
      return "このファイルのロックに失敗しました。読み取り専用モードで開きます。";
    default:
      return "このファイルは使用中です。読み取り専用モードで開きます。";
  }
}

}  // namespace

CReadOnlyDlg::CReadOnlyDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("読み取り専用")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* message = new wxBoxSizer(wxHORIZONTAL);
  message->Add(new wxStaticBitmap(this, IDC_ICON, wxArtProvider::GetBitmap(wxART_WARNING, wxART_MESSAGE_BOX)), 0,
               wxRIGHT, 12);
  auto* texts = new wxBoxSizer(wxVERTICAL);
  texts->Add(new wxStaticText(this, IDC_MESSAGE, wxEmptyString), 0, wxBOTTOM, 6);
  texts->Add(new wxStaticText(this, IDC_PATH, wxEmptyString), 0, wxBOTTOM, 6);
  texts->Add(new wxStaticText(
      this, wxID_ANY,
      CP932ToWx("読み取り専用についてよくわからない場合、心当たりがない場合にはヘルプボタンを押してください。")));
  message->Add(texts, 1, wxEXPAND);
  top->Add(message, 1, wxALL | wxEXPAND, 12);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, IDC_HELP_BUTTON, CP932ToWx("ヘルプ")), 0, wxRIGHT, 8);
  auto* ok = new wxButton(this, IDOK, "OK");
  ok->SetDefault();
  buttons->Add(ok);
  top->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 12);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDOK);
  Bind(wxEVT_BUTTON, [](wxCommandEvent&) { ShowHelpTopic(kHelpTopic); }, IDC_HELP_BUTTON);
  BindDialogHelp(this, kHelpTopic);
}

int CReadOnlyDlg::DoModal() {
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

bool CReadOnlyDlg::TransferDataToWindow() {
  FindWindow(IDC_MESSAGE)->SetLabel(CP932ToWx(ReasonText(m_nReason)));
  FindWindow(IDC_PATH)->SetLabel(CP932ToWx(m_strPath.str()));
  return true;
}
