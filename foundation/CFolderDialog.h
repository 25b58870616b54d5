#pragma once
// Picks a folder with the desktop's folder chooser.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CFolderDialog {
 public:
  CFolderDialog();
  ~CFolderDialog();

  CString GetPathName() const { return m_strPath; }
  // IDOK with the chosen folder in m_strPath, or IDCANCEL with m_strPath unchanged.
  int BrowseForFolder();
  // Asks for a folder starting at folder (title "" as m_strTitle); TRUE with folder replaced by the
  // chosen one, FALSE with it unchanged.
  static BOOL Choose(CString& folder, const char* title = "");

  CString m_strPath;     // in: the start folder; out: the chosen one
  CString m_strTitle;    // "" gives "フォルダ選択"
  int m_bCurrentDir;     // non-zero: start in the current directory instead
};
