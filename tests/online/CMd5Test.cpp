#include "online/CMd5.h"

#include <gtest/gtest.h>

#include "online/CNetFileService.h"

TEST(CMd5Test, DigestsAreTheRfc1321Values) {
  CMd5 md5;
  const struct {
    const char* text;
    const char* digest;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
  };
  for (const auto& c : cases) EXPECT_EQ(md5.HexDigest(c.text), c.digest) << c.text;
  // Each call starts afresh.
  EXPECT_EQ(md5.HexDigest("abc"), "900150983cd24fb0d6963f7d28e17f72");
}

TEST(CMd5Test, UpdateInPiecesEqualsOneUpdate) {
  const std::string text(200, 'x');
  CMd5 whole;
  const CString expected = whole.HexDigest(text.c_str());
  CMd5 pieces;
  for (size_t i = 0; i < text.size(); i += 7) pieces.Update(text.data() + i, std::min<size_t>(7, text.size() - i));
  unsigned char digest[16];
  pieces.Final(digest);
  CString hex;
  for (unsigned char b : digest) {
    CString two;
    two.Format("%02x", b);
    hex += two;
  }
  EXPECT_EQ(hex, expected);
}

TEST(CMd5Test, RequestKeyOfPasswordAndDate) {
  EXPECT_EQ(CNetFileService::MakeKey("secret", "2019/07/05 09:03:07"), "4d35f2e638a255c65e91351bcc80dcb2");
}
