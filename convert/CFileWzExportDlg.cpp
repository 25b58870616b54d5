#include "convert/CFileWzExportDlg.h"
#include "foundation/SettingsTable.h"

CFileWzExportDlg::CFileWzExportDlg(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags,
                                   const char* filter, wxWindow* parent)
    : CFileDialogChecks(openFileDialog, defExt, fileName, flags, filter, parent) {
  AddCheck("最上位階層をエクスポートしない", Settings::System::WzExportNoTop, &m_bWzExportNoTop);
  AddCheck("テキストエリア内の行頭ピリオドを空白＋ピリオドに置換", Settings::System::WzExportPeriodChangeShown,
           &m_bWzExportPeriodChange);
}
