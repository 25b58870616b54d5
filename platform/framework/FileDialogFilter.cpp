#include "platform/framework/FileDialogFilter.h"

#include <vector>

#include "platform/base/CodePage.h"

namespace {

bool IsAsciiLetter(unsigned char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }

std::vector<CString> Split(const CString& text, char separator) {
  std::vector<CString> parts;
  CString part;
  for (int i = 0; i < text.GetLength(); ++i) {
    const unsigned char ch = static_cast<unsigned char>(text[i]);
    if (IsDBCSLeadByte(ch) && i + 1 < text.GetLength()) {
      part += text.Mid(i, 2);
      ++i;
    } else if (ch == static_cast<unsigned char>(separator)) {
      parts.push_back(part);
      part.Empty();
    } else {
      part += static_cast<char>(ch);
    }
  }
  parts.push_back(part);
  return parts;
}

CString TranslatePatterns(const CString& patterns) {
  CString result;
  for (const CString& raw : Split(patterns, ';')) {
    CString pattern = raw;
    pattern.Trim();
    if (pattern.IsEmpty()) continue;
    if (!result.IsEmpty()) result += ";";
    if (pattern == "*.*") {
      result += "*";
      continue;
    }
    result += pattern;
    const CString folded = CaseInsensitivePattern(pattern);
    if (folded != pattern) result += ";" + folded;
  }
  return result;
}

}  // namespace

CString CaseInsensitivePattern(const char* pattern) {
  CString result;
  const CString text(pattern);
  for (int i = 0; i < text.GetLength(); ++i) {
    const unsigned char ch = static_cast<unsigned char>(text[i]);
    if (IsDBCSLeadByte(ch) && i + 1 < text.GetLength()) {
      result += text.Mid(i, 2);
      ++i;
    } else if (IsAsciiLetter(ch)) {
      const char upper = static_cast<char>(ch & ~0x20);
      const char lower = static_cast<char>(ch | 0x20);
      result += '[';
      result += lower;
      result += upper;
      result += ']';
    } else if (ch == '[' || ch == ']') {
      result += '[';
      result += static_cast<char>(ch);
      result += ']';
    } else {
      result += static_cast<char>(ch);
    }
  }
  return result;
}

CString FileFilterToWx(const char* filter) {
  std::vector<CString> parts = Split(CString(filter), '|');
  while (!parts.empty() && parts.back().IsEmpty()) parts.pop_back();
  CString result;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (!result.IsEmpty()) result += "|";
    result += parts[i] + "|" + TranslatePatterns(parts[i + 1]);
  }
  return result;
}
