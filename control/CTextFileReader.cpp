#include "control/CTextFileReader.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/CodePage.h"

namespace {

constexpr size_t kMaxChunk = 1000000;
constexpr size_t kLineStep = 50000;

}  // namespace

CTextFileReader::~CTextFileReader() { Close(); }

bool CTextFileReader::Open(const char* path) {
  Close();
  m_file = std::fopen(CP932ToUTF8(path).c_str(), "rb");
  if (!m_file) return false;
  struct stat info {};
  const size_t size = fstat(fileno(m_file), &info) == 0 ? static_cast<size_t>(info.st_size) : kMaxChunk;
  m_chunkSize = std::clamp<size_t>(size, 1, kMaxChunk);
  m_chunk = std::make_unique<char[]>(m_chunkSize);
  m_count = m_pos = 0;
  m_eof = m_error = m_hadNul = false;
  return true;
}

void CTextFileReader::Close() {
  if (m_file) std::fclose(m_file);
  m_file = nullptr;
  m_chunk.reset();
}

bool CTextFileReader::ReadChunk() {
  if (m_eof || !m_file) return false;
  m_count = std::fread(m_chunk.get(), 1, m_chunkSize, m_file);
  m_pos = 0;
  if (m_count == 0) {
    m_eof = true;
    if (std::ferror(m_file)) m_error = true;
    return false;
  }
  return true;
}

bool CTextFileReader::ReadLine(std::vector<char>& line, unsigned* flags) {
  line.clear();
  *flags = 0;
  bool pendingCR = false;
  for (;;) {
    if (m_pos >= m_count && !ReadChunk()) {
      if (m_error) return false;
      if (!pendingCR) *flags |= LINEFLAG_LAST;
      else *flags |= LINEFLAG_CR;
      return true;
    }
    const char ch = m_chunk[m_pos];
    if (pendingCR) {
      if (ch == '\n') {
        ++m_pos;
      } else {
        *flags |= LINEFLAG_CR;  // the byte stays for the next line
      }
      return true;
    }
    ++m_pos;
    if (ch == '\r') {
      pendingCR = true;
      continue;
    }
    if (ch == '\n') {
      *flags |= LINEFLAG_LF;
      return true;
    }
    if (line.size() == line.capacity()) line.reserve(line.capacity() + kLineStep);
    if (ch == '\0') {
      m_hadNul = true;
      line.push_back(' ');
      continue;
    }
    if (ch == '\t') *flags |= LINEFLAG_TAB;
    line.push_back(ch);
  }
}
