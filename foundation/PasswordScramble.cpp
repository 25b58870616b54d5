#include "foundation/PasswordScramble.h"

#include <cstring>

namespace {

// Letter i of "ABCDEF" is written as kPermutation[(keyLength + i) mod 6].
const char kPermutation[] = "CFADBE";

int KeyAt(const int* key, int keyLength, int i) { return keyLength > 0 ? key[i % keyLength] : 0; }

int Mod6(int v) { return ((v % 6) + 6) % 6; }

char PermuteLetter(char ch, int keyLength) {
  if (ch < 'A' || ch > 'F') return ch;
  return kPermutation[Mod6(keyLength + (ch - 'A'))];
}

char UnpermuteLetter(char ch, int keyLength) {
  const char* at = ch ? std::strchr(kPermutation, ch) : nullptr;
  if (!at) return ch;
  return static_cast<char>('A' + Mod6(static_cast<int>(at - kPermutation) - keyLength));
}

int Hex(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

}  // namespace

CString ScramblePassword(const char* text, const int* key, int keyLength) {
  CString joined;
  const int length = static_cast<int>(std::strlen(text));
  for (int i = 0; i < length; ++i) {
    const int b = static_cast<unsigned char>(text[i]);
    const int v = ((KeyAt(key, keyLength, i) + b + i) % 256 + 256) % 256;
    CString piece;
    piece.Format("%02X%02X", v, b ^ v);
    for (int k = 0; k < piece.GetLength(); ++k) piece.SetAt(k, PermuteLetter(piece[k], keyLength));
    joined += piece;
  }
  const int half = joined.GetLength() / 2;
  return joined.Mid(half) + joined.Left(half);
}

CString UnscramblePassword(const char* text, const int* key, int keyLength) {
  const CString scrambled(text);
  const int length = scrambled.GetLength();
  if (length % 4 != 0) return CString();
  const int half = length / 2;
  const CString joined = scrambled.Mid(length - half) + scrambled.Left(length - half);
  CString out;
  for (int i = 0; i * 4 < length; ++i) {
    int digits[4];
    for (int k = 0; k < 4; ++k) {
      digits[k] = Hex(UnpermuteLetter(joined[i * 4 + k], keyLength));
      if (digits[k] < 0) return CString();
    }
    const int v = digits[0] * 16 + digits[1];
    const int b = (digits[2] * 16 + digits[3]) ^ v;
    if (((KeyAt(key, keyLength, i) + b + i) % 256 + 256) % 256 != v) return CString();
    out += static_cast<char>(b);
  }
  return out;
}
