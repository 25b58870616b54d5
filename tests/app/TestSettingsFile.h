#pragma once
// A fresh settings file for one test, filled with the given values.
#include <initializer_list>

#include "foundation/CPelkoInifile.h"
#include "tests/common/TestSupport.h"

namespace kesta_test {

struct Setting {
  const char* section;
  const char* key;
  const char* value;
};

class TestSettingsFile {
 public:
  explicit TestSettingsFile(std::initializer_list<Setting> values)
      : m_ini((MakeTempDir("settings") + "/kesta32.conf").c_str()) {
    for (const Setting& s : values) m_ini.WriteProfileString(s.section, s.key, s.value);
  }
  CPelkoSettings& Get() { return m_ini; }

 private:
  CPelkoInifile m_ini;
};

}  // namespace kesta_test
