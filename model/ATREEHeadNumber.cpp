// Heading numbers and bullets at the start of a line: how many bytes the mark takes, separator
// included, and which kind of numbering it is.
#include <cstring>

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "model/ATREE.h"

namespace {

using Byte = unsigned char;

bool IsDigit(Byte c) { return c >= '0' && c <= '9'; }
bool IsLetter(Byte c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsHalfKana(Byte c) { return c >= 0xA1 && c <= 0xDF; }
int Code(const char* s) { return (static_cast<Byte>(s[0]) << 8) | static_cast<Byte>(s[1]); }
bool IsKatakana(int code) { return code >= 0x8340 && code <= 0x8396 && code != 0x837F; }
bool IsHiragana(int code) { return code >= 0x829F && code <= 0x82F1; }
bool IsRoman(int code) { return code >= 0x8754 && code <= 0x875D; }
bool IsCircled(int code) { return code >= 0x8740 && code <= 0x8753; }

bool IsKanjiNumeral(const char* s) {
  static const char* const numerals[] = {"ー", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
  for (const char* n : numerals) {
    if (std::strncmp(s, n, 2) == 0) return true;
  }
  return false;
}

bool IsFullDigit(const char* s) {
  static const char* const digits[] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
  for (const char* d : digits) {
    if (std::strncmp(s, d, 2) == 0) return true;
  }
  return false;
}

}  // namespace

int ATREE::GetNumberSeparatorLength(const char* text, int pos, BOOL strict) const {
  const int len = static_cast<int>(std::strlen(text));
  if (pos < 0 || pos >= len) return 0;
  const char* s = text + pos;
  if (len > pos + 1 && (s[0] == '.' || (!strict && s[0] == ' '))) return 1;
  if (len > pos + 2 && (std::strncmp(s, "．", 2) == 0 || (!strict && std::strncmp(s, "　", 2) == 0))) return 2;
  return 0;
}

int ATREE::GetRomanNumberLength(const char* line) const {
  const int len = static_cast<int>(std::strlen(line));
  for (int k = 0; k + 1 < len && IsRoman(Code(line + k)); k += 2) {
    const int s = GetNumberSeparatorLength(line, k + 2, FALSE);
    if (s > 0) return k + 2 + s;
  }
  return 0;
}

int ATREE::GetHeadNumberLength(const char* line, int* kind) const {
  const char* s = line;
  const int len = static_cast<int>(std::strlen(s));
  auto sep = [&](int p) { return GetNumberSeparatorLength(s, p, FALSE); };
  auto found = [&](int k, int length) {
    *kind = k;
    return length;
  };
  *kind = 0;
  if (len >= 2) {
    const CString setting = ReadSetting(Settings::Text::ShowStr);
    const char chapter = setting.IsEmpty() ? '\0' : setting[0];
    int level = 1;
    bool seen = false;
    for (int i = 0; i < len; ++i) {
      const char c = s[i];
      if (IsDigit(static_cast<Byte>(c))) {
        seen = true;
      } else if ((chapter != '\0' && c == chapter) || c == '-' || c == '.') {
        ++level;
        seen = true;
      } else {
        const int r = seen ? sep(i) : 0;
        if (r > 0) return found(level, i + r);
        break;
      }
    }
    const Byte c0 = static_cast<Byte>(s[0]);
    if (IsDigit(c0) && sep(1) > 0) return found(1, 1 + sep(1));
    if (IsHalfKana(c0) && sep(1) > 0) return found(14, 1 + sep(1));
    if (IsLetter(c0) && GetNumberSeparatorLength(s, 1, TRUE) > 0) {
      return found(2, 1 + GetNumberSeparatorLength(s, 1, TRUE));
    }
  }
  if (len >= 3) {
    const Byte c1 = static_cast<Byte>(s[1]);
    if (IsDigit(static_cast<Byte>(s[0])) && IsDigit(c1) && sep(2) > 0) return found(1, 2 + sep(2));
    if (s[0] == '(' && s[2] == ')' && sep(3) > 0) {
      if (IsDigit(c1)) return found(3, 3 + sep(3));
      if (IsHalfKana(c1)) return found(15, 3 + sep(3));
      if (IsLetter(c1)) return found(13, 3 + sep(3));
    }
    const int code = Code(s);
    if (IsKatakana(code) && sep(2) > 0) return found(16, 2 + sep(2));
    if (IsHiragana(code) && sep(2) > 0) return found(17, 2 + sep(2));
    if (const int roman = GetRomanNumberLength(s); roman > 0) return found(4, roman);
    if (IsCircled(code) && sep(2) > 0) return found(5, 2 + sep(2));
    if (IsKanjiNumeral(s) && sep(2) > 0) return found(6, 2 + sep(2));
    static const struct {
      const char* mark;
      int kind;
    } bullets[] = {{"■ ", 8}, {"○ ", 9}, {"・ ", 10}, {"◇ ", 11}, {"● ", 20}};
    for (const auto& b : bullets) {
      if (std::strncmp(s, b.mark, 3) == 0) return found(b.kind, 3);
    }
    if (IsFullDigit(s) && sep(2) > 0) return found(12, 2 + sep(2));
  }
  if (len >= 4) {
    if (IsDigit(static_cast<Byte>(s[0])) && IsDigit(static_cast<Byte>(s[1])) && IsDigit(static_cast<Byte>(s[2])) &&
        sep(3) > 0) {
      return found(1, 3 + sep(3));
    }
    if (s[0] == '(' && IsDigit(static_cast<Byte>(s[1])) && IsDigit(static_cast<Byte>(s[2])) && s[3] == ')' &&
        sep(4) > 0) {
      return found(3, 4 + sep(4));
    }
    if (s[0] == '(' && s[3] == ')' && sep(4) > 0) {
      const int code = Code(s + 1);
      if (IsKatakana(code)) return found(18, 4 + sep(4));
      if (IsHiragana(code)) return found(19, 4 + sep(4));
    }
  }
  if (len >= 7) {
    const CString text(s);
    static const char* const units[] = {"章", "節", "款", "目"};
    for (int u = 0; u < 4; ++u) {
      if (text.Find("第") != 0) break;
      const int at = text.Find(units[u]);
      if (at == 3 && sep(5) > 0) return found(21 + u, 5 + sep(5));
      if (at == 4 && sep(6) > 0) return found(21 + u, 6 + sep(6));
    }
  }
  return 0;
}
