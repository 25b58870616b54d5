#include "convert/CFileWzImportDlg.h"

CFileWzImportDlg::CFileWzImportDlg(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags,
                                   const char* filter, wxWindow* parent)
    : CFileDialogChecks(openFileDialog, defExt, fileName, flags, filter, parent) {
  AddCheck("最上位階層をファイル名とする", "WzImportTopTree", 1, &m_bWzImportTopTree);
}
