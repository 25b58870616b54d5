#include "platform/base/CString.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/base/LeadByte.h"

namespace {

bool IsLead(char ch) { return IsLeadByte(ch); }

char AsciiUpper(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }
char AsciiLower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }

// Length of the character at offset i of s: a lead byte with a following byte makes a pair.
size_t CharLen(const std::string& s, size_t i) { return (IsLead(s[i]) && i + 1 < s.size()) ? 2 : 1; }

// Whether the character at offset i (length len) is one of the characters of set (also a Shift JIS text).
bool InSet(const std::string& s, size_t i, size_t len, const char* set) {
  if (!set) return false;
  for (const char* p = set; *p;) {
    const size_t plen = static_cast<size_t>(CharLengthAt(p));
    if (plen == len && std::memcmp(p, s.data() + i, len) == 0) return true;
    p += plen;
  }
  return false;
}

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f'; }

}  // namespace

int CharLengthAt(const char* p) { return (IsLead(*p) && p[1] != '\0') ? 2 : 1; }

char* CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) m_str.resize(static_cast<size_t>(minLength));
  // Keep room for a terminating NUL the caller may write at minLength.
  m_str.reserve(m_str.size() + 1);
  return m_str.data();
}

char* CString::GetBufferSetLength(int length) {
  m_str.resize(static_cast<size_t>(std::max(length, 0)));
  return m_str.data();
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) {
    m_str.resize(std::strlen(m_str.c_str()));
  } else {
    m_str.resize(static_cast<size_t>(newLength));
  }
}

int CString::Compare(const char* text) const { return std::strcmp(m_str.c_str(), text ? text : ""); }

int CString::CompareNoCase(const char* text) const {
  CString a(*this), b(text);
  a.MakeLower();
  b.MakeLower();
  return a.Compare(b);
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  first = std::max(first, 0);
  count = std::max(count, 0);
  if (first >= GetLength()) return CString();
  count = std::min(count, GetLength() - first);
  return CString(m_str.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CString(m_str.substr(m_str.size() - static_cast<size_t>(count)));
}

CString CString::SpanIncluding(const char* charSet) const {
  size_t i = 0;
  while (i < m_str.size()) {
    const size_t len = CharLen(m_str, i);
    if (!InSet(m_str, i, len, charSet)) break;
    i += len;
  }
  return CString(m_str.substr(0, i));
}

CString CString::Tokenize(const char* delimiters, int& start) const {
  if (start < 0) return CString();
  size_t i = static_cast<size_t>(start);
  while (i < m_str.size() && InSet(m_str, i, CharLen(m_str, i), delimiters)) i += CharLen(m_str, i);
  if (i >= m_str.size()) {
    start = -1;
    return CString();
  }
  const size_t begin = i;
  while (i < m_str.size() && !InSet(m_str, i, CharLen(m_str, i), delimiters)) i += CharLen(m_str, i);
  start = static_cast<int>(i < m_str.size() ? i + CharLen(m_str, i) : i);
  return CString(m_str.substr(begin, i - begin));
}

int CString::Find(char ch, int start) const {
  if (start < 0) start = 0;
  for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i)) {
    if (static_cast<int>(i) >= start && CharLen(m_str, i) == 1 && m_str[i] == ch) return static_cast<int>(i);
  }
  return -1;
}

int CString::Find(const char* sub, int start) const {
  if (!sub) return -1;
  if (start < 0) start = 0;
  const size_t n = std::strlen(sub);
  size_t i = 0;
  while (i + n <= m_str.size()) {
    if (static_cast<int>(i) >= start && m_str.compare(i, n, sub, n) == 0) return static_cast<int>(i);
    if (i == m_str.size()) break;
    i += CharLen(m_str, i);
  }
  return -1;
}

int CString::ReverseFind(char ch) const {
  int found = -1;
  for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i)) {
    if (CharLen(m_str, i) == 1 && m_str[i] == ch) found = static_cast<int>(i);
  }
  return found;
}

int CString::FindOneOf(const char* charSet) const {
  for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i)) {
    if (InSet(m_str, i, CharLen(m_str, i), charSet)) return static_cast<int>(i);
  }
  return -1;
}

int CString::Replace(char oldCh, char newCh) {
  int count = 0;
  for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i)) {
    if (CharLen(m_str, i) == 1 && m_str[i] == oldCh) {
      m_str[i] = newCh;
      ++count;
    }
  }
  return count;
}

int CString::Replace(const char* oldText, const char* newText) {
  if (!oldText || !*oldText) return 0;
  const size_t n = std::strlen(oldText);
  const char* repl = newText ? newText : "";
  size_t found = m_str.find(oldText, 0, n);
  if (found == std::string::npos) return 0;
  // Byte matches are found by the library's search; one that starts on a trail byte is no match.
  std::string out;
  size_t copied = 0;    // the text before this has gone to out
  size_t boundary = 0;  // a character start at or before found
  int count = 0;
  while (found != std::string::npos) {
    while (boundary < found) boundary += CharLen(m_str, boundary);
    if (boundary == found) {
      out.append(m_str, copied, found - copied);
      out += repl;
      copied = boundary = found + n;
      ++count;
    }
    found = m_str.find(oldText, boundary, n);
  }
  if (count) {
    out.append(m_str, copied, std::string::npos);
    m_str.swap(out);
  }
  return count;
}

int CString::Remove(char ch) {
  std::string out;
  out.reserve(m_str.size());
  int count = 0;
  for (size_t i = 0; i < m_str.size();) {
    const size_t len = CharLen(m_str, i);
    if (len == 1 && m_str[i] == ch) {
      ++count;
    } else {
      out.append(m_str, i, len);
    }
    i += len;
  }
  m_str.swap(out);
  return count;
}

int CString::Insert(int index, char ch) { return Insert(index, CString(ch).GetString()); }

int CString::Insert(int index, const char* text) {
  index = std::clamp(index, 0, GetLength());
  m_str.insert(static_cast<size_t>(index), text ? text : "");
  return GetLength();
}

int CString::Delete(int index, int count) {
  if (index < 0) index = 0;
  if (count > 0 && index < GetLength()) {
    m_str.erase(static_cast<size_t>(index), static_cast<size_t>(count));
  }
  return GetLength();
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char target) { return TrimRight(target).TrimLeft(target); }
CString& CString::Trim(const char* targets) { return TrimRight(targets).TrimLeft(targets); }

CString& CString::TrimLeft() {
  size_t i = 0;
  while (i < m_str.size() && IsSpace(m_str[i])) ++i;
  m_str.erase(0, i);
  return *this;
}

CString& CString::TrimLeft(char target) {
  size_t i = 0;
  while (i < m_str.size() && m_str[i] == target) ++i;
  m_str.erase(0, i);
  return *this;
}

CString& CString::TrimLeft(const char* targets) {
  size_t i = 0;
  while (i < m_str.size()) {
    const size_t len = CharLen(m_str, i);
    if (!InSet(m_str, i, len, targets)) break;
    i += len;
  }
  m_str.erase(0, i);
  return *this;
}

// Trailing trims walk forward so that a trail byte equal to the target is never taken for it.
CString& CString::TrimRight() {
  size_t keep = 0;
  for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i)) {
    if (CharLen(m_str, i) == 2 || !IsSpace(m_str[i])) keep = i + CharLen(m_str, i);
  }
  m_str.resize(keep);
  return *this;
}

CString& CString::TrimRight(char target) {
  size_t keep = 0;
  for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i)) {
    if (CharLen(m_str, i) == 2 || m_str[i] != target) keep = i + CharLen(m_str, i);
  }
  m_str.resize(keep);
  return *this;
}

CString& CString::TrimRight(const char* targets) {
  size_t keep = 0;
  for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i)) {
    if (!InSet(m_str, i, CharLen(m_str, i), targets)) keep = i + CharLen(m_str, i);
  }
  m_str.resize(keep);
  return *this;
}

CString& CString::MakeUpper() {
  for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i)) {
    if (CharLen(m_str, i) == 1) m_str[i] = AsciiUpper(m_str[i]);
  }
  return *this;
}

CString& CString::MakeLower() {
  for (size_t i = 0; i < m_str.size(); i += CharLen(m_str, i)) {
    if (CharLen(m_str, i) == 1) m_str[i] = AsciiLower(m_str[i]);
  }
  return *this;
}

CString& CString::MakeReverse() {
  std::string out(m_str.size(), '\0');
  size_t end = m_str.size();
  for (size_t i = 0; i < m_str.size();) {
    const size_t len = CharLen(m_str, i);
    end -= len;
    std::memcpy(out.data() + end, m_str.data() + i, len);
    i += len;
  }
  m_str.swap(out);
  return *this;
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatV(format, args);
  va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
  m_str.clear();
  AppendFormatV(format, args);
}

void CString::AppendFormatV(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int needed = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (needed <= 0) return;
  const size_t old = m_str.size();
  m_str.resize(old + static_cast<size_t>(needed) + 1);
  std::vsnprintf(m_str.data() + old, static_cast<size_t>(needed) + 1, format, args);
  m_str.resize(old + static_cast<size_t>(needed));
}
