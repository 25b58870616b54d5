#pragma once
// One heading-character style: the text before and after the number and the kind of number; the
// custom kind takes its number strings from the custom-strings dialog.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class wxChoice;

class CShoEditDlg : public wxDialog {
 public:
  enum { IDD = 119, IDC_MAE = 143, IDC_NO = 144, IDC_ATO = 145, IDC_CUSTOM = 302 };
  static constexpr int kCustomKind = 12;

  explicit CShoEditDlg(wxWindow* parent = nullptr);

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;
  // The custom-strings dialog on the custom text; OK takes its strings.
  void EditCustom();

  CString m_strCustom;
  CString m_strMae;
  CString m_strAto;
  int m_nNo = -1;

 private:
  void OnKind(wxCommandEvent& event);

  wxChoice* m_kind;
};
