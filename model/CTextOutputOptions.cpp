#include "model/CTextOutputOptions.h"

#include "foundation/CPelkoInifile.h"
#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CWinApp.h"

CString CTextOutputOptions::GetSettingsPath() {
  CWinApp* app = AfxGetApp();
  return app != nullptr ? app->m_pszProfileName : CString();
}

void CTextOutputOptions::Load() {
  LoadText(GetSettingsPath());
  m_strCheckMark = ReadSetting(Settings::Mark::Check);
  m_strStrikeMark = ReadSetting(Settings::Mark::Del);
  m_strCheckStrikeMark = ReadSetting(Settings::Mark::Delcheck);
  m_strPlainMark = ReadSetting(Settings::Mark::Normal);
  m_strNumberOpen = ReadSetting(Settings::Footnote::Kyaku1);
  m_strNumberClose = ReadSetting(Settings::Footnote::Kyaku2);
  m_strFootnoteTitle = ReadSetting(Settings::Footnote::Title);
  m_strStartMark = ReadSetting(Settings::Footnote::StartStr);
  m_strEndMark = ReadSetting(Settings::Footnote::EndStr);
  m_strRefOpen = ReadSetting(Settings::Footnote::Honbun1);
  m_strRefClose = ReadSetting(Settings::Footnote::Honbun2);
  m_nFootnotePosition = ReadSetting(Settings::Footnote::Position);
}

void CTextOutputOptions::LoadText(const char* iniPath) {
  CPelkoInifile ini(iniPath);
  m_nForm = ReadSetting(Settings::Text::Form, ini);
  m_nIndent = ReadSetting(Settings::Text::Indent, ini);
  m_nIndentPos = ReadSetting(Settings::Text::IndentPos, ini);
  m_nFileOut = ReadSetting(Settings::Text::FileOut, ini);
  m_nEditOut = ReadSetting(Settings::Text::EditOut, ini);
  m_nDellineOut = ReadSetting(Settings::Text::DellineOut, ini);
  m_nWidth = ReadSetting(Settings::Text::Width, ini);
  m_nSpace = ReadSetting(Settings::Text::Space, ini);
  m_nTSpace = ReadSetting(Settings::Text::TSpace, ini);
  m_nSpaceNo = ReadSetting(Settings::Text::SpaceNo, ini);
  m_nTabNo = ReadSetting(Settings::Text::TabNo, ini);
  m_strShowStr = ReadSetting(Settings::Text::ShowStr, ini);
  m_nSelectOnly = ReadSetting(Settings::Text::SelectOnly, ini);
  m_nHtml = ReadSetting(Settings::Text::Html, ini);
  m_nLevel = ReadSetting(Settings::Text::Level, ini);
  m_nJQuery = ReadSetting(Settings::Text::JQuery, ini);
  m_nCssSet = ReadSetting(Settings::Text::CssSet, ini);
  m_strCssColor = ReadSetting(Settings::Text::CssColor, ini);
  m_nHtmlEscape = ReadSetting(Settings::Text::HtmlEscape, ini);
}

BOOL CTextOutputOptions::SaveText(const char* iniPath) const {
  CPelkoInifile ini(iniPath);
  BOOL written = TRUE;
  written = WriteSetting(Settings::Text::Form, m_nForm, ini) && written;
  written = WriteSetting(Settings::Text::Indent, m_nIndent, ini) && written;
  written = WriteSetting(Settings::Text::IndentPos, m_nIndentPos, ini) && written;
  written = WriteSetting(Settings::Text::FileOut, m_nFileOut, ini) && written;
  written = WriteSetting(Settings::Text::EditOut, m_nEditOut, ini) && written;
  written = WriteSetting(Settings::Text::DellineOut, m_nDellineOut, ini) && written;
  written = WriteSetting(Settings::Text::Width, m_nWidth, ini) && written;
  written = WriteSetting(Settings::Text::Space, m_nSpace, ini) && written;
  written = WriteSetting(Settings::Text::TSpace, m_nTSpace, ini) && written;
  written = WriteSetting(Settings::Text::SpaceNo, m_nSpaceNo, ini) && written;
  written = WriteSetting(Settings::Text::TabNo, m_nTabNo, ini) && written;
  written = WriteSetting(Settings::Text::ShowStr, m_strShowStr, ini) && written;
  written = WriteSetting(Settings::Text::SelectOnly, m_nSelectOnly, ini) && written;
  written = WriteSetting(Settings::Text::Html, m_nHtml, ini) && written;
  written = WriteSetting(Settings::Text::Level, m_nLevel, ini) && written;
  written = WriteSetting(Settings::Text::JQuery, m_nJQuery, ini) && written;
  written = WriteSetting(Settings::Text::CssSet, m_nCssSet, ini) && written;
  written = WriteSetting(Settings::Text::CssColor, m_strCssColor, ini) && written;
  written = WriteSetting(Settings::Text::HtmlEscape, m_nHtmlEscape, ini) && written;
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
