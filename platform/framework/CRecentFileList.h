#pragma once
// The recent-file list: a fixed number of full paths, newest first, kept in one section of the
// settings file under numbered keys, and shown as numbered items in the menu that holds the first
// recent-file command.
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxMenu;

class CRecentFileList {
 public:
  // nStart offsets the numbers shown in the menu; entryFormat names the keys ("File%d", from 1).
  CRecentFileList(UINT nStart, const char* section, const char* entryFormat, int nSize, int nMaxDispLen = 30);
  virtual ~CRecentFileList();

  int GetSize() const { return static_cast<int>(m_arrNames.size()); }
  CString& operator[](int index) { return m_arrNames[static_cast<size_t>(index)]; }

  // Puts the path (made absolute) first; an entry for it moves up instead of repeating.
  virtual void Add(const char* path);
  // Removes one entry; the later ones move up.
  virtual void Remove(int index);
  virtual void ReadList();
  // Writes the entries; keys of empty entries are removed so they do not come back.
  virtual void WriteList();

  // The menu text of one entry: the file name when it lies in currentDir, else the path shortened
  // to the display length. FALSE for an empty entry.
  virtual BOOL GetDisplayName(CString& name, int index, const char* currentDir, int currentDirLength,
                              BOOL atLeastName = TRUE) const;
  // Replaces the recent-file items of the menu (found by their command ids) with the entries; with
  // no entries the first item shows its original text, disabled.
  virtual void UpdateMenu(wxMenu* menu);

 protected:
  // A path cut to maxLength: the first folder, "/...", then the trailing folders and the file name
  // that fit; the file name alone (or "" unless atLeastName) when even that does not fit.
  static CString AbbreviatePath(const CString& path, int maxLength, BOOL atLeastName);
  // Settings key of an entry: the entry format with its number, from 1.
  CString EntryKey(int index) const;

  std::vector<CString> m_arrNames;
  CString m_strSectionName;
  CString m_strEntryFormat;
  UINT m_nStart;
  int m_nMaxDisplayLength;
  CString m_strOriginal;  // text of the first menu item before any entry replaced it
};
