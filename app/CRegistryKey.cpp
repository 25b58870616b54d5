#include "app/CRegistryKey.h"

#include <cstring>

CRegistryKey::~CRegistryKey() {
  if (m_hKey) RegCloseKey(m_hKey);
}

BOOL CRegistryKey::Create(HKEY parent, const char* subKey) {
  return RegCreateKey(parent, subKey, &m_hKey) == ERROR_SUCCESS;
}

BOOL CRegistryKey::Open(HKEY parent, const char* subKey) { return RegOpenKey(parent, subKey, &m_hKey) == ERROR_SUCCESS; }

BOOL CRegistryKey::SetStringValue(const char* name, const char* text) {
  return RegSetValueEx(m_hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(std::strlen(text) + 1)) == ERROR_SUCCESS;
}

CString CRegistryKey::QueryStringValue(const char* name) {
  char buffer[256] = {};
  DWORD size = sizeof buffer;
  DWORD type = 0;
  if (RegQueryValueEx(m_hKey, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
    return CString();
  return CString(buffer, static_cast<int>(strnlen(buffer, sizeof buffer)));
}

BOOL CRegistryKey::SetDWordValue(const char* name, DWORD value) {
  return RegSetValueEx(m_hKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
         ERROR_SUCCESS;
}

BOOL CRegistryKey::Close() {
  if (!m_hKey || RegCloseKey(m_hKey) != ERROR_SUCCESS) return FALSE;
  m_hKey = nullptr;
  return TRUE;
}
