#pragma once
// One line of text with a prompt above it, for commands that ask the user for a short text.
#include <wx/dialog.h>

#include "platform/base/CString.h"

class wxStaticText;
class wxTextCtrl;

class CInputDlg : public wxDialog {
 public:
  enum { IDD = 121, IDC_PROMPT = 105, IDC_TEXT = 109 };

  explicit CInputDlg(wxWindow* parent);

  virtual void SetText(const char* text) { m_strText = text; }
  // The text is read when the dialog opens; the caller keeps it alive until then.
  virtual void SetPrompt(const char* prompt) { m_pPrompt = prompt; }

  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

  CString m_strText;

 private:
  wxStaticText* m_prompt;
  wxTextCtrl* m_edit;
  const char* m_pPrompt = nullptr;
};
