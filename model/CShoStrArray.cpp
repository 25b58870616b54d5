#include "model/CShoStrArray.h"

#include <charconv>
#include <cstdlib>
#include <string>
#include <utility>

#include "foundation/CTextFile.h"
#include "foundation/JapaneseText.h"
#include "model/ATREE.h"
#include "platform/framework/CWinApp.h"
#include "platform/desktop/MessageBox.h"
#include "platform/base/PrivateProfile.h"
#include "model/StoredForms.h"

namespace {

struct DefaultStyle {
  const char* mae;
  int no;
  const char* ato;
};

// Styles of the first ten levels when a stored form lacks their keys.
constexpr DefaultStyle kDefaults[] = {
    {"", 2, "."}, {"", 0, "."}, {"", 3, "."}, {"(", 0, ")"}, {"", 1, "."},
    {"(", 4, ")"}, {"(", 5, ")"}, {"", 0, "."}, {"", 1, "."}, {"", 2, "."},
};
constexpr int kDefaultCount = 10;

DefaultStyle DefaultFor(int level) {
  if (level >= 0 && level < kDefaultCount) return kDefaults[level];
  return {"", 7, ""};
}

// Reads keys of one section of an ini file; a null path means the settings file.
class IniReader {
 public:
  IniReader(const char* path, const char* section) : m_path(path), m_section(section) {}
  CString GetString(const char* key, const char* defaultValue) const {
    if (m_path == nullptr) return AfxGetProfileString(m_section, key, defaultValue);
    char buffer[2048];
    GetPrivateProfileString(m_section, key, defaultValue, buffer, sizeof buffer, m_path);
    return buffer;
  }
  int GetInt(const char* key, int defaultValue) const {
    if (m_path == nullptr) return AfxGetProfileInt(m_section, key, defaultValue);
    return GetPrivateProfileInt(m_section, key, defaultValue, m_path);
  }

 private:
  const char* m_path;
  const char* m_section;
};

// Writes keys of one section of an ini file; a null path means the settings file.
BOOL WriteIniString(const char* path, const char* section, const char* key, const char* value) {
  if (path == nullptr) return AfxWriteProfileString(section, key, value);
  return WritePrivateProfileString(section, key, value, path);
}

CString Key(const char* name, int i) {
  CString key;
  key.Format("%s%02d", name, i);
  return key;
}

CString Quoted(const CString& text) { return "\"" + text + "\""; }

const char* const kKindNames[] = {
    "数字（1,2,3・・）",
    "全角数字（１,２,３・・）",
    "ローマ数字（Ⅰ,II,III・・）",
    "英大文字（A,B,C・・）",
    "英小文字（a,b,b・・）",
    "丸付き数字（①,②,③・・）",
    "漢数字（一,二,三・・）",
    "なし",
    "半角カナ（ｱ,ｲ,ｳ・・）",
    "全角カナ（ア,イ,ウ・・）",
    "ひらがな（あ,い,う・・）",
    "章番号（1-1,1-2,2-3・・）",
};
constexpr int kCustomKind = 12;

constexpr const char* kRomanDigits = "ⅠⅡⅢⅣⅤⅥⅦⅧⅨ";
constexpr const char* kRomanTen = "Ⅹ";
constexpr const char* kCircled = "①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳";
constexpr const char* kKanji = "一二三四五六七八九十";
// The half-width kana 0xB1 (ｱ) .. 0xDD (ﾝ), in syllabary order.
constexpr int kKanaCount = 45;

// Decimal digits of n, with a leading '-' below zero. Heading numbers are formatted for every row
// the outline shows, so this stays clear of printf and its locale.
struct Digits {
  char text[16];
  int length;
};

Digits DecimalDigits(int n) {
  Digits d{};
  d.length = static_cast<int>(std::to_chars(d.text, d.text + sizeof d.text, n).ptr - d.text);
  return d;
}

void AppendDecimal(CString& out, int n) {
  const Digits d = DecimalDigits(n);
  out.Append(d.text, d.length);
}

// The full-width forms of the digits and of the minus sign, as two-byte cells.
constexpr const char* kFullDigits = "０１２３４５６７８９";
constexpr const char* kFullMinus = "－";

void AppendFullWidthDecimal(CString& out, int n) {
  const Digits d = DecimalDigits(n);
  for (int p = 0; p < d.length; ++p) {
    out.Append(d.text[p] == '-' ? kFullMinus : kFullDigits + 2 * (d.text[p] - '0'), 2);
  }
}

CString FullWidth(const char* text) {
  CString out;
  ToFullWidth(text, out);
  return out;
}

CString Hiragana(const CString& text) {
  CString out;
  KatakanaToHiragana(text, out);
  return out;
}

// Double-byte tables are stored as runs of two-byte cells.
void AppendCell(CString& out, const char* table, int index) { out.Append(table + 2 * index, 2); }

// Each non-zero digit gives its glyph (a 1 only in the last place) followed by one "Ⅹ" per
// digit to its right: 12 is ⅩⅡ, 20 is ⅡⅩ, 100 is ⅩⅩ.
void AppendRoman(CString& out, int n) {
  if (n < 1) return;
  const Digits digits = DecimalDigits(n);
  const int length = digits.length;
  for (int p = 0; p < length; ++p) {
    const int d = digits.text[p] - '0';
    if (d == 0) continue;
    if (d != 1 || p == length - 1) AppendCell(out, kRomanDigits, d - 1);
    for (int k = 0; k < length - p - 1; ++k) out += kRomanTen;
  }
}

// n right-aligned in two places, then ". ".
void AppendPaddedDecimal(CString& out, int n) {
  const Digits d = DecimalDigits(n);
  if (d.length < 2) out.AppendChar(' ');
  out.Append(d.text, d.length);
  out.Append(". ", 2);
}

// Position of n in an alphabet of `size` letters, starting over after the last one; -1 below 1.
int Cycle(int n, int size) { return n < 1 ? -1 : (n - 1) % size; }

// Integer after position `from` of the key, as atoi reads it.
int IndexAfter(const CString& key, int from) { return std::atoi(key.GetString() + from); }

CString WithoutLineEnds(const char* value) {
  CString s(value);
  s.TrimRight("\r\n");
  return s;
}

void SplitAtSeparator(const char* text, std::vector<CString>& out) {
  const CString s(text);
  const int length = s.GetLength();
  int start = 0;
  while (start < length) {
    int end = s.Find(SHO_CUSTOM_SEPARATOR, start);
    if (end < 0) end = length;
    out.push_back(s.Mid(start, end - start));
    start = end + 1;
  }
}

}  // namespace

// --- CShoStr -------------------------------------------------------------------------------------

CString CShoStr::GetCustomText() const {
  CString s;
  for (const CString& piece : Custom) {
    s += piece;
    s += SHO_CUSTOM_SEPARATOR;
  }
  return s;
}

void CShoStr::SetCustomText(const char* text) {
  Custom.clear();
  SplitAtSeparator(text, Custom);
}

CString CShoStr::GetCustom(int k) const {
  return k >= 0 && k < GetCustomCount() ? Custom[static_cast<size_t>(k)] : CString();
}

// --- CShoStrArray --------------------------------------------------------------------------------

CShoStrArray::CShoStrArray() : CShoStrArray("ShoStr") {}

CShoStrArray::CShoStrArray(const char* section)
    : m_strSection(section), m_strSeparator(AfxGetProfileString("Text", "ShowStr", "-")) {}

CShoStrArray::CShoStrArray(const CShoStrArray& other) { *this = other; }

CShoStrArray& CShoStrArray::operator=(const CShoStrArray& other) {
  if (this == &other) return *this;
  m_nCount = other.m_nCount;
  m_strSection = other.m_strSection;
  m_strSeparator = other.m_strSeparator;
  for (int i = 0; i < m_nCount; ++i) m_styles[i] = other.m_styles[i];
  return *this;
}

CString CShoStrArray::FormatNumber(int level, const int* counters) const {
  // A level past the styles in use still has its kept entry (loaded with the table, or left by a
  // shorter table read later): only a level beyond the table itself has no number.
  if (counters == nullptr || !IsIndex(level)) return CString();
  const CShoStr& style = m_styles[level];
  const int n = counters[level];
  CString text(style.Mae);
  switch (style.No) {
    case 0:
      AppendDecimal(text, n);
      break;
    case 1:
      AppendFullWidthDecimal(text, n);
      break;
    case 2:
      AppendRoman(text, n);
      break;
    case 3:
    case 4:
      if (const int k = Cycle(n, 26); k >= 0) text.AppendChar(static_cast<char>((style.No == 3 ? 'A' : 'a') + k));
      break;
    case 5:
      if (const int k = Cycle(n, 20); k >= 0) AppendCell(text, kCircled, k);
      break;
    case 6:
      if (const int k = Cycle(n, 10); k >= 0) AppendCell(text, kKanji, k);
      break;
    case 7:
      break;
    case 8:
      if (const int k = Cycle(n, kKanaCount); k >= 0) text.AppendChar(static_cast<char>(0xB1 + k));
      break;
    case 9:
    case 10:
      if (const int k = Cycle(n, kKanaCount); k >= 0) {
        const char half[2] = {static_cast<char>(0xB1 + k), '\0'};
        text += style.No == 9 ? FullWidth(half) : Hiragana(FullWidth(half));
      }
      break;
    case 11:
      for (int j = 0; j <= level; ++j) {
        if (j > 0) text += m_strSeparator;
        AppendDecimal(text, counters[j]);
      }
      break;
    case kCustomKind: {
      const int m = style.GetCustomCount();
      if (m > 0 && n >= 1) text += style.GetCustom(n - 1 >= m ? m - 1 : n - 1);
      break;
    }
    default:
      AppendPaddedDecimal(text, n);
      break;
  }
  text += style.Ato;
  return text;
}

CString CShoStrArray::GetKindName(int i) const {
  const CShoStr& style = GetAt(i);
  if (style.No >= 0 && style.No < kCustomKind) return kKindNames[style.No];
  if (style.No != kCustomKind) return CString();
  CString name("カスタム（");
  for (int k = 0; k < style.GetCustomCount() && k < 3; ++k) name += style.GetCustom(k) + ",";
  return name + "・・)";
}

void CShoStrArray::Add(const char* mae, int kind, const char* ato, const char* customText) {
  if (m_nCount >= MaxStyles) return;
  CShoStr& style = m_styles[m_nCount];
  style.Mae = mae;
  style.No = kind;
  style.Ato = ato;
  if (kind == kCustomKind) style.SetCustomText(customText);
  ++m_nCount;
}

void CShoStrArray::RemoveAt(int i) {
  if (m_nCount <= 0 || i < 0 || i >= m_nCount) return;
  for (int k = i; k + 1 < m_nCount; ++k) m_styles[k] = m_styles[k + 1];
  --m_nCount;
}

void CShoStrArray::Swap(int i, int j) {
  if (!IsIndex(i) || !IsIndex(j)) return;
  std::swap(m_styles[i], m_styles[j]);
}

void CShoStrArray::ParseLine(const char* key, const char* value) {
  const CString k(key);
  if (k.Find("ShoStrCount") >= 0) {
    const int count = std::atoi(value);
    m_nCount = count < 0 ? 0 : (count > MaxStyles ? MaxStyles : count);
    m_bSaveInDocument = 1;
    return;
  }
  enum Field { kMae, kAto, kNo, kCustom };
  struct Name {
    const char* text;
    Field field;
  };
  static constexpr Name kNames[] = {{"ShoStrMae", kMae}, {"ShoStrAto", kAto}, {"ShoStrNo", kNo}, {"ShoStrCustom", kCustom}};
  for (const Name& name : kNames) {
    const int at = k.Find(name.text);
    if (at < 0) continue;
    const int i = IndexAfter(k, at + static_cast<int>(std::char_traits<char>::length(name.text)));
    if (!IsIndex(i)) return;  // no such level: the line is dropped
    CShoStr& style = m_styles[i];
    switch (name.field) {
      case kMae: style.Mae = WithoutLineEnds(value); break;
      case kAto: style.Ato = WithoutLineEnds(value); break;
      case kNo: style.No = std::atoi(value); break;
      case kCustom: style.SetCustomText(WithoutLineEnds(value)); break;
    }
    return;
  }
}

CString CShoStrArray::GetLinesText() const {
  CString lines;
  if (!m_bSaveInDocument) return lines;
  lines.Format("ShoStrCount=%d\n", m_nCount);
  for (int i = 0; i < m_nCount; ++i) {
    const CShoStr& style = m_styles[i];
    lines.AppendFormat("ShoStrMae%d=%s\n", i, OneLine(style.Mae).GetString());
    lines.AppendFormat("ShoStrAto%d=%s\n", i, OneLine(style.Ato).GetString());
    lines.AppendFormat("ShoStrNo%d=%d\n", i, style.No);
    if (style.No == kCustomKind) {
      lines.AppendFormat("ShoStrCustom%d=%s\n", i, OneLine(style.GetCustomText()).GetString());
    }
  }
  return lines;
}

void CShoStrArray::WriteLines(CTextFile& file) const {
  if (m_bSaveInDocument) file.WriteString(GetLinesText());
}

int CShoStrArray::Load(const char* path) {
  if (path != nullptr && HasExtension(path, ".kvn")) {
    ATREE document;
    if (document.OpenFile(path, 0, 0) < 0) {
      AfxMessageBox("ファイルが開けません");
      return 0;
    }
    *this = document.GetShoStr();
    return m_nCount;
  }
  return LoadIni(path);
}

int CShoStrArray::LoadIni(const char* path) {
  const IniReader ini(path, m_strSection);
  const int count = ini.GetInt("MenuNo", kDefaultCount);
  m_nCount = count < 0 ? 0 : (count > MaxStyles ? MaxStyles : count);
  for (int i = 0; i < m_nCount; ++i) {
    const DefaultStyle defaults = DefaultFor(i);
    CShoStr& style = m_styles[i];
    style.Mae = ini.GetString(Key("Str1", i), defaults.mae);
    style.Ato = ini.GetString(Key("Str2", i), defaults.ato);
    style.No = ini.GetInt(Key("Sho", i), defaults.no);
    CString custom = ini.GetString(Key("Custom", i), "");
    if (!custom.IsEmpty()) style.SetCustomText(custom.TrimRight("\r\n"));
    style.Mae.TrimRight("\r\n");
    style.Ato.TrimRight("\r\n");
  }
  return m_nCount;
}

// The quotes keep leading and trailing blanks: the ini reader removes one enclosing pair.
BOOL CShoStrArray::Save(const char* path) const {
  auto write = [&](const char* key, const CString& value) { return WriteIniString(path, m_strSection, key, value); };
  CString number;
  number.Format("%d", m_nCount);
  BOOL ok = write("MenuNo", number);
  for (int i = 0; i < m_nCount && ok; ++i) {
    const CShoStr& style = m_styles[i];
    number.Format("%d", style.No);
    ok = write(Key("Str1", i), Quoted(style.Mae)) && write(Key("Str2", i), Quoted(style.Ato)) &&
         write(Key("Sho", i), number) &&
         (style.No != kCustomKind || write(Key("Custom", i), Quoted(style.GetCustomText())));
  }
  return ok;
}
