#pragma once
// The look of an HTML page body: background image, colours of background, text and links (six
// hexadecimal digits, no "#"), fixed background and page margins. Kept in the document's
// properties as a BODY start tag; the multi-file HTML export writes it as a tag or as style rules.
#include "platform/base/CString.h"

class CBodyStyle {
 public:
  // Fills the record from a BODY start tag; absent attributes leave the fixed flag as it was.
  void ParseBodyTag(const char* tag);
  // The BODY start tag; asElement writes it through the HTML element class in lower case.
  CString MakeBodyTag(int asElement) const;
  // A "body" rule, and link-colour rules when the link colour is set; layout as the style-sheet
  // classes write it.
  CString MakeStyleSheet(int format) const;
  bool IsEmpty() const;
  bool operator==(const CBodyStyle& other) const = default;

  // The value of a named attribute as written in the tag ("" when absent); the name matches in
  // any letter case.
  static CString GetAttribute(const char* tag, const char* name);

  CString m_strBackground;
  CString m_strBgColor;
  CString m_strText;
  CString m_strLink;
  CString m_strVLink;
  CString m_strALink;
  int m_bFixed = 0;
  CString m_strTopMargin;
  CString m_strLeftMargin;
};
