#pragma once
// The enciphered form of a native outline file: a 12-byte header, the packed hash of the read
// password, then the plain file's bytes enciphered block by block with a key text. The engine
// recognises such a file, asks for its password and deciphers it; the file's lines are handed to
// the reader by KvnFileLines.
#include <string>
#include <string_view>

#include "platform/base/CString.h"

class KvnCrypt {
 public:
  KvnCrypt();

  static bool IsEncryptedFile(const char* path);
  // Whether a file starting with these bytes (the first nine at least) is enciphered.
  static bool LooksEncrypted(std::string_view head);

  // Turns the bytes of an enciphered file at path into the plain file's bytes, after asking for
  // the read password when the file has one. False when the bytes are cut short, the password is
  // wrong (after a message) or its entry was cancelled.
  bool Decipher(const char* path, std::string& bytes);
  // The stored hash text of the file last deciphered with a password; empty otherwise.
  const CString& GetPassword() const { return m_strHash; }

  // Writes the plain native file's bytes (as on disk) enciphered with keyText (empty: the
  // no-password key) to path, through one temporary file beside it: the old file stays as it was
  // unless the whole enciphered file was written. False after a message.
  static bool WriteEncrypted(const char* path, const char* keyText, std::string_view plain);

  // The largest outline file the reader takes: texts and their lengths are int-sized throughout the model. A
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
  unsigned char m_header[12] = {};
  CString m_strHash;
};

// The hash text of a password: even length, characters 0-9 and A-E; empty for an empty password.
CString PasswordHash(const char* password);

char HexDigitChar(int value);
int HexDigitValue(char ch);
