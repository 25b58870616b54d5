#pragma once
// The control's colour table: a text colour, a background colour and an underline flag for each of
// the fifteen colour roles. Its image is stored whole in the settings store (136 bytes), so the
// layout is fixed.
#include <cstddef>
#include <cstdint>

#include "platform/base/WinTypes.h"

// Colour roles.
enum : int {
  ROLE_NORMAL = 0,
  ROLE_SELECTION = 1,
  ROLE_CARETLINE = 2,
  ROLE_QUOTE = 3,
  ROLE_SEARCH = 4,
  ROLE_URL = 5,
  ROLE_MAIL = 6,
  ROLE_TAG = 7,
  ROLE_HILITE1 = 8,  // 8..12: the five highlight colours
  ROLE_MARKS = 13,
  ROLE_OUTSIDE = 14,
  ROLE_COUNT = 15,
};

#pragma pack(push, 1)
struct CColorTable {
  std::uint32_t Text[ROLE_COUNT];
  std::uint32_t Back[ROLE_COUNT];
  std::uint8_t Underline[ROLE_COUNT];
  std::uint8_t Pad;

  void Reset();
};
#pragma pack(pop)

static_assert(sizeof(CColorTable) == 136);
static_assert(offsetof(CColorTable, Back) == 60);
static_assert(offsetof(CColorTable, Underline) == 120);
