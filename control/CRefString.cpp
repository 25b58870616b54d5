#include "control/CRefString.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/base/CodePage.h"

// Sits in front of the characters in the same allocation.
struct CRefString::Header {
  std::atomic<int> refs;  // below 0: the buffer is handed out for writing, copies copy
  int length;
  int allocLength;
};

namespace {

// Every empty string points here; it has no header and is never freed.
char g_empty[1] = {0};
char* EmptyData() { return g_empty; }

}  // namespace

CRefString::Header* CRefString::GetHeader() const {
  return reinterpret_cast<Header*>(m_data - sizeof(Header));
}

static_assert(sizeof(std::atomic<int>) == 4);

int CRefString::GetLength() const { return m_data == EmptyData() ? 0 : GetHeader()->length; }

bool CRefString::IsShared() const { return m_data != EmptyData() && GetHeader()->refs.load() > 1; }

void CRefString::AllocCopy(int length, int allocLength, const char* text, int textLength) {
  if (allocLength <= 0) {
    m_data = EmptyData();
    return;
  }
  void* block = std::malloc(sizeof(Header) + static_cast<size_t>(allocLength) + 1);
  if (!block) throw std::bad_alloc();
  auto* header = new (block) Header{{1}, length, allocLength};
  m_data = reinterpret_cast<char*>(header + 1);
  if (textLength > 0) std::memcpy(m_data, text, static_cast<size_t>(textLength));
  m_data[length] = '\0';
}

void CRefString::Release() {
  if (m_data == EmptyData()) return;
  Header* header = GetHeader();
  if (header->refs.load() < 0 || header->refs.fetch_sub(1) == 1) {
    header->~Header();
    std::free(header);
  }
  m_data = EmptyData();
}

CRefString::CRefString() : m_data(EmptyData()) {}

CRefString::CRefString(const char* text) : m_data(EmptyData()) {
  if (text) AssignBytes(text, static_cast<int>(std::strlen(text)));
}

CRefString::CRefString(const char* text, int length) : m_data(EmptyData()) {
  if (text && length > 0) AssignBytes(text, length);
}

CRefString::CRefString(char ch, int repeat) : m_data(EmptyData()) {
  if (repeat < 1) return;
  AllocCopy(repeat, repeat, nullptr, 0);
  std::memset(m_data, ch, static_cast<size_t>(repeat));
}

CRefString::CRefString(const CRefString& other) : m_data(EmptyData()) { *this = other; }

CRefString::CRefString(CRefString&& other) noexcept : m_data(other.m_data) { other.m_data = EmptyData(); }

CRefString::~CRefString() { Release(); }

CRefString& CRefString::operator=(const CRefString& other) {
  if (m_data == other.m_data) return *this;
  if (other.m_data == EmptyData()) {
    Release();
  } else if (other.GetHeader()->refs.load() < 0 || (m_data != EmptyData() && GetHeader()->refs.load() < 0)) {
    // A locked side never shares.
    AssignBytes(other.m_data, other.GetLength());
  } else {
    Release();
    other.GetHeader()->refs.fetch_add(1);
    m_data = other.m_data;
  }
  return *this;
}

CRefString& CRefString::operator=(CRefString&& other) noexcept {
  if (this != &other) {
    Release();
    m_data = other.m_data;
    other.m_data = EmptyData();
  }
  return *this;
}

CRefString& CRefString::operator=(const char* text) {
  AssignBytes(text ? text : "", text ? static_cast<int>(std::strlen(text)) : 0);
  return *this;
}

CRefString& CRefString::operator=(char ch) {
  AssignBytes(&ch, 1);
  return *this;
}

void CRefString::AssignBytes(const char* text, int length) {
  if (length <= 0) {
    Empty();
    return;
  }
  if (m_data != EmptyData() && !IsShared() && GetHeader()->allocLength >= length &&
      (text < m_data || text > m_data + GetHeader()->allocLength)) {
    std::memmove(m_data, text, static_cast<size_t>(length));
    m_data[length] = '\0';
    GetHeader()->length = length;
    if (GetHeader()->refs.load() < 0) GetHeader()->refs.store(1);
    return;
  }
  CRefString fresh;
  fresh.AllocCopy(length, length, text, length);
  *this = std::move(fresh);
}

void CRefString::CopyBeforeWrite() {
  if (!IsShared()) return;
  const int length = GetLength();
  CRefString own;
  own.AllocCopy(length, length, m_data, length);
  *this = std::move(own);
}

// Makes the buffer ours and able to hold `length` bytes, growing geometrically for appends.
void CRefString::Reserve(int length) {
  const int current = GetLength();
  if (m_data != EmptyData() && !IsShared() && GetHeader()->allocLength >= length) return;
  int alloc = length;
  if (m_data != EmptyData() && length > current) alloc = std::max(length, current + current / 2);
  CRefString grown;
  grown.AllocCopy(current, alloc, m_data, current);
  *this = std::move(grown);
}

void CRefString::Append(const char* text, int length) {
  if (!text || length <= 0) return;
  const int current = GetLength();
  if (text >= m_data && text <= m_data + current) {  // appending a piece of ourselves
    CRefString copy(text, length);
    Append(copy.m_data, length);
    return;
  }
  Reserve(current + length);
  std::memcpy(m_data + current, text, static_cast<size_t>(length));
  GetHeader()->length = current + length;
  m_data[current + length] = '\0';
}

CRefString& CRefString::operator+=(const CRefString& text) {
  Append(text.m_data, text.GetLength());
  return *this;
}
CRefString& CRefString::operator+=(const char* text) {
  if (text) Append(text, static_cast<int>(std::strlen(text)));
  return *this;
}
CRefString& CRefString::operator+=(char ch) {
  Append(&ch, 1);
  return *this;
}

CRefString operator+(const CRefString& a, const CRefString& b) {
  CRefString r;
  r.Reserve(a.GetLength() + b.GetLength());
  r += a;
  r += b;
  return r;
}
CRefString operator+(const CRefString& a, const char* b) { return a + CRefString(b); }
CRefString operator+(const char* a, const CRefString& b) { return CRefString(a) + b; }
CRefString operator+(const CRefString& a, char b) { return a + CRefString(&b, 1); }

CRefString CRefString::Left(int count) const {
  if (count >= GetLength()) return *this;
  return CRefString(m_data, count < 0 ? 0 : count);
}

CRefString CRefString::Mid(int start) const { return Mid(start, GetLength()); }

CRefString CRefString::Mid(int start, int count) const {
  const int length = GetLength();
  if (start < 0) start = 0;
  if (start > length) start = length;
  if (count < 0) count = 0;
  if (count > length - start) count = length - start;
  if (start == 0 && count == length) return *this;
  return CRefString(m_data + start, count);
}

void CRefString::Insert(int index, const char* text, int length) {
  if (!text || length <= 0) return;
  const int current = GetLength();
  if (index < 0) index = 0;
  if (index > current) index = current;
  if (text >= m_data && text <= m_data + current) {
    CRefString copy(text, length);
    Insert(index, copy.m_data, length);
    return;
  }
  Reserve(current + length);
  std::memmove(m_data + index + length, m_data + index, static_cast<size_t>(current - index));
  std::memcpy(m_data + index, text, static_cast<size_t>(length));
  GetHeader()->length = current + length;
  m_data[current + length] = '\0';
}

void CRefString::Delete(int index, int count) {
  const int current = GetLength();
  if (index < 0 || index >= current || count <= 0) return;
  if (count > current - index) count = current - index;
  CopyBeforeWrite();
  std::memmove(m_data + index, m_data + index + count, static_cast<size_t>(current - index - count));
  GetHeader()->length = current - count;
  m_data[current - count] = '\0';
}

void CRefString::Truncate(int length) {
  if (length <= 0) {
    Empty();
    return;
  }
  if (length >= GetLength()) return;
  CopyBeforeWrite();
  GetHeader()->length = length;
  m_data[length] = '\0';
}

char* CRefString::GetBuffer(int minLength) {
  if (minLength < GetLength()) minLength = GetLength();
  if (minLength <= 0) minLength = 1;  // a writable buffer even for an empty string
  Reserve(minLength);
  GetHeader()->refs.store(-1);
  return m_data;
}

void CRefString::ReleaseBuffer(int length) {
  if (m_data == EmptyData()) return;
  Header* header = GetHeader();
  if (length < 0) length = static_cast<int>(strnlen(m_data, static_cast<size_t>(header->allocLength)));
  if (length > header->allocLength) length = header->allocLength;
  header->length = length;
  m_data[length] = '\0';
  header->refs.store(1);
}

char* CRefString::GetBufferSetLength(int length) {
  char* buffer = GetBuffer(length);
  ReleaseBuffer(length < 0 ? 0 : length);
  GetHeader()->refs.store(-1);
  return buffer;
}

void CRefString::Empty() { Release(); }

void CRefString::MakeUpper() {
  CopyBeforeWrite();
  for (int i = 0; i < GetLength(); ++i) {
    const auto ch = static_cast<unsigned char>(m_data[i]);
    if (IsDBCSLeadByte(ch) && i + 1 < GetLength() && IsDBCSTrailByte(static_cast<unsigned char>(m_data[i + 1]))) {
      ++i;
    } else if (ch >= 'a' && ch <= 'z') {
      m_data[i] = static_cast<char>(ch - 'a' + 'A');
    }
  }
}

void CRefString::MakeLower() {
  CopyBeforeWrite();
  for (int i = 0; i < GetLength(); ++i) {
    const auto ch = static_cast<unsigned char>(m_data[i]);
    if (IsDBCSLeadByte(ch) && i + 1 < GetLength() && IsDBCSTrailByte(static_cast<unsigned char>(m_data[i + 1]))) {
      ++i;
    } else if (ch >= 'A' && ch <= 'Z') {
      m_data[i] = static_cast<char>(ch - 'A' + 'a');
    }
  }
}

bool operator==(const CRefString& a, const CRefString& b) {
  return a.GetLength() == b.GetLength() && std::memcmp(a.m_data, b.m_data, static_cast<size_t>(a.GetLength())) == 0;
}

bool operator==(const CRefString& a, const char* b) {
  const size_t length = b ? std::strlen(b) : 0;
  return static_cast<size_t>(a.GetLength()) == length && (length == 0 || std::memcmp(a.m_data, b, length) == 0);
}
