#include "model/dialogs/DialogPrompts.h"

#include "model/dialogs/CPasswordDlg.h"
#include "model/dialogs/CReadOnlyDlg.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"

bool CDialogPrompts::AskPassword(const char* fileName, const char* prompt, CString& password) {
  CPasswordDlg dlg(AfxGetMainFrameWindow());
  dlg.m_strFileName = fileName;
  if (prompt && *prompt) dlg.m_strPrompt = prompt;
  if (dlg.DoModal() != IDOK) return false;
  password = dlg.m_strPassword;
  return true;
}

void CDialogPrompts::ShowReadOnlyNotice(int reason, const char* path) {
  CReadOnlyDlg dlg(AfxGetMainFrameWindow());
  dlg.m_nReason = reason;
  dlg.m_strPath = path;
  dlg.DoModal();
}
