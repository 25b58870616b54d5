#include "control/LogFont.h"

#include "control/ByteOrder.h"
#include "control/CCustomizeInfo.h"
#include "platform/base/MulDiv.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

std::int32_t ReadInt(const std::uint8_t* p) { return static_cast<std::int32_t>(ReadLE32(p)); }
void WriteInt(std::uint8_t* p, std::int32_t value) { WriteLE32(p, static_cast<std::uint32_t>(value)); }

}  // namespace

CLogFont CLogFont::FromBytes(const std::uint8_t* bytes) {
  CLogFont font;
  font.lfHeight = ReadInt(bytes);
  font.lfWidth = ReadInt(bytes + 4);
  font.lfEscapement = ReadInt(bytes + 8);
  font.lfOrientation = ReadInt(bytes + 12);
  font.lfWeight = ReadInt(bytes + 16);
  font.lfItalic = bytes[20];
  font.lfUnderline = bytes[21];
  font.lfStrikeOut = bytes[22];
  font.lfCharSet = bytes[23];
  font.lfOutPrecision = bytes[24];
  font.lfClipPrecision = bytes[25];
  font.lfQuality = bytes[26];
  font.lfPitchAndFamily = bytes[27];
  const char* face = reinterpret_cast<const char*>(bytes + 28);
  font.lfFaceName.assign(face, strnlen(face, 32));
  return font;
}

void CLogFont::ToBytes(std::uint8_t* bytes) const {
  std::memset(bytes, 0, kSize);
  WriteInt(bytes, lfHeight);
  WriteInt(bytes + 4, lfWidth);
  WriteInt(bytes + 8, lfEscapement);
  WriteInt(bytes + 12, lfOrientation);
  WriteInt(bytes + 16, lfWeight);
  bytes[20] = lfItalic;
  bytes[21] = lfUnderline;
  bytes[22] = lfStrikeOut;
  bytes[23] = lfCharSet;
  bytes[24] = lfOutPrecision;
  bytes[25] = lfClipPrecision;
  bytes[26] = lfQuality;
  bytes[27] = lfPitchAndFamily;
  std::memcpy(bytes + 28, lfFaceName.data(), std::min<size_t>(lfFaceName.size(), 31));
}

CLogFont CLogFont::SystemFixed() {
  CLogFont font;
  font.lfHeight = -16;
  font.lfWeight = 400;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  font.lfFaceName = "Noto Sans Mono CJK JP";
  return font;
}

std::int32_t FontHeightFromSize(std::int64_t size, int ppi) {
  // Held to the largest height before it is narrowed to 32 bits.
  if (size <= 0) return static_cast<std::int32_t>(std::max<std::int64_t>(size / 10000, -kMaxFontHeight));
  if (size > INT32_MAX) return -kMaxFontHeight;
  return ClampFontHeight((MulDiv(static_cast<int>(size), ppi, 72000) + 5) / -10);
}

std::int64_t FontSizeFromHeight(std::int32_t height, int ppi) {
  return height < 0 ? -static_cast<std::int64_t>(MulDiv(height, 720000, ppi)) : static_cast<std::int64_t>(height) * 10000;
}
