#include "platform/base/CodePage.h"

#include <iconv.h>
#include <wx/string.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include "platform/base/LeadByte.h"
#include "platform/base/Utf8Append.h"

bool IsDBCSLeadByte(unsigned char ch) { return IsLeadByte(ch); }

bool IsDBCSTrailByte(unsigned char ch) { return (ch >= 0x40 && ch <= 0x7E) || (ch >= 0x80 && ch <= 0xFC); }

namespace {

enum class Enc { SJIS, UTF8, UTF16, EUCJP, JIS };

const char* IconvName(Enc e) {
  switch (e) {
    case Enc::SJIS: return "CP932";
    case Enc::UTF8: return "UTF-8";
    case Enc::UTF16: return "UTF-16LE";
    case Enc::EUCJP: return "EUC-JP-MS";
    case Enc::JIS: return "ISO-2022-JP";
  }
  return "CP932";
}

Enc FromCodePage(unsigned int cp) {
  switch (cp) {
    case CP_UTF8: return Enc::UTF8;
    case CP_EUCJP: return Enc::EUCJP;
    case CP_JIS: return Enc::JIS;
    default: return Enc::SJIS;
  }
}

// One converter per direction, opened on first use and kept (opening is costly).
class ConverterCache {
 public:
  ~ConverterCache() {
    for (auto& entry : m_open) {
      if (entry.second != kFailed) iconv_close(entry.second);
    }
  }
  iconv_t Get(Enc from, Enc to) {
    auto it = m_open.find({from, to});
    if (it != m_open.end()) {
      if (it->second != kFailed) iconv(it->second, nullptr, nullptr, nullptr, nullptr);  // initial shift state
      return it->second;
    }
    iconv_t cd = iconv_open(IconvName(to), IconvName(from));
    m_open.emplace(std::make_pair(from, to), cd);
    return cd;
  }
  static inline const iconv_t kFailed = reinterpret_cast<iconv_t>(-1);

 private:
  std::map<std::pair<Enc, Enc>, iconv_t> m_open;
};

iconv_t Converter(Enc from, Enc to) {
  thread_local ConverterCache cache;
  return cache.Get(from, to);
}

// Bytes of one source character at p, used to step over what cannot be converted.
size_t SourceCharLength(Enc from, const char* p, size_t left) {
  const auto b = static_cast<unsigned char>(*p);
  switch (from) {
    case Enc::SJIS:
      return (IsDBCSLeadByte(b) && left >= 2) ? 2 : 1;
    case Enc::UTF16: {
      if (left < 2) return left;
      const unsigned unit = b | (static_cast<unsigned char>(p[1]) << 8);
      return (unit >= 0xD800 && unit <= 0xDBFF && left >= 4) ? 4 : 2;
    }
    case Enc::UTF8: {
      size_t n = 1;
      while (n < left && n < 4 && (static_cast<unsigned char>(p[n]) & 0xC0) == 0x80) ++n;
      return n;
    }
    case Enc::EUCJP:
      if (b == 0x8F && left >= 3) return 3;
      return (b >= 0x80 && left >= 2) ? 2 : 1;
    case Enc::JIS:
      return 1;
  }
  return 1;
}

// The UTF-8 characters of a list, each a whole sequence.
std::set<std::string_view> CharactersOf(std::string_view list) {
  std::set<std::string_view> characters;
  for (size_t i = 0; i < list.size();) {
    const size_t n = std::min(SourceCharLength(Enc::UTF8, list.data() + i, list.size() - i), list.size() - i);
    characters.insert(list.substr(i, n));
    i += n;
  }
  return characters;
}

// A whole UTF-8 character: a lead byte and as many continuation bytes as it announces.
bool IsWholeUTF8Character(std::string_view bytes) {
  const auto lead = static_cast<unsigned char>(bytes[0]);
  const size_t length = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  return length != 0 && bytes.size() == length;
}

// Converts straight into the result's own storage, grown in large blocks, so each character is
// written once and the input is never copied. With `lost`, every whole UTF-8 source character that
// the target cannot hold is appended to it once.
template <class Out>
Out ConvertInto(std::string_view text, Enc from, Enc to, std::string* lost = nullptr) {
  using Unit = typename Out::value_type;
  Out out;
  iconv_t cd = Converter(from, to);
  if (cd == ConverterCache::kFailed) return out;
  out.resize((text.size() * 2 + 16) / sizeof(Unit));
  size_t used = 0;  // bytes written
  // One iconv call, growing the output for as long as it asks for room.
  auto step = [&](char** in, size_t* inLeft) {
    for (;;) {
      char* const base = reinterpret_cast<char*>(out.data());
      char* dst = base + used;
      size_t dstLeft = out.size() * sizeof(Unit) - used;
      const size_t rc = iconv(cd, in, inLeft, &dst, &dstLeft);
      used = static_cast<size_t>(dst - base);
      if (rc != static_cast<size_t>(-1) || errno != E2BIG) return rc;
      out.resize(out.size() * 2);
    }
  };
  // What the target gets for a character it cannot hold: '?' written in the source encoding,
  // converted by the same converter so stateful targets stay consistent.
  const std::string question = from == Enc::UTF16 ? std::string("?\0", 2) : std::string("?");
  char* in = const_cast<char*>(text.data());  // iconv only reads its input
  size_t inLeft = text.size();
  std::set<std::string_view> listed;
  if (lost) listed = CharactersOf(*lost);
  std::string found;  // what this text adds to the list
  while (inLeft > 0) {
    if (step(&in, &inLeft) != static_cast<size_t>(-1)) break;
    // EILSEQ or EINVAL: replace one source character and go on.
    const size_t skip = std::min(SourceCharLength(from, in, inLeft), inLeft);
    const std::string_view character(in, skip);
    if (lost && from == Enc::UTF8 && IsWholeUTF8Character(character) && listed.insert(character).second)
      found.append(character);
    in += skip;
    inLeft -= skip;
    char* q = const_cast<char*>(question.data());
    size_t qLeft = question.size();
    step(&q, &qLeft);
  }
  step(nullptr, nullptr);  // flush a shift sequence back to the initial state
  out.resize(used / sizeof(Unit));
  if (lost) lost->append(found);
  return out;
}

std::string Convert(std::string_view text, Enc from, Enc to) {
  if (from == to || text.empty()) return std::string(text);
  return ConvertInto<std::string>(text, from, to);
}

std::u16string BytesToU16(const std::string& bytes) {
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return out;
}

std::string U16ToBytes(std::u16string_view text) {
  std::string out(text.size() * 2, '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    out[2 * i] = static_cast<char>(text[i] & 0xFF);
    out[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return out;
}

}  // namespace

namespace {

typedef unsigned char Bytes16 __attribute__((vector_size(16)));
typedef char16_t Units16 __attribute__((vector_size(32)));

// Loads sixteen bytes; true when none has its high bit set.
bool AllAscii(const unsigned char* p, Bytes16& bytes) {
  std::memcpy(&bytes, p, sizeof bytes);
  std::uint64_t halves[2];
  std::memcpy(halves, p, sizeof halves);
  return ((halves[0] | halves[1]) & 0x8080808080808080u) == 0;
}

// Code page 932 to UTF-16 by table: every character (one byte, or a lead byte and the byte after
// it) is one UTF-16 unit, and the converter has no state, so a text converts character by
// character. The tables are filled once from iconv itself, so both ways give the same units.
class SJISTable {
 public:
  SJISTable() : m_pairs(65536, u'\0') {
    for (int b = 0; b < 256; ++b) m_lead[b] = IsDBCSLeadByte(static_cast<unsigned char>(b));
    m_ok = true;
    Walk(*this, [this](std::string_view character, char16_t& unit) {
      const std::u16string converted =
          m_ok ? ConvertInto<std::u16string>(character, Enc::SJIS, Enc::UTF16) : std::u16string();
      m_ok = converted.size() == 1;
      if (m_ok) unit = converted[0];
    });
    m_asciiSame = true;
    for (int b = 0; b < 0x80; ++b) m_asciiSame = m_asciiSame && m_single[b] == b;
  }
  // False when some character did not give exactly one unit: then iconv converts every text.
  bool Usable() const { return m_ok; }
  // Every character with its unit.
  template <class Visit>
  void ForEach(Visit visit) const {
    Walk(*this, [&visit](std::string_view character, char16_t unit) { visit(character, unit); });
  }
  void Append(std::string_view text, std::u16string& out) const {
    const size_t first = out.size();
    out.resize(first + text.size());  // never more units than bytes
    char16_t* dst = out.data() + first;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* const end = p + text.size();
    while (p < end) {
      if (*p < 0x80 && m_asciiSame) {
        // Runs of ASCII are the bulk of most texts: sixteen bytes at a time while all are ASCII.
        for (Bytes16 bytes; end - p >= 16 && AllAscii(p, bytes);) {
          const Units16 units = __builtin_convertvector(bytes, Units16);
          std::memcpy(dst, &units, sizeof units);
          dst += 16;
          p += 16;
        }
        for (; p < end && *p < 0x80; ++p) *dst++ = *p;
      } else if (*p < 0x80) {
        *dst++ = m_single[*p++];
      } else if (m_lead[*p] && end - p >= 2) {
        *dst++ = m_pairs[static_cast<size_t>(p[0] << 8 | p[1])];
        p += 2;
      } else {
        *dst++ = m_single[*p++];
      }
    }
    out.resize(static_cast<size_t>(dst - out.data()));
  }
  // The same units as UTF-8: each is of the basic plane, so at most three bytes.
  void AppendUTF8(std::string_view text, std::string& out) const {
    size_t used = out.size();
    out.resize(used + text.size() + text.size() / 2 + 16);
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* const end = p + text.size();
    // Room for what comes next; grown for the worst case of the rest only when it runs out.
    auto room = [&](size_t need) {
      if (out.size() - used < need)
        out.resize(std::max(out.size() * 2, used + need + static_cast<size_t>(end - p) * 3));
      return out.data() + used;
    };
    while (p < end) {
      if (*p < 0x80 && m_asciiSame) {
        for (Bytes16 bytes; end - p >= 16 && AllAscii(p, bytes);) {
          std::memcpy(room(16), p, 16);
          used += 16;
          p += 16;
        }
        for (; p < end && *p < 0x80; ++p) {
          *room(1) = static_cast<char>(*p);
          ++used;
        }
        continue;
      }
      char16_t unit;
      if (*p >= 0x80 && m_lead[*p] && end - p >= 2) {
        unit = m_pairs[static_cast<size_t>(p[0] << 8 | p[1])];
        p += 2;
      } else {
        unit = m_single[*p++];
      }
      char* dst = room(3);
      if (unit < 0x80) {
        dst[0] = static_cast<char>(unit);
        used += 1;
      } else if (unit < 0x800) {
        dst[0] = static_cast<char>(0xC0 | unit >> 6);
        dst[1] = static_cast<char>(0x80 | (unit & 0x3F));
        used += 2;
      } else {
        dst[0] = static_cast<char>(0xE0 | unit >> 12);
        dst[1] = static_cast<char>(0x80 | (unit >> 6 & 0x3F));
        dst[2] = static_cast<char>(0x80 | (unit & 0x3F));
        used += 3;
      }
    }
    out.resize(used);
  }

 private:
  char16_t m_single[256] = {};
  bool m_lead[256] = {};  // the lead bytes, at hand for the conversion loop
  bool m_asciiSame = false;  // bytes below 0x80 are their own units
  std::vector<char16_t> m_pairs;  // by lead byte * 256 + next byte
  bool m_ok = false;

  template <class Self, class Visit>
  static void Walk(Self& self, Visit visit) {
    for (int b = 0; b < 256; ++b) {
      const char single = static_cast<char>(b);
      visit(std::string_view(&single, 1), self.m_single[b]);
      if (!self.m_lead[b]) continue;
      for (int t = 0; t < 256; ++t) {
        const char pair[2] = {single, static_cast<char>(t)};
        visit(std::string_view(pair, 2), self.m_pairs[static_cast<size_t>(b << 8 | t)]);
      }
    }
  }
};

const SJISTable& Table() {
  static const SJISTable table;
  return table;
}

}  // namespace

void AppendCP932ToUTF16(std::string_view text, std::u16string& out) {
  // UTF-16LE written straight into the units needs a little-endian host.
  static_assert(std::endian::native == std::endian::little);
  if (text.empty()) return;
  if (Table().Usable())
    Table().Append(text, out);
  else
    out += ConvertInto<std::u16string>(text, Enc::SJIS, Enc::UTF16);
}

std::optional<std::vector<std::string>> CP932FormsWhere(const std::function<bool(char16_t)>& test) {
  if (!Table().Usable()) return std::nullopt;
  std::vector<std::string> forms;
  Table().ForEach([&](std::string_view form, char16_t unit) {
    if (test(unit)) forms.emplace_back(form);
  });
  return forms;
}

std::u16string CP932ToUTF16(std::string_view text) {
  std::u16string out;
  AppendCP932ToUTF16(text, out);
  return out;
}

void AppendCP932ToUTF8(std::string_view text, std::string& out) {
  if (text.empty()) return;
  if (Table().Usable())
    Table().AppendUTF8(text, out);
  else
    out += ConvertInto<std::string>(text, Enc::SJIS, Enc::UTF8);
}
CString UTF16ToCP932(std::u16string_view text) { return CString(Convert(U16ToBytes(text), Enc::UTF16, Enc::SJIS)); }
std::string CP932ToUTF8(std::string_view text) { return Convert(text, Enc::SJIS, Enc::UTF8); }
CString UTF8ToCP932(std::string_view text) { return CString(Convert(text, Enc::UTF8, Enc::SJIS)); }
CString UTF8ToCP932(std::string_view text, std::string* lost) {
  if (text.empty()) return CString();
  return CString(ConvertInto<std::string>(text, Enc::UTF8, Enc::SJIS, lost));
}
std::string CP932ToEUCJP(std::string_view text) { return Convert(text, Enc::SJIS, Enc::EUCJP); }
CString EUCJPToCP932(std::string_view text) { return CString(Convert(text, Enc::EUCJP, Enc::SJIS)); }
std::string CP932ToJIS(std::string_view text) { return Convert(text, Enc::SJIS, Enc::JIS); }
CString JISToCP932(std::string_view text) { return CString(Convert(text, Enc::JIS, Enc::SJIS)); }

wxString CP932ToWx(std::string_view text) {
  const std::string utf8 = CP932ToUTF8(text);
  return wxString::FromUTF8(utf8.data(), utf8.size());
}

CString WxToCP932(const wxString& text) { return WxToCP932(text, nullptr); }

CString WxToCP932(const wxString& text, std::string* lost) {
  const wxScopedCharBuffer utf8 = text.ToUTF8();
  return UTF8ToCP932(std::string_view(utf8.data(), utf8.length()), lost);
}

int MultiByteToWideChar(unsigned int codePage, unsigned int /*flags*/, const char* src, int srcLength,
                        char16_t* dst, int dstLength) {
  if (!src) return 0;
  const size_t n = srcLength < 0 ? std::strlen(src) + 1 : static_cast<size_t>(srcLength);
  const std::u16string wide = BytesToU16(Convert(std::string_view(src, n), FromCodePage(codePage), Enc::UTF16));
  const int needed = static_cast<int>(wide.size());
  if (dstLength == 0) return needed;
  if (!dst || dstLength < needed) return 0;
  std::copy(wide.begin(), wide.end(), dst);
  return needed;
}

int WideCharToMultiByte(unsigned int codePage, unsigned int /*flags*/, const char16_t* src, int srcLength,
                        char* dst, int dstLength, const char* /*defaultChar*/, int* usedDefaultChar) {
  if (!src) return 0;
  size_t n = 0;
  if (srcLength < 0) {
    while (src[n]) ++n;
    ++n;
  } else {
    n = static_cast<size_t>(srcLength);
  }
  const std::u16string_view view(src, n);
  const std::string bytes = Convert(U16ToBytes(view), Enc::UTF16, FromCodePage(codePage));
  if (usedDefaultChar) {
    // A '?' that was not in the source is a replaced character.
    const auto asked = std::count(view.begin(), view.end(), u'?');
    *usedDefaultChar = std::count(bytes.begin(), bytes.end(), '?') > asked ? 1 : 0;
  }
  const int needed = static_cast<int>(bytes.size());
  if (dstLength == 0) return needed;
  if (!dst || dstLength < needed) return 0;
  std::memcpy(dst, bytes.data(), bytes.size());
  return needed;
}

CharIndexMap::CharIndexMap(std::string_view text) {
  m_starts.reserve(text.size() + 1);
  size_t i = 0;
  while (i < text.size()) {
    m_starts.push_back(static_cast<int>(i));
    i += (IsDBCSLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
  }
  m_starts.push_back(static_cast<int>(text.size()));
}

int CharIndexMap::ByteToChar(int byteOffset) const {
  if (byteOffset <= 0) return 0;
  auto it = std::upper_bound(m_starts.begin(), m_starts.end(), byteOffset);
  return static_cast<int>(it - m_starts.begin()) - 1;
}

int CharIndexMap::CharToByte(int charIndex) const {
  charIndex = std::clamp(charIndex, 0, CharCount());
  return m_starts[static_cast<size_t>(charIndex)];
}
