#include "platform/CodePage.h"

#include <iconv.h>
#include <wx/string.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

bool IsDBCSLeadByte(unsigned char ch) { return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC); }

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

// Converts straight into the result's own storage, grown in large blocks, so each character is
// written once and the input is never copied.
template <class Out>
Out ConvertInto(std::string_view text, Enc from, Enc to) {
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
  while (inLeft > 0) {
    if (step(&in, &inLeft) != static_cast<size_t>(-1)) break;
    // EILSEQ or EINVAL: replace one source character and go on.
    const size_t skip = std::min(SourceCharLength(from, in, inLeft), inLeft);
    in += skip;
    inLeft -= skip;
    char* q = const_cast<char*>(question.data());
    size_t qLeft = question.size();
    step(&q, &qLeft);
  }
  step(nullptr, nullptr);  // flush a shift sequence back to the initial state
  out.resize(used / sizeof(Unit));
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

std::u16string CP932ToUTF16(std::string_view text) {
  // UTF-16LE written straight into the units needs a little-endian host.
  static_assert(std::endian::native == std::endian::little);
  if (text.empty()) return std::u16string();
  return ConvertInto<std::u16string>(text, Enc::SJIS, Enc::UTF16);
}
CString UTF16ToCP932(std::u16string_view text) { return CString(Convert(U16ToBytes(text), Enc::UTF16, Enc::SJIS)); }
std::string CP932ToUTF8(std::string_view text) { return Convert(text, Enc::SJIS, Enc::UTF8); }
CString UTF8ToCP932(std::string_view text) { return CString(Convert(text, Enc::UTF8, Enc::SJIS)); }
std::string CP932ToEUCJP(std::string_view text) { return Convert(text, Enc::SJIS, Enc::EUCJP); }
CString EUCJPToCP932(std::string_view text) { return CString(Convert(text, Enc::EUCJP, Enc::SJIS)); }
std::string CP932ToJIS(std::string_view text) { return Convert(text, Enc::SJIS, Enc::JIS); }
CString JISToCP932(std::string_view text) { return CString(Convert(text, Enc::JIS, Enc::SJIS)); }

wxString CP932ToWx(std::string_view text) {
  const std::string utf8 = CP932ToUTF8(text);
  return wxString::FromUTF8(utf8.data(), utf8.size());
}

CString WxToCP932(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.ToUTF8();
  return UTF8ToCP932(std::string_view(utf8.data(), utf8.length()));
}

std::string ConvertCodePage(std::string_view text, unsigned int fromCodePage, unsigned int toCodePage) {
  return Convert(text, FromCodePage(fromCodePage), FromCodePage(toCodePage));
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
