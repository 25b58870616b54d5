#include "control/KanjiCodes.h"

#include "control/CCustomizeInfo.h"
#include "platform/base/CodePage.h"

namespace {

constexpr char kEsc = 0x1B;
constexpr char kSO = 0x0E;
constexpr char kSI = 0x0F;

bool InRange(unsigned char ch, unsigned char low, unsigned char high) { return ch >= low && ch <= high; }

void PutCode(std::string& out, unsigned code) {
  if (code == 0) return;  // a character without a mapping is dropped
  out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

// The escape-sequence and shift state of a JIS decoder.
struct JisState {
  bool kanji = false;
  bool kana = false;

  // Consumes an escape sequence or SO/SI at in[i]; returns the bytes used, 0 when none. `sawKanji`
  // is set when the sequence switches to kanji.
  size_t Consume(std::string_view in, size_t i, bool* sawKanji = nullptr) {
    const char ch = in[i];
    if (ch == kSO) {
      kana = true;
      return 1;
    }
    if (ch == kSI) {
      kana = false;
      return 1;
    }
    if (ch != kEsc || i + 1 >= in.size()) return 0;
    if (in[i + 1] == '$') {
      if (i + 2 < in.size() && (in[i + 2] == 'B' || in[i + 2] == '@')) {
        kanji = true;
        if (sawKanji) *sawKanji = true;
      }
      return i + 2 < in.size() ? 3 : 2;  // another final byte is swallowed
    }
    if (in[i + 1] == '(') {
      if (i + 2 < in.size()) {
        const char final = in[i + 2];
        if (final == 'B' || final == 'J' || final == 'H') {
          kanji = kana = false;
        } else if (final == 'I') {
          kana = true;
          kanji = false;
        }
      }
      return i + 2 < in.size() ? 3 : 2;
    }
    return 0;
  }
};

}  // namespace

unsigned JisToSjisCode(unsigned char c1, unsigned char c2) {
  if (!InRange(c1, 0x21, 0x7E) || !InRange(c2, 0x21, 0x7E)) return 0;
  const unsigned s1 = ((c1 + 1u) >> 1) + (c1 <= 0x5E ? 0x70u : 0xB0u);
  const unsigned s2 = c2 + ((c1 & 1) ? (c2 >= 0x60 ? 0x20u : 0x1Fu) : 0x7Eu);
  return (s1 << 8) | s2;
}

unsigned SjisToJisCode(unsigned char s1, unsigned char s2) {
  if (!IsDBCSLeadByte(s1) || !IsDBCSTrailByte(s2)) return 0;
  const bool low = s2 < 0x9F;
  const unsigned rowBase = s1 < 0xA0 ? 0x70u : 0xB0u;
  const unsigned c1 = ((s1 - rowBase) << 1) - (low ? 1u : 0u);
  const unsigned c2 = low ? s2 - (s2 > 0x7F ? 0x20u : 0x1Fu) : s2 - 0x7Eu;
  if (c1 < 0x21 || c1 > 0x7E || c2 < 0x21 || c2 > 0x7E) return 0;
  return (c1 << 8) | c2;
}

std::string JIStoSJIS(std::string_view in) {
  std::string out;
  out.reserve(in.size());
  JisState state;
  for (size_t i = 0; i < in.size();) {
    if (const size_t used = state.Consume(in, i)) {
      i += used;
      continue;
    }
    const auto ch = static_cast<unsigned char>(in[i]);
    if (state.kanji && i + 1 < in.size()) {
      PutCode(out, JisToSjisCode(ch, static_cast<unsigned char>(in[i + 1])));
      i += 2;
    } else if (state.kana) {
      out += static_cast<char>(ch | 0x80);
      ++i;
    } else {
      out += static_cast<char>(ch);
      ++i;
    }
  }
  return out;
}

std::string EUCtoSJIS(std::string_view in) {
  std::string out;
  out.reserve(in.size());
  for (size_t i = 0; i < in.size();) {
    const auto ch = static_cast<unsigned char>(in[i]);
    if (ch == 0x8E && i + 1 < in.size()) {
      out += in[i + 1];
      i += 2;
    } else if (InRange(ch, 0xA1, 0xFE) && i + 1 < in.size()) {
      PutCode(out, JisToSjisCode(ch & 0x7F, static_cast<unsigned char>(in[i + 1]) & 0x7F));
      i += 2;
    } else {
      out += static_cast<char>(ch);
      ++i;
    }
  }
  return out;
}

bool AutoToSJIS(std::string& out, std::string_view in, int& code) {
  out.clear();
  out.reserve(in.size());
  if (code == 0) {
    out.assign(in);
    return false;
  }
  bool restart = false;
  JisState state;
  for (size_t i = 0; i < in.size();) {
    bool sawKanji = false;
    if (const size_t used = state.Consume(in, i, &sawKanji)) {
      if (sawKanji) {
        if (code == 4) restart = true;
        code = 1;
      }
      i += used;
      continue;
    }
    const auto ch = static_cast<unsigned char>(in[i]);
    const auto next = i + 1 < in.size() ? static_cast<unsigned char>(in[i + 1]) : 0;
    if (state.kanji && i + 1 < in.size()) {
      PutCode(out, JisToSjisCode(ch, next));
      i += 2;
      continue;
    }
    if (state.kana) {
      out += static_cast<char>(ch | 0x80);
      ++i;
      continue;
    }
    if (code == 3 || code == 4) {
      if (IsDBCSLeadByte(ch) && ch != 0x8E && InRange(next, 0xA1, 0xFE) && JisToSjisCode(ch & 0x7F, next & 0x7F)) {
        PutCode(out, JisToSjisCode(ch & 0x7F, next & 0x7F));
        code = 4;
        i += 2;
        continue;
      }
      if (ch == 0x8E && InRange(next, 0xA1, 0xDF)) {
        out += static_cast<char>(next);
        code = 4;
        i += 2;
        continue;
      }
      if (IsDBCSLeadByte(ch) && i + 1 < in.size()) {
        if (code == 4) restart = true;
        code = 0;
        out += static_cast<char>(ch);
        out += static_cast<char>(next);
        i += 2;
        continue;
      }
      if (InRange(ch, 0xA1, 0xFE) && InRange(next, 0xA1, 0xFE)) {
        PutCode(out, JisToSjisCode(ch & 0x7F, next & 0x7F));
        code = 4;
        i += 2;
        continue;
      }
    }
    out += static_cast<char>(ch);
    ++i;
  }
  return restart;
}

std::string SJIStoJIS(const CCustomizeInfo& settings, std::string_view in) {
  std::string out;
  out.reserve(in.size() * 2 + 16);
  bool kanji = false;
  bool kana = false;
  const bool sevenBit = settings.SevenBitKanji != 0;
  for (size_t i = 0; i < in.size();) {
    const auto ch = static_cast<unsigned char>(in[i]);
    if (sevenBit && InRange(ch, 0xA1, 0xDF)) {
      if (kanji) {
        out += kEsc;
        out += '(';
        out += settings.KanjiOutChar;
        kanji = false;
      }
      if (!kana) {
        out += kSO;
        kana = true;
      }
      out += static_cast<char>(ch & 0x7F);
      ++i;
      continue;
    }
    if (kana) {
      out += kSI;
      kana = false;
    }
    if (IsDBCSLeadByte(ch) && i + 1 < in.size() && IsDBCSTrailByte(static_cast<unsigned char>(in[i + 1]))) {
      const unsigned jis = SjisToJisCode(ch, static_cast<unsigned char>(in[i + 1]));
      i += 2;
      if (jis == 0) continue;
      if (!kanji) {
        out += kEsc;
        out += '$';
        out += settings.KanjiInChar;
        kanji = true;
      }
      out += static_cast<char>(jis >> 8);
      out += static_cast<char>(jis & 0xFF);
      continue;
    }
    if (kanji) {
      out += kEsc;
      out += '(';
      out += settings.KanjiOutChar;
      kanji = false;
    }
    out += static_cast<char>(sevenBit ? ch & 0x7F : ch);
    ++i;
  }
  if (kanji) {
    out += kEsc;
    out += '(';
    out += settings.KanjiOutChar;
  }
  if (kana) out += kSI;
  return out;
}

std::string SJIStoEUC(std::string_view in) {
  std::string out;
  out.reserve(in.size() * 2);
  for (size_t i = 0; i < in.size();) {
    const auto ch = static_cast<unsigned char>(in[i]);
    if (InRange(ch, 0xA1, 0xDF)) {
      out += static_cast<char>(0x8E);
      out += static_cast<char>(ch);
      ++i;
    } else if (IsDBCSLeadByte(ch) && i + 1 < in.size() && IsDBCSTrailByte(static_cast<unsigned char>(in[i + 1]))) {
      const unsigned jis = SjisToJisCode(ch, static_cast<unsigned char>(in[i + 1]));
      if (jis) {
        out += static_cast<char>((jis >> 8) | 0x80);
        out += static_cast<char>((jis & 0xFF) | 0x80);
      }
      i += 2;
    } else {
      out += static_cast<char>(ch);
      ++i;
    }
  }
  return out;
}
