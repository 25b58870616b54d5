#include "model/dialogs/DialogPrompts.h"

#include "model/dialogs/CPasswordDlg.h"
#include "model/dialogs/CReadOnlyDlg.h"
#include "platform/framework/AfxDialogOwner.h"
#include "platform/desktop/MessageBox.h"

bool CDialogPrompts::AskPassword(const char* fileName, const char* prompt, CString& password) {
  CPasswordDlg dlg(AfxGetDialogOwner());
  dlg.m_strFileName = fileName;
  if (prompt && *prompt) dlg.m_strPrompt = prompt;
  if (dlg.DoModal() != IDOK) return false;
  password = dlg.m_strPassword;
  return true;
}

void CDialogPrompts::ShowReadOnlyNotice(int reason, const char* path) {
  CReadOnlyDlg dlg(AfxGetDialogOwner());
  dlg.m_nReason = reason;
  dlg.m_strPath = path;
  dlg.DoModal();
}
