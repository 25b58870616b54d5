#pragma once
// One open registry key; closed when the object goes away.
#include "platform/base/CString.h"
#include "platform/com/Registry.h"
#include "platform/base/WinTypes.h"

class CRegistryKey {
 public:
  CRegistryKey() = default;
  ~CRegistryKey();
  CRegistryKey(const CRegistryKey&) = delete;
  CRegistryKey& operator=(const CRegistryKey&) = delete;

  BOOL Create(HKEY parent, const char* subKey);
  BOOL Open(HKEY parent, const char* subKey);
  // Stores the terminating zero with the text.
  BOOL SetStringValue(const char* name, const char* text);
  // "" when the value is missing or longer than 255 bytes.
  CString QueryStringValue(const char* name);
  BOOL SetDWordValue(const char* name, DWORD value);
  // On failure the handle is kept.
  BOOL Close();

  HKEY m_hKey = nullptr;
};
