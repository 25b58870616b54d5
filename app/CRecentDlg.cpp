#include "app/CRecentDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

CRecentDlg::CRecentDlg(wxWindow* parent, IRecentFileEntries& list)
    : wxDialog(parent, wxID_ANY, CP932ToWx("最近使ったファイルの削除")), m_list(list) {
  auto* top = new wxBoxSizer(wxHORIZONTAL);
  // The list box scrolls sideways by itself when an entry is wider than the box.
  m_box = new wxListBox(this, IDC_LIST, wxDefaultPosition, wxSize(360, 200), 0, nullptr, wxLB_SINGLE | wxLB_HSCROLL);
  top->Add(m_box, 1, wxALL | wxEXPAND, 8);
  auto* buttons = new wxBoxSizer(wxVERTICAL);
  buttons->Add(new wxButton(this, IDC_DELETE, CP932ToWx("削除(&D)")), 0, wxBOTTOM | wxEXPAND, 6);
  buttons->Add(new wxButton(this, IDC_DELETE_ALL, CP932ToWx("全て削除(&A)")), 0, wxBOTTOM | wxEXPAND, 6);
  buttons->Add(new wxButton(this, IDOK, CP932ToWx("閉じる")), 0, wxEXPAND);
  top->Add(buttons, 0, wxALL, 8);
  SetSizerAndFit(top);
  SetAffirmativeId(IDOK);
  SetEscapeId(IDOK);
  Bind(wxEVT_BUTTON, &CRecentDlg::OnDelete, this, IDC_DELETE);
  Bind(wxEVT_BUTTON, &CRecentDlg::OnDeleteAll, this, IDC_DELETE_ALL);
  Fill(0);
}

int CRecentDlg::DoModal() {
  CentreOnParent();
  return ShowModal() == IDOK ? IDOK : IDCANCEL;
}

void CRecentDlg::Fill(int selection) {
  m_box->Clear();
  for (int i = 0; i < m_list.GetCapacity(); ++i) {
    const CString entry = m_list.GetEntry(i);
    if (!entry.IsEmpty()) m_box->Append(CP932ToWx(entry.str()));
  }
  // An index past the last row leaves nothing selected.
  if (selection >= 0 && selection < static_cast<int>(m_box->GetCount())) m_box->SetSelection(selection);
}

void CRecentDlg::OnDelete(wxCommandEvent&) {
  const int selection = m_box->GetSelection();
  if (selection == wxNOT_FOUND || m_box->IsEmpty()) return;
  const CString question = m_list.GetEntry(selection) + " を削除しますか？";
  if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  m_list.RemoveEntry(selection);
  Fill(selection >= m_list.GetCapacity() ? m_list.GetCapacity() - 1 : selection);
}

void CRecentDlg::OnDeleteAll(wxCommandEvent&) {
  if (AfxMessageBox("全て削除しますか？", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  for (int i = m_list.GetCapacity() - 1; i >= 0; --i) m_list.RemoveEntry(i);
  Fill(0);
}
