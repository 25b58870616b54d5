#include "online/CHttpDownloadDlg.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

namespace {

// The gauge's range is an int; larger totals are shown scaled.
int GaugeValue(DWORD value, DWORD total) {
  constexpr DWORD kMax = 0x7FFFFFFF;
  if (total <= kMax) return static_cast<int>(std::min(value, total));
  return static_cast<int>(static_cast<unsigned long long>(std::min(value, total)) * kMax / total);
}

}  // namespace

std::unique_ptr<CHttpDownloadDlg> CHttpDownloadDlg::CreateModeless(const char* message, const char* fileName) {
  std::unique_ptr<CHttpDownloadDlg> self(new CHttpDownloadDlg);
  auto* dialog = new wxDialog(AfxGetMainFrameWindow(), IDD, CP932ToWx("ダウンロード"));
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(dialog, IDC_MESSAGE, CP932ToWx(message)), 0, wxALL, 8);
  top->Add(new wxStaticText(dialog, IDC_FILENAME, CP932ToWx(fileName)), 0, wxLEFT | wxRIGHT, 8);
  top->Add(new wxGauge(dialog, IDC_PROGRESS, 100, wxDefaultPosition, wxSize(300, -1)), 0, wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(dialog, IDC_COUNT, "0/0"), 0, wxLEFT | wxRIGHT, 8);
  top->Add(new wxButton(dialog, IDC_CANCEL, CP932ToWx("キャンセル")), 0, wxALL | wxALIGN_RIGHT, 8);
  dialog->SetSizerAndFit(top);
  CHttpDownloadDlg* raw = self.get();
  dialog->Bind(wxEVT_BUTTON, [raw](wxCommandEvent&) { raw->OnCancel(); }, IDC_CANCEL);
  dialog->Bind(wxEVT_CLOSE_WINDOW, [raw](wxCloseEvent&) { raw->OnCancel(); });
  dialog->CentreOnParent();
  dialog->Show();
  self->m_pDialog = dialog;
  return self;
}

CHttpDownloadDlg::~CHttpDownloadDlg() {
  if (m_pDialog) m_pDialog->Destroy();
}

void CHttpDownloadDlg::SetRange(DWORD total) {
  m_dwTotal = total;
  static_cast<wxGauge*>(m_pDialog->FindWindow(IDC_PROGRESS))->SetRange(std::max(1, GaugeValue(total, total)));
}

void CHttpDownloadDlg::SetPos(DWORD received) {
  static_cast<wxGauge*>(m_pDialog->FindWindow(IDC_PROGRESS))->SetValue(GaugeValue(received, m_dwTotal));
  CString text;
  text.Format("%u/%uバイト", static_cast<unsigned>(received), static_cast<unsigned>(m_dwTotal));
  m_pDialog->FindWindow(IDC_COUNT)->SetLabel(CP932ToWx(text.str()));
  m_pDialog->Update();
}

void CHttpDownloadDlg::OnCancel() {
  if (m_bCancelled) return;
  if (AfxMessageBox("中止しますか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
  m_bCancelled = TRUE;
  m_pDialog->Hide();
}
