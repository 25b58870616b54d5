#pragma once
// The enciphered form of a native outline file: a 12-byte header, the packed hash of the read
// password, then the plain file's bytes enciphered block by block with a key text. The engine
// deciphers a file into memory and hands out its lines; a plain file it reads a piece at a time
// as its lines are taken, so that a large file is never held whole beside its model.
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/base/CString.h"

class KvnCrypt {
 public:
  KvnCrypt();
  ~KvnCrypt();
  KvnCrypt(const KvnCrypt&) = delete;
  KvnCrypt& operator=(const KvnCrypt&) = delete;

  static bool IsEncryptedFile(const char* path);

  // Loads a plain file, or deciphers an enciphered one after asking for its password. False when the
  // file cannot be read, the password is wrong (after a message) or its entry was cancelled.
  bool Open(const char* path);
  // Reads only the bytes [begin, end) of a plain file, handed out as lines the same way; for one
  // run of a file read by several threads, which starts and ends at line starts.
  bool OpenPlainRange(const char* path, long long begin, long long end);
  // The next line with its LF, of any length; the last line is returned even without a LF. False
  // at the end of the data. The line stays valid until the next call.
  bool ReadLine(std::string_view& line);
  // A plain file that could not be read to its end.
  bool HasFailed() const { return m_bFailed; }
  void Close();

  bool IsDeciphered() const { return m_bDeciphered; }
  // The size on disk of the file last opened, -1 when it could not be told.
  long long GetFileSize() const { return m_nFileSize; }
  // The stored hash text of the file last opened with a password; empty otherwise.
  CString GetPassword() const { return m_strHash; }

  // Writes the plain native file's bytes (as on disk) enciphered with keyText (empty: the
  // no-password key) to path, through one temporary file beside it: the old file stays as it was
  // unless the whole enciphered file was written. False after a message.
  static bool WriteEncrypted(const char* path, const char* keyText, std::string_view plain);

  // The largest file Open reads: texts and their lengths are int-sized throughout the model. A
  // save or an import that would make a larger outline file is refused, so that no file is made
  // that could not be opened again. Tests make it small.
  static long long s_nMostFileBytes;
  // Whether an outline file of that many bytes could be opened again; when not, the user is told
  // that the file at path was not saved.
  static bool CanSaveBytes(long long bytes, const char* path);
  // Whether an outline that needs at least that many bytes on disk could be saved and opened
  // again; when not, the user is told that the file at path cannot be opened.
  static bool CanOpenBytes(long long bytes, const char* path);

  static void EncipherBlock(unsigned char* data, const char* keyText, int n);
  static void DecipherBlock(unsigned char* data, const char* keyText, int n);

  // The key text of files that have no read password.
  static const char* const NoPasswordKey;

 private:
  static constexpr size_t kChunk = 1 << 20;
  // Reads more of a plain file behind what is unread; false at its end.
  bool Fill();

  std::string m_body;  // the deciphered content, or the piece of a plain file read so far
  size_t m_nPos = 0;   // first byte not handed out
  size_t m_nEnd = 0;   // end of the bytes read
  std::FILE* m_file = nullptr;  // a plain file still being read
  long long m_nLeft = -1;  // of a plain range, the bytes not yet read; -1 for the whole file
  long long m_nFileSize = -1;
  bool m_bFailed = false;
  bool m_bOpen = false;
  bool m_bDeciphered = false;
  unsigned char m_header[12] = {};
  CString m_strHash;
};

// The hash text of a password: even length, characters 0-9 and A-E; empty for an empty password.
CString PasswordHash(const char* password);

char HexDigitChar(int value);
int HexDigitValue(char ch);
