#include "foundation/OptionChars.h"

#include "foundation/TextSearch.h"

SjisChar CombineOptionVoiced(SjisChar base, int baseLength, SjisChar mark, int markLength, int options) {
  if (!(options & FIND_IGNORE_WIDTH)) return 0;
  const bool kanaBase = (baseLength == 1 && IsHalfWidthKana(base)) || (baseLength == 2 && IsFullKatakana(base)) ||
                        (baseLength == 2 && (options & FIND_IGNORE_KANA) && IsHiragana(base));
  // A half-width kana takes a half-width mark, a full-width kana a full-width one.
  if (!kanaBase || markLength != baseLength) return 0;
  return CombineVoiced(base, mark);
}

SjisChar ReadOptionChar(std::string_view text, size_t pos, int options, int* consumed) {
  int length = 0;
  const SjisChar ch = SjisCharAt(text, pos, &length);
  *consumed = length;
  if (!(options & FIND_IGNORE_WIDTH) || pos + static_cast<size_t>(length) >= text.size()) return ch;
  int markLength = 0;
  const SjisChar mark = SjisCharAt(text, pos + static_cast<size_t>(length), &markLength);
  const SjisChar voiced = CombineOptionVoiced(ch, length, mark, markLength, options);
  if (!voiced) return ch;
  *consumed = length + markLength;
  return voiced;
}

SjisChar FoldOptionChar(SjisChar ch, int options) {
  if ((options & FIND_IGNORE_WIDTH) && ch < 0x100) ch = FullWidthOf(ch);
  if (options & FIND_IGNORE_CASE) ch = UpperOf(ch);
  if (options & FIND_IGNORE_KANA) ch = KatakanaOf(ch);
  if (options & FIND_LOOSE) ch = LooseOf(ch);
  return ch;
}
