#include "foundation/JapaneseText.h"

#include <cstring>

#include "foundation/CharFolding.h"
#include "platform/base/CodePage.h"

namespace {

int Length(const char* text) { return static_cast<int>(std::strlen(text)); }

// Byte offset of the character that contains offset (scanning from the start).
int CharStartAt(const char* text, int offset) {
  int pos = 0;
  while (text[pos]) {
    const int next = pos + CharLengthAt(text + pos);
    if (next > offset) break;
    pos = next;
  }
  return pos;
}

bool CharInSet(SjisChar ch, const char* set) {
  for (const char* p = set; *p;) {
    int len = 0;
    if (ReadSjisChar(p, &len) == ch) return true;
    p += len;
  }
  return false;
}

bool IsAsciiLetter(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'); }
bool IsAsciiDigit(unsigned char b) { return b >= '0' && b <= '9'; }
bool IsAsciiPunct(unsigned char b) { return b > 0x20 && b < 0x7F && !IsAsciiLetter(b) && !IsAsciiDigit(b); }

}  // namespace

int IsLeadByteAt(const char* text, int offset) {
  if (offset < 0 || offset >= Length(text)) return -1;
  int pos = 0;
  while (pos < offset) pos += CharLengthAt(text + pos);
  return (pos == offset && CharLengthAt(text + pos) == 2) ? 1 : 0;
}

int CharInSetAt(const char* text, int offset, const char* set) {
  if (offset < 0 || offset >= Length(text) || CharStartAt(text, offset) != offset) return 0;
  int len = 0;
  const SjisChar ch = ReadSjisChar(text + offset, &len);
  return CharInSet(ch, set) ? len : 0;
}

int CharInSetBefore(const char* text, int offset, const char* set) {
  if (offset <= 0 || offset > Length(text)) return 0;
  const int start = CharStartAt(text, offset - 1);
  int len = 0;
  const SjisChar ch = ReadSjisChar(text + start, &len);
  return (start + len == offset && CharInSet(ch, set)) ? len : 0;
}

CString GetLastChar(const char* text) {
  const int length = Length(text);
  if (length == 0) return CString();
  const int start = CharStartAt(text, length - 1);
  return CString(text + start, length - start);
}

int CountLettersBefore(const char* text, int offset) {
  if (offset < 0 || offset >= Length(text)) return 0;
  // Character starts up to offset, so that a trail byte that looks like a letter never counts.
  int count = 0;
  int pos = 0;
  while (pos < offset) {
    const int len = CharLengthAt(text + pos);
    if (len == 1 && IsAsciiLetter(static_cast<unsigned char>(text[pos]))) {
      ++count;
    } else {
      count = 0;
    }
    pos += len;
  }
  if (pos != offset || CharLengthAt(text + pos) != 1 || !IsAsciiLetter(static_cast<unsigned char>(text[pos]))) return 0;
  return count;
}

int ToFullWidth(const char* text, CString& out) {
  out.Empty();
  int converted = 0;
  for (const char* p = text; *p;) {
    int len = 0;
    const SjisChar ch = ReadSjisChar(p, &len);
    if (len == 1 && IsHalfWidthKana(ch) && p[1]) {
      int markLen = 0;
      const SjisChar voiced = CombineVoiced(ch, ReadSjisChar(p + 1, &markLen));
      if (voiced) {
        AppendSjisChar(out, voiced);
        ++converted;
        p += 2;
        continue;
      }
    }
    const SjisChar full = len == 1 ? FullWidthOf(ch) : ch;
    if (full != ch) ++converted;
    AppendSjisChar(out, full);
    p += len;
  }
  return converted;
}

int ToHalfWidthKana(const char* text, CString& out) {
  out.Empty();
  int converted = 0;
  for (const char* p = text; *p;) {
    int len = 0;
    const SjisChar ch = ReadSjisChar(p, &len);
    p += len;
    SjisChar base = 0;
    SjisChar mark = 0;
    if (len == 2 && SplitVoiced(ch, &base, &mark)) {
      AppendSjisChar(out, base);
      AppendSjisChar(out, mark);
      continue;
    }
    const SjisChar half = len == 2 ? HalfWidthOf(ch) : ch;
    if (half != ch) ++converted;
    AppendSjisChar(out, half);
  }
  return converted;
}

CString HalfWidthText(const char* text) {
  CString out;
  ToHalfWidthKana(text, out);
  return out;
}

int KatakanaToHiragana(const char* text, CString& out) {
  out.Empty();
  int converted = 0;
  for (const char* p = text; *p;) {
    int len = 0;
    const SjisChar ch = ReadSjisChar(p, &len);
    const SjisChar hira = len == 2 ? HiraganaOf(ch) : ch;
    if (hira != ch) ++converted;
    AppendSjisChar(out, hira);
    p += len;
  }
  return converted;
}

int EucToSjis(const char* text, CString& out) {
  out.Empty();
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (*p) {
    const unsigned char b = *p;
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++p;
    } else if (b == 0x8E) {
      // Single shift 2: a half-width katakana byte follows.
      if (p[1]) out += static_cast<char>(p[1]);
      p += p[1] ? 2 : 1;
    } else if (b == 0x8F) {
      // Single shift 3 (JIS X 0212) has no Shift JIS form: drop the shift, read on.
      ++p;
    } else {
      const unsigned j1 = b & 0x7F;
      const unsigned j2 = p[1] & 0x7F;
      if (p[1] == 0 || j1 < 0x21 || j1 > 0x7E || j2 < 0x21 || j2 > 0x7E) {
        out += static_cast<char>(b);  // no Shift JIS form: keep the byte, go on with the next
        ++p;
        continue;
      }
      const unsigned s1 = ((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0);
      const unsigned s2 = j2 + ((j1 & 1) ? (j2 >= 0x60 ? 0x20 : 0x1F) : 0x7E);
      out += static_cast<char>(s1);
      out += static_cast<char>(s2);
      p += 2;
    }
  }
  return out.GetLength();
}

CString AnsiToUtf8(const char* text) { return CString(CP932ToUTF8(text)); }

namespace {

enum class CharClass {
  Punct, Letter, Digit, HalfKana, FullSymbol, Katakana, Hiragana, FullLetter, FullDigit, Other
};

CharClass ClassOf(SjisChar ch, int len) {
  if (len == 1) {
    if (IsAsciiPunct(static_cast<unsigned char>(ch))) return CharClass::Punct;
    if (IsAsciiLetter(static_cast<unsigned char>(ch))) return CharClass::Letter;
    if (IsAsciiDigit(static_cast<unsigned char>(ch))) return CharClass::Digit;
    if (IsHalfWidthKana(ch)) return CharClass::HalfKana;
    return CharClass::Other;
  }
  // The prolonged sound mark belongs with the katakana it lengthens.
  if (ch == 0x815B) return CharClass::Katakana;
  if (ch >= 0x8140 && ch <= 0x81FC) return CharClass::FullSymbol;
  if (IsFullKatakana(ch)) return CharClass::Katakana;
  if (IsHiragana(ch)) return CharClass::Hiragana;
  const SjisChar half = HalfWidthOf(ch);
  if (half < 0x100) {
    const auto b = static_cast<unsigned char>(half);
    if (IsAsciiPunct(b)) return CharClass::FullSymbol;
    if (IsAsciiLetter(b)) return CharClass::FullLetter;
    if (IsAsciiDigit(b)) return CharClass::FullDigit;
  }
  return CharClass::Other;
}

}  // namespace

CString GetFirstCharClassRun(const char* text) {
  if (!*text) return CString();
  // The length is known only once the character has been read: never in the same call's arguments.
  int len = 0;
  const SjisChar head = ReadSjisChar(text, &len);
  const CharClass first = ClassOf(head, len);
  int end = len;
  while (text[end]) {
    int next = 0;
    const SjisChar ch = ReadSjisChar(text + end, &next);
    if (ClassOf(ch, next) != first) break;
    end += next;
  }
  return CString(text, end);
}

CString ReplaceWholeRuns(const char* text, const char* search, const char* replacement) {
  CString out;
  for (const char* p = text; *p;) {
    const CString run = GetFirstCharClassRun(p);
    out += (run == search) ? CString(replacement) : run;
    p += run.GetLength();
  }
  return out;
}
