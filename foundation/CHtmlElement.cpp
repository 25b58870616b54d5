#include "foundation/CHtmlElement.h"

namespace {

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

CString TrimQuotes(CString value) {
  value.Trim('\'');
  value.Trim('"');
  return value;
}

void ApplyCase(CString& text, int mode) {
  if (mode == 0) {
    text.MakeUpper();
    return;
  }
  text.MakeLower();
  if (mode == 2 && !text.IsEmpty() && text[0] >= 'a' && text[0] <= 'z') {
    text.SetAt(0, static_cast<char>(text[0] - 'a' + 'A'));
  }
}

}  // namespace

CHtmlAttribute::CHtmlAttribute(const CString& name, const CString& value) : m_strName(name), m_strValue(value) {
  m_strValue.Trim('"');
}

CHtmlElement::CHtmlElement(const CString& name, const CString& text) : m_strTag(name), m_strText(text) {}

CHtmlElement::CHtmlElement(const CString& tagText) {
  const int lt = tagText.Find('<');
  if (lt < 0) return;
  const int gt = tagText.Find('>', lt + 1);
  if (gt < 0) return;
  CString inner = tagText.Mid(lt + 1, gt - lt - 1);
  if (inner.GetLength() >= 2 && inner.Right(2) == " /") {
    m_bEmpty = TRUE;
    inner = inner.Left(inner.GetLength() - 2);
  }
  if (inner.GetLength() > 2 && inner[0] == '%' && inner[inner.GetLength() - 1] == '%') {
    m_strTag = inner.Mid(1, inner.GetLength() - 2);
    m_strTag.Trim();
    m_bScript = TRUE;
    return;
  }
  const int blank = inner.FindOneOf(" \t\r\n");
  if (blank < 0) {
    m_strTag = inner;
    return;
  }
  m_strTag = inner.Left(blank);
  CString rest = inner.Mid(blank);
  rest.TrimRight();
  ParseAttributes(rest);
}

// name, name=value, name="value" (also ended by \"), name='value' or name=\"value\", separated by
// white space. Double-byte characters are stepped over whole, so a trail byte 0x5C before a quote
// is no escape.
void CHtmlElement::ParseAttributes(const CString& text) {
  const char* s = text.GetString();
  const int n = text.GetLength();
  int i = 0;
  const auto step = [&](int at) { return at + CharLengthAt(s + at); };
  while (i < n) {
    while (i < n && IsSpace(s[i])) ++i;
    if (i >= n) break;
    const int nameStart = i;
    while (i < n && !IsSpace(s[i]) && s[i] != '=') i = step(i);
    CHtmlAttribute attribute;
    attribute.m_strName = text.Mid(nameStart, i - nameStart);
    int j = i;
    while (j < n && IsSpace(s[j])) ++j;
    if (j < n && s[j] == '=') {
      i = j;
      while (i < n && (IsSpace(s[i]) || s[i] == '=')) ++i;
      int valueStart = i, valueEnd = i, delimiter = 0;
      if (i < n && s[i] == '"') {
        valueStart = ++i;
        while (i < n && s[i] != '"' && !(s[i] == '\\' && i + 1 < n && s[i + 1] == '"')) i = step(i);
        delimiter = i < n ? (s[i] == '"' ? 1 : 2) : 0;
      } else if (i < n && s[i] == '\'') {
        attribute.m_nQuote = CHtmlAttribute::QUOTE_SINGLE;
        valueStart = ++i;
        while (i < n && s[i] != '\'') i = step(i);
        delimiter = i < n ? 1 : 0;
      } else if (i + 1 < n && s[i] == '\\' && s[i + 1] == '"') {
        attribute.m_nQuote = CHtmlAttribute::QUOTE_ESCAPED_DOUBLE;
        i += 2;
        valueStart = i;
        while (i < n && !(s[i] == '\\' && i + 1 < n && s[i + 1] == '"')) i = step(i);
        delimiter = i < n ? 2 : 0;
      } else {
        while (i < n && !IsSpace(s[i])) i = step(i);
      }
      valueEnd = i < n ? i : n;
      attribute.m_strValue = TrimQuotes(text.Mid(valueStart, valueEnd - valueStart));
      i = valueEnd + delimiter;
    }
    if (!attribute.m_strName.IsEmpty() || !attribute.m_strValue.IsEmpty()) m_attributes.push_back(attribute);
  }
}

void CHtmlElement::AddAttribute(const CString& name, const CString& value) {
  m_attributes.emplace_back(name, value);
}

void CHtmlElement::SetAttribute(const CString& name, const CString& value) {
  const CString trimmed = TrimQuotes(value);
  for (CHtmlAttribute& attribute : m_attributes) {
    if (attribute.m_strName.CompareNoCase(name) == 0) {
      attribute.m_strValue = trimmed;
      return;
    }
  }
  AddAttribute(name, trimmed);
}

void CHtmlElement::SetCase(int mode) {
  ApplyCase(m_strTag, mode);
  for (CHtmlAttribute& attribute : m_attributes) ApplyCase(attribute.m_strName, mode);
}

CString CHtmlElement::GetStartTagText() const {
  CString text = "<" + m_strTag;
  for (const CHtmlAttribute& attribute : m_attributes) {
    text += " " + attribute.m_strName;
    if (attribute.m_strValue.IsEmpty()) continue;
    const char* quote = attribute.m_nQuote == CHtmlAttribute::QUOTE_SINGLE           ? "'"
                        : attribute.m_nQuote == CHtmlAttribute::QUOTE_ESCAPED_DOUBLE ? "\\\""
                                                                                     : "\"";
    text += "=" + (quote + attribute.m_strValue) + quote;
  }
  text += m_bEmpty ? " />" : ">";
  return text;
}

CString CHtmlElement::GetEndTag() const { return "</" + m_strTag + ">"; }

CString CHtmlElement::ToString(BOOL lineBreaks) const {
  CString text = GetStartTagText();
  if (lineBreaks) text += "\r\n";
  text += m_strText;
  if (lineBreaks && m_strText.Right(2) != "\r\n") text += "\r\n";
  if (m_bClose) text += GetEndTag();
  return text;
}
