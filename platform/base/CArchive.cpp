#include "platform/base/CArchive.h"

#include <cstring>

#include "platform/base/CodePage.h"

namespace {

template <typename T>
void PutLittleEndian(CArchive& ar, T value) {
  unsigned char bytes[sizeof(T)];
  for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  ar.Write(bytes, sizeof(T));
}

template <typename T>
T GetLittleEndian(CArchive& ar) {
  unsigned char bytes[sizeof(T)];
  ar.Read(bytes, sizeof(T));
  T value = 0;
  for (size_t i = 0; i < sizeof(T); ++i) value = static_cast<T>(value | static_cast<T>(bytes[i]) << (8 * i));
  return value;
}

// The length of a stored string; wide is set when the string was stored as UTF-16.
ULONGLONG ReadStringLength(CArchive& ar, bool& wide) {
  wide = false;
  for (;;) {
    const BYTE byteLength = GetLittleEndian<BYTE>(ar);
    if (byteLength < 0xFF) return byteLength;
    const WORD wordLength = GetLittleEndian<WORD>(ar);
    if (wordLength == 0xFFFE) {
      if (wide) throw CArchiveException(CArchiveException::badIndex);
      wide = true;
      continue;
    }
    if (wordLength < 0xFFFF) return wordLength;
    const DWORD dwordLength = GetLittleEndian<DWORD>(ar);
    if (dwordLength < 0xFFFFFFFF) return dwordLength;
    return GetLittleEndian<ULONGLONG>(ar);
  }
}

}  // namespace

void CArchive::Write(const void* data, size_t size) { m_buffer.append(static_cast<const char*>(data), size); }

void CArchive::Read(void* data, size_t size) {
  if (size > m_buffer.size() - m_nPos) throw CArchiveException(CArchiveException::endOfFile);
  std::memcpy(data, m_buffer.data() + m_nPos, size);
  m_nPos += size;
}

CArchive& CArchive::operator<<(BYTE value) {
  PutLittleEndian(*this, value);
  return *this;
}

CArchive& CArchive::operator<<(WORD value) {
  PutLittleEndian(*this, value);
  return *this;
}

CArchive& CArchive::operator<<(DWORD value) {
  PutLittleEndian(*this, value);
  return *this;
}

CArchive& CArchive::operator<<(const CString& text) {
  const auto length = static_cast<ULONGLONG>(text.GetLength());
  if (length < 0xFF) {
    PutLittleEndian(*this, static_cast<BYTE>(length));
  } else {
    PutLittleEndian(*this, static_cast<BYTE>(0xFF));
    if (length < 0xFFFE) {
      PutLittleEndian(*this, static_cast<WORD>(length));
    } else {
      PutLittleEndian(*this, static_cast<WORD>(0xFFFF));
      if (length < 0xFFFFFFFF) {
        PutLittleEndian(*this, static_cast<DWORD>(length));
      } else {
        PutLittleEndian(*this, static_cast<DWORD>(0xFFFFFFFF));
        PutLittleEndian(*this, length);
      }
    }
  }
  Write(text.GetString(), static_cast<size_t>(length));
  return *this;
}

CArchive& CArchive::operator>>(BYTE& value) {
  value = GetLittleEndian<BYTE>(*this);
  return *this;
}

CArchive& CArchive::operator>>(WORD& value) {
  value = GetLittleEndian<WORD>(*this);
  return *this;
}

CArchive& CArchive::operator>>(DWORD& value) {
  value = GetLittleEndian<DWORD>(*this);
  return *this;
}

CArchive& CArchive::operator>>(CString& text) {
  bool wide = false;
  const ULONGLONG length = ReadStringLength(*this, wide);
  const ULONGLONG bytes = wide ? length * 2 : length;
  // Checked before anything is allocated: a damaged length must not ask for gigabytes.
  if (length > m_buffer.size() || bytes > m_buffer.size() - m_nPos)
    throw CArchiveException(CArchiveException::endOfFile);
  const char* start = m_buffer.data() + m_nPos;
  m_nPos += static_cast<size_t>(bytes);
  if (!wide) {
    text = CString(std::string(start, static_cast<size_t>(bytes)));
    return *this;
  }
  std::u16string utf16(static_cast<size_t>(length), u'\0');
  for (size_t i = 0; i < utf16.size(); ++i) {
    utf16[i] = static_cast<char16_t>(static_cast<unsigned char>(start[2 * i]) |
                                     static_cast<unsigned char>(start[2 * i + 1]) << 8);
  }
  text = UTF16ToCP932(utf16);
  return *this;
}
