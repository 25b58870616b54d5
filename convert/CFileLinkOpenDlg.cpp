#include "convert/CFileLinkOpenDlg.h"

CFileLinkOpenDlg::CFileLinkOpenDlg(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags,
                                   const char* filter, wxWindow* parent)
    : CFileDialogChecks(openFileDialog, defExt, fileName, flags, filter, parent) {
  AddCheck("半角空白のエンコード(&E)", "FileLink", 0, &m_bFileLink);
  AddCheck("相対パス(&P)", "FileLinkRelPath", 0, &m_bFileLinkRelPath);
}
