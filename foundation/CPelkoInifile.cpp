#include "foundation/CPelkoInifile.h"

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

BOOL CPelkoSettings::WriteFont(CFont* font, const char* section) {
  LOGFONT lf{};
  if (!font || font->GetObject(sizeof lf, &lf) != static_cast<int>(sizeof lf)) return FALSE;
  lf.lfFaceName[LF_FACESIZE - 1] = '\0';
  // Every key is written even after a failure, so one bad write does not leave the rest stale.
  BOOL ok = WriteProfileString(section, "FaceName", lf.lfFaceName);
  ok = WriteProfileInt(section, "Size", lf.lfHeight) && ok;
  ok = WriteProfileInt(section, "Weight", lf.lfWeight) && ok;
  ok = WriteProfileInt(section, "Italic", lf.lfItalic) && ok;
  ok = WriteProfileInt(section, "Underline", lf.lfUnderline) && ok;
  ok = WriteProfileInt(section, "CharSet", lf.lfCharSet) && ok;
  return ok;
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
