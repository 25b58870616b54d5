#include "app/CWinAppSettings.h"

#include "platform/framework/CWinApp.h"

CString CWinAppSettings::GetProfileString(const char* section, const char* key, const char* defaultValue) {
  return m_app.GetProfileString(section, key, defaultValue);
}

int CWinAppSettings::GetProfileInt(const char* section, const char* key, int defaultValue) {
  return m_app.GetProfileInt(section, key, defaultValue);
}

BOOL CWinAppSettings::WriteProfileString(const char* section, const char* key, const char* value) {
  return m_app.WriteProfileString(section, key, value);
}

BOOL CWinAppSettings::WriteProfileInt(const char* section, const char* key, int value) {
  return m_app.WriteProfileInt(section, key, value);
}
