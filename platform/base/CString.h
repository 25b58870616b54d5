#pragma once
// The byte string of the program: Shift JIS (code page 932) text with the familiar interface.
// Searches, trims and case changes step over double-byte characters, so a trail byte (which may
// be 0x5C or an ASCII letter) never matches and is never changed.
#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

class CString {
 public:
  CString() = default;
  CString(const char* text) : m_str(text ? text : "") {}  // NOLINT: implicit as callers expect
  CString(const char* text, int length) : m_str(text ? std::string(text, static_cast<size_t>(length)) : "") {}
  CString(const std::string& text) : m_str(text) {}  // NOLINT
  CString(std::string&& text) : m_str(std::move(text)) {}  // NOLINT
  CString(std::string_view text) : m_str(text) {}  // NOLINT
  CString(char ch, int repeat = 1) : m_str(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}

  // Access
  int GetLength() const { return static_cast<int>(m_str.size()); }
  bool IsEmpty() const { return m_str.empty(); }
  const char* GetString() const { return m_str.c_str(); }
  operator const char*() const { return m_str.c_str(); }  // NOLINT: implicit as callers expect
  char GetAt(int index) const { return m_str[static_cast<size_t>(index)]; }
  void SetAt(int index, char ch) { m_str[static_cast<size_t>(index)] = ch; }
  char operator[](int index) const { return m_str[static_cast<size_t>(index)]; }
  const std::string& str() const { return m_str; }
  std::string& str() { return m_str; }
  void Empty() { m_str.clear(); }

  // Raw buffer access: GetBuffer gives at least minLength writable bytes; ReleaseBuffer(-1) takes
  // the length up to the first NUL.
  char* GetBuffer(int minLength = 0);
  char* GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);

  // Assignment and concatenation
  CString& operator=(const char* text) { m_str = text ? text : ""; return *this; }
  CString& operator=(char ch) { m_str.assign(1, ch); return *this; }
  CString& operator+=(const CString& text) { m_str += text.m_str; return *this; }
  CString& operator+=(const char* text) { if (text) m_str += text; return *this; }
  CString& operator+=(char ch) { m_str += ch; return *this; }
  void Append(const char* text, int length) { m_str.append(text, static_cast<size_t>(length)); }
  void AppendChar(char ch) { m_str += ch; }

  friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
  friend CString operator+(const CString& a, const char* b) { return CString(a.m_str + (b ? b : "")); }
  friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_str); }
  friend CString operator+(const CString& a, char b) { return CString(a.m_str + b); }
  friend CString operator+(char a, const CString& b) { return CString(a + b.m_str); }

  // Comparison (byte order, as strcmp)
  int Compare(const char* text) const;
  int CompareNoCase(const char* text) const;  // ASCII letters folded, double-byte characters intact
  friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
  friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }
  friend bool operator==(const char* a, const CString& b) { return b == a; }
  friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
  friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
  friend bool operator!=(const char* a, const CString& b) { return !(b == a); }
  friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }
  friend bool operator>(const CString& a, const CString& b) { return a.m_str > b.m_str; }
  friend bool operator<=(const CString& a, const CString& b) { return a.m_str <= b.m_str; }
  friend bool operator>=(const CString& a, const CString& b) { return a.m_str >= b.m_str; }

  // Extraction (counts and offsets in bytes; out-of-range arguments are clamped)
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Left(int count) const;
  CString Right(int count) const;
  CString SpanIncluding(const char* charSet) const;
  // Next token after position start (updated; -1 at the end), skipping leading delimiters.
  CString Tokenize(const char* delimiters, int& start) const;

  // Searching: byte offsets of character starts, or -1
  int Find(char ch, int start = 0) const;
  int Find(const char* sub, int start = 0) const;
  int ReverseFind(char ch) const;
  int FindOneOf(const char* charSet) const;

  // Changing
  int Replace(char oldCh, char newCh);
  int Replace(const char* oldText, const char* newText);
  int Remove(char ch);
  int Insert(int index, char ch);
  int Insert(int index, const char* text);
  int Delete(int index, int count = 1);
  CString& Trim();
  CString& Trim(char target);
  CString& Trim(const char* targets);
  CString& TrimLeft();
  CString& TrimLeft(char target);
  CString& TrimLeft(const char* targets);
  CString& TrimRight();
  CString& TrimRight(char target);
  CString& TrimRight(const char* targets);
  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();  // reverses characters, keeping each double-byte pair in order

  // printf-style formatting
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void FormatV(const char* format, va_list args);
  void AppendFormatV(const char* format, va_list args);

 private:
  std::string m_str;
};

// Length in bytes of the character starting at p (1 or 2); a lead byte before the end counts 2.
int CharLengthAt(const char* p);
