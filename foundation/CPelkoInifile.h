#pragma once
// A settings store that components write a block of settings against, whether it goes to the
// application's settings or to a file of the user's choosing; CPelkoInifile binds it to one ini
// file. Integers are stored as decimal text.
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CFont;

class CPelkoSettings {
 public:
  virtual ~CPelkoSettings() = default;

  virtual CString GetString(const char* section, const char* key, const char* defaultValue);
  virtual int GetInt(const char* section, const char* key, int defaultValue);
  virtual BOOL WriteString(const char* section, const char* key, const char* value);
  virtual BOOL WriteInt(const char* section, const char* key, int value);

  virtual CString GetProfileString(const char* section, const char* key, const char* defaultValue) = 0;
  virtual int GetProfileInt(const char* section, const char* key, int defaultValue) = 0;
  // A null value deletes the key.
  virtual BOOL WriteProfileString(const char* section, const char* key, const char* value) = 0;
  virtual BOOL WriteProfileInt(const char* section, const char* key, int value) = 0;

  // Writes the font's "FaceName", "Size" (the signed height), "Weight", "Italic", "Underline" and
  // "CharSet" into section, in that order. FALSE, with nothing written, when the font is not made;
  // otherwise FALSE when a write failed.
  BOOL WriteFont(CFont* font, const char* section);
};

class CPelkoInifile : public CPelkoSettings {
 public:
  explicit CPelkoInifile(const char* path) : m_strPath(path) {}

  // Values are cut to 2047 bytes; the default comes back when the section or key is missing.
  CString GetProfileString(const char* section, const char* key, const char* defaultValue) override;
  int GetProfileInt(const char* section, const char* key, int defaultValue) override;
  BOOL WriteProfileString(const char* section, const char* key, const char* value) override;
  BOOL WriteProfileInt(const char* section, const char* key, int value) override;

 private:
  CString m_strPath;
};
