#pragma once
// The user's outside programs: each entry names a program, its parameters and the file through
// which the current tree's text goes out to it and, with the reload flag, comes back. The list is
// kept in section "ShellItem" of the settings file.
#include <vector>

#include "platform/base/CString.h"

class CPelkoSettings;

class CShellItem {
 public:
  // Entry index as the keys carry it: "Title00", "Path00", ...
  void Load(CPelkoSettings& settings, int index);
  void Save(CPelkoSettings& settings, int index) const;

  CString m_strTitle;
  CString m_strPath;
  CString m_strParam;
  CString m_strEdit;  // text-area file name; empty means a new temporary file
  int m_bReload = 0;
};

class CShellItemArray : public std::vector<CShellItem> {
 public:
  void Load(CPelkoSettings& settings);
  void Save(CPelkoSettings& settings) const;
};
