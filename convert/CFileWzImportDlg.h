#pragma once
// The open dialog of the import of the other editor's outline text, with its one option.
#include "convert/FileDialogChecks.h"

class CFileWzImportDlg : public CFileDialogChecks {
 public:
  CFileWzImportDlg(BOOL openFileDialog, const char* defExt = nullptr, const char* fileName = nullptr,
                   DWORD flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, const char* filter = nullptr,
                   wxWindow* parent = nullptr);

  int m_bWzImportTopTree = 1;  // the top item is named after the file
};
