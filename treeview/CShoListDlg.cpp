#include "treeview/CShoListDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include <algorithm>

#include "treeview/CShoEditDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/framework/DialogHelp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/FileDialog.h"
#include "platform/desktop/MessageBox.h"

CShoListDlg::CShoListDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, CP932ToWx("章立て文字"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* body = new wxBoxSizer(wxHORIZONTAL);
  m_list = new wxListBox(this, IDC_LIST, wxDefaultPosition, wxSize(360, 260), 0, nullptr, wxLB_SINGLE | wxLB_HSCROLL);
  body->Add(m_list, 1, wxEXPAND | wxRIGHT, 10);
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  const std::pair<int, const char*> listButtons[] = {
      {IDC_ADD, "追加(&A)..."},     {IDC_EDIT, "修正(&E)..."},     {IDC_DELETE, "削除(&D)..."},
      {IDC_UP, "一つ上へ(&U)"},     {IDC_DOWN, "一つ下へ(&W)"},   {IDC_IMPORT, "ｲﾝﾎﾟｰﾄ(&I)..."},
      {IDC_EXPORT, "ｴｸｽﾎﾟｰﾄ(&X)..."}};
  for (const auto& [id, label] : listButtons) {
    buttons->Add(new wxButton(this, id, CP932ToWx(label)), 0, wxEXPAND | wxBOTTOM, 4);
    if (id == IDC_DELETE || id == IDC_DOWN) buttons->AddSpacer(8);
  }
  body->Add(buttons, 0);
  top->Add(body, 1, wxALL | wxEXPAND, 10);
  top->Add(new wxCheckBox(this, IDC_DELLINE, CP932ToWx("削除線のツリーにも章立て文字をつける(&S)")), 0,
           wxLEFT | wxRIGHT | wxBOTTOM, 10);
  top->Add(new wxCheckBox(this, IDC_SAVEINFILE, CP932ToWx("ファイル固有設定として保存(&F)")), 0, wxLEFT | wxRIGHT, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(top);

  Bind(wxEVT_BUTTON, &CShoListDlg::OnAdd, this, IDC_ADD);
  Bind(wxEVT_BUTTON, &CShoListDlg::OnEdit, this, IDC_EDIT);
  Bind(wxEVT_LISTBOX_DCLICK, &CShoListDlg::OnEdit, this, IDC_LIST);
  Bind(wxEVT_BUTTON, &CShoListDlg::OnDelete, this, IDC_DELETE);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MoveSelected(-1); }, IDC_UP);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MoveSelected(1); }, IDC_DOWN);
  Bind(wxEVT_BUTTON, &CShoListDlg::OnImport, this, IDC_IMPORT);
  Bind(wxEVT_BUTTON, &CShoListDlg::OnExport, this, IDC_EXPORT);
  Bind(wxEVT_BUTTON, &CShoListDlg::OnOK, this, wxID_OK);
  BindDialogHelp(this, 93);
}

bool CShoListDlg::TransferDataToWindow() {
  Fill(0);
  m_bDellineSho = AfxGetProfileInt("System", "DellineSho", 1);
  dynamic_cast<wxCheckBox*>(FindWindow(IDC_DELLINE))->SetValue(m_bDellineSho != 0);
  dynamic_cast<wxCheckBox*>(FindWindow(IDC_SAVEINFILE))->SetValue(m_bSaveInFile != 0);
  return true;
}

bool CShoListDlg::TransferDataFromWindow() {
  m_bDellineSho = dynamic_cast<wxCheckBox*>(FindWindow(IDC_DELLINE))->GetValue() ? 1 : 0;
  m_bSaveInFile = dynamic_cast<wxCheckBox*>(FindWindow(IDC_SAVEINFILE))->GetValue() ? 1 : 0;
  return true;
}

void CShoListDlg::Fill(int select) {
  m_list->Clear();
  for (int i = 0; i < m_shoStr.GetCount(); ++i) {
    CString line;
    line.Format("第%2d階層：", i + 1);
    line += m_shoStr.GetMae(i) + "[" + m_shoStr.GetKindName(i) + "]" + m_shoStr.GetAto(i);
    m_list->Append(CP932ToWx(line.str()));
  }
  if (select >= 0 && select < static_cast<int>(m_list->GetCount())) m_list->SetSelection(select);
}

int CShoListDlg::GetSelection() const {
  const int selection = m_list->GetSelection();
  return selection == wxNOT_FOUND ? -1 : selection;
}

void CShoListDlg::AddStyle(const char* mae, int kind, const char* ato, const char* custom) {
  m_shoStr.Add(mae, kind, ato, custom);
  Fill(m_shoStr.GetCount() - 1);
}

void CShoListDlg::ChangeSelected(const char* mae, int kind, const char* ato, const char* custom) {
  const int row = GetSelection();
  if (row < 0) return;
  m_shoStr.SetMae(row, mae);
  m_shoStr.SetAto(row, ato);
  m_shoStr.SetNo(row, kind);
  m_shoStr.SetCustomText(row, custom);
  Fill(row);
}

void CShoListDlg::DeleteSelected() {
  const int row = GetSelection();
  if (row < 0) return;
  m_shoStr.RemoveAt(row);
  Fill(std::min(row, m_shoStr.GetCount() - 1));
}

void CShoListDlg::MoveSelected(int step) {
  const int row = GetSelection();
  const int other = row + step;
  if (row < 0 || other < 0 || other >= m_shoStr.GetCount()) return;
  m_shoStr.Swap(row, other);
  Fill(other);
}

BOOL CShoListDlg::ImportFrom(const char* path) {
  CShoStrArray loaded(m_shoStr.GetSection());
  if (loaded.Load(path) <= 0) {
    AfxMessageBox("章立ての文字がファイルにありません");
    return FALSE;
  }
  m_shoStr = loaded;
  Fill(0);
  return TRUE;
}

BOOL CShoListDlg::ExportTo(const char* path) { return m_shoStr.Save(path); }

void CShoListDlg::SaveChoices() {
  TransferDataFromWindow();
  AfxWriteProfileInt("System", "DellineSho", m_bDellineSho);
  m_shoStr.Save();
}

void CShoListDlg::OnAdd(wxCommandEvent&) {
  CShoEditDlg dialog(this);
  if (dialog.ShowModal() != wxID_OK) return;
  AddStyle(dialog.m_strMae, dialog.m_nNo, dialog.m_strAto, dialog.m_strCustom);
}

void CShoListDlg::OnEdit(wxCommandEvent&) {
  const int row = GetSelection();
  if (row < 0) return;
  CShoEditDlg dialog(this);
  dialog.m_strMae = m_shoStr.GetMae(row);
  dialog.m_strAto = m_shoStr.GetAto(row);
  dialog.m_nNo = m_shoStr.GetNo(row);
  dialog.m_strCustom = m_shoStr.GetCustomText(row);
  if (dialog.ShowModal() != wxID_OK) return;
  ChangeSelected(dialog.m_strMae, dialog.m_nNo, dialog.m_strAto, dialog.m_strCustom);
}

void CShoListDlg::OnDelete(wxCommandEvent&) {
  if (GetSelection() < 0) return;
  if (AfxMessageBox("削除しますか？", MB_OKCANCEL) != IDOK) return;
  DeleteSelected();
}

void CShoListDlg::OnImport(wxCommandEvent&) {
  const CString folder = AfxGetProfileString("InitDir", "ShoImport", "");
  FileChoice choice;
  if (!ChooseFile(this, "章立てのｲﾝﾎﾟｰﾄ", folder, "",
                  "章立てﾌｧｲﾙ(*kvn;*.dat)|*.kvn;*.dat|ﾃﾞｰﾀﾌｧｲﾙ(*.dat)|*.dat|ｹｽﾀﾎﾞﾝﾌｧｲﾙ(*.kvn)|*.kvn|全てのﾌｧｲﾙ(*.*)|*",
                  wxFD_OPEN | wxFD_FILE_MUST_EXIST, choice))
    return;
  AfxWriteProfileString("InitDir", "ShoImport", choice.folder);
  ImportFrom(choice.path);
}

void CShoListDlg::OnExport(wxCommandEvent&) {
  const CString folder = AfxGetProfileString("InitDir", "ShoExport", "");
  FileChoice choice;
  if (!ChooseFile(this, "章立て設定のエクスポート", folder, "KvnSho.dat", "ﾃﾞｰﾀﾌｧｲﾙ(*.dat)|*.dat|全てのファイル(*.*)|*",
                  wxFD_SAVE | wxFD_OVERWRITE_PROMPT, choice, "dat"))
    return;
  AfxWriteProfileString("InitDir", "ShoExport", choice.folder);
  ExportTo(choice.path);
}

void CShoListDlg::OnOK(wxCommandEvent&) {
  SaveChoices();
  EndModal(wxID_OK);
}
