#include "foundation/TextSearch.h"

#include <array>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "foundation/CharFolding.h"
#include "platform/base/CodePage.h"

namespace {

struct Span {
  const char* data;
  int length;
};

SjisChar CharAt(Span s, int pos, int* length) {
  const auto b = static_cast<unsigned char>(s.data[pos]);
  if (IsDBCSLeadByte(b) && pos + 1 < s.length) {
    *length = 2;
    return static_cast<SjisChar>((b << 8) | static_cast<unsigned char>(s.data[pos + 1]));
  }
  *length = 1;
  return b;
}

// One character under the reading rule: with width folding, a kana and a following sound mark
// read as the one voiced kana.
SjisChar ReadChar(Span s, int pos, int options, int* consumed) {
  int len = 0;
  const SjisChar ch = CharAt(s, pos, &len);
  *consumed = len;
  if (!(options & FIND_IGNORE_WIDTH) || pos + len >= s.length) return ch;
  const bool kanaBase = (len == 1 && IsHalfWidthKana(ch)) || (len == 2 && IsFullKatakana(ch)) ||
                        (len == 2 && (options & FIND_IGNORE_KANA) && IsHiragana(ch));
  if (!kanaBase) return ch;
  int markLen = 0;
  const SjisChar mark = CharAt(s, pos + len, &markLen);
  // A half-width kana takes a half-width mark, a full-width kana a full-width one.
  if (markLen != len) return ch;
  const SjisChar voiced = CombineVoiced(ch, mark);
  if (!voiced) return ch;
  *consumed = len + markLen;
  return voiced;
}

SjisChar Fold(SjisChar ch, int options) {
  if ((options & FIND_IGNORE_WIDTH) && ch < 0x100) ch = FullWidthOf(ch);
  if (options & FIND_IGNORE_CASE) ch = UpperOf(ch);
  if (options & FIND_IGNORE_KANA) ch = KatakanaOf(ch);
  if (options & FIND_LOOSE) ch = LooseOf(ch);
  return ch;
}

// The pattern read and folded once, character by character.
std::vector<SjisChar> FoldPattern(Span pattern, int options) {
  std::vector<SjisChar> folded;
  for (int p = 0; p < pattern.length;) {
    int length = 0;
    folded.push_back(Fold(ReadChar(pattern, p, options, &length), options));
    p += length;
  }
  return folded;
}

// Text bytes matched when the pattern matches at pos, else -1.
int MatchAt(Span text, const std::vector<SjisChar>& pattern, int pos, int options) {
  int t = pos;
  for (const SjisChar want : pattern) {
    if (t >= text.length) return -1;
    int length = 0;
    if (Fold(ReadChar(text, t, options, &length), options) != want) return -1;
    t += length;
  }
  return t - pos;
}

// A byte outside the lead range always ends a character, so the lead-range bytes between the
// known character start from and pos pair up: pos starts a character when their number is even.
bool StartsChar(const char* data, int from, int pos) {
  int run = 0;
  for (int i = pos; i > from && IsDBCSLeadByte(static_cast<unsigned char>(data[i - 1])); --i) ++run;
  return run % 2 == 0;
}

// What a search keeps between calls: find over an outline asks for the same pattern once per item.
struct PreparedPattern {
  std::string text;
  int options = -1;
  std::vector<SjisChar> folded;
  // Every byte that can begin a character reading as the pattern's first one; with width folding
  // any kana may take a sound mark, so every kana byte counts.
  std::array<bool, 256> firstByte{};
  // The pattern's bytes are all its characters (no lone lead byte at its end).
  bool whole = false;
};

bool CanStart(SjisChar ch, SjisChar want, int options) {
  if (Fold(ch, options) == want) return true;
  if (!(options & FIND_IGNORE_WIDTH)) return false;
  return IsHalfWidthKana(ch) || IsFullKatakana(ch) || ((options & FIND_IGNORE_KANA) && IsHiragana(ch));
}

const PreparedPattern& Prepare(Span pattern, int options) {
  // A few patterns, as the words of a word search take turns.
  thread_local std::array<PreparedPattern, 8> cache;
  thread_local size_t next = 0;
  const std::string_view text(pattern.data, static_cast<size_t>(pattern.length));
  for (const PreparedPattern& known : cache) {
    if (known.options == options && known.text == text) return known;
  }
  PreparedPattern& prepared = cache[next];
  next = (next + 1) % cache.size();
  prepared.text.assign(text);
  prepared.options = options;
  prepared.folded = FoldPattern(pattern, options);
  const SjisChar want = prepared.folded.front();
  for (int b = 0; b < 256; ++b) {
    // A lead byte at the end of a text reads as a character of its own.
    bool can = CanStart(static_cast<SjisChar>(b), want, options);
    for (int trail = 0; !can && IsDBCSLeadByte(static_cast<unsigned char>(b)) && trail < 256; ++trail) {
      can = CanStart(static_cast<SjisChar>((b << 8) | trail), want, options);
    }
    prepared.firstByte[static_cast<size_t>(b)] = can;
  }
  prepared.whole = true;
  for (int p = 0; p < pattern.length;) {
    int length = 0;
    const SjisChar ch = CharAt(pattern, p, &length);
    prepared.whole = length == 2 || !IsDBCSLeadByte(static_cast<unsigned char>(ch));
    p += length;
  }
  return prepared;
}

// Without options a match is the pattern's bytes at a character start.
int FindExact(Span text, Span pattern, int start, int* matchLength) {
  int from = start;
  for (int pos = start; pos + pattern.length <= text.length;) {
    const void* hit = memmem(text.data + pos, static_cast<size_t>(text.length - pos), pattern.data,
                             static_cast<size_t>(pattern.length));
    if (hit == nullptr) return -1;
    const int at = static_cast<int>(static_cast<const char*>(hit) - text.data);
    if (StartsChar(text.data, from, at)) {
      if (matchLength) *matchLength = pattern.length;
      return at;
    }
    // at is a trail byte, so the next byte starts a character.
    from = pos = at + 1;
  }
  return -1;
}

int Find(Span text, Span patternText, int start, int options, int* matchLength) {
  if (start < 0 || start >= text.length || patternText.length == 0) return -1;
  const PreparedPattern& prepared = Prepare(patternText, options);
  if (options == 0 && prepared.whole) return FindExact(text, patternText, start, matchLength);
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data);
  int from = start;
  for (int pos = start; pos < text.length;) {
    while (pos < text.length && !prepared.firstByte[bytes[pos]]) ++pos;
    if (pos >= text.length) return -1;
    if (!StartsChar(text.data, from, pos)) {
      from = pos = pos + 1;
      continue;
    }
    const int matched = MatchAt(text, prepared.folded, pos, options);
    if (matched >= 0) {
      if (matchLength) *matchLength = matched;
      return pos;
    }
    int len = 0;
    CharAt(text, pos, &len);
    from = pos = pos + len;
  }
  return -1;
}

int Len(const char* s) { return static_cast<int>(std::strlen(s)); }

}  // namespace

int FindTextOptPtr(const char* text, const char* pattern, int start, int options, int* matchLength) {
  return Find({text, Len(text)}, {pattern, Len(pattern)}, start, options, matchLength);
}

int FindTextOpt(const CString& text, const CString& pattern, int start, int options, int* matchLength) {
  return Find({text.GetString(), text.GetLength()}, {pattern.GetString(), pattern.GetLength()}, start, options,
              matchLength);
}

int FindTextOptStr(std::string_view text, std::string_view pattern, int start, int options, int* matchLength) {
  return Find({text.data(), static_cast<int>(text.size())}, {pattern.data(), static_cast<int>(pattern.size())},
              start, options, matchLength);
}

int CompareTextOpt(const char* a, const char* b, int options) {
  const Span sa{a, Len(a)};
  const Span sb{b, Len(b)};
  int i = 0;
  int j = 0;
  while (i < sa.length || j < sb.length) {
    int la = 0;
    int lb = 0;
    const int ca = i < sa.length ? Fold(ReadChar(sa, i, options, &la), options) : 0;
    const int cb = j < sb.length ? Fold(ReadChar(sb, j, options, &lb), options) : 0;
    if (ca != cb) return ca - cb;
    i += la;
    j += lb;
  }
  return 0;
}

int FindWords(const char* text, const char* pattern, int start, int options, int* matchLength, BOOL allWords) {
  CString blanked(pattern);
  blanked.Replace("　", " ");
  std::vector<CString> words;
  int pos = 0;
  for (CString word = blanked.Tokenize(" ", pos); pos >= 0; word = blanked.Tokenize(" ", pos)) words.push_back(word);

  int best = -1;
  int bestLength = 0;
  for (const CString& word : words) {
    int length = 0;
    const int found = FindTextOptPtr(text, word, start, options, &length);
    if (found < 0) {
      if (allWords) return -1;
      continue;
    }
    if (best < 0 || found < best) {
      best = found;
      bestLength = length;
    }
  }
  if (best >= 0 && matchLength) *matchLength = bestLength;
  return best;
}

int FindCharOutsideQuotes(const char* text, char ch, char quote) {
  bool quoted = false;
  for (int i = 0; text[i];) {
    const int length = CharLengthAt(text + i);
    if (length == 1) {
      if (text[i] == quote) {
        quoted = !quoted;
      } else if (text[i] == ch && !quoted) {
        return i;
      }
    }
    i += length;
  }
  return -1;
}

int FindOutsideTags(const char* text, const char* pattern, char open, char close) {
  const size_t patternLength = std::strlen(pattern);
  if (patternLength == 0) return -1;
  bool inside = false;
  for (int i = 0; text[i];) {
    if (!inside && std::strncmp(text + i, pattern, patternLength) == 0) return i;
    const int length = CharLengthAt(text + i);
    if (length == 1 && text[i] == open) inside = true;
    if (length == 1 && text[i] == close) inside = false;
    i += length;
  }
  return -1;
}

void SplitString(const char* text, const char* delimiter, CStringArray& array) {
  const CString whole(text ? text : "");
  const int delimiterLength = delimiter ? static_cast<int>(std::strlen(delimiter)) : 0;
  if (delimiterLength == 0) {
    if (!whole.IsEmpty()) array.Add(whole);
    return;
  }
  int start = 0;
  for (int found = whole.Find(delimiter); found >= 0; found = whole.Find(delimiter, start)) {
    array.Add(whole.Mid(start, found - start));
    start = found + delimiterLength;
  }
  if (start < whole.GetLength()) array.Add(whole.Mid(start));
}

void SplitToStringArray(const char* text, const char* delimiters, CStringArray& array) {
  const CString whole(text ? text : "");
  const CString set(delimiters ? delimiters : "");
  const int length = whole.GetLength();
  // Whole characters only: a trail byte never counts as a delimiter.
  auto delimiterAt = [&](int i) {
    const int len = IsDBCSLeadByte(static_cast<unsigned char>(whole[i])) && i + 1 < length ? 2 : 1;
    return std::pair{!set.IsEmpty() && set.Find(whole.Mid(i, len)) >= 0, len};
  };
  int pieceStart = 0;
  int i = 0;
  while (i < length) {
    auto [isDelimiter, len] = delimiterAt(i);
    if (!isDelimiter) {
      i += len;
      continue;
    }
    array.Add(whole.Mid(pieceStart, i - pieceStart));
    while (i < length && isDelimiter) {
      i += len;
      if (i < length) std::tie(isDelimiter, len) = delimiterAt(i);
    }
    pieceStart = i;
  }
  if (pieceStart < length) array.Add(whole.Mid(pieceStart));
}
