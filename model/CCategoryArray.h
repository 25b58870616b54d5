#pragma once
// The document's category list. An item stores a category by its 1-based number (0: none); the
// list travels in the outline document's header and in category files ("KvnCategory.dat").
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CTextFile;

class CTreeCategory {
 public:
  CString Name;
  CString Memo;   // description
  int Color = -1;  // COLORREF, red in the low byte; -1 means no colour
};

class CCategoryArray {
 public:
  // Empty list; the before and after strings come from the settings ("【" and "】" by default).
  CCategoryArray();
  CCategoryArray(const CCategoryArray& other) = default;
  // Replaces the elements by copies of the other list's; the before and after strings stay.
  CCategoryArray& operator=(const CCategoryArray& other);

  // One line already split at its first '='; TRUE when the key is one of the category keys.
  BOOL ParseLine(const char* key, const char* value);
  // The text form of the whole list ("CategoryName=", "CategoryMemo=", "CategoryColor=" lines).
  void WriteLines(CTextFile& file) const;
  // The same lines as one text.
  CString GetLinesText() const;

  // Name of category number n (1-based); empty when there is none.
  CString GetName(int n) const;
  // Before string + name + after string; empty when the name is empty.
  CString GetDisplayName(int n) const;

  // A category file or an outline document (".kvn"); the list is replaced only on success.
  BOOL Load(const char* path);
  BOOL Save(const char* path) const;
  // Writes the before and after strings into the settings.
  BOOL SaveWrapStrings() const;

  const CString& GetBefore() const { return m_strBefore; }
  const CString& GetAfter() const { return m_strAfter; }
  void SetBefore(const char* text) { m_strBefore = text; }
  void SetAfter(const char* text) { m_strAfter = text; }

  // The typed array's own operations (0-based indexes).
  int GetCount() const { return static_cast<int>(m_items.size()); }
  int GetSize() const { return GetCount(); }
  BOOL IsEmpty() const { return m_items.empty(); }
  CTreeCategory GetAt(int index) const;  // a copy; an empty category when out of range
  void SetAt(int index, const CTreeCategory& category);
  int Add(const CTreeCategory& category);  // returns the new index
  void RemoveAt(int index);
  void RemoveAll() { m_items.clear(); }

 private:
  bool IsIndex(int index) const { return index >= 0 && index < GetCount(); }
  // The lines of a category file into read; FALSE after the message of a file error.
  static BOOL ReadCategoryFile(const char* path, CCategoryArray& read);

  std::vector<CTreeCategory> m_items;
  CString m_strBefore;
  CString m_strAfter;
};
