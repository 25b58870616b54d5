#pragma once
// A "file:///" link parsed into its file part and the chain of tree titles it names, for links to
// a tree of another outline file ("a.kvn/Top/Child") or of the same file (".//Top").
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CLinkPath {
 public:
  CLinkPath() = default;
  explicit CLinkPath(const char* link) { Parse(link); }

  void Parse(const char* link);
  CString GetPath() const { return m_strPath; }
  void SetPath(const char* path) { m_strPath = path; }
  int GetTitleCount() const { return static_cast<int>(m_titles.size()); }
  CString GetTitle(int i) const;
  void AddTitle(const char* title) { m_titles.emplace_back(title); }
  void RemoveAllTitles() { m_titles.clear(); }
  CString JoinTitles() const;
  CString MakeTreeLink(BOOL withScheme) const;
  BOOL IsSameFile(const char* documentPath) const;

  static BOOL IsTreeLink(const char* link);
  static CString MakeAbsolute(const char* link, const char* documentPath);

 private:
  CString m_strPath;
  std::vector<CString> m_titles;
};
