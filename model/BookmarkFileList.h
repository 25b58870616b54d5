#pragma once
// The user's bookmarked outline files, in the user's order, kept in section "Bookmark" of the
// settings file and shown in the bookmark menus from command 0x81D7 on.
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class wxMenu;

class BookmarkFileList {
 public:
  static constexpr int kFirstCommand = 0x81D7;
  // The commands 0x81D7-0x81FE are the bookmark block; later entries get no menu item.
  static constexpr int kMenuEntries = 40;

  void Load();
  void Save() const;
  int Find(const char* path) const;
  // Replaces the bookmark items of the menu by one item per entry, up to the block's end.
  void AppendToMenu(wxMenu* menu) const;
  void Swap(int i, int j);
  // Opens the entry as the File menu's Open would; an index without an entry does nothing.
  void Open(int index) const;

  int GetSize() const { return static_cast<int>(m_paths.size()); }
  const CString& GetAt(int i) const { return m_paths[static_cast<size_t>(i)]; }
  void SetAt(int i, const char* path) { m_paths[static_cast<size_t>(i)] = path; }
  void Add(const char* path) { m_paths.emplace_back(path); }
  void RemoveAt(int i) { m_paths.erase(m_paths.begin() + i); }
  // The text after the last separator of the entry's path.
  CString GetDisplayName(int i) const;

 private:
  std::vector<CString> m_paths;
};
