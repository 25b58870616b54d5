#include "model/AppProfile.h"

#include "platform/PrivateProfile.h"

namespace {

CString& ProfilePath() {
  static CString path;
  return path;
}

}  // namespace

void SetAppProfilePath(const char* path) { ProfilePath() = path ? path : ""; }

int AppGetProfileInt(const char* section, const char* key, int defaultValue) {
  if (ProfilePath().IsEmpty()) return defaultValue;
  return static_cast<int>(GetPrivateProfileInt(section, key, defaultValue, ProfilePath()));
}

CString AppGetProfileString(const char* section, const char* key, const char* defaultValue) {
  if (ProfilePath().IsEmpty()) return CString(defaultValue);
  char buffer[2048];
  GetPrivateProfileString(section, key, defaultValue, buffer, sizeof(buffer), ProfilePath());
  return CString(buffer);
}

BOOL AppWriteProfileString(const char* section, const char* key, const char* value) {
  if (ProfilePath().IsEmpty()) return FALSE;
  return WritePrivateProfileString(section, key, value, ProfilePath());
}

BOOL AppWriteProfileInt(const char* section, const char* key, int value) {
  CString text;
  text.Format("%d", value);
  return AppWriteProfileString(section, key, text);
}
