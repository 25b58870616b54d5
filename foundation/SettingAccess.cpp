#include "foundation/SettingAccess.h"

#include <algorithm>

#include "foundation/CPelkoInifile.h"
#include "foundation/SettingsTable.h"
#include "platform/framework/CWinApp.h"

namespace {

class ApplicationProfile : public CPelkoSettings {
 public:
  CString GetProfileString(const char* section, const char* key, const char* defaultValue) override {
    return AfxGetProfileString(section, key, defaultValue);
  }
  int GetProfileInt(const char* section, const char* key, int defaultValue) override {
    return AfxGetProfileInt(section, key, defaultValue);
  }
  BOOL WriteProfileString(const char* section, const char* key, const char* value) override {
    return AfxWriteProfileString(section, key, value);
  }
  BOOL WriteProfileInt(const char* section, const char* key, int value) override {
    return AfxWriteProfileInt(section, key, value);
  }
};

}  // namespace

CPelkoSettings& ApplicationSettings() {
  static ApplicationProfile profile;
  return profile;
}

int ReadSetting(const IntKey& entry, int defaultValue, CPelkoSettings& store) {
  return std::clamp(store.GetProfileInt(entry.section, entry.key, defaultValue), entry.min, entry.max);
}

int ReadSetting(const IntSetting& entry, CPelkoSettings& store) { return ReadSetting(AsKey(entry), entry.def, store); }

// The profile reader drops a missing key's default's trailing blanks; a default such as ">>> "
// needs them, so a missing key is told by a value no line of the file can hold.
CString ReadSetting(const TextKey& entry, const char* defaultValue, CPelkoSettings& store) {
  const char kMissing[] = "\x01";
  const CString value = store.GetProfileString(entry.section, entry.key, kMissing);
  return value == kMissing ? CString(defaultValue) : value;
}

CString ReadSetting(const TextSetting& entry, CPelkoSettings& store) {
  return ReadSetting(TextKey{entry.section, entry.key}, entry.def, store);
}

BOOL WriteSetting(const IntSetting& entry, int value, CPelkoSettings& store) {
  return store.WriteProfileInt(entry.section, entry.key, value);
}

BOOL WriteSetting(const IntKey& entry, int value, CPelkoSettings& store) {
  return store.WriteProfileInt(entry.section, entry.key, value);
}

BOOL WriteSetting(const TextSetting& entry, const char* value, CPelkoSettings& store) {
  return store.WriteProfileString(entry.section, entry.key, value);
}

BOOL WriteSetting(const TextKey& entry, const char* value, CPelkoSettings& store) {
  return store.WriteProfileString(entry.section, entry.key, value);
}

CString NumberedKey(const char* format, int number) {
  CString key;
  key.Format(format, number);
  return key;
}

int ReadTitleSearch() {
  return ReadSetting(Settings::System::TitleSearch, ReadSetting(Settings::System::Title) == 0 ? 1 : 0);
}
