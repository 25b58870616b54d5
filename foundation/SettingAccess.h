#pragma once
// Reading and writing the entries of the settings table. The store is the running application's
// settings unless another is given (an ini file of the user's). A number comes back clamped to its
// entry's range, so a value that another program or a hand put into the file never reaches the code
// outside what it can take; a write stores the value as given.
#include <utility>

#include "foundation/SettingEntry.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CPelkoSettings;

// The running application's settings through the platform's profile functions: the defaults
// while there is no application or it names no settings file; writes then fail.
CPelkoSettings& ApplicationSettings();

int ReadSetting(const IntSetting& entry, CPelkoSettings& store = ApplicationSettings());
int ReadSetting(const IntKey& entry, int defaultValue, CPelkoSettings& store = ApplicationSettings());
CString ReadSetting(const TextSetting& entry, CPelkoSettings& store = ApplicationSettings());
CString ReadSetting(const TextKey& entry, const char* defaultValue, CPelkoSettings& store = ApplicationSettings());

// FALSE when the value could not be written. A null text removes the key.
BOOL WriteSetting(const IntSetting& entry, int value, CPelkoSettings& store = ApplicationSettings());
BOOL WriteSetting(const IntKey& entry, int value, CPelkoSettings& store = ApplicationSettings());
BOOL WriteSetting(const TextSetting& entry, const char* value, CPelkoSettings& store = ApplicationSettings());
BOOL WriteSetting(const TextKey& entry, const char* value, CPelkoSettings& store = ApplicationSettings());

// The key of one member of a family, and that member's entry (which refers to key).
CString NumberedKey(const char* format, int number);
template <typename Entry>
Entry NumberedEntry(const NumberedSetting<Entry>& family, const CString& key) {
  Entry entry = family.entry;
  entry.key = key;
  return entry;
}

// One member of a family: ReadSetting(Settings::ColorDlg::Custom, 3), WriteSetting(family, 3, value).
template <typename Entry, typename... Rest>
auto ReadSetting(const NumberedSetting<Entry>& family, int number, Rest&&... rest) {
  const CString key = NumberedKey(family.entry.key, number);
  return ReadSetting(NumberedEntry(family, key), std::forward<Rest>(rest)...);
}

template <typename Entry, typename... Rest>
BOOL WriteSetting(const NumberedSetting<Entry>& family, int number, Rest&&... rest) {
  const CString key = NumberedKey(family.entry.key, number);
  return WriteSetting(NumberedEntry(family, key), std::forward<Rest>(rest)...);
}

// The same key in another section, for a block of keys that its owner keeps in a section of its
// choice. The entry refers to section, which must outlive it.
template <typename Entry>
Entry InSection(Entry entry, const char* section) {
  entry.section = section;
  return entry;
}

template <typename Entry>
NumberedSetting<Entry> InSection(NumberedSetting<Entry> family, const char* section) {
  family.entry.section = section;
  return family;
}

// System/TitleSearch, which takes the opposite of System/Title when it is missing.
int ReadTitleSearch();
