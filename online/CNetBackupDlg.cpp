#include "online/CNetBackupDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr char kBetaNotice[] =
    "※本機能はベータ機能であり、サービスの中断・中止やファイルの損失に対する保証等はいたしませんのでご注意下さい。";

wxStaticText* Note(wxWindow* parent, const char* text) {
  auto* note = new wxStaticText(parent, wxID_ANY, CP932ToWx(text));
  note->Wrap(420);
  return note;
}

// The title row shared by both dialogs, and the buttons "保存" and the given cancel text.
void AddTitleRow(wxWindow* dlg, wxFlexGridSizer* grid, int id) {
  grid->Add(new wxStaticText(dlg, wxID_ANY, CP932ToWx("タイトル(&T):")), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(new wxTextCtrl(dlg, id, wxEmptyString, wxDefaultPosition, wxSize(280, -1)), 1, wxEXPAND);
}

wxSizer* SaveButtons(wxDialog* dlg, const char* cancelText) {
  wxSizer* buttons = CreateOkCancelButtons(dlg, IDOK, IDCANCEL);
  static_cast<wxButton*>(dlg->FindWindow(IDOK))->SetLabel(CP932ToWx("保存"));
  static_cast<wxButton*>(dlg->FindWindow(IDCANCEL))->SetLabel(CP932ToWx(cancelText));
  dlg->SetAffirmativeId(IDOK);
  dlg->SetEscapeId(IDCANCEL);
  return buttons;
}

}  // namespace

CNetBackupDlg::CNetBackupDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("Kestavon for Webへのアップロード")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(Note(this, "Pelko Webファイルサービスへファイルを保存します。（ベータ機能）"), 0, wxALL, 8);
  auto* grid = new wxFlexGridSizer(2, 8, 8);
  grid->AddGrowableCol(1);
  AddTitleRow(this, grid, IDC_TITLE);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("ファイルID:")), 0, wxALIGN_CENTER_VERTICAL);
  auto* idRow = new wxBoxSizer(wxHORIZONTAL);
  idRow->Add(new wxTextCtrl(this, IDC_FILEID, wxEmptyString, wxDefaultPosition, wxSize(120, -1), wxTE_READONLY));
  idRow->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("※自動的に設定されます")), 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 8);
  idRow->Add(new wxButton(this, IDC_RESET, CP932ToWx("初期化(&I)...")), 0, wxLEFT, 8);
  grid->Add(idRow);
  grid->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("保存時に自動的なアップロード(&A):")), 0, wxALIGN_CENTER_VERTICAL);
  auto* choice = new wxChoice(this, IDC_AUTO);
  for (const char* item : {"行わない", "確認後、行う", "確認無しで行う"}) choice->Append(CP932ToWx(item));
  grid->Add(choice);
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxCheckBox(this, IDC_CHECK_NEWER, CP932ToWx("ファイルを開いたとき、ネットの方が新しいか確認する(&N)")), 0,
           wxLEFT | wxRIGHT, 8);
  top->Add(Note(this, "Kestavon for Web での公開が可能です。"), 0, wxALL, 8);
  top->Add(Note(this, kBetaNotice), 0, wxLEFT | wxRIGHT, 8);
  top->Add(SaveButtons(this, "閉じる"), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnReset(); }, IDC_RESET);
}

int CNetBackupDlg::DoModal() {
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  const int result = ShowModal() == IDOK ? IDOK : IDCANCEL;
  // The file ID counts after a cancel as well: an emptied ID stays empty.
  TransferDataFromWindow();
  return result;
}

bool CNetBackupDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_TITLE)->ChangeValue(CP932ToWx(m_strTitle.str()));
  DlgEdit(this, IDC_FILEID)->ChangeValue(CP932ToWx(m_strFileId.str()));
  DlgChoice(this, IDC_AUTO)->SetSelection(m_nAutoUpload);
  DlgCheck(this, IDC_CHECK_NEWER)->SetValue(m_bCheckNewer != 0);
  return true;
}

bool CNetBackupDlg::TransferDataFromWindow() {
  m_strTitle = WxToCP932(DlgEdit(this, IDC_TITLE)->GetValue());
  m_strFileId = WxToCP932(DlgEdit(this, IDC_FILEID)->GetValue());
  m_nAutoUpload = DlgChoice(this, IDC_AUTO)->GetSelection();
  m_bCheckNewer = DlgCheck(this, IDC_CHECK_NEWER)->GetValue() ? 1 : 0;
  return true;
}

void CNetBackupDlg::OnReset() {
  TransferDataFromWindow();
  if (AfxMessageBox("ファイルIDを初期化します。ネット上で削除した場合やアップロードが出来なくなったときにのみ行ってください。",
                    MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
    m_strFileId.Empty();
  TransferDataToWindow();
}

CNetSaveAsDlg::CNetSaveAsDlg(wxWindow* parent) : wxDialog(parent, IDD, CP932ToWx("ネットファイルとして保存")) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(2, 8, 8);
  grid->AddGrowableCol(1);
  AddTitleRow(this, grid, IDC_TITLE);
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  top->Add(Note(this, "本機能で保存されたファイルは、ネットファイルとみなされ、ディスク上のファイルとは別個のものとなります。"), 0,
           wxLEFT | wxRIGHT, 8);
  top->Add(Note(this, "Pelko Webファイルサービスへファイルを保存します。（ベータ機能）"), 0, wxALL, 8);
  top->Add(Note(this, kBetaNotice), 0, wxLEFT | wxRIGHT, 8);
  top->Add(SaveButtons(this, "ｷｬﾝｾﾙ"), 0, wxALL | wxEXPAND, 8);
  SetSizer(top);
}

int CNetSaveAsDlg::DoModal() {
  TransferDataToWindow();
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  if (ShowModal() != IDOK) return IDCANCEL;
  TransferDataFromWindow();
  return IDOK;
}

bool CNetSaveAsDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_TITLE)->ChangeValue(CP932ToWx(m_strTitle.str()));
  return true;
}

bool CNetSaveAsDlg::TransferDataFromWindow() {
  m_strTitle = WxToCP932(DlgEdit(this, IDC_TITLE)->GetValue());
  return true;
}
