#include "treeview/CCategoryArray.h"

#include <cstdlib>
#include <cstring>

#include "treeview/HeaderLines.h"

CCategoryArray::CCategoryArray() : m_strBefore("【"), m_strAfter("】") {}

CCategoryArray& CCategoryArray::operator=(const CCategoryArray& other) {
  if (this != &other) m_items = other.m_items;
  return *this;
}

BOOL CCategoryArray::ParseLine(const char* key, const char* value) {
  if (std::strcmp(key, "CategoryName") == 0) {
    CTreeCategory category;
    category.Name = value;
    category.Name.TrimRight("\r\n");
    m_items.push_back(category);
    return TRUE;
  }
  // Memo and colour belong to the category named last; before any name there is none to take them.
  if (std::strcmp(key, "CategoryMemo") == 0) {
    if (!m_items.empty()) m_items.back().Memo = value;
    return TRUE;
  }
  if (std::strcmp(key, "CategoryColor") == 0) {
    if (!m_items.empty()) m_items.back().Color = std::atoi(value);
    return TRUE;
  }
  return FALSE;
}

CString CCategoryArray::GetLinesText() const {
  CString lines;
  for (const CTreeCategory& category : m_items) {
    lines += "CategoryName=" + OneLine(category.Name) + "\n";
    lines += "CategoryMemo=" + OneLine(category.Memo) + "\n";
    if (category.Color != -1) lines.AppendFormat("CategoryColor=%d\n", category.Color);
  }
  return lines;
}

CString CCategoryArray::GetName(int n) const { return IsIndex(n - 1) ? m_items[static_cast<size_t>(n - 1)].Name : CString(); }

CString CCategoryArray::GetDisplayName(int n) const {
  const CString name = GetName(n);
  return name.IsEmpty() ? name : m_strBefore + name + m_strAfter;
}

CTreeCategory CCategoryArray::GetAt(int index) const {
  return IsIndex(index) ? m_items[static_cast<size_t>(index)] : CTreeCategory();
}

void CCategoryArray::SetAt(int index, const CTreeCategory& category) {
  if (IsIndex(index)) m_items[static_cast<size_t>(index)] = category;
}

int CCategoryArray::Add(const CTreeCategory& category) {
  m_items.push_back(category);
  return GetCount() - 1;
}

void CCategoryArray::RemoveAt(int index) {
  if (IsIndex(index)) m_items.erase(m_items.begin() + index);
}

// The settings file is reached through the application's profile functions, which are not there
// yet: until then the strings are kept for this run only and the write reports failure.
BOOL CCategoryArray::SaveWrapStrings() const { return FALSE; }
