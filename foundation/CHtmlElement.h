#pragma once
// One HTML element of the exporters: built from parts or parsed out of a start-tag text, and
// printed back with the attributes' own quotes.
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CHtmlAttribute {
 public:
  enum Quote { QUOTE_DOUBLE = 0, QUOTE_SINGLE = 1, QUOTE_ESCAPED_DOUBLE = 2 };  // " ' \"

  CHtmlAttribute() = default;
  // Double quotes at both ends of the value are removed.
  CHtmlAttribute(const CString& name, const CString& value);

  CString m_strName;
  CString m_strValue;
  int m_nQuote = QUOTE_DOUBLE;
};

class CHtmlElement {
 public:
  CHtmlElement() = default;
  // Parses "<name attr=value ...>", "<name ... />" or "<%name%>".
  explicit CHtmlElement(const CString& tagText);
  CHtmlElement(const CString& name, const CString& text);

  void AddAttribute(const CString& name, const CString& value);
  // Replaces the value of the attribute of that name (any letter case), quotes removed from both
  // ends; appends the attribute when there is none.
  void SetAttribute(const CString& name, const CString& value);
  void SetText(const CString& text) { m_strText = text; }
  // Tag and attribute names: 0 upper case, 1 lower case, 2 lower case with a capital first letter.
  void SetCase(int mode);

  CString GetStartTagText() const;
  CString GetEndTag() const;
  // Start tag, inner text and end tag; with the flag, CR LF after the start tag and before the
  // end tag (unless the text already ends with one).
  CString ToString(BOOL lineBreaks) const;

  CString m_strTag;
  std::vector<CHtmlAttribute> m_attributes;
  CString m_strText;
  BOOL m_bEmpty = FALSE;   // written as " />"
  BOOL m_bClose = TRUE;    // an end tag is written
  BOOL m_bScript = FALSE;  // the tag was "<%name%>"

 private:
  void ParseAttributes(const CString& text);
};
