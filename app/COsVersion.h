#pragma once
// The system version, read once, and a small code for its family.
#include "platform/base/WinTypes.h"

class COsVersion {
 public:
  COsVersion();
  // The fields as given, for a classification of another version.
  COsVersion(DWORD major, DWORD minor, DWORD platformId)
      : m_dwMajorVersion(major), m_dwMinorVersion(minor), m_dwPlatformId(platformId) {}

  // 9x: 5 (minor >= 90), 1 (minor < 10), 3; NT: 8 (5+ with minor), 7 (5+ minor 0), 6 (4); else 0.
  int GetKind() const;

  DWORD m_dwMajorVersion = 0;
  DWORD m_dwMinorVersion = 0;
  DWORD m_dwPlatformId = 0;
};
