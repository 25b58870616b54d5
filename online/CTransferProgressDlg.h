#pragma once
// The progress dialog of every transfer of the online service and of the version check. The
// transfer runs on a worker thread while this modal dialog, owned by the main frame (or by the
// dialog that started the transfer), keeps the program painting and answering; its Cancel button
// stops the transfer at once.
#include <wx/dialog.h>
#include <wx/timer.h>

#include <atomic>
#include <functional>

#include "platform/base/CString.h"
#include "platform/services/WinInet.h"

// What a transfer's worker shares with its dialog.
struct CTransferProgress {
  CTransferCancel cancel;
  std::atomic<unsigned long long> done{0};   // bytes of the body sent or received so far
  std::atomic<unsigned long long> total{0};  // their announced number; 0 when unknown
};

// Chooses the dialog's caption and message and what the status bar says.
enum class TransferKind { Request, Upload, Download, VersionCheck };

class CTransferProgressDlg : public wxDialog {
 public:
  enum { IDD = 1560, IDC_PROGRESS = 269, IDC_MESSAGE = 1000, IDC_COUNT = 1001, IDC_FILENAME = 207, IDC_CANCEL = 1003 };

  CTransferProgressDlg(wxWindow* parent, TransferKind kind, const char* fileName, CTransferProgress& progress);

  // The worker's job has ended: the dialog closes.
  void OnJobDone();

 private:
  void OnCancel();
  void OnTimer(wxTimerEvent& event);

  TransferKind m_kind;
  CTransferProgress& m_progress;
  wxTimer m_timer;
};

// Runs the job, which drives the request, off the GUI thread behind the progress dialog, and
// returns once it has ended; after a Cancel that is at once, the request failing as cancelled.
// Without a GUI the job runs in place.
void RunTransfer(TransferKind kind, const char* fileName, CHttpFile& request,
                 const std::function<void(CTransferProgress&)>& job);
