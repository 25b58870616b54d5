#pragma once
// The document information: author, company, memo, home page and e-mail address of an outline,
// kept in its properties record. The memo is one header line on disk, its line breaks held as
// the byte 0x01.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class ATREE;

class CDocInfoDlg : public wxDialog {
 public:
  enum {
    IDD = 171,
    IDC_AUTHOR = 241,
    IDC_COMPANY = 106,
    IDC_MEMO = 107,
    IDC_EMAIL = 108,
    IDC_URL = 109,
    IDC_OPEN_URL = 243,
    IDC_SEND_MAIL = 244
  };
  static constexpr DWORD kHelpTopic = 184;

  // The dialog edits the properties record of the model; OK stores into it.
  CDocInfoDlg(wxWindow* parent, ATREE* tree);
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  ATREE* m_pTree;
  CString m_strAuthor;
  CString m_strCompany;
  CString m_strMemo;  // line ends CR LF
  CString m_strUrl;
  CString m_strEmail;

 protected:
  // The desktop's default action for a URL.
  virtual void OpenWithShell(const char* target);

 private:
  void OnOK(wxCommandEvent& event);
  void OnOpenUrl(wxCommandEvent& event);
  void OnSendMail(wxCommandEvent& event);
};
