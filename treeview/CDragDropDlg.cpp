#include "treeview/CDragDropDlg.h"

#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include "app/CKestavonApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/DialogButtons.h"

CDragDropDlg::CDragDropDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, CP932ToWx("マウスでの移動")) {
  wxArrayString positions;
  for (const char* text : {"子ツリーとして挿入", "この位置に挿入", "この下に挿入"}) positions.Add(CP932ToWx(text));
  m_list = new wxListBox(this, IDC_POSITION, wxDefaultPosition, wxDefaultSize, positions, wxLB_SINGLE);
  // All three places in view without scrolling.
  m_list->SetMinSize(wxSize(260, m_list->GetCharHeight() * 6));
  wxArrayString modes;
  for (const char* text : {"Drag&Drop自体をしないようにする", "この画面をDrag&Dropの時に常に出す",
                           "この画面を出さない（設定は今回の設定）", "Ver5.70以前と同じ設定"})
    modes.Add(CP932ToWx(text));
  m_mode = new wxChoice(this, IDC_MODE, wxDefaultPosition, wxDefaultSize, modes);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(m_list, 1, wxALL | wxEXPAND, 10);
  top->Add(m_mode, 0, wxLEFT | wxRIGHT | wxEXPAND, 10);
  top->Add(CreateOkCancelButtons(this), 0, wxALL | wxEXPAND, 10);
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &CDragDropDlg::OnOK, this, wxID_OK);
  Bind(wxEVT_LISTBOX_DCLICK, &CDragDropDlg::OnOK, this, IDC_POSITION);
}

bool CDragDropDlg::TransferDataToWindow() {
  const int stored = AfxGetProfileInt("System", "DragDropPos", 0);
  m_list->SetSelection(stored >= 0 && stored <= kBelow ? stored : 0);
  m_mode->SetSelection(m_nMode >= 0 && m_nMode <= 3 ? m_nMode : 1);
  return true;
}

bool CDragDropDlg::TransferDataFromWindow() {
  m_nPosition = m_list->GetSelection() == wxNOT_FOUND ? 0 : m_list->GetSelection();
  m_nMode = m_mode->GetSelection() == wxNOT_FOUND ? 1 : m_mode->GetSelection();
  return true;
}

void CDragDropDlg::OnOK(wxCommandEvent&) {
  TransferDataFromWindow();
  if (CKestavonApp* app = GetKestavonApp()) {
    app->m_nDragDropMode = m_nMode;
    app->WriteProfileInt("System", "DragDropPos", m_nPosition);
    app->WriteProfileInt("System", "DragDropMode", m_nMode);
  }
  EndModal(wxID_OK);
}
