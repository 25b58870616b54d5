#include "online/CTransferProgressDlg.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/thread.h>

#include <algorithm>
#include <thread>

#include "platform/base/CodePage.h"
#include "platform/framework/AfxDialogOwner.h"
#include "platform/framework/CWinApp.h"

namespace {

// How often the dialog shows the counts the worker keeps.
constexpr int kRefreshMilliseconds = 100;

struct KindTexts {
  const char* caption;
  const char* message;
  const char* statusFormat;  // the status bar during the transfer (the bytes so far); null: none
  const char* statusDone;    // the status bar after it; null: none
};

KindTexts TextsOf(TransferKind kind) {
  switch (kind) {
    case TransferKind::Upload: return {"アップロード", "アップロード中です...", "アップロード：%llu バイト", "アップロード終了"};
    case TransferKind::Download: return {"ダウンロード", "ダウンロード中です...", "ダウンロード：%llu", "ダウンロード終了"};
    case TransferKind::VersionCheck: return {"最新バージョンの確認", "バージョンアップ情報を取得しています...", nullptr, nullptr};
    case TransferKind::Request: break;
  }
  return {"通信中", "サーバーと通信しています...", nullptr, nullptr};
}

void SetStatusText(const char* text) {
  auto* frame = dynamic_cast<wxFrame*>(AfxGetMainFrameWindow());
  if (frame && frame->GetStatusBar()) frame->GetStatusBar()->SetStatusText(CP932ToWx(text), 0);
}

// The gauge's range is an int; larger totals are shown scaled.
int GaugeValue(unsigned long long value, unsigned long long total) {
  constexpr unsigned long long kMax = 0x7FFFFFFF;
  value = std::min(value, total);
  return static_cast<int>(total <= kMax ? value : value * (kMax / 1024) / (total / 1024 + 1));
}

bool GuiRunning() {
  const wxAppConsole* app = wxAppConsole::GetInstance();
  return app != nullptr && app->IsGUI() && wxIsMainThread();
}

}  // namespace

CTransferProgressDlg::CTransferProgressDlg(wxWindow* parent, TransferKind kind, const char* fileName,
                                           CTransferProgress& progress)
    : wxDialog(parent, IDD, CP932ToWx(TextsOf(kind).caption)), m_kind(kind), m_progress(progress), m_timer(this) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, IDC_MESSAGE, CP932ToWx(TextsOf(kind).message)), 0, wxALL, 8);
  auto* name = new wxStaticText(this, IDC_FILENAME, CP932ToWx(fileName ? fileName : ""));
  name->Show(fileName && *fileName);
  top->Add(name, 0, wxLEFT | wxRIGHT, 8);
  top->Add(new wxGauge(this, IDC_PROGRESS, 100, wxDefaultPosition, wxSize(300, -1)), 0, wxALL | wxEXPAND, 8);
  top->Add(new wxStaticText(this, IDC_COUNT, "0/0"), 0, wxLEFT | wxRIGHT, 8);
  top->Add(new wxButton(this, IDC_CANCEL, CP932ToWx("キャンセル")), 0, wxALL | wxALIGN_RIGHT, 8);
  SetSizerAndFit(top);
  // Escape and the window's close box cancel, as the button does; only the job's end closes it.
  SetEscapeId(IDC_CANCEL);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, IDC_CANCEL);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
  Bind(wxEVT_TIMER, &CTransferProgressDlg::OnTimer, this);
  CentreOnParent();
  m_timer.Start(kRefreshMilliseconds);
}

void CTransferProgressDlg::OnCancel() {
  if (m_progress.cancel.IsCancelled()) return;
  m_progress.cancel.Cancel();
  FindWindow(IDC_CANCEL)->Disable();
  FindWindow(IDC_MESSAGE)->SetLabel(CP932ToWx("中止しています..."));
}

void CTransferProgressDlg::OnTimer(wxTimerEvent&) {
  const unsigned long long done = m_progress.done;
  const unsigned long long total = m_progress.total;
  auto* gauge = static_cast<wxGauge*>(FindWindow(IDC_PROGRESS));
  CString count;
  if (total > 0) {
    gauge->SetRange(std::max(1, GaugeValue(total, total)));
    gauge->SetValue(GaugeValue(done, total));
    count.Format("%llu/%lluバイト", done, total);
  } else {
    gauge->Pulse();
    count.Format("%lluバイト", done);
  }
  FindWindow(IDC_COUNT)->SetLabel(CP932ToWx(count.str()));
  if (const char* format = TextsOf(m_kind).statusFormat) {
    CString status;
    status.Format(format, done);
    SetStatusText(status);
  }
}

void CTransferProgressDlg::OnJobDone() {
  m_timer.Stop();
  if (IsModal()) EndModal(wxID_OK);
}

void RunTransfer(TransferKind kind, const char* fileName, CHttpFile& request,
                 const std::function<void(CTransferProgress&)>& job) {
  CTransferProgress progress;
  request.SetCancel(&progress.cancel);
  if (!GuiRunning()) {
    job(progress);
  } else {
    CTransferProgressDlg dialog(AfxGetDialogOwner(), kind, fileName, progress);
    std::atomic<bool> ended{false};
    std::thread worker([&] {
      job(progress);
      ended = true;
      dialog.CallAfter(&CTransferProgressDlg::OnJobDone);
    });
    dialog.ShowModal();
    // Only the job's end closes the dialog; should anything else have, the job still stops first.
    if (!ended) progress.cancel.Cancel();
    worker.join();
  }
  request.SetCancel(nullptr);
  if (const char* done = TextsOf(kind).statusDone) SetStatusText(done);
}
