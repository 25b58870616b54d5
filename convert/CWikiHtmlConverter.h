#pragma once
// The wiki-style markup of a tree's text made an HTML fragment for the multi-file HTML export:
// block lines (quotes, preformatted and escaped blocks, tab tables), lists, headings, comma and
// bar tables, bold, italic and strike-through, and footnotes gathered into a block at the end.
#include <string>
#include <vector>

#include "foundation/IRegExp.h"
#include "platform/base/CString.h"

class CWikiHtmlConverter {
 public:
  // Without the regular-expression object (its message shown) the inline markup is left as it is.
  CWikiHtmlConverter();
  explicit CWikiHtmlConverter(const char* text);
  CWikiHtmlConverter(const CWikiHtmlConverter&) = delete;
  CWikiHtmlConverter& operator=(const CWikiHtmlConverter&) = delete;

  // Keeps the text with its web and mail addresses made links, split into lines at CR LF.
  void SetText(const char* text);
  CString Convert();

 private:
  enum RowForm { ROW_COMMA, ROW_BAR, ROW_TAB };
  std::string MakeTableRow(const std::string& line, RowForm form);
  std::string MakeFootnotes(const std::string& line);
  static std::string MakeListItem(const std::string& line, bool ordered, int& depth);

  CString m_strText;
  std::vector<std::string> m_lines;
  std::vector<std::string> m_footnotes;
  IRegExp m_regExp;
  bool m_bTableOpen = false;
  size_t m_nTableColumns = 0;
};
