#pragma once
// Asks for the name of the link file that an item without a link gets, typed or picked.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class CLinkFileDlg : public wxDialog {
 public:
  enum { IDD = 129, IDC_FILENAME = 138, IDC_BROWSE = 106 };
  static constexpr unsigned long kHelpTopic = 147;

  explicit CLinkFileDlg(wxWindow* parent);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strFileName;

 private:
  void OnBrowse(wxCommandEvent& event);
};
