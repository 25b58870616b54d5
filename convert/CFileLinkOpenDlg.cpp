#include "convert/CFileLinkOpenDlg.h"
#include "foundation/SettingsTable.h"

CFileLinkOpenDlg::CFileLinkOpenDlg(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags,
                                   const char* filter, wxWindow* parent)
    : CFileDialogChecks(openFileDialog, defExt, fileName, flags, filter, parent) {
  AddCheck("半角空白のエンコード(&E)", Settings::System::FileLink, &m_bFileLink);
  AddCheck("相対パス(&P)", Settings::System::FileLinkRelPath, &m_bFileLinkRelPath);
}
