#pragma once
// A character format of the rich-text control: which attributes it sets (the mask), the effects,
// the height in twips, the colour, the character set and the face. It converts to and from the
// program's fonts, whose heights are logical (negative pixel) heights of the screen.
#include "platform/desktop/CFont.h"
#include "platform/base/WinTypes.h"

#define CFM_BOLD 0x00000001u
#define CFM_ITALIC 0x00000002u
#define CFM_UNDERLINE 0x00000004u
#define CFM_STRIKEOUT 0x00000008u
#define CFM_CHARSET 0x08000000u
#define CFM_FACE 0x20000000u
#define CFM_COLOR 0x40000000u
#define CFM_SIZE 0x80000000u

#define CFE_BOLD 0x00000001u
#define CFE_ITALIC 0x00000002u
#define CFE_UNDERLINE 0x00000004u
#define CFE_STRIKEOUT 0x00000008u

// The record with the Windows field layout, 60 bytes with its size field.
struct CHARFORMAT {
  UINT cbSize;
  DWORD dwMask;
  DWORD dwEffects;
  LONG yHeight;
  LONG yOffset;
  COLORREF crTextColor;
  BYTE bCharSet;
  BYTE bPitchAndFamily;
  char szFaceName[LF_FACESIZE];
};
static_assert(sizeof(CHARFORMAT) == 60);

class CCharFormat : public CHARFORMAT {
 public:
  CCharFormat();

  // Bold, italic, underline, strike-out, size, character set and face of the font.
  void SetFromFont(const CFont& font);
  // The font of this format; a font the object held before is replaced.
  BOOL MakeFont(CFont& font) const;
  void SetColor(COLORREF color);

  void ToggleBold() { Toggle(CFM_BOLD); }
  void SetBold(bool on);
  void ToggleItalic() { Toggle(CFM_ITALIC); }
  void ToggleUnderline() { Toggle(CFM_UNDERLINE); }
  void ToggleStrikeOut() { Toggle(CFM_STRIKEOUT); }

 private:
  void Toggle(DWORD bit);
};
