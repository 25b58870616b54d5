#include "foundation/CTextFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "platform/base/AtomicFile.h"
#include "platform/base/FileAccess.h"
#include "platform/base/CodePage.h"
#include "platform/base/TextModeFile.h"

namespace {

const char kOpenFailed[] = "ファイルのオープンに失敗しました";
const char kCloseFailed[] = "ファイルのクローズに失敗しました";
const char kWriteFailed[] = "ファイルの書込に失敗しました";
const char kSeekFailed[] = "ファイルのシークに失敗しました";
const char kReadFailed[] = "ファイルの読込に失敗しました";
const char kNoBuffer[] = "ファイル読み込みバッファ確保エラー：";

constexpr int kLineBufferSize = 2048;

// One trailing LF, then one trailing CR.
void StripLineEnd(char* buffer) {
  size_t length = std::char_traits<char>::length(buffer);
  if (length > 0 && buffer[length - 1] == '\n') buffer[--length] = '\0';
  if (length > 0 && buffer[length - 1] == '\r') buffer[--length] = '\0';
}

}  // namespace

CPelkoFileException::CPelkoFileException(const char* message, const char* fileName) {
  m_strMessage = CString(message) + ":" + fileName;
}

CTextFile::CTextFile() = default;

CTextFile::CTextFile(const char* fileName, const char* mode) { Open(fileName, mode); }

CTextFile::~CTextFile() { Discard(); }

void CTextFile::Throw(const char* message) const { throw CPelkoFileException(message, m_strFileName); }

void CTextFile::Discard() {
  m_pFile.reset();
  if (!m_strTempName.IsEmpty()) std::remove(CP932ToUTF8(m_strTempName.GetString()).c_str());
  m_strTempName.Empty();
}

bool CTextFile::Open(const char* fileName, const char* mode) {
  const bool replacing = mode != nullptr && mode[0] == 'w';
  CString tempName;
  if (replacing) {
    // A read-only file is never replaced: refuse at once, as opening it for writing would.
    struct stat st {};
    const std::string osName = CP932ToUTF8(fileName);
    if (stat(osName.c_str(), &st) == 0 && IsReadOnlyForUser(st)) {
      throw CPelkoFileException(kOpenFailed, fileName);
    }
    tempName = CreateTempFileBeside(fileName);
    if (tempName.IsEmpty()) throw CPelkoFileException(kOpenFailed, fileName);
  }
  m_pFile = TextModeFile::Open(replacing ? tempName.GetString() : fileName, mode);
  if (!m_pFile) {
    if (replacing) std::remove(CP932ToUTF8(tempName.GetString()).c_str());
    throw CPelkoFileException(kOpenFailed, fileName);
  }
  m_strFileName = fileName;
  m_strTempName = tempName;
  return true;
}

bool CTextFile::Close() {
  if (!m_pFile) return true;
  const bool closed = m_pFile->Close() == 0;
  m_pFile.reset();
  if (!closed) {
    Discard();
    Throw(kCloseFailed);
  }
  if (!m_strTempName.IsEmpty()) {
    const CString temp = m_strTempName;
    m_strTempName.Empty();
    if (!CommitTempFile(temp, m_strFileName)) Throw(kCloseFailed);
  }
  return true;
}

bool CTextFile::ReadLineBuf(char* buffer, int size) {
  if (!m_pFile || m_pFile->Gets(buffer, size) == nullptr) return false;
  StripLineEnd(buffer);
  return true;
}

bool CTextFile::ReadLine(CString& line) {
  char buffer[kLineBufferSize];
  if (!ReadLineBuf(buffer, kLineBufferSize)) return false;
  line = buffer;
  return true;
}

bool CTextFile::WriteString(const char* text) {
  if (!m_pFile || m_pFile->Puts(text ? text : "") < 0) Throw(kWriteFailed);
  return true;
}

bool CTextFile::WriteString(const CString& text) { return WriteBytes(text.str()); }

bool CTextFile::WriteBytes(std::string_view bytes) {
  if (!m_pFile || m_pFile->Write(bytes.data(), bytes.size()) != bytes.size()) Throw(kWriteFailed);
  return true;
}

void CTextFile::StartWriteBack() {
  if (m_pFile) m_pFile->StartWriteBack();
}

long long CTextFile::GetLength() {
  const long long position = GetPosition();
  Seek(0, SEEK_END);
  const long long length = GetPosition();
  Seek(position, SEEK_SET);
  return length;
}

void CTextFile::Seek(long long offset, int origin) {
  if (!m_pFile || m_pFile->Seek(offset, origin) != 0) Throw(kSeekFailed);
}

long long CTextFile::GetPosition() const { return m_pFile ? m_pFile->Tell() : -1; }

int CTextFile::Read(void* buffer, int count) {
  if (!m_pFile) Throw(kReadFailed);
  const size_t read = m_pFile->Read(buffer, count > 0 ? static_cast<size_t>(count) : 0);
  if (m_pFile->Error()) Throw(kReadFailed);
  return static_cast<int>(read);
}

CString CTextFile::ReadAll() {
  const long long length = GetLength();
  // Read counts and text lengths are int-sized: a larger file cannot be held whole.
  if (length > INT_MAX) Throw(kNoBuffer);
  std::vector<char> buffer;
  try {
    buffer.resize(static_cast<size_t>(length) + 1);
  } catch (const std::bad_alloc&) {
    Throw(kNoBuffer);
  } catch (const std::length_error&) {
    Throw(kNoBuffer);
  }
  const int read = Read(buffer.data(), static_cast<int>(length));
  buffer[static_cast<size_t>(read)] = '\0';
  return CString(buffer.data());
}
