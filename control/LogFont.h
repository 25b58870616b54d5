#pragma once
// The display font as Windows describes it (LOGFONT, ANSI, 60 bytes). Stored records hold it as
// little-endian bytes; it is read and written field by field, never as a memory image.
#include <cstdint>
#include <string>

struct CLogFont {
  std::int32_t lfHeight = 0;  // < 0: character height in pixels; > 0: cell height
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 0;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 0;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  std::string lfFaceName;  // Shift JIS, at most 31 bytes

  static constexpr int kSize = 60;
  static CLogFont FromBytes(const std::uint8_t* bytes);
  void ToBytes(std::uint8_t* bytes) const;

  // The system's fixed-pitch font.
  static CLogFont SystemFixed();
};

// The font size a host reads and writes (points times 10,000) and the height the record keeps, at a
// screen resolution of ppi pixels per inch. A positive size becomes the negated pixel height
// rounded to the nearest pixel; zero or less is kept as a raw height. Either is held to the largest
// height the control draws with.
std::int32_t FontHeightFromSize(std::int64_t size, int ppi);
std::int64_t FontSizeFromHeight(std::int32_t height, int ppi);

enum : std::uint8_t { SHIFTJIS_CHARSET = 128, FIXED_PITCH = 1, FF_MODERN = 0x30 };
