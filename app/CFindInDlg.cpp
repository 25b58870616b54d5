#include "app/CFindInDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <cstdlib>

#include "platform/base/CodePage.h"
#include "platform/framework/AfxDialogOwner.h"

BOOL CFindInDlg::Create() {
  if (!wxDialog::Create(AfxGetDialogOwner(), IDD, CP932ToWx("検索中"))) return FALSE;
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, IDC_STATUS1, wxEmptyString, wxDefaultPosition, wxSize(320, -1)), 0, wxALL, 8);
  top->Add(new wxStaticText(this, IDC_STATUS2, wxEmptyString, wxDefaultPosition, wxSize(320, -1)), 0,
           wxLEFT | wxRIGHT, 8);
  auto* counts = new wxFlexGridSizer(2, wxSize(8, 4));
  counts->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("ヒットファイル数:")));
  counts->Add(new wxStaticText(this, IDC_HIT_FILES, "0"));
  counts->Add(new wxStaticText(this, wxID_ANY, CP932ToWx("ヒットツリー数:")));
  counts->Add(new wxStaticText(this, IDC_HIT_TREES, "0"));
  top->Add(counts, 0, wxALL, 8);
  top->Add(new wxButton(this, IDC_CANCEL, CP932ToWx("中止")), 0, wxALIGN_RIGHT | wxALL, 8);
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &CFindInDlg::OnCancel, this, IDC_CANCEL);
  Bind(wxEVT_CLOSE_WINDOW, &CFindInDlg::OnClose, this);
  ShowTexts();
  Show();
  return TRUE;
}

void CFindInDlg::ShowTexts() {
  const std::pair<int, const CString*> texts[] = {{IDC_STATUS1, &m_strStatus1},
                                                  {IDC_STATUS2, &m_strStatus2},
                                                  {IDC_HIT_FILES, &m_strHitFiles},
                                                  {IDC_HIT_TREES, &m_strHitTrees}};
  for (const auto& [id, text] : texts)
    if (wxWindow* label = FindWindow(id)) label->SetLabel(CP932ToWx(text->str()));
  Refresh();
  Update();
}

void CFindInDlg::SetStatus(const char* line1, const char* line2) {
  m_strStatus1 = line1;
  m_strStatus2 = line2;
  ShowTexts();
}

void CFindInDlg::AddHitFile(int trees) {
  if (trees <= 0) return;
  m_strHitFiles.Format("%d", std::atoi(m_strHitFiles) + 1);
  m_strHitTrees.Format("%d", std::atoi(m_strHitTrees) + trees);
  ShowTexts();
}

void CFindInDlg::OnCancel(wxCommandEvent&) { m_bCancel = TRUE; }

void CFindInDlg::OnClose(wxCloseEvent&) { Destroy(); }
