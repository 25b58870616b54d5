#include "app/CTemplateDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/wupdlock.h>

#include <utility>

#include "app/CTemplateEditDlg.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"
#include "platform/framework/DialogHelp.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/Shell.h"

namespace {

constexpr DWORD kHelpTopic = 163;

}  // namespace

CTemplateDlg::CTemplateDlg(wxWindow* parent, std::vector<CTemplateFile>* templates)
    : wxDialog(parent, IDD, CP932ToWx("テンプレート")), m_pTemplates(templates) {
  m_list = new wxListBox(this, IDC_LIST, wxDefaultPosition, wxSize(240, 220));
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  const struct {
    int id;
    const char* label;
  } kButtons[] = {
      {IDC_ADD, "追加(&A)..."},     {IDC_DELETE, "削除(&D)..."},
      {IDC_EDIT, "修正(&E)..."},    {IDC_UP, "一つ上へ(&U)"},
      {IDC_DOWN, "一つ下へ(&M)"},   {IDC_STANDARD, "標準ﾃﾝﾌﾟﾚｰﾄに設定する..."},
      {IDC_EDIT_FILE, "ﾃﾝﾌﾟﾚｰﾄ修正..."}, {IDC_DELETE_ALL, "全削除(&R)..."},
  };
  for (const auto& b : kButtons) buttons->Add(new wxButton(this, b.id, CP932ToWx(b.label)), 0, wxEXPAND | wxBOTTOM, 4);
  auto* upper = new wxBoxSizer(wxHORIZONTAL);
  upper->Add(m_list, 1, wxEXPAND | wxRIGHT, 8);
  upper->Add(buttons, 0);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(upper, 1, wxEXPAND | wxALL, 8);
  top->Add(CreateOkCancelButtons(this, wxID_OK, wxID_CANCEL, "閉じる(&C)"), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
  SetSizerAndFit(top);
  CentreOnParent();
  BindDialogHelp(this, kHelpTopic);

  Bind(wxEVT_INIT_DIALOG, &CTemplateDlg::OnInitDialog, this);
  Bind(wxEVT_BUTTON, &CTemplateDlg::OnAdd, this, IDC_ADD);
  Bind(wxEVT_BUTTON, &CTemplateDlg::OnEdit, this, IDC_EDIT);
  Bind(wxEVT_BUTTON, &CTemplateDlg::OnDelete, this, IDC_DELETE);
  Bind(wxEVT_BUTTON, &CTemplateDlg::OnUp, this, IDC_UP);
  Bind(wxEVT_BUTTON, &CTemplateDlg::OnDown, this, IDC_DOWN);
  Bind(wxEVT_BUTTON, &CTemplateDlg::OnStandard, this, IDC_STANDARD);
  Bind(wxEVT_BUTTON, &CTemplateDlg::OnEditFile, this, IDC_EDIT_FILE);
  Bind(wxEVT_BUTTON, &CTemplateDlg::OnDeleteAll, this, IDC_DELETE_ALL);
  Bind(wxEVT_LISTBOX_DCLICK, &CTemplateDlg::OnDoubleClick, this, IDC_LIST);
}

void CTemplateDlg::OnInitDialog(wxInitDialogEvent&) {
  FillList();
  m_nSel = 0;
  TransferDataToWindow();
}

bool CTemplateDlg::TransferDataToWindow() {
  if (m_nSel >= 0 && m_nSel < static_cast<int>(m_list->GetCount()))
    m_list->SetSelection(m_nSel);
  else
    m_list->SetSelection(wxNOT_FOUND);
  return true;
}

bool CTemplateDlg::TransferDataFromWindow() {
  m_nSel = m_list->GetSelection();
  return true;
}

void CTemplateDlg::FillList() {
  wxWindowUpdateLocker noRedraw(m_list);
  m_list->Clear();
  for (const CTemplateFile& entry : *m_pTemplates) m_list->Append(CP932ToWx(entry.m_strText.str()));
}

void CTemplateDlg::OnAdd(wxCommandEvent&) {
  TransferDataFromWindow();
  CTemplateEditDlg dialog(this);
  if (dialog.ShowModal() != wxID_OK) return;
  CTemplateFile entry;
  entry.m_strText = dialog.m_strTitle;
  entry.m_strPath = dialog.m_strFile;
  m_pTemplates->push_back(entry);
  m_list->Append(CP932ToWx(entry.m_strText.str()));
  m_nSel = static_cast<int>(m_pTemplates->size()) - 1;
  TransferDataToWindow();
}

void CTemplateDlg::OnEdit(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_nSel < 0) return;
  CTemplateEditDlg dialog(this);
  dialog.m_strTitle = (*m_pTemplates)[m_nSel].m_strText;
  dialog.m_strFile = (*m_pTemplates)[m_nSel].m_strPath;
  if (dialog.ShowModal() != wxID_OK) return;
  (*m_pTemplates)[m_nSel].m_strText = dialog.m_strTitle;
  (*m_pTemplates)[m_nSel].m_strPath = dialog.m_strFile;
  FillList();
  TransferDataToWindow();
}

void CTemplateDlg::OnDelete(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_nSel < 0) return;
  CString question;
  question.Format("%sを削除しますか？", (*m_pTemplates)[m_nSel].m_strText.GetString());
  if (AfxMessageBox(question, MB_OKCANCEL) != IDOK) return;
  m_pTemplates->erase(m_pTemplates->begin() + m_nSel);
  m_list->Delete(static_cast<unsigned int>(m_nSel));
  if (m_nSel >= static_cast<int>(m_pTemplates->size())) --m_nSel;
  TransferDataToWindow();
}

void CTemplateDlg::Exchange(int row, int other) {
  std::swap((*m_pTemplates)[row], (*m_pTemplates)[other]);
  FillList();
  m_nSel = other;
  TransferDataToWindow();
}

void CTemplateDlg::OnUp(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_nSel > 0) Exchange(m_nSel, m_nSel - 1);
}

void CTemplateDlg::OnDown(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_nSel >= 0 && m_nSel < static_cast<int>(m_pTemplates->size()) - 1) Exchange(m_nSel, m_nSel + 1);
}

void CTemplateDlg::OnStandard(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_nSel > 0) Exchange(m_nSel, 0);
}

void CTemplateDlg::OnEditFile(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_nSel < 0) return;
  ShellExecute(this, nullptr, (*m_pTemplates)[m_nSel].m_strPath, nullptr, nullptr, SW_SHOWNORMAL);
}

void CTemplateDlg::OnDeleteAll(wxCommandEvent&) {
  TransferDataFromWindow();
  if (m_nSel < 0) return;
  if (AfxMessageBox("テンプレートを全て削除します。よろしいですか？", MB_OKCANCEL) != IDOK) return;
  m_pTemplates->clear();
  m_list->Clear();
  m_nSel = -1;
  TransferDataToWindow();
}

void CTemplateDlg::OnDoubleClick(wxCommandEvent&) {
  wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
  ok.SetEventObject(FindWindow(wxID_OK));
  ProcessWindowEvent(ok);
}
