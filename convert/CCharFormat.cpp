#include "convert/CCharFormat.h"

#include <cstring>

CCharFormat::CCharFormat() : CHARFORMAT{} { cbSize = sizeof(CHARFORMAT); }

void CCharFormat::SetFromFont(const CFont& font) {
  LOGFONT lf{};
  font.GetLogFont(&lf);
  dwMask |= CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_CHARSET | CFM_FACE;
  dwEffects &= ~(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT);
  if (lf.lfWeight > FW_MEDIUM) dwEffects |= CFE_BOLD;
  if (lf.lfItalic) dwEffects |= CFE_ITALIC;
  if (lf.lfUnderline) dwEffects |= CFE_UNDERLINE;
  if (lf.lfStrikeOut) dwEffects |= CFE_STRIKEOUT;
  yHeight = (72 * lf.lfHeight / -CFont::GetScreenPPI()) * 20;
  bCharSet = lf.lfCharSet;
  bPitchAndFamily = lf.lfPitchAndFamily;
  std::memcpy(szFaceName, lf.lfFaceName, sizeof(szFaceName));
  szFaceName[LF_FACESIZE - 1] = '\0';
}

BOOL CCharFormat::MakeFont(CFont& font) const {
  LOGFONT lf{};
  lf.lfHeight = (yHeight * -CFont::GetScreenPPI() / 72) / 20;
  lf.lfWeight = (dwEffects & CFE_BOLD) ? FW_BOLD : FW_DONTCARE;
  lf.lfItalic = (dwEffects & CFE_ITALIC) ? 1 : 0;
  lf.lfUnderline = (dwEffects & CFE_UNDERLINE) ? 1 : 0;
  lf.lfStrikeOut = (dwEffects & CFE_STRIKEOUT) ? 1 : 0;
  lf.lfCharSet = bCharSet;
  lf.lfPitchAndFamily = bPitchAndFamily;
  std::memcpy(lf.lfFaceName, szFaceName, sizeof(lf.lfFaceName));
  lf.lfFaceName[LF_FACESIZE - 1] = '\0';
  font.DeleteObject();
  return font.CreateFontIndirect(&lf);
}

void CCharFormat::SetColor(COLORREF color) {
  dwMask |= CFM_COLOR;
  crTextColor = color;
}

void CCharFormat::SetBold(bool on) {
  dwMask |= CFM_BOLD;
  if (on) {
    dwEffects |= CFE_BOLD;
  } else {
    dwEffects &= ~CFE_BOLD;
  }
}

void CCharFormat::Toggle(DWORD bit) {
  dwMask |= bit;
  dwEffects ^= bit;
}
