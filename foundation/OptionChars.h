#pragma once
// How the option search reads and folds one character of a Shift JIS text: with width folding a
// kana and a following sound mark read as the one voiced kana, and every character read is
// folded as the option flags (FIND_IGNORE_WIDTH and the others of TextSearch.h) ask.
#include <string_view>

#include "foundation/CharFolding.h"

// A lead byte of code page 932, tested inline: searches ask it of every byte they step over.
inline bool IsSjisLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The character at pos (a character start below the text's length) and its byte length; a lead
// byte at the text's end is a character of its own.
inline SjisChar SjisCharAt(std::string_view text, size_t pos, int* length) {
  const auto b = static_cast<unsigned char>(text[pos]);
  if (IsSjisLeadByte(b) && pos + 1 < text.size()) {
    *length = 2;
    return static_cast<SjisChar>((b << 8) | static_cast<unsigned char>(text[pos + 1]));
  }
  *length = 1;
  return b;
}

// The character at pos under the reading rule; consumed receives the bytes it takes.
SjisChar ReadOptionChar(std::string_view text, size_t pos, int options, int* consumed);
// A character as the option flags fold it.
SjisChar FoldOptionChar(SjisChar ch, int options);
// The one voiced kana that the reading rule makes of base followed by mark (each with its byte
// length); 0 when it makes none.
SjisChar CombineOptionVoiced(SjisChar base, int baseLength, SjisChar mark, int markLength, int options);
