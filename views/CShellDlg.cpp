#include "views/CShellDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <utility>

#include "foundation/CFileDialogEx.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/DlgItem.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr DWORD kHelpTopic = 238;

void AddEditRow(wxWindow* parent, wxSizer* grid, const char* label, int id, int browseId) {
  grid->Add(new wxStaticText(parent, wxID_ANY, CP932ToWx(label)), 0, wxALIGN_CENTER_VERTICAL);
  grid->Add(new wxTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxSize(300, -1)), 1, wxEXPAND);
  if (browseId)
    grid->Add(new wxButton(parent, browseId, "...", wxDefaultPosition, wxSize(32, -1)));
  else
    grid->AddSpacer(0);
}

}  // namespace

CShellItemDlg::CShellItemDlg(wxWindow* parent, const CShellItem& item)
    : wxDialog(parent, wxID_ANY, CP932ToWx("外部ソフト項目")), m_item(item) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(3, wxSize(6, 6));
  grid->AddGrowableCol(1);
  AddEditRow(this, grid, "タイトル(&N):", IDC_TITLE, 0);
  AddEditRow(this, grid, "実行ファイルのパス(&E):", IDC_PATH, IDC_PATH_BROWSE);
  AddEditRow(this, grid, "パラメータ(&P):", IDC_PARAM, 0);
  AddEditRow(this, grid, "テキストエリア\n出力ファイル名(&T):", IDC_EDIT, IDC_EDIT_BROWSE);
  top->Add(grid, 0, wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(this, wxID_ANY,
                            CP932ToWx("%t：タイトル　%f：リンクファイル　%e：テキストエリア出力ファイル %p：ファイルのパス")),
           0, wxLEFT | wxRIGHT, 8);
  top->Add(new wxCheckBox(this, IDC_RELOAD, CP932ToWx("編集後にテキストエリアに再取り込み(&R)")), 0, wxALL, 8);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(new wxButton(this, IDC_HELP, CP932ToWx("ヘルプ(&H)")));
  buttons->AddStretchSpacer();
  buttons->Add(CreateOkCancelButtons(this, IDOK, IDCANCEL));
  top->Add(buttons, 0, wxALL | wxEXPAND, 8);
  SetSizerAndFit(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDCANCEL);
  BindDialogHelp(this, kHelpTopic);
  Bind(wxEVT_BUTTON, [](wxCommandEvent&) { ShowHelpTopic(kHelpTopic); }, IDC_HELP);
  Bind(wxEVT_BUTTON, &CShellItemDlg::OnBrowsePath, this, IDC_PATH_BROWSE);
  Bind(wxEVT_BUTTON, &CShellItemDlg::OnBrowseEdit, this, IDC_EDIT_BROWSE);
}

bool CShellItemDlg::TransferDataToWindow() {
  DlgEdit(this, IDC_TITLE)->ChangeValue(CP932ToWx(m_item.m_strTitle.str()));
  DlgEdit(this, IDC_PATH)->ChangeValue(CP932ToWx(m_item.m_strPath.str()));
  DlgEdit(this, IDC_PARAM)->ChangeValue(CP932ToWx(m_item.m_strParam.str()));
  DlgEdit(this, IDC_EDIT)->ChangeValue(CP932ToWx(m_item.m_strEdit.str()));
  DlgCheck(this, IDC_RELOAD)->SetValue(m_item.m_bReload != 0);
  return true;
}

bool CShellItemDlg::TransferDataFromWindow() {
  m_item.m_strTitle = WxToCP932(DlgEdit(this, IDC_TITLE)->GetValue());
  m_item.m_strPath = WxToCP932(DlgEdit(this, IDC_PATH)->GetValue());
  m_item.m_strParam = WxToCP932(DlgEdit(this, IDC_PARAM)->GetValue());
  m_item.m_strEdit = WxToCP932(DlgEdit(this, IDC_EDIT)->GetValue());
  m_item.m_bReload = DlgCheck(this, IDC_RELOAD)->GetValue() ? 1 : 0;
  return true;
}

void CShellItemDlg::OnBrowsePath(wxCommandEvent&) {
  TransferDataFromWindow();
  CFileDialogEx dialog(TRUE, nullptr, m_item.m_strPath, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                       "全てのﾌｧｲﾙ(*.*) |*||", this);
  dialog.m_ofn.lpstrTitle = "パスの参照";
  if (dialog.DoModal() != IDOK) return;
  m_item.m_strPath = dialog.GetPathName();
  if (m_item.m_strTitle.IsEmpty()) m_item.m_strTitle = dialog.GetFileTitle();
  TransferDataToWindow();
}

void CShellItemDlg::OnBrowseEdit(wxCommandEvent&) {
  TransferDataFromWindow();
  CFileDialogEx dialog(FALSE, nullptr, m_item.m_strEdit, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "ﾃｷｽﾄﾌｧｲﾙ(*.txt) |*.TXT|HTMLﾌｧｲﾙ(*.htm) |*.htm||", this);
  dialog.m_ofn.lpstrTitle = "テキストエリアファイル名の入力";
  if (dialog.DoModal() != IDOK) return;
  m_item.m_strEdit = dialog.GetPathName();
  TransferDataToWindow();
}

CShellDlg::CShellDlg(wxWindow* parent, CShellItemArray& items)
    : wxDialog(parent, wxID_ANY, CP932ToWx("外部ソフト")), m_items(items) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  m_pList = new wxListBox(this, IDC_LIST, wxDefaultPosition, wxSize(240, 220));
  row->Add(m_pList, 1, wxALL | wxEXPAND, 8);
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  const std::pair<int, const char*> labels[] = {
      {IDC_RUN, "実行(&R)"},        {IDC_ADD, "追加(&A)..."},    {IDC_MODIFY, "修正(&E)..."}, {IDC_DELETE, "削除(&D)..."},
      {IDC_UP, "一つ上へ(&U)"},     {IDC_DOWN, "一つ下へ(&W)"}, {IDC_HELP, "ヘルプ(&H)"},    {IDOK, "閉じる"},
  };
  for (const auto& [id, label] : labels) buttons->Add(new wxButton(this, id, CP932ToWx(label)), 0, wxBOTTOM | wxEXPAND, 4);
  row->Add(buttons, 0, wxALL, 8);
  SetSizerAndFit(row);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDOK);
  BindDialogHelp(this, kHelpTopic);
  Bind(wxEVT_BUTTON, [](wxCommandEvent&) { ShowHelpTopic(kHelpTopic); }, IDC_HELP);
  Bind(wxEVT_BUTTON, &CShellDlg::OnRun, this, IDC_RUN);
  Bind(wxEVT_BUTTON, &CShellDlg::OnAdd, this, IDC_ADD);
  Bind(wxEVT_BUTTON, &CShellDlg::OnModify, this, IDC_MODIFY);
  Bind(wxEVT_BUTTON, &CShellDlg::OnDelete, this, IDC_DELETE);
  Bind(wxEVT_BUTTON, &CShellDlg::OnMove, this, IDC_UP);
  Bind(wxEVT_BUTTON, &CShellDlg::OnMove, this, IDC_DOWN);
  Refill(-1);
}

BOOL CShellDlg::EditItem(CShellItem& item) {
  CShellItemDlg dialog(this, item);
  dialog.TransferDataToWindow();
  if (dialog.ShowModal() != IDOK) return FALSE;
  item = dialog.m_item;
  return TRUE;
}

void CShellDlg::Refill(int select) {
  m_pList->Freeze();
  m_pList->Clear();
  for (const CShellItem& item : m_items) m_pList->Append(CP932ToWx(item.m_strTitle.str()));
  if (select >= 0 && select < static_cast<int>(m_pList->GetCount())) m_pList->SetSelection(select);
  m_pList->Thaw();
}

int CShellDlg::Selected() const { return m_pList->GetSelection(); }

void CShellDlg::OnRun(wxCommandEvent&) {
  m_nRun = Selected();
  EndModal(IDOK);
}

void CShellDlg::OnAdd(wxCommandEvent&) {
  CShellItem item;
  if (!EditItem(item)) return;
  m_items.push_back(item);
  Refill(static_cast<int>(m_items.size()) - 1);
}

void CShellDlg::OnModify(wxCommandEvent&) {
  const int index = Selected();
  if (index < 0) return;
  CShellItem item = m_items[index];
  if (!EditItem(item)) return;
  m_items[index] = item;
  Refill(index);
}

void CShellDlg::OnDelete(wxCommandEvent&) {
  const int index = Selected();
  if (index < 0) return;
  CString question;
  question.Format("%sを削除します。よろしいですか？", m_items[index].m_strTitle.GetString());
  if (AfxMessageBox(question, MB_OKCANCEL) != IDOK) return;
  m_items.erase(m_items.begin() + index);
  Refill(std::min(index, static_cast<int>(m_items.size()) - 1));
}

void CShellDlg::OnMove(wxCommandEvent& event) {
  const int index = Selected();
  const int other = event.GetId() == IDC_UP ? index - 1 : index + 1;
  if (index < 0 || other < 0 || other >= static_cast<int>(m_items.size())) return;
  std::swap(m_items[index], m_items[other]);
  Refill(other);
}
