#include "platform/com/CRegKey.h"

#include <cstring>

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept {
  if (this != &other) Attach(other.Detach());
  return *this;
}

LONG CRegKey::Create(HKEY parent, const char* keyName, char* keyClass, DWORD options, REGSAM access, void* security,
                     DWORD* disposition) {
  HKEY key = nullptr;
  const LONG result = RegCreateKeyEx(parent, keyName, 0, keyClass, options, access, security, &key, disposition);
  if (result == ERROR_SUCCESS) Attach(key);
  return result;
}

LONG CRegKey::Open(HKEY parent, const char* keyName, REGSAM access) {
  HKEY key = nullptr;
  const LONG result = RegOpenKeyEx(parent, keyName, 0, access, &key);
  if (result == ERROR_SUCCESS) Attach(key);
  return result;
}

LONG CRegKey::Close() {
  if (m_hKey == nullptr) return ERROR_SUCCESS;
  const LONG result = RegCloseKey(m_hKey);
  m_hKey = nullptr;
  return result;
}

void CRegKey::Attach(HKEY key) {
  Close();
  m_hKey = key;
}

HKEY CRegKey::Detach() {
  HKEY key = m_hKey;
  m_hKey = nullptr;
  return key;
}

LONG CRegKey::SetValue(const char* name, DWORD type, const void* data, ULONG bytes) {
  return RegSetValueEx(m_hKey, name, 0, type, static_cast<const BYTE*>(data), bytes);
}

LONG CRegKey::QueryValue(const char* name, DWORD* type, void* data, ULONG* bytes) {
  return RegQueryValueEx(m_hKey, name, nullptr, type, static_cast<BYTE*>(data), bytes);
}

LONG CRegKey::SetDWORDValue(const char* name, DWORD value) { return SetValue(name, REG_DWORD, &value, sizeof(value)); }

LONG CRegKey::QueryDWORDValue(const char* name, DWORD& value) {
  DWORD type = REG_NONE;
  DWORD number = 0;
  ULONG bytes = sizeof(number);
  const LONG result = QueryValue(name, &type, &number, &bytes);
  if (result == ERROR_MORE_DATA) return ERROR_INVALID_DATA;
  if (result != ERROR_SUCCESS) return result;
  if (type != REG_DWORD || bytes != sizeof(number)) return ERROR_INVALID_DATA;
  value = number;
  return ERROR_SUCCESS;
}

LONG CRegKey::SetStringValue(const char* name, const char* value, DWORD type) {
  if (value == nullptr) return ERROR_INVALID_PARAMETER;
  return SetValue(name, type, value, static_cast<ULONG>(std::strlen(value) + 1));
}

LONG CRegKey::QueryStringValue(const char* name, char* value, ULONG* chars) {
  if (chars == nullptr) return ERROR_INVALID_PARAMETER;
  DWORD type = REG_NONE;
  ULONG bytes = 0;
  LONG result = QueryValue(name, &type, nullptr, &bytes);
  if (result != ERROR_SUCCESS) return result;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_INVALID_DATA;
  if (value == nullptr) {
    *chars = bytes;
    return ERROR_SUCCESS;
  }
  ULONG size = *chars;
  result = QueryValue(name, &type, value, &size);
  if (result == ERROR_MORE_DATA) {
    *chars = size;
    return result;
  }
  if (result != ERROR_SUCCESS) return result;
  if (size == 0) {
    if (*chars == 0) return ERROR_MORE_DATA;
    value[0] = '\0';
    size = 1;
  } else if (value[size - 1] != '\0') {
    return ERROR_INVALID_DATA;  // a string stored without its NUL
  }
  *chars = size;
  return ERROR_SUCCESS;
}

LONG CRegKey::SetBinaryValue(const char* name, const void* data, ULONG bytes) {
  return SetValue(name, REG_BINARY, data, bytes);
}

LONG CRegKey::QueryBinaryValue(const char* name, void* data, ULONG* bytes) {
  DWORD type = REG_NONE;
  ULONG size = 0;
  const LONG result = QueryValue(name, &type, nullptr, &size);
  if (result != ERROR_SUCCESS) return result;
  if (type != REG_BINARY) return ERROR_INVALID_DATA;
  return QueryValue(name, &type, data, bytes);
}

LONG CRegKey::SetKeyValue(const char* keyName, const char* value, const char* valueName) {
  CRegKey key;
  const LONG result = key.Create(m_hKey, keyName);
  return result == ERROR_SUCCESS ? key.SetStringValue(valueName, value) : result;
}

LONG CRegKey::EnumKey(DWORD index, char* name, DWORD* nameLength) {
  return RegEnumKeyEx(m_hKey, index, name, nameLength, nullptr, nullptr, nullptr, nullptr);
}

LONG CRegKey::DeleteSubKey(const char* keyName) { return RegDeleteKey(m_hKey, keyName); }

LONG CRegKey::RecurseDeleteKey(const char* keyName) {
  if (keyName == nullptr || *keyName == '\0') return ERROR_INVALID_PARAMETER;
  return RegDeleteTree(m_hKey, keyName);
}

LONG CRegKey::DeleteValue(const char* name) { return RegDeleteValue(m_hKey, name); }
