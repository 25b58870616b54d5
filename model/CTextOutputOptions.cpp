#include "model/CTextOutputOptions.h"

#include "foundation/CPelkoInifile.h"
#include "platform/framework/CWinApp.h"

namespace {

const char kText[] = "Text";

// A missing key gives the default as it stands: the settings reader would drop its trailing
// blanks, which the footnote marks ") " and ">>> " need.
CString ProfileString(const char* section, const char* key, const char* defaultValue) {
  const char kMissing[] = "\x01";
  const CString value = AfxGetProfileString(section, key, kMissing);
  return value == kMissing ? CString(defaultValue) : value;
}

}  // namespace

CString CTextOutputOptions::GetSettingsPath() {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->m_pszProfileName : CString();
}

void CTextOutputOptions::Load() {
  LoadText(GetSettingsPath());
  m_strCheckMark = ProfileString("Mark", "Check", "○");
  m_strStrikeMark = ProfileString("Mark", "Del", "×");
  m_strCheckStrikeMark = ProfileString("Mark", "Delcheck", "");
  m_strPlainMark = ProfileString("Mark", "Normal", "");
  m_strNumberOpen = ProfileString("Footnote", "Kyaku1", "(");
  m_strNumberClose = ProfileString("Footnote", "Kyaku2", ") ");
  m_strFootnoteTitle = ProfileString("Footnote", "Title", "");
  m_strStartMark = ProfileString("Footnote", "StartStr", "<<<");
  m_strEndMark = ProfileString("Footnote", "EndStr", ">>> ");
  m_strRefOpen = ProfileString("Footnote", "Honbun1", "(");
  m_strRefClose = ProfileString("Footnote", "Honbun2", ")");
  m_nFootnotePosition = AfxGetProfileInt("Footnote", "Position", 0);
}

void CTextOutputOptions::LoadText(const char* iniPath) {
  CPelkoInifile ini(iniPath);
  m_nForm = ini.GetProfileInt(kText, "Form", 0);
  m_nIndent = ini.GetProfileInt(kText, "Indent", 0);
  m_nIndentPos = ini.GetProfileInt(kText, "IndentPos", 0);
  m_nFileOut = ini.GetProfileInt(kText, "FileOut", 0);
  m_nEditOut = ini.GetProfileInt(kText, "EditOut", 1);
  m_nDellineOut = ini.GetProfileInt(kText, "DellineOut", 1);
  m_nWidth = ini.GetProfileInt(kText, "Width", 80);
  m_nSpace = ini.GetProfileInt(kText, "Space", 0);
  m_nTSpace = ini.GetProfileInt(kText, "TSpace", 0);
  m_nSpaceNo = ini.GetProfileInt(kText, "SpaceNo", 2);
  m_nTabNo = ini.GetProfileInt(kText, "TabNo", 8);
  m_strShowStr = ini.GetProfileString(kText, "ShowStr", "-");
  m_nSelectOnly = ini.GetProfileInt(kText, "SelectOnly", 0);
  m_nHtml = ini.GetProfileInt(kText, "Html", 0);
  m_nLevel = ini.GetProfileInt(kText, "Level", 0);
  m_nJQuery = ini.GetProfileInt(kText, "JQuery", 1);
  m_nCssSet = ini.GetProfileInt(kText, "CssSet", 1);
  m_strCssColor = ini.GetProfileString(kText, "CssColor", "#0066cc");
  m_nHtmlEscape = ini.GetProfileInt(kText, "HtmlEscape", 1);
}

BOOL CTextOutputOptions::SaveText(const char* iniPath) const {
  CPelkoInifile ini(iniPath);
  BOOL written = TRUE;
  written = ini.WriteProfileInt(kText, "Form", m_nForm) && written;
  written = ini.WriteProfileInt(kText, "Indent", m_nIndent) && written;
  written = ini.WriteProfileInt(kText, "IndentPos", m_nIndentPos) && written;
  written = ini.WriteProfileInt(kText, "FileOut", m_nFileOut) && written;
  written = ini.WriteProfileInt(kText, "EditOut", m_nEditOut) && written;
  written = ini.WriteProfileInt(kText, "DellineOut", m_nDellineOut) && written;
  written = ini.WriteProfileInt(kText, "Width", m_nWidth) && written;
  written = ini.WriteProfileInt(kText, "Space", m_nSpace) && written;
  written = ini.WriteProfileInt(kText, "TSpace", m_nTSpace) && written;
  written = ini.WriteProfileInt(kText, "SpaceNo", m_nSpaceNo) && written;
  written = ini.WriteProfileInt(kText, "TabNo", m_nTabNo) && written;
  written = ini.WriteProfileString(kText, "ShowStr", m_strShowStr) && written;
  written = ini.WriteProfileInt(kText, "SelectOnly", m_nSelectOnly) && written;
  written = ini.WriteProfileInt(kText, "Html", m_nHtml) && written;
  written = ini.WriteProfileInt(kText, "Level", m_nLevel) && written;
  written = ini.WriteProfileInt(kText, "JQuery", m_nJQuery) && written;
  written = ini.WriteProfileInt(kText, "CssSet", m_nCssSet) && written;
  written = ini.WriteProfileString(kText, "CssColor", m_strCssColor) && written;
  written = ini.WriteProfileInt(kText, "HtmlEscape", m_nHtmlEscape) && written;
  return written;
}

void CTextOutputOptions::CopyLayoutFrom(const CTextOutputOptions& other) {
  m_nSpace = other.m_nSpace;
  m_nTSpace = other.m_nTSpace;
  m_nWidth = other.m_nWidth;
  m_nForm = other.m_nForm;
  m_nIndent = other.m_nIndent;
  m_strShowStr = other.m_strShowStr;
  m_nDellineOut = other.m_nDellineOut;
  m_nSpaceNo = other.m_nSpaceNo;
  m_nIndentPos = other.m_nIndentPos;
  m_nEditOut = other.m_nEditOut;
  m_nFileOut = other.m_nFileOut;
  m_nSelectOnly = other.m_nSelectOnly;
  m_nHtml = other.m_nHtml;
  m_nLevel = other.m_nLevel;
  m_nTabNo = other.m_nTabNo;
}
