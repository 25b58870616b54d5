#pragma once
// Style-sheet rules as the HTML exporters build them: a selector list and the declarations, with
// comments and the white space between declarations kept, so that a rule read from a user's style
// sheet is written back in its own layout.
#include <vector>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

// One simple selector: element, then ".class" or "#id", then ":pseudo-class".
class CStyleSelector {
 public:
  void Parse(const CString& text);
  CString GetText() const;

  CString m_strElement;
  CString m_strClass;  // class or identifier
  int m_nID = 0;       // 1: m_strClass is an identifier
  CString m_strPseudo;
};

// One selector: simple selectors joined by blanks (descendants).
class CStyleSelectorArray {
 public:
  void Parse(const CString& text);
  CString GetText() const;

  std::vector<CStyleSelector> m_selectors;
};

// The selector list of a rule, selectors joined by ",".
class CStyleName {
 public:
  void ParseName(const CString& text);
  CString GetNameText() const;

  std::vector<CStyleSelectorArray> m_names;
};

// A declaration, or (raw) a comment or run of white space kept as written in m_strProperty.
struct CStyleElement {
  CString m_strProperty;
  CString m_strValue;
  int m_bRaw = 0;
  int m_bAdded = 0;  // made by SetStyle, not read from the text
};

class CStyleRule : public CStyleName {
 public:
  // "selectors { declarations }". false without "{" (nothing changes) or without "}" (the
  // selectors are taken, the declarations stay).
  bool ParseRule(const CString& text);
  // Sets, adds or (for an empty value or "") removes the declaration of that property; property
  // names match in any letter case.
  void SetStyle(const CString& property, const CString& value);
  // The rule as text, or its declarations only. The layout flag puts each added declaration on a
  // line of its own and closes the rule on a new line.
  CString GetStyleText(BOOL declarationsOnly, BOOL layout);

  std::vector<CStyleElement> m_elements;
};
