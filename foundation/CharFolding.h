#pragma once
// Code page 932 character tables behind the width, kana and case conversions and the option
// search: a character is its byte (single-byte) or lead * 256 + trail (double-byte).
#include <cstdint>

using SjisChar = std::uint16_t;

// The character at p (which must not be at the text's NUL) and its length in bytes.
SjisChar ReadSjisChar(const char* p, int* length);
// Appends a character's bytes to out (one or two).
template <class Text>
void AppendSjisChar(Text& out, SjisChar ch) {
  if (ch > 0xFF) out += static_cast<char>(ch >> 8);
  out += static_cast<char>(ch & 0xFF);
}

bool IsHalfWidthKana(SjisChar ch);  // 0xA1-0xDF, punctuation included
bool IsFullKatakana(SjisChar ch);   // ァ to ヶ
bool IsHiragana(SjisChar ch);       // ぁ to ん

// Each returns the character unchanged when it has no counterpart.
SjisChar FullWidthOf(SjisChar ch);      // single-byte to its full-width form
SjisChar HalfWidthOf(SjisChar ch);      // full-width (katakana, hiragana, symbols) to single-byte
SjisChar UpperOf(SjisChar ch);          // letters, full-width Latin, Greek and Cyrillic included
SjisChar KatakanaOf(SjisChar ch);       // hiragana to katakana
SjisChar HiraganaOf(SjisChar ch);       // katakana ァ to ン to hiragana
SjisChar LooseOf(SjisChar ch);          // small and voiced kana, dashes folded

// The full-width voiced katakana that a base kana (half- or full-width, or hiragana) and a
// sound mark (ﾞ ﾟ ゛ ゜) make together; 0 when they make none.
SjisChar CombineVoiced(SjisChar base, SjisChar mark);
// The half-width base kana and sound mark of a voiced kana (katakana, hiragana or ヴ); false
// for any other character.
bool SplitVoiced(SjisChar ch, SjisChar* base, SjisChar* mark);
