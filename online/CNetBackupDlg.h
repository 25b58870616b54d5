#pragma once
// The upload settings of a local document: its title, the file ID its copy on the service has,
// when to upload automatically and whether to compare on opening.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class CNetBackupDlg : public wxDialog {
 public:
  enum { IDD = 215, IDC_TITLE = 263, IDC_FILEID = 106, IDC_AUTO = 350, IDC_CHECK_NEWER = 349, IDC_RESET = 259 };

  explicit CNetBackupDlg(wxWindow* parent);
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;
  // "初期化": empties the file ID after a question.
  void OnReset();

  CString m_strTitle;
  CString m_strFileId;
  int m_nAutoUpload = -1;
  int m_bCheckNewer = 0;
};

// Asks the title of a document to be saved as a net document.
class CNetSaveAsDlg : public wxDialog {
 public:
  enum { IDD = 217, IDC_TITLE = 263 };

  explicit CNetSaveAsDlg(wxWindow* parent);
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strTitle;
};
