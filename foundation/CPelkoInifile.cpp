#include "foundation/CPelkoInifile.h"

#include "foundation/SettingAccess.h"
#include "foundation/SettingsTable.h"
#include "platform/desktop/CFont.h"
#include "platform/base/PrivateProfile.h"

CString CPelkoSettings::GetString(const char* section, const char* key, const char* defaultValue) {
  return GetProfileString(section, key, defaultValue);
}

int CPelkoSettings::GetInt(const char* section, const char* key, int defaultValue) {
  return GetProfileInt(section, key, defaultValue);
}

BOOL CPelkoSettings::WriteString(const char* section, const char* key, const char* value) {
  return WriteProfileString(section, key, value);
}

BOOL CPelkoSettings::WriteInt(const char* section, const char* key, int value) {
  return WriteProfileInt(section, key, value);
}

BOOL CPelkoSettings::WriteFont(const CFont* font, const char* section) {
  LOGFONT lf{};
  if (!font || font->GetObject(sizeof lf, &lf) != static_cast<int>(sizeof lf)) return FALSE;
  lf.lfFaceName[LF_FACESIZE - 1] = '\0';
  namespace Font = Settings::Font;
  // Every key is written even after a failure, so one bad write does not leave the rest stale.
  BOOL ok = WriteSetting(InSection(Font::FaceName, section), lf.lfFaceName, *this);
  ok = WriteSetting(InSection(Font::Size, section), lf.lfHeight, *this) && ok;
  ok = WriteSetting(InSection(Font::Weight, section), lf.lfWeight, *this) && ok;
  ok = WriteSetting(InSection(Font::Italic, section), lf.lfItalic, *this) && ok;
  ok = WriteSetting(InSection(Font::Underline, section), lf.lfUnderline, *this) && ok;
  ok = WriteSetting(InSection(Font::CharSet, section), lf.lfCharSet, *this) && ok;
  return ok;
}

BOOL CPelkoSettings::ReadFont(CFont& font, const char* section, const char* defaultFace, int defaultHeight,
                              int defaultWeight) {
  namespace Font = Settings::Font;
  auto number = [&](const IntKey& key, int defaultValue) {
    return ReadSetting(InSection(key, section), defaultValue, *this);
  };
  const CString face = ReadSetting(InSection(Font::FaceName, section), defaultFace, *this);
  font.DeleteObject();
  return font.CreateFont(number(Font::Size, defaultHeight), 0, 0, 0, number(Font::Weight, defaultWeight),
                         static_cast<BYTE>(number(Font::Italic, 0)), static_cast<BYTE>(number(Font::Underline, 0)), 0,
                         static_cast<BYTE>(number(Font::CharSet, SHIFTJIS_CHARSET)), 0, 0, 0, 0x30, face);
}

CString CPelkoInifile::GetProfileString(const char* section, const char* key, const char* defaultValue) {
  char buffer[2048];
  GetPrivateProfileString(section, key, defaultValue, buffer, sizeof buffer, m_strPath);
  return CString(buffer);
}

int CPelkoInifile::GetProfileInt(const char* section, const char* key, int defaultValue) {
  return GetPrivateProfileInt(section, key, defaultValue, m_strPath);
}

BOOL CPelkoInifile::WriteProfileString(const char* section, const char* key, const char* value) {
  return WritePrivateProfileString(section, key, value, m_strPath);
}

BOOL CPelkoInifile::WriteProfileInt(const char* section, const char* key, int value) {
  CString text;
  text.Format("%d", value);
  return WriteProfileString(section, key, text);
}
