#include "convert/CFileWzExportDlg.h"

CFileWzExportDlg::CFileWzExportDlg(BOOL openFileDialog, const char* defExt, const char* fileName, DWORD flags,
                                   const char* filter, wxWindow* parent)
    : CFileDialogChecks(openFileDialog, defExt, fileName, flags, filter, parent) {
  AddCheck("最上位階層をエクスポートしない", "WzExportNoTop", 0, &m_bWzExportNoTop);
  AddCheck("テキストエリア内の行頭ピリオドを空白＋ピリオドに置換", "WzExportPeriodChange", 1, &m_bWzExportPeriodChange);
}
