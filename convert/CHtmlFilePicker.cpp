#include "convert/CHtmlFilePicker.h"

#include "foundation/CFileDialogEx.h"
#include "platform/desktop/MessageBox.h"

BOOL ChooseHtmlFile(wxWindow* parent, const CHtmlFilePicker& picker, CString& path) {
  CFileDialogEx dialog(TRUE, picker.defExt, picker.fileName, OFN_HIDEREADONLY, picker.filter, parent);
  dialog.m_ofn.lpstrTitle = picker.title;
  if (dialog.DoModal() != IDOK) return FALSE;
  path = dialog.GetPathName();
  return TRUE;
}
