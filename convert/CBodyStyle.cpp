#include "convert/CBodyStyle.h"

#include "foundation/CHtmlElement.h"
#include "foundation/CStyleRule.h"

namespace {

// A colour keeps its last six characters, so "#ff0000" gives "ff0000".
CString ColourAttribute(const char* tag, const char* name) {
  const CString value = CBodyStyle::GetAttribute(tag, name);
  return value.GetLength() > 6 ? value.Right(6) : value;
}

}  // namespace

CString CBodyStyle::GetAttribute(const char* tag, const char* name) {
  const CString text(tag);
  CString upper = text;
  upper.MakeUpper();
  CString key = CString(" ") + name;
  key.MakeUpper();
  const int length = text.GetLength();
  for (int at = upper.Find(key); at >= 0; at = upper.Find(key, at + 1)) {
    int pos = at + key.GetLength();
    // The name must end here: "TEXT" is not the start of "TEXTCOLOR".
    if (pos < length && text[pos] != ' ' && text[pos] != '=' && text[pos] != '>' && text[pos] != '\t') continue;
    while (pos < length && (text[pos] == ' ' || text[pos] == '=')) ++pos;
    if (pos < length && text[pos] == '"') {
      const int close = text.Find('"', pos + 1);
      return close < 0 ? text.Mid(pos + 1) : text.Mid(pos + 1, close - pos - 1);
    }
    int stop = pos;
    while (stop < length && text[stop] != ' ' && text[stop] != '>') ++stop;
    return text.Mid(pos, stop - pos);
  }
  return CString();
}

void CBodyStyle::ParseBodyTag(const char* tag) {
  m_strBackground = GetAttribute(tag, "BACKGROUND");
  CString fixed = GetAttribute(tag, "BGPROPERTIES");
  fixed.MakeUpper();
  if (fixed == "FIXED") m_bFixed = 1;
  m_strBgColor = ColourAttribute(tag, "BGCOLOR");
  m_strText = ColourAttribute(tag, "TEXT");
  m_strLink = ColourAttribute(tag, "LINK");
  m_strVLink = ColourAttribute(tag, "VLINK");
  m_strALink = ColourAttribute(tag, "ALINK");
  m_strLeftMargin = GetAttribute(tag, "LEFTMARGIN");
  if (m_strLeftMargin.IsEmpty()) m_strLeftMargin = GetAttribute(tag, "MARGINWIDTH");
  m_strTopMargin = GetAttribute(tag, "TOPMARGIN");
  if (m_strTopMargin.IsEmpty()) m_strTopMargin = GetAttribute(tag, "MARGINHEIGHT");
}

CString CBodyStyle::MakeBodyTag(int asElement) const {
  CString tag = "<BODY";
  if (!m_strBackground.IsEmpty()) tag += " BACKGROUND=\"" + m_strBackground + "\"";
  if (m_bFixed == 1) tag += " BGPROPERTIES=\"FIXED\"";
  if (!m_strBgColor.IsEmpty()) tag += " BGCOLOR=\"#" + m_strBgColor + "\"";
  if (!m_strText.IsEmpty()) tag += " TEXT=\"#" + m_strText + "\"";
  if (!m_strLink.IsEmpty()) tag += " LINK=\"#" + m_strLink + "\"";
  if (!m_strVLink.IsEmpty()) tag += " VLINK=\"#" + m_strVLink + "\"";
  if (!m_strALink.IsEmpty()) tag += " ALINK=\"#" + m_strALink + "\"";
  if (!m_strTopMargin.IsEmpty()) tag += " TOPMARGIN=\"" + m_strTopMargin + "\" MARGINHEIGHT=\"" + m_strTopMargin + "\"";
  if (!m_strLeftMargin.IsEmpty()) {
    tag += " LEFTMARGIN=\"" + m_strLeftMargin + "\" MARGINWIDTH=\"" + m_strLeftMargin + "\"";
  }
  tag += ">";
  if (!asElement) return tag;
  CHtmlElement element(tag);
  element.SetCase(1);
  return element.GetStartTagText();
}

CString CBodyStyle::MakeStyleSheet(int format) const {
  CStyleRule body;
  body.ParseRule("body {\r\n}\r\n");
  if (!m_strBackground.IsEmpty()) body.SetStyle("background-image", m_strBackground);
  if (m_bFixed == 1) body.SetStyle("background-attachment", "fixed");
  if (!m_strBgColor.IsEmpty()) body.SetStyle("background-color", "#" + m_strBgColor);
  if (!m_strText.IsEmpty()) body.SetStyle("color", "#" + m_strText);
  if (!m_strTopMargin.IsEmpty()) {
    body.SetStyle("margin-top", m_strTopMargin);
    body.SetStyle("margin-bottom", m_strTopMargin);
  }
  if (!m_strLeftMargin.IsEmpty()) {
    body.SetStyle("margin-left", m_strLeftMargin);
    body.SetStyle("margin-right", m_strLeftMargin);
  }
  CString sheet = body.GetStyleText(FALSE, format);
  if (!m_strLink.IsEmpty()) {
    const std::pair<const char*, const CString*> links[] = {
        {"a:link", &m_strLink}, {"a:visited", &m_strVLink}, {"a:hover", &m_strALink}};
    for (const auto& [selector, colour] : links) {
      CStyleRule rule;
      rule.ParseRule(CString(selector) + " {\r\n}\r\n");
      if (!colour->IsEmpty()) rule.SetStyle("color", "#" + *colour);
      sheet += "\r\n" + rule.GetStyleText(FALSE, format);
    }
  }
  return sheet;
}

bool CBodyStyle::IsEmpty() const {
  return m_strBackground.IsEmpty() && m_strBgColor.IsEmpty() && m_strText.IsEmpty() && m_strLink.IsEmpty() &&
         m_strVLink.IsEmpty() && m_strALink.IsEmpty() && m_bFixed == 0 && m_strTopMargin.IsEmpty() &&
         m_strLeftMargin.IsEmpty();
}
