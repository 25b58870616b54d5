#include "convert/CREditCtrl.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>

#include "convert/ExportWriter.h"
#include "platform/base/CodePage.h"

namespace {

constexpr DWORD kEffectBits = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT;

bool SameFormat(const CHARFORMAT& a, const CHARFORMAT& b) {
  return (a.dwEffects & kEffectBits) == (b.dwEffects & kEffectBits) && a.yHeight == b.yHeight &&
         a.crTextColor == b.crTextColor && a.bCharSet == b.bCharSet && a.bPitchAndFamily == b.bPitchAndFamily &&
         std::strncmp(a.szFaceName, b.szFaceName, LF_FACESIZE) == 0;
}

// The attributes that the mask of from names, put into to.
void MergeFormat(CHARFORMAT& to, const CHARFORMAT& from) {
  const DWORD effects = from.dwMask & kEffectBits;
  to.dwEffects = (to.dwEffects & ~effects) | (from.dwEffects & effects);
  if (from.dwMask & CFM_SIZE) to.yHeight = from.yHeight;
  if (from.dwMask & CFM_COLOR) to.crTextColor = from.crTextColor;
  if (from.dwMask & CFM_CHARSET) to.bCharSet = from.bCharSet;
  if (from.dwMask & CFM_FACE) {
    to.bPitchAndFamily = from.bPitchAndFamily;
    std::memcpy(to.szFaceName, from.szFaceName, LF_FACESIZE);
    to.szFaceName[LF_FACESIZE - 1] = '\0';
  }
}

// The control writes each backslash of the text as two, so the markers arrive doubled.
void ReplaceMarkers(std::string& out) {
  const std::pair<std::string, std::string> markers[] = {
      {"\\\\page\\\\", " \\page\\ "}, {"\\\\paperw11907\\\\paperh16840\\\\", " \\paperw11907\\paperh16840 "}};
  for (const auto& [marker, word] : markers) {
    for (size_t at = out.find(marker); at != std::string::npos; at = out.find(marker, at + word.size())) {
      out.replace(at, marker.size(), word);
    }
  }
}

void AppendHexByte(std::string& out, unsigned char byte) {
  static const char kDigits[] = "0123456789abcdef";
  out += "\\'";
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0x0F];
}

// Text as RTF: double-byte characters byte by byte as \'xx (a trail byte may be '\' or a brace),
// line ends as paragraph marks.
void AppendRtfText(std::string& out, const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsDBCSLeadByte(byte) && i + 1 < text.size()) {
      AppendHexByte(out, byte);
      AppendHexByte(out, static_cast<unsigned char>(text[++i]));
    } else if (byte == '\\' || byte == '{' || byte == '}') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte == '\r' || byte == '\n') {
      if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\\par\r\n";
    } else if (byte == '\t') {
      out += "\\tab ";
    } else if (byte < 0x20 || byte >= 0x80) {
      AppendHexByte(out, byte);
    } else {
      out += static_cast<char>(byte);
    }
  }
}

const char* FontFamily(BYTE pitchAndFamily) {
  switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN: return "froman";
    case FF_SWISS: return "fswiss";
    case FF_MODERN: return "fmodern";
    case FF_SCRIPT: return "fscript";
    case FF_DECORATIVE: return "fdecor";
    default: return "fnil";
  }
}

using FontKey = std::tuple<std::string, BYTE, BYTE>;
FontKey KeyOf(const CHARFORMAT& format) {
  return {std::string(format.szFaceName, strnlen(format.szFaceName, LF_FACESIZE)), format.bCharSet,
          format.bPitchAndFamily};
}

}  // namespace

CREditCtrl::CREditCtrl() {
  m_cfDefault.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_CHARSET | CFM_FACE |
                       CFM_COLOR;
  m_cfDefault.yHeight = 240;
  m_cfDefault.bCharSet = SHIFTJIS_CHARSET;
  m_cfDefault.bPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::strcpy(m_cfDefault.szFaceName, "ＭＳ 明朝");
}

void CREditCtrl::SetSel(long start, long end) {
  if (end < 0 || end > m_nLength) end = m_nLength;
  start = std::clamp(start, 0L, end);
  m_nSelStart = start;
  m_nSelEnd = end;
}

void CREditCtrl::GetSel(long& start, long& end) const {
  start = m_nSelStart;
  end = m_nSelEnd;
}

CString CREditCtrl::GetText() const {
  std::string text;
  text.reserve(static_cast<size_t>(m_nLength));
  for (const Run& run : m_runs) text += run.text;
  return CString(std::move(text));
}

size_t CREditCtrl::SplitAt(long pos) {
  // Searched from the end: the export builds its document by appending.
  long runEnd = m_nLength;
  for (size_t i = m_runs.size(); i-- > 0;) {
    const long runStart = runEnd - static_cast<long>(m_runs[i].text.size());
    if (pos == runEnd) return i + 1;
    if (pos > runStart) {
      Run tail{m_runs[i].text.substr(static_cast<size_t>(pos - runStart)), m_runs[i].format};
      m_runs[i].text.resize(static_cast<size_t>(pos - runStart));
      m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
      return i + 1;
    }
    runEnd = runStart;
  }
  return 0;
}

const CHARFORMAT& CREditCtrl::FormatBefore(long pos) const {
  long runEnd = m_nLength;
  for (size_t i = m_runs.size(); i-- > 0;) {
    const long runStart = runEnd - static_cast<long>(m_runs[i].text.size());
    if (pos > runStart && pos <= runEnd) return m_runs[i].format;
    runEnd = runStart;
  }
  return m_cfDefault;
}

void CREditCtrl::ReplaceSel(const char* text) {
  const CHARFORMAT format = FormatBefore(m_nSelStart);
  const size_t first = SplitAt(m_nSelStart);
  const size_t last = SplitAt(m_nSelEnd);
  m_runs.erase(m_runs.begin() + static_cast<std::ptrdiff_t>(first), m_runs.begin() + static_cast<std::ptrdiff_t>(last));
  m_nLength -= m_nSelEnd - m_nSelStart;
  const std::string inserted = text ? text : "";
  if (!inserted.empty()) {
    m_runs.insert(m_runs.begin() + static_cast<std::ptrdiff_t>(first), Run{inserted, format});
    m_nLength += static_cast<long>(inserted.size());
  }
  m_nSelStart = m_nSelEnd = m_nSelStart + static_cast<long>(inserted.size());
  m_bModified = TRUE;
}

CCharFormat CREditCtrl::GetSelectionCharFormat() const {
  CCharFormat common;
  static_cast<CHARFORMAT&>(common) = FormatBefore(m_nSelStart + (m_nSelEnd > m_nSelStart ? 1 : 0));
  common.cbSize = sizeof(CHARFORMAT);
  common.dwMask = m_cfDefault.dwMask;
  long runStart = 0;
  for (const Run& run : m_runs) {
    const long runEnd = runStart + static_cast<long>(run.text.size());
    if (runEnd > m_nSelStart && runStart < m_nSelEnd) {
      const CHARFORMAT& f = run.format;
      common.dwMask &= ~((f.dwEffects ^ common.dwEffects) & kEffectBits);
      if (f.yHeight != common.yHeight) common.dwMask &= ~CFM_SIZE;
      if (f.crTextColor != common.crTextColor) common.dwMask &= ~CFM_COLOR;
      if (f.bCharSet != common.bCharSet) common.dwMask &= ~CFM_CHARSET;
      if (KeyOf(f) != KeyOf(common)) common.dwMask &= ~CFM_FACE;
    }
    if (runStart >= m_nSelEnd) break;
    runStart = runEnd;
  }
  return common;
}

void CREditCtrl::SetSelectionCharFormat(const CHARFORMAT& format) {
  if (m_nSelStart == m_nSelEnd) return;
  const size_t first = SplitAt(m_nSelStart);
  const size_t last = SplitAt(m_nSelEnd);
  for (size_t i = first; i < last; ++i) MergeFormat(m_runs[i].format, format);
  m_bModified = TRUE;
}

void CREditCtrl::SetDefaultCharFormat(const CHARFORMAT& format) { MergeFormat(m_cfDefault, format); }

void CREditCtrl::SetDefaultFont(const CFont& font, COLORREF color) {
  CCharFormat format;
  format.SetFromFont(font);
  format.SetColor(color);
  SetDefaultCharFormat(format);
}

void CREditCtrl::SetSelectionFont(const CFont& font) {
  CCharFormat format;
  format.SetFromFont(font);
  SetSelectionCharFormat(format);
}

void CREditCtrl::SetSelectionColor(COLORREF color) {
  CCharFormat format;
  format.SetColor(color);
  SetSelectionCharFormat(format);
}

void CREditCtrl::ToggleSelectionBold() {
  CCharFormat format = GetSelectionCharFormat();
  format.ToggleBold();
  SetSelectionCharFormat(format);
}

void CREditCtrl::SetSelectionBold(BOOL on) {
  CCharFormat format = GetSelectionCharFormat();
  format.SetBold(on != FALSE);
  SetSelectionCharFormat(format);
}

void CREditCtrl::InsertText(const char* text, const CFont* font) {
  const long start = m_nSelStart;
  ReplaceSel(text);
  const long end = m_nSelEnd;
  SetSel(start, end);
  if (font) {
    SetSelectionFont(*font);
  } else {
    m_cfDefault.MakeFont(m_font);
    SetSelectionFont(m_font);
  }
  SetSel(end, end);
}

std::string CREditCtrl::StreamOut(int streamFormat) const {
  std::string out;
  if (streamFormat != SF_RTF) {
    out = GetText().str();
    ReplaceMarkers(out);
    return out;
  }
  std::map<FontKey, int> fonts;
  std::map<COLORREF, int> colors;
  std::vector<const CHARFORMAT*> fontOrder{&m_cfDefault};
  std::vector<COLORREF> colorOrder;
  fonts.emplace(KeyOf(m_cfDefault), 0);
  for (const Run& run : m_runs) {
    if (fonts.emplace(KeyOf(run.format), static_cast<int>(fontOrder.size())).second) fontOrder.push_back(&run.format);
    if (colors.emplace(run.format.crTextColor, static_cast<int>(colorOrder.size()) + 1).second) {
      colorOrder.push_back(run.format.crTextColor);
    }
  }
  out.reserve(static_cast<size_t>(m_nLength) * 2 + 512);
  out += "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041{\\fonttbl";
  for (size_t i = 0; i < fontOrder.size(); ++i) {
    const CHARFORMAT& f = *fontOrder[i];
    out += "{\\f" + std::to_string(i) + "\\" + FontFamily(f.bPitchAndFamily);
    if (f.bPitchAndFamily & 0x03) out += "\\fprq" + std::to_string(f.bPitchAndFamily & 0x03);
    // The text is Shift JIS: a font of the default character set is a Japanese one here, as it is on
    // a Japanese system.
    const int charset = f.bCharSet == DEFAULT_CHARSET ? SHIFTJIS_CHARSET : f.bCharSet;
    out += "\\fcharset" + std::to_string(charset) + " ";
    AppendRtfText(out, std::get<0>(KeyOf(f)));
    out += ";}";
  }
  out += "}\r\n{\\colortbl ;";
  for (COLORREF color : colorOrder) {
    out += "\\red" + std::to_string(GetRValue(color)) + "\\green" + std::to_string(GetGValue(color)) + "\\blue" +
           std::to_string(GetBValue(color)) + ";";
  }
  out += "}\r\n\\viewkind4\\uc1\\pard";
  const CHARFORMAT* written = nullptr;
  std::string text;
  for (const Run& run : m_runs) {
    const CHARFORMAT& f = run.format;
    if (!written || !SameFormat(*written, f)) {
      out += "\\plain\\f" + std::to_string(fonts[KeyOf(f)]) + "\\fs" + std::to_string(f.yHeight / 10);
      if (f.dwEffects & CFE_BOLD) out += "\\b";
      if (f.dwEffects & CFE_ITALIC) out += "\\i";
      if (f.dwEffects & CFE_UNDERLINE) out += "\\ul";
      if (f.dwEffects & CFE_STRIKEOUT) out += "\\strike";
      out += "\\cf" + std::to_string(colors[f.crTextColor]) + " ";
      written = &f;
    }
    text.clear();
    AppendRtfText(text, run.text);
    ReplaceMarkers(text);
    out += text;
  }
  out += "\\par\r\n}\r\n";
  return out;
}

BOOL CREditCtrl::SaveFile(const char* path, int format) {
  bool rtf = format == 0;
  if (format == -1) {
    const CString name(path);
    const int dot = name.ReverseFind('.');
    CString ext = dot >= 0 ? name.Mid(dot + 1) : CString();
    ext.MakeLower();
    rtf = ext == "rtf";
  }
  CExportWriter file;
  if (!file.Open(path)) return FALSE;
  file.Write(StreamOut(rtf ? SF_RTF : SF_TEXT));
  if (!file.Close()) return FALSE;
  m_bModified = FALSE;
  return TRUE;
}
