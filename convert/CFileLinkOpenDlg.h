#pragma once
// The open dialog of the text pane's link to a file, with the two forms of the link.
#include "convert/FileDialogChecks.h"

class CFileLinkOpenDlg : public CFileDialogChecks {
 public:
  CFileLinkOpenDlg(BOOL openFileDialog, const char* defExt = nullptr, const char* fileName = nullptr,
                   DWORD flags = OFN_HIDEREADONLY, const char* filter = nullptr, wxWindow* parent = nullptr);

  int m_bFileLink = 0;         // half-width spaces encoded in the link
  int m_bFileLinkRelPath = 0;  // the link relative to the document
};
