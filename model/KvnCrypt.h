#pragma once
// The enciphered form of a native outline file: a 12-byte header, the packed hash of the read
// password, then the plain file's bytes enciphered block by block with a key text. The engine
// deciphers a file into memory and hands out its lines; plain files are read the same way.
#include <string>
#include <string_view>

#include "platform/CString.h"

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
  // The next line with its LF, of any length; the last line is returned even without a LF. False
  // at the end of the data.
  bool ReadLine(std::string_view& line);
  // All the plain content at once, moved out: the engine is closed after it.
  std::string TakeContent();
  void Close();

  bool IsDeciphered() const { return m_bDeciphered; }
  // The stored hash text of the file last opened with a password; empty otherwise.
  CString GetPassword() const { return m_strHash; }

  // Writes the plain native file's bytes (as on disk) enciphered with keyText (empty: the
  // no-password key) to path, through one temporary file beside it: the old file stays as it was
  // unless the whole enciphered file was written. False after a message.
  static bool WriteEncrypted(const char* path, const char* keyText, std::string_view plain);

  static void EncipherBlock(unsigned char* data, const char* keyText, int n);
  static void DecipherBlock(unsigned char* data, const char* keyText, int n);

  // The key text of files that have no read password.
  static const char* const NoPasswordKey;

 private:
  std::string m_body;  // whole plain content of the file
  size_t m_nPos = 0;
  bool m_bOpen = false;
  bool m_bDeciphered = false;
  unsigned char m_header[12] = {};
  CString m_strHash;
};

// The hash text of a password: even length, characters 0-9 and A-E; empty for an empty password.
CString PasswordHash(const char* password);

char HexDigitChar(int value);
int HexDigitValue(char ch);
