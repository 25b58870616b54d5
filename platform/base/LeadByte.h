#pragma once
// The lead bytes of code page 932 (0x81-0x9F and 0xE0-0xFC) as a table at hand, for the scans that
// ask for every byte of a whole text: a call into the shared library per byte would cost more than
// the scan itself.
#include <array>

namespace lead_byte_detail {
constexpr std::array<bool, 256> MakeTable() {
  std::array<bool, 256> table{};
  for (int b = 0; b < 256; ++b) table[static_cast<size_t>(b)] = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
  return table;
}
inline constexpr std::array<bool, 256> kTable = MakeTable();
}  // namespace lead_byte_detail

inline bool IsLeadByte(unsigned char ch) { return lead_byte_detail::kTable[ch]; }
inline bool IsLeadByte(char ch) { return IsLeadByte(static_cast<unsigned char>(ch)); }
