#pragma once
// The options of the template export's main page: its style sheet, the files put into its head,
// top and bottom, whether its tree starts closed, and its background. The fields live in the
// document's properties record, which OK writes (with the flag that has the native file store
// them); whether the tree starts closed is an application setting.
#include <wx/dialog.h>

#include "convert/CHtmlFilePicker.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CDocProperties;

class CHtmlTreeOptDlg : public wxDialog {
 public:
  enum {
    IDD = 144,
    IDC_BACKGROUND = 169,
    IDC_HEAD_BROWSE = 176,
    IDC_CSS_BROWSE = 177,
    IDC_UP_BROWSE = 178,
    IDC_BOTTOM_BROWSE = 179,
    IDC_HEAD_FILE = 215,
    IDC_INS_UP = 216,
    IDC_INS_BOTTOM = 217,
    IDC_CSS = 218,
    IDC_TREE_CLOSE = 373,
  };
  static constexpr DWORD kHelpTopic = 170;

  // The record is the active document's; it is borrowed for the dialog's life.
  CHtmlTreeOptDlg(wxWindow* parent, CDocProperties& properties);
  // Loads the fields, runs the dialog and stores them on OK; IDOK or IDCANCEL.
  int DoModal();
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strCss;
  CString m_strHeadFile;
  CString m_strInsFileUp;
  CString m_strInsFileBottom;
  int m_bTreeClose = 1;
  CString m_strBody;  // the main page's body style as its BODY tag

 protected:
  // An open dialog of the given set-up; FALSE when cancelled.
  virtual BOOL ChooseFile(const CHtmlFilePicker& picker, CString& path);
  // The background dialog on the body tag; FALSE when cancelled.
  virtual BOOL EditBackground(CString& bodyTag);

 private:
  void OnBrowse(int field);
  void OnOK(wxCommandEvent& event);

  CDocProperties& m_properties;
};
