#include "model/KvnCrypt.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "model/ModelPrompts.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/RegularFile.h"
#include "platform/desktop/MessageBox.h"

const char* const KvnCrypt::NoPasswordKey = "7C3E9A10B4F2D85E6A0C1B9F3D7E2A4C8B6F0D1E5";
long long KvnCrypt::s_nMostFileBytes = INT_MAX;

namespace {

constexpr char kMagic[] = "PELKO";
constexpr size_t kHeaderSize = 12;

bool IsDigit(unsigned char ch) { return ch >= '0' && ch <= '9'; }
bool IsLetter(unsigned char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }

bool LooksEncrypted(const std::string& bytes) {
  if (bytes.size() <= 8 || bytes.compare(0, 5, kMagic) != 0) return false;
  return IsDigit(static_cast<unsigned char>(bytes[5])) && IsDigit(static_cast<unsigned char>(bytes[6])) &&
         IsLetter(static_cast<unsigned char>(bytes[7]));
}

// Key byte i + 1, the key's terminating zero counting as even.
bool NextKeyOdd(const char* key, int keyLength, int i) {
  return i + 1 < keyLength && (static_cast<unsigned char>(key[i + 1]) & 1) != 0;
}

void CipherBlocks(unsigned char* data, size_t length, const char* key, bool encipher) {
  const size_t k = std::strlen(key);
  size_t offset = 0;
  auto run = [&](size_t n) {
    if (encipher) {
      KvnCrypt::EncipherBlock(data + offset, key, static_cast<int>(n));
    } else {
      KvnCrypt::DecipherBlock(data + offset, key, static_cast<int>(n));
    }
  };
  // Full blocks, then the rest as a final block (a whole block when the length is a multiple of K
  // on reading, an empty one on writing: both give the same bytes).
  while (offset + k < length) {
    run(k);
    offset += k;
  }
  if (length > offset) run(length - offset);
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr OpenRead(const char* path) { return FilePtr(OpenRegularFileStream(path)); }

bool ReadFileHead(const char* path, size_t count, std::string& bytes) {
  FilePtr f = OpenRead(path);
  if (!f) return false;
  bytes.resize(count);
  bytes.resize(std::fread(bytes.data(), 1, count, f.get()));
  return true;
}

// Appends the rest of the file; false on a read error.
bool ReadRest(std::FILE* f, std::string& bytes) {
  char buffer[1 << 16];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof(buffer), f)) > 0) bytes.append(buffer, got);
  return std::ferror(f) == 0;
}

CString FileNameOf(const char* path) {
  const char* slash = std::strrchr(path, '/');
  const char* back = std::strrchr(path, '\\');
  const char* last = slash > back ? slash : back;
  return CString(last ? last + 1 : path);
}

}  // namespace

char HexDigitChar(int value) { return static_cast<char>(value < 10 ? '0' + value : 'A' + value - 10); }

int HexDigitValue(char ch) { return ch < 'A' ? ch - '0' : ch - '7'; }

void KvnCrypt::EncipherBlock(unsigned char* data, const char* keyText, int n) {
  const int keyLength = static_cast<int>(std::strlen(keyText));
  for (int i = 0; i < n && i < keyLength; ++i) {
    const int d = static_cast<unsigned char>(keyText[i]) & 0x0F;
    data[i] = static_cast<unsigned char>(NextKeyOdd(keyText, keyLength, i) ? data[i] + d : data[i] - d);
  }
  for (int i = 0, j = n - 1; i < j; ++i, --j) std::swap(data[i], data[j]);
  for (int i = 0; i < n; ++i) data[i] = static_cast<unsigned char>((data[i] << 4) | (data[i] >> 4));
}

void KvnCrypt::DecipherBlock(unsigned char* data, const char* keyText, int n) {
  const int keyLength = static_cast<int>(std::strlen(keyText));
  for (int i = 0; i < n; ++i) data[i] = static_cast<unsigned char>((data[i] << 4) | (data[i] >> 4));
  for (int i = 0, j = n - 1; i < j; ++i, --j) std::swap(data[i], data[j]);
  for (int i = 0; i < n && i < keyLength; ++i) {
    const int d = static_cast<unsigned char>(keyText[i]) & 0x0F;
    data[i] = static_cast<unsigned char>(NextKeyOdd(keyText, keyLength, i) ? data[i] - d : data[i] + d);
  }
}

CString PasswordHash(const char* password) {
  const size_t length = password ? std::strlen(password) : 0;
  if (length == 0) return CString();
  // The work area bounds the password: a longer one is hashed by its first 2048 bytes.
  unsigned char b[2048] = {};
  const int n = static_cast<int>(std::min(length, sizeof(b)));
  std::memcpy(b, password, static_cast<size_t>(n));

  int a[200];
  int pos = (b[0] / 10 + b[0] % 10) % n;
  int sum = 0;
  for (int i = 0; i < 200; ++i) {
    const int t = (b[i] >> 4) + (b[i] & 15) + i + (b[pos] / 10 + b[pos] % 10);
    a[i] = t % 15;
    b[pos] = static_cast<unsigned char>((b[pos] + t) % 256);
    sum += t;
    const int q = (pos + t) % n;
    pos = q != pos ? q : (pos + 1) % n;
  }
  char h[200];
  pos = sum % 200;
  for (int i = 0; i < 200; ++i) {
    h[i] = HexDigitChar(a[pos] % 15);
    pos = (pos + a[pos] + i) % 200;
  }
  CString out;
  for (int i = 0; i < 200;) {
    out += h[i];
    ++i;
    if (i < 200) i += h[i] & 15;
  }
  if (out.GetLength() % 2 != 0) out += HexDigitChar(sum % 15);
  return out;
}

bool KvnCrypt::CanSaveBytes(long long bytes, const char* path) {
  if (bytes <= s_nMostFileBytes) return true;
  AfxMessageBox(CString("ファイルが大きすぎるため保存できません（保存すると開けなくなります）：") + path);
  return false;
}

bool KvnCrypt::CanOpenBytes(long long bytes, const char* path) {
  if (bytes <= s_nMostFileBytes) return true;
  AfxMessageBox(CString("ファイルが大きすぎるため開けません：") + path);
  return false;
}

KvnCrypt::KvnCrypt() { std::srand(static_cast<unsigned>(std::time(nullptr))); }

KvnCrypt::~KvnCrypt() { Close(); }

bool KvnCrypt::IsEncryptedFile(const char* path) {
  std::string head;
  if (!ReadFileHead(path, 9, head)) return false;
  return LooksEncrypted(head);
}

bool KvnCrypt::Open(const char* path) {
  Close();
  FilePtr file = OpenRead(path);
  if (!file) return false;
  struct stat st {};
  if (fstat(fileno(file.get()), &st) == 0) m_nFileSize = static_cast<long long>(st.st_size);
  if (!CanOpenBytes(m_nFileSize, path)) return false;
  m_body.resize(kChunk);
  m_nEnd = std::fread(m_body.data(), 1, m_body.size(), file.get());
  if (std::ferror(file.get())) return false;
  if (!LooksEncrypted(m_body.substr(0, std::min<size_t>(m_nEnd, 9)))) {
    // A plain file is read a piece at a time as its lines are taken.
    m_file = file.release();
    m_bOpen = true;
    return true;
  }
  std::string bytes = m_body.substr(0, m_nEnd);
  if (!ReadRest(file.get(), bytes)) return false;
  m_nEnd = 0;
  if (bytes.size() < kHeaderSize) return false;
  std::memcpy(m_header, bytes.data(), kHeaderSize);
  const size_t n = m_header[10] | (static_cast<size_t>(m_header[11]) << 8);
  if (bytes.size() < kHeaderSize + n) return false;
  m_strHash.Empty();
  CString key = NoPasswordKey;
  if (n > 0) {
    CString stored;
    for (size_t i = 0; i < n; ++i) {
      const unsigned char byte = static_cast<unsigned char>(bytes[kHeaderSize + i]);
      stored += HexDigitChar(byte >> 4);
      stored += HexDigitChar(byte & 0x0F);
    }
    m_strHash = stored;
    IModelPrompts* prompts = Seam<IModelPrompts>::Get();
    CString password;
    if (!prompts || !prompts->AskPassword(FileNameOf(path), "", password)) return false;
    if (PasswordHash(password) != stored) {
      AfxMessageBox("パスワードが違います。大文字小文字半角全角に注意して入力してください。");
      return false;
    }
    key = stored;
  }
  m_body.assign(bytes, kHeaderSize + n, std::string::npos);
  CipherBlocks(reinterpret_cast<unsigned char*>(m_body.data()), m_body.size(), key, false);
  m_nEnd = m_body.size();
  m_bDeciphered = true;
  m_bOpen = true;
  return true;
}

bool KvnCrypt::OpenPlainRange(const char* path, long long begin, long long end) {
  Close();
  FilePtr file = OpenRead(path);
  if (!file || begin > end || fseeko(file.get(), static_cast<off_t>(begin), SEEK_SET) != 0) return false;
  m_nLeft = end - begin;
  m_file = file.release();
  m_bOpen = true;
  return true;
}

bool KvnCrypt::Fill() {
  if (m_file == nullptr) return false;
  // The unread rest moves to the front; a line longer than the buffer doubles it.
  std::memmove(m_body.data(), m_body.data() + m_nPos, m_nEnd - m_nPos);
  m_nEnd -= m_nPos;
  m_nPos = 0;
  if (m_nEnd == m_body.size()) m_body.resize(std::max(kChunk, 2 * m_body.size()));
  size_t want = m_body.size() - m_nEnd;
  if (m_nLeft >= 0) want = std::min(want, static_cast<size_t>(m_nLeft));
  const size_t got = want > 0 ? std::fread(m_body.data() + m_nEnd, 1, want, m_file) : 0;
  if (m_nLeft >= 0) m_nLeft -= static_cast<long long>(got);
  m_nEnd += got;
  if (got > 0) return true;
  m_bFailed = std::ferror(m_file) != 0;
  std::fclose(m_file);
  m_file = nullptr;
  return false;
}

bool KvnCrypt::ReadLine(std::string_view& line) {
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

void KvnCrypt::Close() {
  if (m_file != nullptr) std::fclose(m_file);
  m_file = nullptr;
  std::string().swap(m_body);
  m_nPos = 0;
  m_nEnd = 0;
  m_nLeft = -1;
  m_nFileSize = -1;
  m_bOpen = false;
  m_bDeciphered = false;
  m_bFailed = false;
}

bool KvnCrypt::WriteEncrypted(const char* path, const char* keyText, std::string_view plain) {
  const CString given = keyText ? keyText : "";
  unsigned char header[kHeaderSize];
  std::memcpy(header, kMagic, 5);
  header[5] = static_cast<unsigned char>('0' + std::rand() % 10);
  header[6] = static_cast<unsigned char>('0' + std::rand() % 10);
  header[7] = static_cast<unsigned char>('A' + std::rand() % 26);
  header[8] = 0x01;
  header[9] = 0x01;
  const size_t n = given.IsEmpty() ? 0 : static_cast<size_t>(given.GetLength() / 2);
  header[10] = static_cast<unsigned char>(n & 0xFF);
  header[11] = static_cast<unsigned char>((n >> 8) & 0xFF);

  std::string out(reinterpret_cast<const char*>(header), kHeaderSize);
  for (size_t i = 0; i < n; ++i) {
    out += static_cast<char>(HexDigitValue(given[static_cast<int>(2 * i)]) * 16 +
                             HexDigitValue(given[static_cast<int>(2 * i + 1)]));
  }
  const size_t bodyStart = out.size();
  out += plain;
  const CString key = given.IsEmpty() ? CString(NoPasswordKey) : given;
  if (!CanSaveBytes(static_cast<long long>(out.size()), path)) return false;
  CipherBlocks(reinterpret_cast<unsigned char*>(out.data() + bodyStart), plain.size(), key, true);
  if (!WriteFileAtomically(path, out)) {
    AfxMessageBox("暗号化ファイル作成に失敗しました");
    return false;
  }
  return true;
}
