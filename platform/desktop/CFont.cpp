#include "platform/desktop/CFont.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <wx/app.h>
#include <wx/dcscreen.h>

#include "platform/base/CString.h"
#include "platform/base/CodePage.h"
#include "platform/base/MulDiv.h"

namespace {

constexpr LONG kMaxFontHeight = 16384;

constexpr const char* kSans = "Noto Sans CJK JP";
constexpr const char* kSerif = "Noto Serif CJK JP";
constexpr const char* kMono = "Noto Sans Mono CJK JP";

struct FaceMapping {
  const char* windowsFace;  // Shift JIS; ASCII letters compared without case
  const char* linuxFace;
};

// Fixed-pitch Windows faces go to the mono face so columns still line up.
constexpr FaceMapping kFaces[] = {
    {"ＭＳ ゴシック", kMono},   {"MS Gothic", kMono},     {"FixedSys", kMono},       {"Terminal", kMono},
    {"ＭＳ Ｐゴシック", kSans}, {"MS PGothic", kSans},    {"MS UI Gothic", kSans},   {"メイリオ", kSans},
    {"Meiryo", kSans},          {"Meiryo UI", kSans},     {"游ゴシック", kSans},     {"Yu Gothic", kSans},
    {"Yu Gothic UI", kSans},    {"System", kSans},        {"MS Shell Dlg", kSans},   {"MS Shell Dlg 2", kSans},
    {"MS Sans Serif", kSans},   {"ＭＳ 明朝", kSerif},      {"MS Mincho", kSerif},     {"ＭＳ Ｐ明朝", kSerif},
    {"MS PMincho", kSerif},     {"游明朝", kSerif},         {"Yu Mincho", kSerif},
};

void CopyFaceName(char (&dest)[LF_FACESIZE], const char* face) {
  std::memset(dest, 0, sizeof dest);
  if (!face) return;
  // Never cut a double-byte character in half when the name is too long.
  size_t n = 0;
  const size_t limit = LF_FACESIZE - 1;
  while (face[n] && n < limit) {
    const size_t step = IsDBCSLeadByte(static_cast<unsigned char>(face[n])) && face[n + 1] ? 2 : 1;
    if (n + step > limit) break;
    n += step;
  }
  std::memcpy(dest, face, n);
}

}  // namespace

int CFont::GetScreenPPI() {
  if (wxTheApp && wxTheApp->IsGUI()) {
    const int ppi = wxScreenDC().GetPPI().y;
    if (ppi > 0) return ppi;
  }
  return 96;
}

wxString CFont::WxFaceName(const char* faceName, BYTE pitchAndFamily) {
  const CString face(faceName ? faceName : "");
  if (face.IsEmpty()) {
    if ((pitchAndFamily & 0x03) == FIXED_PITCH || (pitchAndFamily & 0xF0) == FF_MODERN) return kMono;
    if ((pitchAndFamily & 0xF0) == FF_ROMAN) return kSerif;
    return kSans;
  }
  for (const FaceMapping& m : kFaces) {
    if (face.CompareNoCase(m.windowsFace) == 0) return m.linuxFace;
  }
  return CP932ToWx(face.str());
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lf) {
  if (!lf) return FALSE;
  LOGFONT logFont = *lf;
  logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
  // Heights come from settings files too: one far out of range would overflow below or be refused
  // by the toolkit in an assertion. Kept with its sign, so the size stays a character or cell size.
  logFont.lfHeight = std::clamp<LONG>(logFont.lfHeight, -kMaxFontHeight, kMaxFontHeight);
  // A height of 0 asks for the default size; a positive height (cell height) is taken as the
  // character size, near enough for the faces the program uses.
  const int pixels = logFont.lfHeight == 0 ? 12 : std::abs(logFont.lfHeight);
  const double points = pixels * 72.0 / GetScreenPPI();
  const wxString face = WxFaceName(logFont.lfFaceName, logFont.lfPitchAndFamily);
  wxFontFamily family = wxFONTFAMILY_DEFAULT;
  if (face == kMono) family = wxFONTFAMILY_TELETYPE;
  else if (face == kSerif) family = wxFONTFAMILY_ROMAN;
  wxFont font(wxFontInfo(points)
                  .Family(family)
                  .FaceName(face)
                  .Weight(logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp<int>(logFont.lfWeight, 1, 1000))
                  .Italic(logFont.lfItalic != 0)
                  .Underlined(logFont.lfUnderline != 0)
                  .Strikethrough(logFont.lfStrikeOut != 0));
  if (!font.IsOk()) return FALSE;
  m_font = font;
  m_logFont = logFont;
  return TRUE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName) {
  LOGFONT lf{};
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = italic;
  lf.lfUnderline = underline;
  lf.lfStrikeOut = strikeOut;
  lf.lfCharSet = charSet;
  lf.lfOutPrecision = outPrecision;
  lf.lfClipPrecision = clipPrecision;
  lf.lfQuality = quality;
  lf.lfPitchAndFamily = pitchAndFamily;
  CopyFaceName(lf.lfFaceName, faceName);
  return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName) {
  LOGFONT lf{};
  lf.lfHeight = -std::abs(MulDiv(pointSize, GetScreenPPI(), 720));
  lf.lfCharSet = DEFAULT_CHARSET;
  CopyFaceName(lf.lfFaceName, faceName);
  return CreateFontIndirect(&lf);
}

BOOL CFont::CreateFromWxFont(const wxFont& font) {
  if (!font.IsOk()) return FALSE;
  LOGFONT lf{};
  lf.lfHeight = -static_cast<LONG>(std::lround(font.GetFractionalPointSize() * GetScreenPPI() / 72.0));
  lf.lfWeight = font.GetNumericWeight();
  lf.lfItalic = font.GetStyle() != wxFONTSTYLE_NORMAL;
  lf.lfUnderline = font.GetUnderlined();
  lf.lfStrikeOut = font.GetStrikethrough();
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfPitchAndFamily = font.IsFixedWidth() ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH;
  CopyFaceName(lf.lfFaceName, WxToCP932(font.GetFaceName()).GetString());
  return CreateFontIndirect(&lf);
}

BOOL CFont::DeleteObject() {
  if (!m_font.IsOk()) return FALSE;
  m_font = wxFont();
  m_logFont = LOGFONT{};
  return TRUE;
}

int CFont::GetLogFont(LOGFONT* lf) const {
  if (!lf || !m_font.IsOk()) return 0;
  *lf = m_logFont;
  return static_cast<int>(sizeof(LOGFONT));
}

int CFont::GetObject(int count, void* buffer) const {
  if (!buffer || count <= 0 || !m_font.IsOk()) return 0;
  const int n = std::min(count, static_cast<int>(sizeof(LOGFONT)));
  std::memcpy(buffer, &m_logFont, static_cast<size_t>(n));
  return n;
}
