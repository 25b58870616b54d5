#include "foundation/CharFolding.h"

#include <array>
#include <cstring>

#include "platform/base/CodePage.h"

namespace {

// Parallel tables: the n-th character of one corresponds to the n-th of the other. The literals
// are compiled to code page 932.
const char kHalfKana[] = "｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ";
const char kFullKana[] =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨ"
    "ラリルレロワン゛゜";
const char kAscii[] =
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
const char kFullAscii[] =
    "　！”＃＄％＆’（）＊＋，－．／０１２３４５６７８９：；＜＝＞？＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"
    "［＼］＾＿｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝～";
const char kHiragana[] =
    "ぁあぃいぅうぇえぉおかがきぎくぐけげこごさざしじすずせぜそぞただちぢっつづてでとどなにぬねのはばぱひびぴふぶぷ"
    "へべぺほぼぽまみむめもゃやゅゆょよらりるれろゎわゐゑをん";
const char kKatakana[] =
    "ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトドナニヌネノハバパヒビピフブプ"
    "ヘベペホボポマミムメモャヤュユョヨラリルレロヮワヰヱヲン";
const char kVoicedHalf[] = "ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｳﾞ";
const char kVoicedKata[] = "ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヴ";
const char kVoicedHira[] = "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽヴ";
const char kUpper[] =
    "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ"
    "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
const char kLower[] =
    "ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚαβγδεζηθικλμνξοπρστυφχψω"
    "абвгдеёжзийклмнопрстуфхцчшщъыьэюя";
const char kLooseFrom[] =
    "ｧｨｩｪｫｯｬｭｮ-ぁぃぅぇぉっゃゅょァィゥェォッャュョ－ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヴ";
const char kLooseTo[] =
    "ｱｲｳｴｵﾂﾔﾕﾖｰあいうえおつやゆよアイウエオツヤユヨーカキクケコサシスセソタチツテトハヒフヘホハヒフヘホウ";

// Maps every character of code page 932 that any table touches: all single bytes and the
// double-byte block 0x8100-0x84FF, where the kana, symbols, letters and Cyrillic lie.
class CharMap {
 public:
  CharMap() {
    for (int i = 0; i < 256; ++i) m_single[static_cast<size_t>(i)] = static_cast<SjisChar>(i);
    for (int i = 0; i < 0x400; ++i) m_double[static_cast<size_t>(i)] = static_cast<SjisChar>(0x8100 + i);
  }
  void AddPairs(const char* from, const char* to) {
    while (*from && *to) {
      int lf = 0;
      int lt = 0;
      const SjisChar a = ReadSjisChar(from, &lf);
      const SjisChar b = ReadSjisChar(to, &lt);
      Set(a, b);
      from += lf;
      to += lt;
    }
  }
  void Set(SjisChar from, SjisChar to) {
    if (SjisChar* slot = Slot(from)) *slot = to;
  }
  SjisChar Get(SjisChar ch) const {
    if (ch < 0x100) return m_single[ch];
    if (ch >= 0x8100 && ch < 0x8500) return m_double[ch - 0x8100u];
    return ch;
  }

 private:
  SjisChar* Slot(SjisChar ch) {
    if (ch < 0x100) return &m_single[ch];
    if (ch >= 0x8100 && ch < 0x8500) return &m_double[ch - 0x8100u];
    return nullptr;
  }
  std::array<SjisChar, 256> m_single{};
  std::array<SjisChar, 0x400> m_double{};
};

struct Tables {
  Tables() {
    full.AddPairs(kAscii, kFullAscii);
    full.AddPairs(kHalfKana, kFullKana);
    half.AddPairs(kFullAscii, kAscii);
    half.AddPairs(kFullKana, kHalfKana);
    // Hiragana take the half-width katakana of the same sound.
    CharMap hiraToKata;
    hiraToKata.AddPairs(kHiragana, kKatakana);
    for (const char* p = kHiragana; *p;) {
      int len = 0;
      const SjisChar h = ReadSjisChar(p, &len);
      const SjisChar halfForm = half.Get(hiraToKata.Get(h));
      if (halfForm < 0x100) half.Set(h, halfForm);
      p += len;
    }
    half.AddPairs("‐×÷", "-*/");
    upper.AddPairs("abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    upper.AddPairs(kLower, kUpper);
    kata.AddPairs(kHiragana, kKatakana);
    hira.AddPairs(kKatakana, kHiragana);
    loose.AddPairs(kLooseFrom, kLooseTo);
  }
  CharMap full, half, upper, kata, hira, loose;
};

const Tables& T() {
  static const Tables tables;
  return tables;
}

// Index of ch among the characters of a table, -1 when absent.
int IndexIn(const char* table, SjisChar ch, int step) {
  int index = 0;
  for (const char* p = table; *p; p += step, ++index) {
    int len = 0;
    if (ReadSjisChar(p, &len) == ch) return index;
  }
  return -1;
}

SjisChar CharAtIndex(const char* table, int index, int step) {
  int len = 0;
  return ReadSjisChar(table + index * step, &len);
}

}  // namespace

SjisChar ReadSjisChar(const char* p, int* length) {
  const auto b = static_cast<unsigned char>(p[0]);
  if (IsDBCSLeadByte(b) && p[1] != '\0') {
    *length = 2;
    return static_cast<SjisChar>((b << 8) | static_cast<unsigned char>(p[1]));
  }
  *length = 1;
  return b;
}

bool IsHalfWidthKana(SjisChar ch) { return ch >= 0xA1 && ch <= 0xDF; }
bool IsFullKatakana(SjisChar ch) { return ch >= 0x8340 && ch <= 0x8396 && ch != 0x837F; }
bool IsHiragana(SjisChar ch) { return ch >= 0x829F && ch <= 0x82F1; }

SjisChar FullWidthOf(SjisChar ch) { return T().full.Get(ch); }
SjisChar HalfWidthOf(SjisChar ch) { return T().half.Get(ch); }
SjisChar UpperOf(SjisChar ch) { return T().upper.Get(ch); }
SjisChar KatakanaOf(SjisChar ch) { return T().kata.Get(ch); }
SjisChar HiraganaOf(SjisChar ch) {
  return (ch >= 0x8340 && ch <= 0x8393) ? T().hira.Get(ch) : ch;  // ヴ ヵ ヶ stay
}
SjisChar LooseOf(SjisChar ch) { return T().loose.Get(ch); }

SjisChar CombineVoiced(SjisChar base, SjisChar mark) {
  const SjisChar halfBase = base < 0x100 ? base : HalfWidthOf(base);
  const SjisChar halfMark = mark < 0x100 ? mark : HalfWidthOf(mark);
  if (halfBase < 0xA1 || halfBase > 0xDF || (halfMark != 0xDE && halfMark != 0xDF)) return 0;
  for (int i = 0; kVoicedHalf[i * 2]; ++i) {
    if (static_cast<unsigned char>(kVoicedHalf[i * 2]) == halfBase &&
        static_cast<unsigned char>(kVoicedHalf[i * 2 + 1]) == halfMark) {
      return CharAtIndex(kVoicedKata, i, 2);
    }
  }
  return 0;
}

bool SplitVoiced(SjisChar ch, SjisChar* base, SjisChar* mark) {
  int index = IndexIn(kVoicedKata, ch, 2);
  if (index < 0) index = IndexIn(kVoicedHira, ch, 2);
  if (index < 0) return false;
  *base = static_cast<unsigned char>(kVoicedHalf[index * 2]);
  *mark = static_cast<unsigned char>(kVoicedHalf[index * 2 + 1]);
  return true;
}
