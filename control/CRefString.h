#pragma once
// The control's own narrow string: reference counted, copy on write, always NUL-terminated.
// Line texts are copied around a lot (undo records, row texts), so copies share one buffer.
#include <cstddef>

class CRefString {
 public:
  CRefString();
  CRefString(const char* text);  // NOLINT: implicit as callers expect; null gives an empty string
  CRefString(const char* text, int length);
  CRefString(char ch, int repeat);
  CRefString(const CRefString& other);
  CRefString(CRefString&& other) noexcept;
  ~CRefString();

  CRefString& operator=(const CRefString& other);
  CRefString& operator=(CRefString&& other) noexcept;
  CRefString& operator=(const char* text);
  CRefString& operator=(char ch);

  CRefString& operator+=(const CRefString& text);
  CRefString& operator+=(const char* text);
  CRefString& operator+=(char ch);
  void Append(const char* text, int length);
  friend CRefString operator+(const CRefString& a, const CRefString& b);
  friend CRefString operator+(const CRefString& a, const char* b);
  friend CRefString operator+(const char* a, const CRefString& b);
  friend CRefString operator+(const CRefString& a, char b);

  int GetLength() const;
  bool IsEmpty() const { return GetLength() == 0; }
  const char* GetString() const { return m_data; }
  operator const char*() const { return m_data; }  // NOLINT: implicit as callers expect
  unsigned char ByteAt(int index) const { return static_cast<unsigned char>(m_data[index]); }

  CRefString Left(int count) const;
  CRefString Mid(int start) const;
  CRefString Mid(int start, int count) const;

  // Edits in place (the line model inserts and cuts bytes without building new strings).
  void Insert(int index, const char* text, int length);
  void Delete(int index, int count);
  void Truncate(int length);

  char* GetBuffer(int minLength);
  void ReleaseBuffer(int length = -1);
  char* GetBufferSetLength(int length);

  void Empty();
  void MakeUpper();
  void MakeLower();

  friend bool operator==(const CRefString& a, const CRefString& b);
  friend bool operator==(const CRefString& a, const char* b);

 private:
  struct Header;
  Header* GetHeader() const;
  bool IsShared() const;
  void AllocCopy(int length, int allocLength, const char* text, int textLength);
  void Release();
  void CopyBeforeWrite();
  void Reserve(int length);
  void AssignBytes(const char* text, int length);

  char* m_data;
};
