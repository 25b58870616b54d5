#pragma once
// Full-width and half-width conversion of Shift JIS text by character category, for the control's
// conversion commands.
#include "control/CRefString.h"

// Categories a conversion acts on.
enum : unsigned {
  WIDTH_KATAKANA = 0x01,
  WIDTH_KANA_SYMBOL = 0x02,
  WIDTH_HIRAGANA = 0x04,
  WIDTH_ALNUM = 0x08,
  WIDTH_SYMBOL = 0x10,
  WIDTH_SPACE = 0x20,
  WIDTH_ALL = 0x3F,
};

// Single-byte characters of the enabled categories become their double-byte forms; a half-width
// kana followed by a (semi-)voiced mark becomes the voiced kana where one exists.
CRefString ToFullWidth(const char* text, int length, unsigned categories);
// Double-byte characters of the enabled categories that have a single-byte form become it; a
// voiced kana becomes the plain kana and the voiced mark.
CRefString ToHalfWidth(const char* text, int length, unsigned categories);
