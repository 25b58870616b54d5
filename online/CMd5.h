#pragma once
// MD5 digests (RFC 1321) for the request keys of the web file service.
#include <cstddef>
#include <cstdint>

#include "platform/base/CString.h"

class CMd5 {
 public:
  CMd5() { Init(); }

  void Init();
  void Update(const void* data, size_t length);
  // Writes the 16-byte digest and clears the context.
  void Final(unsigned char digest[16]);

  // The digest of the text's bytes as stored, as 32 lower-case hexadecimal digits; each call
  // starts from a fresh context.
  CString HexDigest(const char* text);

 private:
  void Transform(const unsigned char block[64]);

  uint32_t m_state[4];
  uint32_t m_count[2];  // bits, low word first
  unsigned char m_buffer[64];
};
