#include "platform/com/Guid.h"

#include <cctype>
#include <cstdio>
#include <cstring>

std::string GuidToString(REFGUID g) {
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2,
                g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6],
                g.Data4[7]);
  return text;
}

namespace {

bool ReadHex(const char*& p, int digits, std::uint64_t* value) {
  std::uint64_t v = 0;
  for (int i = 0; i < digits; ++i, ++p) {
    const char c = *p;
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    v = v * 16 + static_cast<std::uint64_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                                                       : (std::tolower(c) - 'a' + 10));
  }
  *value = v;
  return true;
}

bool Expect(const char*& p, char c) {
  if (*p != c) return false;
  ++p;
  return true;
}

}  // namespace

bool GuidFromString(const char* text, GUID* guid) {
  if (!text || !guid) return false;
  const char* p = text;
  const bool braced = *p == '{';
  if (braced) ++p;
  std::uint64_t v = 0;
  GUID g;
  if (!ReadHex(p, 8, &v)) return false;
  g.Data1 = static_cast<std::uint32_t>(v);
  if (!Expect(p, '-') || !ReadHex(p, 4, &v)) return false;
  g.Data2 = static_cast<std::uint16_t>(v);
  if (!Expect(p, '-') || !ReadHex(p, 4, &v)) return false;
  g.Data3 = static_cast<std::uint16_t>(v);
  if (!Expect(p, '-')) return false;
  for (int i = 0; i < 8; ++i) {
    if (i == 2 && !Expect(p, '-')) return false;
    if (!ReadHex(p, 2, &v)) return false;
    g.Data4[i] = static_cast<std::uint8_t>(v);
  }
  if (braced && !Expect(p, '}')) return false;
  if (*p != '\0') return false;
  *guid = g;
  return true;
}

// The well-known identifiers keep their Windows values, so stored class and interface ids stay valid.
const IID IID_NULL = {};
const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IEnumVARIANT = {0x00020404, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IErrorInfo = {0x1CF2B120, 0x547D, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};
const IID IID_ICreateErrorInfo = {0x22F03340, 0x547D, 0x101B, {0x8E, 0x65, 0x08, 0x00, 0x2B, 0x2B, 0xD1, 0x19}};
const IID IID_IConnectionPointContainer = {
    0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
const IID IID_IConnectionPoint = {0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
