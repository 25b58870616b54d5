#pragma once
// One open registry key with typed value access, as ATL's class offers it. Every call returns an
// ERROR_* code; a typed query of a value of another type gives ERROR_INVALID_DATA (a BINARY value
// is never read as a DWORD).
#include "platform/com/Registry.h"

class CRegKey {
 public:
  CRegKey() = default;
  explicit CRegKey(HKEY key) : m_hKey(key) {}
  CRegKey(CRegKey&& other) noexcept : m_hKey(other.Detach()) {}
  CRegKey& operator=(CRegKey&& other) noexcept;
  CRegKey(const CRegKey&) = delete;
  CRegKey& operator=(const CRegKey&) = delete;
  ~CRegKey() { Close(); }

  operator HKEY() const { return m_hKey; }  // NOLINT: implicit as callers expect

  // Opens keyName below parent, creating what is missing. Any key held before is closed first.
  LONG Create(HKEY parent, const char* keyName, char* keyClass = nullptr, DWORD options = REG_OPTION_NON_VOLATILE,
              REGSAM access = KEY_READ | KEY_WRITE, void* security = nullptr, DWORD* disposition = nullptr);
  LONG Open(HKEY parent, const char* keyName, REGSAM access = KEY_READ | KEY_WRITE);
  LONG Close();
  void Attach(HKEY key);
  HKEY Detach();

  LONG SetValue(const char* name, DWORD type, const void* data, ULONG bytes);
  LONG QueryValue(const char* name, DWORD* type, void* data, ULONG* bytes);
  LONG SetDWORDValue(const char* name, DWORD value);
  LONG QueryDWORDValue(const char* name, DWORD& value);
  // The string with its NUL; *chars is the buffer size on entry and the size with the NUL on
  // return (also the size needed when the result is ERROR_MORE_DATA).
  LONG SetStringValue(const char* name, const char* value, DWORD type = REG_SZ);
  LONG QueryStringValue(const char* name, char* value, ULONG* chars);
  LONG SetBinaryValue(const char* name, const void* data, ULONG bytes);
  LONG QueryBinaryValue(const char* name, void* data, ULONG* bytes);
  // Creates keyName below this key and sets its value valueName (null: the default value).
  LONG SetKeyValue(const char* keyName, const char* value, const char* valueName = nullptr);
  LONG EnumKey(DWORD index, char* name, DWORD* nameLength);

  LONG DeleteSubKey(const char* keyName);
  LONG RecurseDeleteKey(const char* keyName);
  LONG DeleteValue(const char* name);

  HKEY m_hKey = nullptr;
};
