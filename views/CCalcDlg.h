#pragma once
// The calculator: evaluates the expression the text pane hands in and tells it, by the button the
// user closes with, how the result goes back into the text.
#include <wx/dialog.h>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxButton;
class wxCheckBox;
class wxTextCtrl;

class CCalcDlg : public wxDialog {
 public:
  enum {
    IDD = 174,
    IDC_COMMA = 251,
    IDC_COPY_CLOSE = 252,
    IDC_INSERT_AFTER = 253,
    IDC_EXPRESSION = 254,
    IDC_RESULT = 255,
    IDC_REPLACE = 256,
    IDC_RECALC = 257,
  };
  enum CloseMode { kOpen = -1, kReplace = 0, kInsertAfter = 1, kCopy = 2 };
  static constexpr DWORD kHelpTopic = 187;

  explicit CCalcDlg(wxWindow* parent);
  // Reads "Comma" and "Focus" of section "CalcDlg", calculates and shows the dialog.
  int DoModal();

  // The result of m_strExpression: "" for an empty one, "式が不正です" for a malformed one, else
  // the value ("%.10g", with thousands commas when m_bComma is set).
  void Calculate();

  CString m_strResult;
  CString m_strExpression;
  BOOL m_bComma = FALSE;
  int m_nCloseMode = kOpen;

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  void Recalculate();
  void OnComma(wxCommandEvent& event);
  void OnRecalc(wxCommandEvent& event);
  void OnClose(wxCommandEvent& event);
  void OnOk(wxCommandEvent& event);
  void OnEnter(wxCommandEvent& event);
  void CloseWith(int mode);

  wxTextCtrl* m_expression;
  wxTextCtrl* m_result;
  wxCheckBox* m_comma;
  wxButton* m_default = nullptr;  // the button Return presses
};
