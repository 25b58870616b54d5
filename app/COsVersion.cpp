#include "app/COsVersion.h"

#include "platform/base/Places.h"

COsVersion::COsVersion() {
  OSVERSIONINFOEX extended = {};
  extended.dwOSVersionInfoSize = sizeof extended;
  OSVERSIONINFO* info = &extended;
  if (!GetVersionEx(info)) {
    info->dwOSVersionInfoSize = sizeof(OSVERSIONINFO);
    if (!GetVersionEx(info)) return;
  }
  m_dwMajorVersion = info->dwMajorVersion;
  m_dwMinorVersion = info->dwMinorVersion;
  m_dwPlatformId = info->dwPlatformId;
}

int COsVersion::GetKind() const {
  if (m_dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && m_dwMajorVersion >= 4) {
    if (m_dwMinorVersion >= 90) return 5;
    if (m_dwMinorVersion < 10) return 1;
    return 3;
  }
  if (m_dwPlatformId == VER_PLATFORM_WIN32_NT) {
    if (m_dwMajorVersion >= 5) return m_dwMinorVersion != 0 ? 8 : 7;
    if (m_dwMajorVersion == 4) return 6;
  }
  return 0;
}
