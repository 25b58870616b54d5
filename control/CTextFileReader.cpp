#include "control/CTextFileReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>

#include "platform/base/CodePage.h"

namespace {

constexpr size_t kMaxChunk = 1000000;
constexpr size_t kLineStep = 50000;

// Bytes that end a run of plain line text.
constexpr auto kSpecial = [] {
  std::array<bool, 256> table{};
  table['\r'] = table['\n'] = table['\0'] = table['\t'] = true;
  return table;
}();

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
  m_eof = m_error = false;
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
    // Copy the run of ordinary bytes in one step.
    size_t end = m_pos;
    while (end < m_count && !kSpecial[static_cast<unsigned char>(m_chunk[end])]) ++end;
    if (end > m_pos) {
      const size_t run = end - m_pos;
      if (line.size() + run > line.capacity()) line.reserve(std::max(line.capacity() + kLineStep, line.size() + run));
      line.insert(line.end(), m_chunk.get() + m_pos, m_chunk.get() + end);
      m_pos = end;
      continue;
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
    if (ch == '\0') {
      line.push_back(' ');
      continue;
    }
    *flags |= LINEFLAG_TAB;
    line.push_back(ch);
  }
}
