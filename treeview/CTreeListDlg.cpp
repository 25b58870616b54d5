#include "treeview/CTreeListDlg.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "model/ATREE.h"
#include "model/CDirData.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"

namespace {

// The item's own title: the path's last part, cut before a 0x02 byte when it holds one.
CString OwnTitle(const CString& path) {
  CString title = path.Mid(path.ReverseFind('\x01') + 1);
  const int cut = title.ReverseFind('\x02');
  return cut >= 0 ? title.Left(cut) : title;
}

}  // namespace

CTreeListDlg::CTreeListDlg(wxWindow* parent, const std::vector<const CDirData*>& items, const ATREE& tree)
    : wxDialog(parent, wxID_ANY, CP932ToWx("最新更新ツリー一覧"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_items(items),
      m_tree(tree) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  m_list = new wxListCtrl(this, IDC_LIST, wxDefaultPosition, wxSize(460, 220),
                          wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
  top->Add(m_list, 1, wxALL | wxEXPAND, 10);
  m_path = new wxStaticText(this, IDC_PATH, wxEmptyString);
  top->Add(m_path, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
  m_text = new wxTextCtrl(this, IDC_TEXT, wxEmptyString, wxDefaultPosition, wxSize(460, 140),
                          wxTE_MULTILINE | wxTE_READONLY);
  top->Add(m_text, 1, wxALL | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  if (auto* ok = dynamic_cast<wxButton*>(FindWindow(wxID_OK))) ok->SetLabel(CP932ToWx("ジャンプ"));
  if (auto* cancel = dynamic_cast<wxButton*>(FindWindow(wxID_CANCEL))) cancel->SetLabel(CP932ToWx("閉じる"));
  SetSizerAndFit(top);
  CentreOnParent();
  m_list->Bind(wxEVT_LIST_ITEM_SELECTED, &CTreeListDlg::OnItemChanged, this);
  m_list->Bind(wxEVT_LIST_ITEM_ACTIVATED, &CTreeListDlg::OnActivated, this);
  Bind(wxEVT_BUTTON, &CTreeListDlg::OnJump, this, wxID_OK);
}

CString CTreeListDlg::PathLabel(const CString& path) {
  const int first = path.Find('\x01');
  CString label = first < 0 ? path : path.Mid(first + 1);
  label.Replace("\x01", " > ");
  return label;
}

bool CTreeListDlg::TransferDataToWindow() {
  if (!m_strCaption.IsEmpty()) SetTitle(CP932ToWx(m_strCaption.str()));
  m_list->ClearAll();
  m_list->AppendColumn(CP932ToWx("タイトル"), wxLIST_FORMAT_LEFT, 100);
  m_list->AppendColumn(CP932ToWx("更新時間"), wxLIST_FORMAT_LEFT, 100);
  m_list->AppendColumn(CP932ToWx("参照時間"), wxLIST_FORMAT_LEFT, 100);
  for (size_t i = 0; i < m_items.size(); ++i) {
    const CDirData* item = m_items[i];
    const long row = m_list->InsertItem(static_cast<long>(i), CP932ToWx(OwnTitle(item->m_strPath).str()));
    m_list->SetItem(row, 1, CP932ToWx(item->GetUpdateTimeText(FALSE).str()));
    m_list->SetItem(row, 2, CP932ToWx(item->GetDisplayTimeText(FALSE).str()));
  }
  for (int column = 0; column < 3; ++column) m_list->SetColumnWidth(column, wxLIST_AUTOSIZE);
  if (!m_items.empty()) ShowRow(0);
  return true;
}

void CTreeListDlg::ShowRow(int row) {
  if (row < 0 || row >= static_cast<int>(m_items.size())) return;
  if (!(m_list->GetItemState(row, wxLIST_STATE_SELECTED) & wxLIST_STATE_SELECTED)) {
    m_list->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                         wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  }
  m_list->EnsureVisible(row);
  const CDirData* item = m_items[static_cast<size_t>(row)];
  m_path->SetLabel(CP932ToWx(PathLabel(item->m_strPath).str()));
  m_text->ChangeValue(CP932ToWx(item->m_strText.str()));
  m_text->SetInsertionPoint(0);
}

void CTreeListDlg::OnItemChanged(wxListEvent& event) { ShowRow(static_cast<int>(event.GetIndex())); }

void CTreeListDlg::OnActivated(wxListEvent&) {
  wxCommandEvent jump;
  OnJump(jump);
}

void CTreeListDlg::OnJump(wxCommandEvent&) {
  const long row = m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
  if (row < 0 || row >= static_cast<long>(m_items.size())) return;
  m_nResult = m_tree.FindPath(m_items[static_cast<size_t>(row)]->m_strPath);
  EndModal(wxID_OK);
}
