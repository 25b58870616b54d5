#include "foundation/CStyleRule.h"

#include <string>
#include <string_view>

namespace {

constexpr const char* kWhite = " \t\r\n";

bool IsWhite(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

CStyleElement Raw(std::string_view text) {
  CStyleElement element;
  element.m_strProperty = CString(text);
  element.m_bRaw = 1;
  return element;
}

bool IsWhiteRaw(const CStyleElement& element) {
  if (!element.m_bRaw) return false;
  for (const char ch : element.m_strProperty.str()) {
    if (!IsWhite(ch) && ch != ';') return false;
  }
  return true;
}

// Splits at runs of white space, dropping empty pieces.
std::vector<CString> SplitWhite(const CString& text) {
  std::vector<CString> pieces;
  int start = 0;
  CString piece = text.Tokenize(kWhite, start);
  while (start >= 0) {
    pieces.push_back(piece);
    piece = text.Tokenize(kWhite, start);
  }
  return pieces;
}

// Declarations between the braces: "property: value;" pieces, with the runs of white space and
// ';' between them and the comments kept as raw elements.
void ParseDeclarations(const std::string& s, std::vector<CStyleElement>& out) {
  const size_t n = s.size();
  const auto step = [&](size_t at) { return at + static_cast<size_t>(CharLengthAt(s.c_str() + at)); };
  const auto commentAt = [&](size_t at) { return at + 1 < n && s[at] == '/' && s[at + 1] == '*'; };
  size_t i = 0;
  while (i < n) {
    const size_t runStart = i;
    while (i < n && (IsWhite(s[i]) || s[i] == ';')) ++i;
    if (i > runStart) out.push_back(Raw(std::string_view(s).substr(runStart, i - runStart)));
    if (i >= n) break;
    if (commentAt(i)) {
      const size_t end = s.find("*/", i + 2);
      const size_t stop = end == std::string::npos ? n : end + 2;
      out.push_back(Raw(std::string_view(s).substr(i, stop - i)));
      i = stop;
      continue;
    }
    const size_t propertyStart = i;
    while (i < n && s[i] != ':' && !commentAt(i)) i = step(i);
    if (i >= n || s[i] != ':') {
      // Text without a colon is no declaration; keep it as it was written.
      out.push_back(Raw(std::string_view(s).substr(propertyStart, i - propertyStart)));
      continue;
    }
    CString property(std::string_view(s).substr(propertyStart, i - propertyStart));
    property.Trim(kWhite);
    ++i;
    while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;
    const size_t valueStart = i;
    char quote = 0;
    while (i < n) {
      const char ch = s[i];
      if (quote) {
        if (ch == quote) quote = 0;
      } else if (ch == '"' || ch == '\'') {
        quote = ch;
      } else if (ch == ';') {
        break;
      }
      i = step(i);
    }
    std::string_view value = std::string_view(s).substr(valueStart, i - valueStart);
    std::string_view tail;
    if (i < n) {
      ++i;  // the ';'
    } else {
      // The last declaration may lack its ';': the white space after it stays raw.
      const size_t keep = value.find_last_not_of(kWhite);
      const size_t cut = keep == std::string_view::npos ? 0 : keep + 1;
      tail = value.substr(cut);
      value = value.substr(0, cut);
    }
    CString trimmedValue(value);
    trimmedValue.Trim(" \t");
    if (!property.IsEmpty() || !trimmedValue.IsEmpty()) {
      CStyleElement declaration;
      declaration.m_strProperty = property;
      declaration.m_strValue = trimmedValue;
      out.push_back(declaration);
    }
    if (!tail.empty()) out.push_back(Raw(tail));
  }
}

}  // namespace

void CStyleSelector::Parse(const CString& source) {
  CString text = source;
  text.Trim();
  *this = CStyleSelector();
  int mark = text.Find('.');
  if (mark < 0) {
    mark = text.Find('#');
    if (mark >= 0) m_nID = 1;
  }
  if (mark >= 0) {
    m_strElement = text.Left(mark);
    m_strClass = text.Mid(mark + 1);
    const int colon = m_strClass.Find(':');
    if (colon >= 0) {
      m_strPseudo = m_strClass.Mid(colon + 1);
      m_strClass = m_strClass.Left(colon);
    }
    return;
  }
  const int colon = text.Find(':');
  if (colon >= 0) {
    m_strElement = text.Left(colon);
    m_strPseudo = text.Mid(colon + 1);
  } else {
    m_strElement = text;
  }
}

CString CStyleSelector::GetText() const {
  CString text = m_strElement;
  if (!m_strClass.IsEmpty()) text += (m_nID ? "#" : ".") + m_strClass;
  if (!m_strPseudo.IsEmpty()) text += ":" + m_strPseudo;
  return text;
}

void CStyleSelectorArray::Parse(const CString& text) {
  m_selectors.clear();
  for (const CString& piece : SplitWhite(text)) {
    CStyleSelector selector;
    selector.Parse(piece);
    m_selectors.push_back(selector);
  }
}

CString CStyleSelectorArray::GetText() const {
  CString text;
  for (const CStyleSelector& selector : m_selectors) {
    if (!text.IsEmpty()) text += " ";
    text += selector.GetText();
  }
  return text;
}

void CStyleName::ParseName(const CString& text) {
  m_names.clear();
  int start = 0;
  while (start <= text.GetLength()) {
    int comma = text.Find(',', start);
    if (comma < 0) comma = text.GetLength();
    CStyleSelectorArray selector;
    selector.Parse(text.Mid(start, comma - start));
    if (!selector.m_selectors.empty()) m_names.push_back(selector);
    start = comma + 1;
  }
}

CString CStyleName::GetNameText() const {
  CString text;
  for (size_t i = 0; i < m_names.size(); ++i) {
    if (i > 0) text += ",";
    text += m_names[i].GetText();
  }
  return text;
}

bool CStyleRule::ParseRule(const CString& text) {
  const int open = text.Find('{');
  if (open < 0) return false;
  CString names = text.Left(open);
  names.Trim();
  ParseName(names);
  const int close = text.Find('}', open + 1);
  if (close < 0) return false;
  m_elements.clear();
  ParseDeclarations(text.Mid(open + 1, close - open - 1).str(), m_elements);
  return true;
}

void CStyleRule::SetStyle(const CString& property, const CString& value) {
  CString trimmed = value;
  trimmed.Trim(" \t");
  CString name = property;
  name.Trim(" \t");
  size_t found = m_elements.size();
  for (size_t i = 0; i < m_elements.size(); ++i) {
    if (!m_elements[i].m_bRaw && m_elements[i].m_strProperty.CompareNoCase(name) == 0) {
      found = i;
      break;
    }
  }
  if (trimmed.IsEmpty() || trimmed == "\"\"") {
    if (found == m_elements.size()) return;
    const bool added = m_elements[found].m_bAdded != 0;
    m_elements.erase(m_elements.begin() + static_cast<long>(found));
    // A parsed declaration takes one run of white space with it, so the lines around it keep their
    // layout: the run after it, or before it when the run after it closes the rule.
    if (added || found >= m_elements.size() || !IsWhiteRaw(m_elements[found])) return;
    if (found + 1 < m_elements.size()) {
      m_elements.erase(m_elements.begin() + static_cast<long>(found));
    } else if (found > 0 && IsWhiteRaw(m_elements[found - 1])) {
      m_elements.erase(m_elements.begin() + static_cast<long>(found - 1));
    }
    return;
  }
  if (found < m_elements.size()) {
    m_elements[found].m_strValue = trimmed;
    return;
  }
  CStyleElement declaration;
  declaration.m_strProperty = name;
  declaration.m_strValue = trimmed;
  declaration.m_bAdded = 1;
  m_elements.push_back(declaration);
}

CString CStyleRule::GetStyleText(BOOL declarationsOnly, BOOL layout) {
  const bool arrange = layout && !declarationsOnly;
  CString text;
  if (!declarationsOnly) text = GetNameText() + " {";
  for (size_t i = 0; i < m_elements.size(); ++i) {
    const CStyleElement& element = m_elements[i];
    if (element.m_bRaw) {
      text += element.m_strProperty;
      continue;
    }
    if (arrange && element.m_bAdded) text += i == 0 || m_elements[i - 1].m_bAdded ? "\r\n\t" : "\t";
    text += element.m_strProperty + ": " + element.m_strValue + ";";
  }
  if (arrange && !m_elements.empty() && m_elements.back().m_bAdded) {
    m_elements.push_back(Raw("\r\n"));
    text += "\r\n";
  }
  if (!declarationsOnly) text += "}";
  return text;
}
