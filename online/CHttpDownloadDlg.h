#pragma once
// The modeless progress window of a download: a bar, the bytes received and a cancel button that
// asks before it stops the download. It lives for one download.
#include <memory>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxDialog;

class CHttpDownloadDlg {
 public:
  enum { IDD = 1560, IDC_PROGRESS = 269, IDC_MESSAGE = 1000, IDC_COUNT = 1001, IDC_FILENAME = 207, IDC_CANCEL = 1003 };

  // Shows the window, centred, with the message and the file name.
  static std::unique_ptr<CHttpDownloadDlg> CreateModeless(const char* message, const char* fileName);
  ~CHttpDownloadDlg();
  CHttpDownloadDlg(const CHttpDownloadDlg&) = delete;
  CHttpDownloadDlg& operator=(const CHttpDownloadDlg&) = delete;

  void SetRange(DWORD total);
  // Moves the bar and shows "received/totalバイト".
  void SetPos(DWORD received);
  BOOL IsCancelled() const { return m_bCancelled; }
  // The cancel button: asks, and on OK marks the download cancelled and closes the window.
  void OnCancel();
  wxDialog* GetWindow() const { return m_pDialog; }

 private:
  CHttpDownloadDlg() = default;

  wxDialog* m_pDialog = nullptr;  // wx owns it once created; destroyed with this object
  DWORD m_dwTotal = 0;
  BOOL m_bCancelled = FALSE;
};
