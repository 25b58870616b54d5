#include "model/CCategoryArray.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "foundation/CTextFile.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "model/StoredForms.h"

CCategoryArray::CCategoryArray()
    : m_strBefore(AfxGetProfileString("System", "CategoryStrBefore", "【")),
      m_strAfter(AfxGetProfileString("System", "CategoryStrAfter", "】")) {}

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

void CCategoryArray::WriteLines(CTextFile& file) const { file.WriteString(GetLinesText()); }

BOOL CCategoryArray::Load(const char* path) {
  CCategoryArray read;
  if (HasExtension(path, ".kvn")) {
    ATREE document;
    if (document.OpenFile(path, 0, 0) < 0) {
      AfxMessageBox("ファイルが開けません");
      return FALSE;
    }
    read = document.GetProperties().GetCategories();
  } else if (!ReadCategoryFile(path, read)) {
    return FALSE;
  }
  if (read.IsEmpty()) {
    AfxMessageBox("ファイルにカテゴリ設定がありません");
    return FALSE;
  }
  m_items = std::move(read.m_items);
  return TRUE;
}

BOOL CCategoryArray::ReadCategoryFile(const char* path, CCategoryArray& read) {
  try {
    CTextFile file(path, "rt");
    // The whole text at once, so that a line of any length stays one line.
    const CString text = file.ReadAll();
    file.Close();
    int start = 0;
    while (start < text.GetLength()) {
      int end = text.Find('\n', start);
      if (end < 0) end = text.GetLength();
      CString line = text.Mid(start, end - start);
      line.TrimRight('\r');
      if (const int eq = line.Find('='); eq >= 0) read.ParseLine(line.Left(eq), line.Mid(eq + 1));
      start = end + 1;
    }
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
    return FALSE;
  }
  return TRUE;
}

BOOL CCategoryArray::Save(const char* path) const {
  try {
    CTextFile file(path, "wt");
    WriteLines(file);
    file.Close();
  } catch (const CPelkoFileException& e) {
    AfxMessageBox(e.GetMessage());
    return FALSE;
  }
  return TRUE;
}

BOOL CCategoryArray::SaveWrapStrings() const {
  return AfxWriteProfileString("System", "CategoryStrBefore", m_strBefore) &&
         AfxWriteProfileString("System", "CategoryStrAfter", m_strAfter);
}
