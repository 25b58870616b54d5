#include "model/HeadingMark.h"

#include <cstring>

#include "platform/framework/CWinApp.h"

namespace {

using Byte = unsigned char;

int Code(const char* p) { return (static_cast<Byte>(p[0]) << 8) | static_cast<Byte>(p[1]); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsHalfKana(char c) { return static_cast<Byte>(c) >= 0xA1 && static_cast<Byte>(c) <= 0xDF; }
bool IsLeadByte(char c) {
  const Byte b = static_cast<Byte>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsKatakana(int code) { return code >= 0x8340 && code <= 0x8396 && code != 0x837F; }
bool IsHiragana(int code) { return code >= 0x829F && code <= 0x82F1; }

// A two-byte character at p (p must hold at least two bytes before its end).
int Wide(const char* p, int rest) { return rest >= 2 && IsLeadByte(p[0]) ? Code(p) : -1; }

// Length of the end character at p (a space, '.', "．" or "　"), 0 when there is none; after a
// lone Latin letter only the periods count.
int EndLength(const char* p, int rest, bool periodsOnly) {
  if (rest >= 1 && (p[0] == '.' || (!periodsOnly && p[0] == ' '))) return 1;
  const int code = Wide(p, rest);
  if (code == 0x8144 || (!periodsOnly && code == 0x8140)) return 2;
  return 0;
}

// A mark of markLength bytes counts when an end character follows it and at least one more byte
// follows that; the result is the whole length with the end character.
int Ended(const char* line, int length, int markLength, bool periodsOnly = false) {
  if (markLength <= 0 || markLength >= length) return 0;
  const int end = EndLength(line + markLength, length - markLength, periodsOnly);
  if (end == 0 || markLength + end >= length) return 0;
  return markLength + end;
}

bool IsKanjiNumeral(int code) {
  static const int kNumerals[] = {0x88EA, 0x93F1, 0x8E4F, 0x8E6C, 0x8CDC, 0x985A, 0x8EB5, 0x94AA, 0x8BE3, 0x8F5C};
  for (int n : kNumerals) {
    if (code == n) return true;
  }
  return false;
}

}  // namespace

int GetHeadingMark(const char* line, unsigned& kind) {
  kind = 0;
  const int length = static_cast<int>(std::strlen(line));
  if (length < 2) return 0;
  const CString showStr = AfxGetProfileString("Text", "ShowStr", "-");
  const char own = showStr.IsEmpty() ? '-' : showStr[0];
  auto found = [&](int total, unsigned k) {
    if (total > 0) kind = k;
    return total;
  };

  // Digits and separators ("1.2", "3-1", "-"): the kind counts the separators.
  {
    int run = 0;
    unsigned separators = 0;
    while (run < length && (IsDigit(line[run]) || line[run] == '-' || line[run] == '.' || line[run] == own)) {
      if (!IsDigit(line[run])) ++separators;
      ++run;
    }
    // The run stops at the first other character, which must end the mark; a '.' that the run
    // swallowed cannot end it.
    if (run > 0 && run < length) {
      const int end = EndLength(line + run, length - run, false);
      if (end > 0 && run + end < length) return found(run + end, 1 + separators);
    }
  }
  if (IsDigit(line[0])) {
    if (const int n = Ended(line, length, 1)) return found(n, 1);
  }
  if (IsHalfKana(line[0])) {
    if (const int n = Ended(line, length, 1)) return found(n, 14);
  }
  if (IsLetter(line[0])) {
    if (const int n = Ended(line, length, 1, true)) return found(n, 2);
  }
  if (length >= 3) {
    if (IsDigit(line[0]) && IsDigit(line[1])) {
      if (const int n = Ended(line, length, 2)) return found(n, 1);
    }
    if (line[0] == '(' && line[2] == ')') {
      const unsigned k = IsDigit(line[1]) ? 3 : IsHalfKana(line[1]) ? 15 : IsLetter(line[1]) ? 13 : 0;
      if (k != 0) {
        if (const int n = Ended(line, length, 3)) return found(n, k);
      }
    }
    const int code = Wide(line, length);
    if (code >= 0) {
      unsigned k = 0;
      int markLength = 2;
      if (IsKatakana(code)) {
        k = 16;
      } else if (IsHiragana(code)) {
        k = 17;
      } else if (code >= 0x8754 && code <= 0x875D) {
        k = 4;
        while (markLength + 1 < length && Wide(line + markLength, length - markLength) >= 0x8754 &&
               Wide(line + markLength, length - markLength) <= 0x875D)
          markLength += 2;
      } else if (code >= 0x8740 && code <= 0x8753) {
        k = 5;
      } else if (IsKanjiNumeral(code)) {
        k = 6;
      } else if (code >= 0x8250 && code <= 0x8258) {
        k = 12;
      }
      // The five symbols with their space need no end character.
      if (line[2] == ' ') {
        switch (code) {
          case 0x81A1: return found(3, 8);
          case 0x819B: return found(3, 9);
          case 0x8145: return found(3, 10);
          case 0x819E: return found(3, 11);
          case 0x819C: return found(3, 20);
          default: break;
        }
      }
      if (k != 0) {
        if (const int n = Ended(line, length, markLength)) return found(n, k);
      }
    }
  }
  if (length >= 4) {
    if (IsDigit(line[0]) && IsDigit(line[1]) && IsDigit(line[2])) {
      if (const int n = Ended(line, length, 3)) return found(n, 1);
    }
    if (line[0] == '(' && line[3] == ')') {
      unsigned k = 0;
      if (IsDigit(line[1]) && IsDigit(line[2])) {
        k = 3;
      } else if (const int code = Wide(line + 1, length - 1); code >= 0) {
        k = IsKatakana(code) ? 18 : IsHiragana(code) ? 19 : 0;
      }
      if (k != 0) {
        if (const int n = Ended(line, length, 4)) return found(n, k);
      }
    }
  }
  if (length >= 7 && Code(line) == 0x91E6) {
    static const int kWords[] = {0x8FCD, 0x90DF, 0x8ABC, 0x96DA};  // 章 節 款 目
    for (int at = 3; at <= 4; ++at) {
      const int code = Wide(line + at, length - at);
      for (unsigned w = 0; w < 4; ++w) {
        if (code == kWords[w]) {
          if (const int n = Ended(line, length, at + 2)) return found(n, 21 + w);
        }
      }
    }
  }
  return 0;
}
