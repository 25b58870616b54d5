#include "treeview/CCategoryDlg.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <wx/wupdlock.h>

#include <algorithm>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/framework/FileDialog.h"
#include "platform/desktop/MessageBox.h"
#include "treeview/CCategoryEditDlg.h"

namespace {

// An item keeps its category number in 8 bits: numbers 1..255. Two categories are exchanged
// through a scratch number that no category uses, which also needs a free number.
constexpr int kMaxCategories = 254;
constexpr int kScratchIndex = 99;

}  // namespace

CCategoryDlg::CCategoryDlg(wxWindow* parent, CCategoryArray* categories, Renumber renumber)
    : wxDialog(parent, wxID_ANY, CP932ToWx("カテゴリ設定")), m_pCategories(categories), m_renumber(std::move(renumber)) {
  m_list = new wxListBox(this, IDC_LIST, wxDefaultPosition, wxSize(220, 220));
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  const struct {
    int id;
    const char* label;
  } kButtons[] = {
      {IDC_ADD, "追加(&A)..."},          {IDC_EDIT, "修正(&E)..."},      {IDC_DELETE, "削除(&D)..."},
      {IDC_UP, "一つ上へ(&U)"},          {IDC_DOWN, "一つ下へ(&W)..."},  {IDC_IMPORT, "ｲﾝﾎﾟｰﾄ(&I)..."},
      {IDC_EXPORT, "ｴｸｽﾎﾟｰﾄ(&X)..."},    {IDC_CLOSE, "閉じる"},
  };
  for (const auto& b : kButtons) buttons->Add(new wxButton(this, b.id, CP932ToWx(b.label)), 0, wxEXPAND | wxBOTTOM, 4);

  auto* upper = new wxBoxSizer(wxHORIZONTAL);
  upper->Add(m_list, 1, wxEXPAND | wxRIGHT, 8);
  upper->Add(buttons, 0);

  auto* wrap = new wxBoxSizer(wxHORIZONTAL);
  m_before = new wxTextCtrl(this, IDC_BEFORE, wxEmptyString, wxDefaultPosition, wxSize(60, -1));
  m_after = new wxTextCtrl(this, IDC_AFTER, wxEmptyString, wxDefaultPosition, wxSize(60, -1));
  wrap->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("前文字(&M):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  wrap->Add(m_before, 0, wxRIGHT, 12);
  wrap->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("後文字(&T):")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  wrap->Add(m_after, 0);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(upper, 1, wxEXPAND | wxALL, 8);
  top->Add(wrap, 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);
  SetSizerAndFit(top);
  CentreOnParent();
  // Esc and the title bar's close box act as the close button.
  SetEscapeId(IDC_CLOSE);
  SetAffirmativeId(IDC_CLOSE);

  Bind(wxEVT_BUTTON, &CCategoryDlg::OnAdd, this, IDC_ADD);
  Bind(wxEVT_BUTTON, &CCategoryDlg::OnEdit, this, IDC_EDIT);
  Bind(wxEVT_LISTBOX_DCLICK, &CCategoryDlg::OnEdit, this, IDC_LIST);
  Bind(wxEVT_BUTTON, &CCategoryDlg::OnDelete, this, IDC_DELETE);
  Bind(wxEVT_BUTTON, &CCategoryDlg::OnUp, this, IDC_UP);
  Bind(wxEVT_BUTTON, &CCategoryDlg::OnDown, this, IDC_DOWN);
  Bind(wxEVT_BUTTON, &CCategoryDlg::OnImport, this, IDC_IMPORT);
  Bind(wxEVT_BUTTON, &CCategoryDlg::OnExport, this, IDC_EXPORT);
  Bind(wxEVT_BUTTON, &CCategoryDlg::OnClose, this, IDC_CLOSE);
}

bool CCategoryDlg::TransferDataToWindow() {
  m_before->ChangeValue(CP932ToWx(m_pCategories->GetBefore().str()));
  m_after->ChangeValue(CP932ToWx(m_pCategories->GetAfter().str()));
  FillList(0);
  return true;
}

bool CCategoryDlg::TransferDataFromWindow() {
  m_pCategories->SetBefore(WxToCP932(m_before->GetValue()));
  m_pCategories->SetAfter(WxToCP932(m_after->GetValue()));
  return true;
}

void CCategoryDlg::FillList(int select) {
  wxWindowUpdateLocker noRedraw(m_list);
  m_list->Clear();
  for (int i = 0; i < m_pCategories->GetCount(); ++i) m_list->Append(CP932ToWx(m_pCategories->GetAt(i).Name.str()));
  if (select >= 0 && select < static_cast<int>(m_list->GetCount())) m_list->SetSelection(select);
}

int CCategoryDlg::GetSelection() const {
  const int row = m_list->GetSelection();
  return row >= 0 && row < m_pCategories->GetCount() ? row : -1;
}

void CCategoryDlg::OnAdd(wxCommandEvent&) {
  if (m_pCategories->GetCount() >= kMaxCategories) {
    wxBell();
    return;
  }
  CCategoryEditDlg dialog(this);
  if (dialog.ShowModal() != wxID_OK) return;
  FillList(m_pCategories->Add(dialog.m_category));
  m_bModified = 1;
}

void CCategoryDlg::OnEdit(wxCommandEvent&) {
  const int row = GetSelection();
  if (row < 0) return;
  CCategoryEditDlg dialog(this);
  dialog.m_category = m_pCategories->GetAt(row);
  if (dialog.ShowModal() != wxID_OK) return;
  m_pCategories->SetAt(row, dialog.m_category);
  FillList(row);
  m_bModified = 1;
}

void CCategoryDlg::OnDelete(wxCommandEvent&) {
  const int row = GetSelection();
  if (row < 0) return;
  CString question;
  question.Format("%sを削除します。現在、このカテゴリに設定されているツリーは全て未設定になります。よろしいですか？",
                  m_pCategories->GetAt(row).Name.GetString());
  if (AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;

  m_pCategories->RemoveAt(row);
  m_list->Delete(static_cast<unsigned int>(row));
  const int count = m_pCategories->GetCount();
  RenumberItems(row, -1);
  for (int i = row; i < count; ++i) RenumberItems(i + 1, i);
  if (count > 0) m_list->SetSelection(std::min(row, count - 1));
  m_bModified = 1;
}

void CCategoryDlg::RenumberItems(int oldIndex, int newIndex) {
  if (m_renumber) m_renumber(oldIndex, newIndex);
}

void CCategoryDlg::Exchange(int index, int other) {
  const CTreeCategory moved = m_pCategories->GetAt(index);
  m_pCategories->SetAt(index, m_pCategories->GetAt(other));
  m_pCategories->SetAt(other, moved);
  const int scratch = std::max(kScratchIndex, m_pCategories->GetCount());
  RenumberItems(index, scratch);
  RenumberItems(other, index);
  RenumberItems(scratch, other);
  FillList(other);
  m_bModified = 1;
}

void CCategoryDlg::OnUp(wxCommandEvent&) {
  const int row = GetSelection();
  if (row > 0) Exchange(row, row - 1);
}

void CCategoryDlg::OnDown(wxCommandEvent&) {
  const int row = GetSelection();
  if (row >= 0 && row < m_pCategories->GetCount() - 1) Exchange(row, row + 1);
}

BOOL CCategoryDlg::ImportFrom(const char* path) {
  if (!m_pCategories->Load(path)) return FALSE;
  FillList(0);
  m_bModified = 1;
  return TRUE;
}

BOOL CCategoryDlg::ExportTo(const char* path) {
  TransferDataFromWindow();
  return m_pCategories->Save(path);
}

void CCategoryDlg::OnImport(wxCommandEvent&) {
  // The folder is remembered under this key (spelt so in every settings file).
  const CString folder = AfxGetProfileString("InitDir", "CatgeoryImport", "");
  FileChoice choice;
  if (!ChooseFile(this, "ｶﾃｺﾞﾘのｲﾝﾎﾟｰﾄ", folder, "",
                  "ｶﾃｺﾞﾘﾌｧｲﾙ(*.kvn;*.dat)|*.kvn;*.dat|ﾃﾞｰﾀﾌｧｲﾙ(*.dat)|*.dat|ｹｽﾀﾎﾞﾝﾌｧｲﾙ(*.kvn)|*.kvn|全てのﾌｧｲﾙ(*.*)|*",
                  wxFD_OPEN | wxFD_FILE_MUST_EXIST, choice))
    return;
  AfxWriteProfileString("InitDir", "CatgeoryImport", choice.folder);
  ImportFrom(choice.path);
}

void CCategoryDlg::OnExport(wxCommandEvent&) {
  FileChoice choice;
  if (!ChooseFile(this, "ｶﾃｺﾞﾘのｴｸｽﾎﾟｰﾄ", "", "KvnCategory.dat", "ﾃﾞｰﾀﾌｧｲﾙ(*.dat)|*.dat|全てのファイル(*.*)|*",
                  wxFD_SAVE | wxFD_OVERWRITE_PROMPT, choice, "dat"))
    return;
  ExportTo(choice.path);
}

void CCategoryDlg::OnClose(wxCommandEvent&) {
  TransferDataFromWindow();
  m_pCategories->SaveWrapStrings();
  EndDialog(IDC_CLOSE);
}
