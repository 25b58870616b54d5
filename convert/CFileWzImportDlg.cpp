#include "convert/CFileWzImportDlg.h"
#include "foundation/SettingsTable.h"

CFileWzImportDlg::CFileWzImportDlg(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags,
                                   const char* filter, wxWindow* parent)
    : CFileDialogChecks(openFileDialog, defExt, fileName, flags, filter, parent) {
  AddCheck("最上位階層をファイル名とする", Settings::System::WzImportTopTree, &m_bWzImportTopTree);
}
