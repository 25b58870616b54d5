#include "control/ColorTable.h"

#include <cstring>

void CColorTable::Reset() {
  static constexpr std::uint32_t kText[ROLE_COUNT] = {0x000000, 0xFFFFFF, 0x000080, 0x808000, 0x000000,
                                                      0xFF0000, 0x008000, 0x008080, 0x000000, 0x800080,
                                                      0x0000FF, 0xFF0000, 0x008000, 0xFF8000, 0x000000};
  static constexpr std::uint32_t kBack[ROLE_COUNT] = {0xFFFFFF, 0x800000, 0xFFFFFF, 0xFFFFFF, 0x40FF40,
                                                      0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x00FFFF, 0xFFFFFF,
                                                      0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
  std::memcpy(Text, kText, sizeof(Text));
  std::memcpy(Back, kBack, sizeof(Back));
  std::memset(Underline, 0, sizeof(Underline));
  Underline[ROLE_URL] = Underline[ROLE_MAIL] = Underline[ROLE_TAG] = 1;
  Pad = 0;
}
