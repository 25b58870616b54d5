#include "platform/base/TextModeFile.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/base/CodePage.h"

namespace {

// The OS mode for a Windows mode string: the access letters, always binary (the translation is
// ours), close-on-exec so that started programs do not inherit the file. Empty when invalid.
std::string OsMode(const char* mode, bool& text) {
  if (mode == nullptr) return std::string();
  const char access = mode[0];
  if (access != 'r' && access != 'w' && access != 'a') return std::string();
  std::string os(1, access);
  text = true;
  for (const char* p = mode + 1; *p != '\0' && *p != ','; ++p) {  // ",ccs=..." is an encoding hint
    if (*p == '+') os += '+';
    else if (*p == 'b') text = false;
    else if (*p == 't') text = true;
  }
  return os + "be";
}

}  // namespace

std::unique_ptr<TextModeFile> TextModeFile::Open(const char* path, const char* mode) {
  bool text = true;
  const std::string osMode = OsMode(mode, text);
  if (path == nullptr || osMode.empty()) {
    errno = EINVAL;
    return nullptr;
  }
  FILE* stream = std::fopen(CP932ToUTF8(path).c_str(), osMode.c_str());
  if (stream == nullptr) return nullptr;
  return std::unique_ptr<TextModeFile>(new TextModeFile(stream, text));
}

TextModeFile::~TextModeFile() {
  if (m_stream != nullptr) std::fclose(m_stream);
}

int TextModeFile::GetChar() {
  const int ch = getc_unlocked(m_stream);
  if (ch != '\r' || !m_text) return ch;
  const int next = getc_unlocked(m_stream);
  if (next == '\n') return '\n';
  if (next != EOF) ungetc(next, m_stream);
  return ch;
}

char* TextModeFile::Gets(char* buffer, int size) {
  if (m_stream == nullptr || buffer == nullptr || size <= 0) return nullptr;
  int n = 0;
  while (n < size - 1) {
    const int ch = GetChar();
    if (ch == EOF) break;
    buffer[n++] = static_cast<char>(ch);
    if (ch == '\n') break;
  }
  if (n == 0 && size > 1) return nullptr;
  buffer[n] = '\0';
  return buffer;
}

int TextModeFile::Puts(const char* text) {
  if (text == nullptr) return EOF;
  const size_t length = std::strlen(text);
  return Write(text, length) == length ? 0 : EOF;
}

size_t TextModeFile::Read(void* buffer, size_t count) {
  if (m_stream == nullptr) return 0;
  if (!m_text) return std::fread(buffer, 1, count, m_stream);
  auto* out = static_cast<char*>(buffer);
  size_t n = 0;
  while (n < count) {
    const int ch = GetChar();
    if (ch == EOF) break;
    out[n++] = static_cast<char>(ch);
  }
  return n;
}

size_t TextModeFile::Write(const void* data, size_t count) {
  if (m_stream == nullptr) return 0;
  const auto* bytes = static_cast<const char*>(data);
  if (!m_text) return std::fwrite(bytes, 1, count, m_stream);
  size_t done = 0;
  while (done < count) {
    const auto* lf = static_cast<const char*>(std::memchr(bytes + done, '\n', count - done));
    const size_t run = (lf ? static_cast<size_t>(lf - bytes) : count) - done;
    if (std::fwrite(bytes + done, 1, run, m_stream) != run) return done;
    done += run;
    if (lf == nullptr) break;
    if (std::fwrite("\r\n", 1, 2, m_stream) != 2) return done;
    ++done;
  }
  return done;
}

void TextModeFile::AppendDiskText(std::string& out, std::string_view text) {
  size_t done = 0;
  while (done < text.size()) {
    const size_t lf = text.find('\n', done);
    out.append(text, done, (lf == std::string_view::npos ? text.size() : lf) - done);
    if (lf == std::string_view::npos) break;
    out += "\r\n";
    done = lf + 1;
  }
}

int TextModeFile::Seek(long long offset, int origin) {
  return m_stream ? fseeko(m_stream, static_cast<off_t>(offset), origin) : -1;
}

long long TextModeFile::Tell() const { return m_stream ? static_cast<long long>(ftello(m_stream)) : -1; }

int TextModeFile::Flush() { return m_stream ? std::fflush(m_stream) : EOF; }

int TextModeFile::StartWriteBack() {
  if (m_stream == nullptr || std::fflush(m_stream) != 0) return -1;
  return sync_file_range(fileno(m_stream), 0, 0, SYNC_FILE_RANGE_WRITE) == 0 ? 0 : -1;
}

bool TextModeFile::Eof() const { return m_stream == nullptr || std::feof(m_stream) != 0; }

bool TextModeFile::Error() const { return m_stream == nullptr || std::ferror(m_stream) != 0; }

int TextModeFile::Close() {
  if (m_stream == nullptr) return EOF;
  const int result = std::fclose(m_stream);
  m_stream = nullptr;
  return result;
}
