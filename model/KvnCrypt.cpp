#include "model/KvnCrypt.h"

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

bool KvnCrypt::LooksEncrypted(std::string_view head) {
  if (head.size() <= 8 || head.compare(0, 5, kMagic) != 0) return false;
  return IsDigit(static_cast<unsigned char>(head[5])) && IsDigit(static_cast<unsigned char>(head[6])) &&
         IsLetter(static_cast<unsigned char>(head[7]));
}

bool KvnCrypt::IsEncryptedFile(const char* path) {
  std::string head;
  if (!ReadFileHead(path, 9, head)) return false;
  return LooksEncrypted(head);
}

bool KvnCrypt::Decipher(const char* path, std::string& bytes) {
  m_strHash.Empty();
  if (bytes.size() < kHeaderSize) return false;
  std::memcpy(m_header, bytes.data(), kHeaderSize);
  const size_t n = m_header[10] | (static_cast<size_t>(m_header[11]) << 8);
  if (bytes.size() < kHeaderSize + n) return false;
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
  // The body moves to the front of the same bytes: a large file is not held twice.
  bytes.erase(0, kHeaderSize + n);
  CipherBlocks(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size(), key, false);
  return true;
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
