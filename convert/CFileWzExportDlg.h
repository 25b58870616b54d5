#pragma once
// The save dialog of the export to the other editor's outline text, with its two options.
#include "convert/FileDialogChecks.h"

class CFileWzExportDlg : public CFileDialogChecks {
 public:
  CFileWzExportDlg(BOOL openFileDialog, const char* defExt = nullptr, const char* fileName = nullptr,
                   DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                   wxWindow* parent = nullptr);

  int m_bWzExportNoTop = 0;         // leave out the top item
  int m_bWzExportPeriodChange = 1;  // a space before a period that begins a text line
};
