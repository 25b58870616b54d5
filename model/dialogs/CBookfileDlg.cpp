#include "model/dialogs/CBookfileDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include "foundation/CFileDialogEx.h"
#include "platform/framework/DialogHelp.h"
#include "platform/framework/CWinApp.h"
#include "model/BookmarkFileList.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

CBookfileDlg::CBookfileDlg(wxWindow* parent, BookmarkFileList* list)
    : wxDialog(parent, wxID_ANY, CP932ToWx("ブックマーク編集"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_pList(list) {
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  auto addButton = [&](int id, const char* label) {
    buttons->Add(new wxButton(this, id, CP932ToWx(label)), 0, wxBOTTOM | wxEXPAND, 4);
  };
  addButton(IDC_ADD, "追加(&A)...");
  addButton(IDC_CHANGE, "変更(&E)...");
  addButton(IDC_DELETE, "削除(&D)...");
  addButton(IDC_UP, "一つ上へ(&U)");
  addButton(IDC_DOWN, "一つ下へ(&W)");
  addButton(IDC_HELP_BUTTON, "ヘルプ(&H)");
  buttons->AddStretchSpacer();
  auto* close = new wxButton(this, IDOK, CP932ToWx("閉じる"));
  close->SetDefault();
  buttons->Add(close, 0, wxEXPAND);

  auto* top = new wxBoxSizer(wxHORIZONTAL);
  top->Add(new wxListBox(this, IDC_LIST, wxDefaultPosition, wxSize(420, 240), 0, nullptr, wxLB_SINGLE | wxLB_HSCROLL),
           1, wxALL | wxEXPAND, 8);
  top->Add(buttons, 0, wxTOP | wxRIGHT | wxBOTTOM | wxEXPAND, 8);
  SetSizer(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDOK);
  Bind(wxEVT_BUTTON, &CBookfileDlg::OnAdd, this, IDC_ADD);
  Bind(wxEVT_BUTTON, &CBookfileDlg::OnChange, this, IDC_CHANGE);
  Bind(wxEVT_BUTTON, &CBookfileDlg::OnDelete, this, IDC_DELETE);
  Bind(wxEVT_BUTTON, &CBookfileDlg::OnUp, this, IDC_UP);
  Bind(wxEVT_BUTTON, &CBookfileDlg::OnDown, this, IDC_DOWN);
  Bind(wxEVT_BUTTON, [](wxCommandEvent&) { ShowHelpTopic(kHelpTopic); }, IDC_HELP_BUTTON);
  BindDialogHelp(this, kHelpTopic);
}

int CBookfileDlg::DoModal() {
  Fill(0);
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

wxListBox* CBookfileDlg::GetList() const { return static_cast<wxListBox*>(FindWindow(IDC_LIST)); }

int CBookfileDlg::GetSelection() const {
  const wxListBox* box = GetList();
  return box->IsEmpty() ? -1 : box->GetSelection();
}

void CBookfileDlg::Fill(int selection) {
  wxListBox* box = GetList();
  box->Freeze();
  box->Clear();
  for (int i = 0; i < m_pList->GetSize(); ++i)
    box->Append(CP932ToWx((m_pList->GetDisplayName(i) + "（" + m_pList->GetAt(i) + "）").str()));
  if (selection >= 0 && selection < static_cast<int>(box->GetCount())) box->SetSelection(selection);
  box->Thaw();
}

BOOL CBookfileDlg::AskFileName(CString& path, const char* caption) {
  CFileDialogEx dialog(TRUE, "KVN", path, OFN_HIDEREADONLY,
                       "ｹｽﾀﾎﾞﾝﾌｧｲﾙ(*.KVN) |*.KVN|ﾃｷｽﾄﾌｧｲﾙ(*.TXT) |*.TXT| 全てのﾌｧｲﾙ(*.*) |*.*||", this);
  dialog.m_ofn.lpstrTitle = caption;
  const CString folder = AfxGetProfileString("System", "IniFolder", "");
  if (!folder.IsEmpty()) dialog.m_ofn.lpstrInitialDir = folder;
  if (dialog.DoModal() != IDOK) return FALSE;
  path = dialog.GetPathName();
  return TRUE;
}

void CBookfileDlg::OnAdd(wxCommandEvent&) {
  CString path = "*.KVN";
  if (!AskFileName(path, "ﾌｧｲﾙ名の入力")) return;
  m_pList->Add(path);
  Fill(m_pList->GetSize() - 1);
}

void CBookfileDlg::OnChange(wxCommandEvent&) {
  const int selection = GetSelection();
  if (selection < 0) return;
  CString path = m_pList->GetAt(selection);
  if (!AskFileName(path, "ﾌｧｲﾙ名の変更")) return;
  m_pList->SetAt(selection, path);
  Fill(selection);
}

void CBookfileDlg::OnDelete(wxCommandEvent&) {
  const int selection = GetSelection();
  if (selection < 0) return;
  CString question;
  question.Format("%sを削除します。よろしいですか？", m_pList->GetDisplayName(selection).GetString());
  if (AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
  m_pList->RemoveAt(selection);
  wxListBox* box = GetList();
  box->Delete(static_cast<unsigned>(selection));
  if (selection < static_cast<int>(box->GetCount())) box->SetSelection(selection);
}

void CBookfileDlg::OnUp(wxCommandEvent&) {
  const int selection = GetSelection();
  if (selection <= 0 || m_pList->GetSize() < 2) return;
  m_pList->Swap(selection, selection - 1);
  Fill(selection - 1);
}

void CBookfileDlg::OnDown(wxCommandEvent&) {
  const int selection = GetSelection();
  if (selection < 0 || selection >= m_pList->GetSize() - 1 || m_pList->GetSize() < 2) return;
  m_pList->Swap(selection, selection + 1);
  Fill(selection + 1);
}
