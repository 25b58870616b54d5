#pragma once
// A binary archive over a byte buffer, in the framework's layout: integers little-endian, a string
// as its length (one byte below 255, else 0xFF and a wider length) and its bytes. Loading past the
// end of the buffer throws CArchiveException, as the framework's archive does.
#include <cstddef>
#include <string>

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CArchiveException {
 public:
  enum { none = 0, endOfFile = 8, badIndex = 9 };
  explicit CArchiveException(int cause) : m_cause(cause) {}
  int m_cause;
};

class CArchive {
 public:
  enum Mode { store = 0, load = 1 };

  // Storing appends to the buffer; loading reads it from its start. The buffer must outlive the
  // archive.
  CArchive(std::string& buffer, UINT mode) : m_buffer(buffer), m_bLoading(mode & load) {}

  BOOL IsStoring() const { return !m_bLoading; }

  CArchive& operator<<(BYTE value);
  CArchive& operator<<(WORD value);
  CArchive& operator<<(DWORD value);
  CArchive& operator<<(const CString& text);
  CArchive& operator>>(BYTE& value);
  CArchive& operator>>(WORD& value);
  CArchive& operator>>(DWORD& value);
  // A string stored wide (the marker 0xFF 0xFFFE before the length) is read as UTF-16 and
  // converted to code page 932.
  CArchive& operator>>(CString& text);

  void Write(const void* data, size_t size);
  // Reads exactly size bytes or throws.
  void Read(void* data, size_t size);

 private:
  std::string& m_buffer;
  BOOL m_bLoading;
  size_t m_nPos = 0;
};
