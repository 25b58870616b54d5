#pragma once
// The latest-version check: the version file of the maker's web server, one product a line
// ("name,version,year/month/day,message"), compared with the date of the program's own file.
#include "platform/base/COleDateTime.h"
#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"

class CVersionInfo {
 public:
  enum Result { Newer, Latest, Failed };

  // Downloads the file, finds the product's line and compares its date with the program file's
  // last write; Failed after the failure was shown, or when the user cancelled the download.
  Result Check(const char* product);
  Result Check(const char* product, const COleDateTime& programTime);

  CString GetVersion() const { return GetField(1); }
  BOOL GetDate(COleDateTime& date) const;
  CString GetMessage() const { return GetField(3); }
  // The text after the n-th comma of the product line up to the next comma; "" when there are
  // fewer commas.
  CString GetField(int n) const;
  // Takes the product's line out of a downloaded text; FALSE when there is none.
  BOOL FindProductLine(const char* text, const char* product);

  // The version file's address, from the settings (section "Net", "VersionSite"); "" when unset.
  static CString GetVersionUrl();

 private:
  BOOL Download(const char* url);

  CString m_strLine;
  CString m_strText;
  BOOL m_bCancelled = FALSE;
};

// The Help menu's version check with its questions and the result dialog.
void RunVersionCheck();
