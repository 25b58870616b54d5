#pragma once
// Comparisons of short byte strings (titles, folded sort keys) that a whole-outline pass makes
// several times per item. A library call per comparison costs more than the comparison itself at
// these lengths: these read a machine word at a time, inline.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace short_bytes {

template <typename Word>
Word WordAt(const char* p) {
  Word word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// The word as a number whose order is that of its bytes read from the lowest address.
inline std::uint64_t InByteOrder(std::uint64_t word) {
  if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(word);
  return word;
}

}  // namespace short_bytes

// Whether a and b hold the same bytes. The last word overlaps the one before it rather than
// ending byte by byte.
inline bool SameBytes(std::string_view a, std::string_view b) {
  using short_bytes::WordAt;
  const size_t n = a.size();
  if (n != b.size()) return false;
  const char* x = a.data();
  const char* y = b.data();
  using Word = std::uint64_t;
  using HalfWord = std::uint32_t;
  if (n >= sizeof(Word)) {
    for (size_t i = 0; i + sizeof(Word) < n; i += sizeof(Word)) {
      if (WordAt<Word>(x + i) != WordAt<Word>(y + i)) return false;
    }
    return WordAt<Word>(x + n - sizeof(Word)) == WordAt<Word>(y + n - sizeof(Word));
  }
  if (n >= sizeof(HalfWord)) {
    return WordAt<HalfWord>(x) == WordAt<HalfWord>(y) &&
           WordAt<HalfWord>(x + n - sizeof(HalfWord)) == WordAt<HalfWord>(y + n - sizeof(HalfWord));
  }
  for (size_t i = 0; i < n; ++i) {
    if (x[i] != y[i]) return false;
  }
  return true;
}

// Whether a comes before b, comparing bytes as unsigned values and a prefix before what extends
// it, as memcmp orders them.
inline bool BytesBefore(std::string_view a, std::string_view b) {
  using short_bytes::InByteOrder;
  using short_bytes::WordAt;
  using Word = std::uint64_t;
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  size_t i = 0;
  for (; i + sizeof(Word) <= common; i += sizeof(Word)) {
    const Word x = WordAt<Word>(a.data() + i), y = WordAt<Word>(b.data() + i);
    if (x != y) return InByteOrder(x) < InByteOrder(y);
  }
  for (; i < common; ++i) {
    if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
  }
  return a.size() < b.size();
}
