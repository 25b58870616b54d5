#include "foundation/WebText.h"

#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "platform/base/LeadByte.h"

namespace {

bool IsUnreserved(unsigned char b) {
  return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') ||
         std::strchr("-_.!~*'()", b) != nullptr;
}

const char kAddressChars[] =
    "!#$%&'(*+-./0123456789:;=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ\\^_abcdefghijklmnopqrstuvwxyz~";

bool IsAddressChar(char ch) { return ch != '\0' && std::strchr(kAddressChars, ch) != nullptr; }

bool StartsWithNoCase(const char* p, const char* prefix) {
  for (; *prefix; ++p, ++prefix) {
    char a = *p;
    char b = *prefix;
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

// One pass of LinkifyUrls for one address prefix.
CString LinkifyPrefix(const CString& text, const char* prefix, bool newWindow) {
  const size_t prefixLength = std::strlen(prefix);
  const bool mail = std::strcmp(prefix, "mailto:") == 0;
  CString out;
  const char* s = text.GetString();
  const int length = text.GetLength();
  bool inTag = false;
  bool inAnchor = false;  // an earlier pass's link text: never wrap it a second time
  for (int i = 0; i < length;) {
    const char ch = s[i];
    if (ch == '<') {
      inTag = true;
      if (StartsWithNoCase(s + i, "<a ")) inAnchor = true;
      if (StartsWithNoCase(s + i, "</a>")) inAnchor = false;
    } else if (ch == '>') {
      inTag = false;
    } else if (!inTag && !inAnchor && std::strncmp(s + i, prefix, prefixLength) == 0) {
      int end = i;
      while (end < length && IsAddressChar(s[end])) ++end;
      const CString address(s + i, end - i);
      out += "<a href=\"";
      out += address;
      out += "\"";
      if (newWindow) out += " target=\"_blank\"";
      out += ">";
      out += mail ? address.Mid(7) : address;
      out += "</a>";
      i = end;
      continue;
    }
    const int step = CharLengthAt(s + i);
    out.Append(s + i, step);
    i += step;
  }
  return out;
}

int HexValue(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

}  // namespace

CString UrlEncode(const char* text) {
  CString out;
  for (const auto* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    if (IsUnreserved(*p)) {
      out += static_cast<char>(*p);
    } else {
      out.AppendFormat("%%%02X", *p);
    }
  }
  return out;
}

CString EscapeHtml(const char* text) {
  // One pass over the characters: none of the five is a trail byte of a valid pair, but a lead
  // byte takes the byte after it whatever that is, as every search of the program's strings does.
  const std::string_view in(text ? text : "");
  size_t special = 0;
  auto plain = [](char ch) {
    return ch != '&' && ch != '<' && ch != '>' && ch != '"' && ch != '\'' && !IsLeadByte(ch);
  };
  while (special < in.size() && plain(in[special])) ++special;
  if (special == in.size()) return CString(std::string(in));
  std::string out(in.substr(0, special));
  out.reserve(in.size() + in.size() / 8 + 16);
  for (size_t i = special; i < in.size(); ++i) {
    const char ch = in[i];
    if (IsLeadByte(ch) && i + 1 < in.size()) {
      out += ch;
      out += in[++i];
      continue;
    }
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out += ch; break;
    }
  }
  return CString(std::move(out));
}

CString UnescapeHtml(const char* text) {
  static const std::pair<const char*, char> kNamed[] = {
      {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};
  const std::string in(text ? text : "");
  std::string out;
  out.reserve(in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '&') {
      out += in[i];
      continue;
    }
    const std::string_view rest = std::string_view(in).substr(i + 1);
    bool replaced = false;
    for (const auto& [name, ch] : kNamed) {
      if (rest.starts_with(name)) {
        out += ch;
        i += std::strlen(name);
        replaced = true;
        break;
      }
    }
    if (!replaced && rest.starts_with('#')) {
      const bool hex = rest.size() > 1 && (rest[1] == 'x' || rest[1] == 'X');
      const int base = hex ? 16 : 10;
      const auto digit = [hex](char c) { return hex ? HexValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1); };
      const size_t first = hex ? 2 : 1;
      size_t end = first;
      int value = 0;
      for (; end < rest.size() && end < first + 6 && digit(rest[end]) >= 0; ++end)
        value = value * base + digit(rest[end]);
      if (end > first && end < rest.size() && rest[end] == ';' && value > 0 && value < 0x80) {
        out += static_cast<char>(value);
        i += end + 1;
        replaced = true;
      }
    }
    if (!replaced) out += '&';
  }
  return CString(std::move(out));
}

CString LinkifyUrls(const char* text, BOOL newWindow) {
  CString out(text);
  for (const char* prefix : {"http://", "https://", "ftp://", "mailto:"}) out = LinkifyPrefix(out, prefix, newWindow);
  return out;
}

COLORREF ParseHtmlColor(const char* text) {
  if (*text == '#') ++text;
  if (std::strlen(text) != 6) return 0;
  int rgb[3];
  for (int i = 0; i < 3; ++i) {
    const int hi = HexValue(text[i * 2]);
    const int lo = HexValue(text[i * 2 + 1]);
    if (hi < 0 || lo < 0) return 0;
    rgb[i] = hi * 16 + lo;
  }
  return RGB(rgb[0], rgb[1], rgb[2]);
}
