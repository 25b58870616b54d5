#include "control/WidthConvert.h"

#include <string>

#include "control/ControlRoutines.h"
#include "platform/base/CodePage.h"

namespace {

// The full-width forms of the half-width katakana block 0xA1-0xDF, in order.
constexpr char16_t kFullKana[] =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
constexpr int kKanaCount = 0xDF - 0xA1 + 1;
static_assert(sizeof(kFullKana) / sizeof(char16_t) == kKanaCount + 1);

constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

bool IsKanaSymbolByte(unsigned char ch) { return (ch >= 0xA1 && ch <= 0xA5) || ch == kVoicedMark || ch == kSemiVoicedMark; }
bool HasVoiced(unsigned char ch) { return ch == 0xB3 || (ch >= 0xB6 && ch <= 0xC4) || (ch >= 0xCA && ch <= 0xCE); }
bool HasSemiVoiced(unsigned char ch) { return ch >= 0xCA && ch <= 0xCE; }
bool IsAlnum(char16_t ch) { return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }

void AppendUnicode(CRefString& out, char16_t ch) {
  const CString bytes = UTF16ToCP932(std::u16string_view(&ch, 1));
  out.Append(bytes.GetString(), bytes.GetLength());
}

}  // namespace

CRefString ToFullWidth(const char* text, int length, unsigned categories) {
  CRefString out;
  for (int i = 0; i < length;) {
    const int n = CharLengthAt(text, i, length);
    const auto ch = static_cast<unsigned char>(text[i]);
    if (n == 2) {
      out.Append(text + i, 2);
    } else if (ch >= 0xA1 && ch <= 0xDF && (categories & (IsKanaSymbolByte(ch) ? WIDTH_KANA_SYMBOL : WIDTH_KATAKANA))) {
      char16_t full = kFullKana[ch - 0xA1];
      const auto next = i + 1 < length ? static_cast<unsigned char>(text[i + 1]) : 0;
      if (next == kVoicedMark && HasVoiced(ch)) {
        full = ch == 0xB3 ? u'ヴ' : static_cast<char16_t>(full + 1);
        ++i;
      } else if (next == kSemiVoicedMark && HasSemiVoiced(ch)) {
        full = static_cast<char16_t>(full + 2);
        ++i;
      }
      AppendUnicode(out, full);
    } else if (ch == ' ' && (categories & WIDTH_SPACE)) {
      AppendUnicode(out, u'\u3000');
    } else if (ch > ' ' && ch < 0x7F && (categories & (IsAlnum(ch) ? WIDTH_ALNUM : WIDTH_SYMBOL))) {
      AppendUnicode(out, static_cast<char16_t>(ch + 0xFEE0));
    } else {
      out.Append(text + i, 1);
    }
    i += n;
  }
  return out;
}

CRefString ToHalfWidth(const char* text, int length, unsigned categories) {
  CRefString out;
  for (int i = 0; i < length;) {
    const int n = CharLengthAt(text, i, length);
    if (n == 1) {
      out.Append(text + i, 1);
      ++i;
      continue;
    }
    const std::u16string wide = CP932ToUTF16(std::string_view(text + i, 2));
    const char16_t ch = wide.size() == 1 ? wide[0] : 0;
    std::string half;
    if (ch == 0x3000) {
      if (categories & WIDTH_SPACE) half = " ";
    } else if (ch >= 0xFF01 && ch <= 0xFF5E) {
      const auto ascii = static_cast<char>(ch - 0xFEE0);
      if (categories & (IsAlnum(static_cast<char16_t>(ascii)) ? WIDTH_ALNUM : WIDTH_SYMBOL)) half = std::string(1, ascii);
    } else if (ch >= 0x3041 && ch <= 0x30FC) {
      const bool hiragana = ch <= 0x3096;
      // Hiragana go through the katakana of the same sound.
      const char16_t kana = hiragana ? static_cast<char16_t>(ch + 0x60) : ch;
      for (int k = 0; k < kKanaCount && half.empty(); ++k) {
        const auto byte = static_cast<char>(0xA1 + k);
        const bool symbol = IsKanaSymbolByte(static_cast<unsigned char>(byte));
        const unsigned category = symbol ? WIDTH_KANA_SYMBOL : hiragana ? WIDTH_HIRAGANA : WIDTH_KATAKANA;
        if (!(categories & category)) continue;
        const char16_t full = kFullKana[k];
        if (full == kana) {
          half = std::string(1, byte);
        } else if (HasVoiced(static_cast<unsigned char>(byte)) &&
                   kana == (byte == static_cast<char>(0xB3) ? u'ヴ' : static_cast<char16_t>(full + 1))) {
          half = std::string(1, byte) + static_cast<char>(kVoicedMark);
        } else if (HasSemiVoiced(static_cast<unsigned char>(byte)) && kana == full + 2) {
          half = std::string(1, byte) + static_cast<char>(kSemiVoicedMark);
        }
      }
    }
    if (half.empty()) {
      out.Append(text + i, 2);
    } else {
      out.Append(half.data(), static_cast<int>(half.size()));
    }
    i += 2;
  }
  return out;
}
