#pragma once
// LOGFONT with the Windows (ANSI) field layout, 60 bytes, so it can be stored and read back byte
// for byte, and CFont, a font made from one over wxFont. The face name is Shift JIS; Japanese
// Windows faces map to the Noto CJK JP faces when the wxFont is made.
#include <cstddef>

#include <wx/font.h>
#include <wx/string.h>

#include "platform/base/WinTypes.h"

#define LF_FACESIZE 32

#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define FW_HEAVY 900

#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SYMBOL_CHARSET 2
#define SHIFTJIS_CHARSET 128
#define HANGUL_CHARSET 129
#define JOHAB_CHARSET 130
#define GB2312_CHARSET 134
#define CHINESEBIG5_CHARSET 136
#define GREEK_CHARSET 161
#define TURKISH_CHARSET 162
#define VIETNAMESE_CHARSET 163
#define HEBREW_CHARSET 177
#define ARABIC_CHARSET 178
#define BALTIC_CHARSET 186
#define RUSSIAN_CHARSET 204
#define THAI_CHARSET 222
#define EASTEUROPE_CHARSET 238
#define OEM_CHARSET 255

#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30
#define FF_SCRIPT 0x40
#define FF_DECORATIVE 0x50

struct LOGFONT {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char lfFaceName[LF_FACESIZE];
};
using LOGFONTA = LOGFONT;
static_assert(sizeof(LOGFONT) == 60);
static_assert(offsetof(LOGFONT, lfCharSet) == 23);
static_assert(offsetof(LOGFONT, lfFaceName) == 28);

class CFont {
 public:
  CFont() = default;
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;
  virtual ~CFont() = default;

  // A font already made is replaced. FALSE when lf is null.
  BOOL CreateFontIndirect(const LOGFONT* lf);
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                  BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                  BYTE pitchAndFamily, LPCTSTR faceName);
  // pointSize in tenths of a point; the height becomes the negative pixel size at the screen's PPI.
  BOOL CreatePointFont(int pointSize, LPCTSTR faceName);
  // From a font chosen through wx (font dialogs): height from its point size, face name as wx has it.
  BOOL CreateFromWxFont(const wxFont& font);
  BOOL DeleteObject();

  // The LOGFONT the font was made from; 0 when no font is made.
  int GetLogFont(LOGFONT* lf) const;
  // Copies min(count, 60) bytes of the LOGFONT; returns the bytes copied, 0 when no font is made.
  int GetObject(int count, void* buffer) const;

  bool HasFont() const { return m_font.IsOk(); }
  const wxFont& GetWxFont() const { return m_font; }
  operator const wxFont&() const { return m_font; }  // NOLINT: handed to wx as a font

  // Vertical pixels per inch of the screen (96 when no GUI runs).
  static int GetScreenPPI();
  // Face name wx should ask for: Japanese Windows faces become Noto CJK JP faces; an empty face
  // follows the pitch and family bits; other faces pass through.
  static wxString WxFaceName(const char* faceName, BYTE pitchAndFamily);

 private:
  LOGFONT m_logFont{};
  wxFont m_font;
};
