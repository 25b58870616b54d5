#include "model/KvnFileLines.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "model/KvnCrypt.h"
#include "platform/base/RegularFile.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Appends the rest of the file; false on a read error.
bool ReadRest(std::FILE* f, std::string& bytes) {
  char buffer[1 << 16];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof(buffer), f)) > 0) bytes.append(buffer, got);
  return std::ferror(f) == 0;
}

}  // namespace

KvnFileLines::~KvnFileLines() { Close(); }

bool KvnFileLines::Open(const char* path) {
  Close();
  FilePtr file(OpenRegularFileStream(path));
  if (!file) return false;
  struct stat st {};
  const long long size = fstat(fileno(file.get()), &st) == 0 ? static_cast<long long>(st.st_size) : -1;
  if (!KvnCrypt::CanOpenBytes(size, path)) return false;
  m_body.resize(kChunk);
  m_nEnd = std::fread(m_body.data(), 1, m_body.size(), file.get());
  if (std::ferror(file.get())) return false;
  if (!KvnCrypt::LooksEncrypted(std::string_view(m_body.data(), m_nEnd))) {
    m_file = file.release();
    m_bOpen = true;
    return true;
  }
  m_body.resize(m_nEnd);
  KvnCrypt crypt;
  if (!ReadRest(file.get(), m_body) || !crypt.Decipher(path, m_body)) {
    Close();
    return false;
  }
  m_strHash = crypt.GetPassword();
  m_nEnd = m_body.size();
  m_bDeciphered = true;
  m_bOpen = true;
  return true;
}

bool KvnFileLines::Fill() {
  if (m_file == nullptr) return false;
  // The unread rest moves to the front; a line longer than the buffer doubles it.
  std::memmove(m_body.data(), m_body.data() + m_nPos, m_nEnd - m_nPos);
  m_nEnd -= m_nPos;
  m_nPos = 0;
  if (m_nEnd == m_body.size()) m_body.resize(std::max(kChunk, 2 * m_body.size()));
  const size_t got = std::fread(m_body.data() + m_nEnd, 1, m_body.size() - m_nEnd, m_file);
  m_nEnd += got;
  if (got > 0) return true;
  m_bFailed = std::ferror(m_file) != 0;
  std::fclose(m_file);
  m_file = nullptr;
  return false;
}

bool KvnFileLines::ReadLine(std::string_view& line) {
  if (!m_bOpen) return false;
  size_t scanned = m_nPos;
  for (;;) {
    const auto* lf = static_cast<const char*>(std::memchr(m_body.data() + scanned, '\n', m_nEnd - scanned));
    if (lf != nullptr) {
      const size_t stop = static_cast<size_t>(lf - m_body.data()) + 1;
      line = std::string_view(m_body.data() + m_nPos, stop - m_nPos);
      m_nPos = stop;
      return true;
    }
    const size_t pending = m_nEnd - m_nPos;
    if (!Fill()) break;
    scanned = m_nPos + pending;
  }
  if (m_nPos >= m_nEnd) return false;
  line = std::string_view(m_body.data() + m_nPos, m_nEnd - m_nPos);
  m_nPos = m_nEnd;
  return true;
}

void KvnFileLines::Close() {
  if (m_file != nullptr) std::fclose(m_file);
  m_file = nullptr;
  std::string().swap(m_body);
  m_nPos = 0;
  m_nEnd = 0;
  m_bOpen = false;
  m_bDeciphered = false;
  m_bFailed = false;
  m_strHash.Empty();
}
