#pragma once
// The application's settings file seen as a settings store, so that the key table, the
// line-breaking settings and the other blocks that read and write through a store use the
// application's profile functions.
#include "foundation/CPelkoInifile.h"

class CWinApp;

class CWinAppSettings : public CPelkoSettings {
 public:
  explicit CWinAppSettings(CWinApp& app) : m_app(app) {}

  CString GetProfileString(const char* section, const char* key, const char* defaultValue) override;
  int GetProfileInt(const char* section, const char* key, int defaultValue) override;
  BOOL WriteProfileString(const char* section, const char* key, const char* value) override;
  BOOL WriteProfileInt(const char* section, const char* key, int value) override;

 private:
  CWinApp& m_app;
};
