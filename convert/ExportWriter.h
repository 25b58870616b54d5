#pragma once
// The file that the text and one-page HTML export write: collected in blocks and written through
// the text-file class (a temporary file renamed over the target on a good close), with every
// line ending in exactly one CR LF and, for a UTF-8 page, the text converted on its way.
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/CString.h"

class CTextFile;

class CExportWriter {
 public:
  CExportWriter();
  ~CExportWriter();
  CExportWriter(const CExportWriter&) = delete;
  CExportWriter& operator=(const CExportWriter&) = delete;

  // False, with the message shown, when the file cannot be created; a writer of many files names
  // the one that failed in its own message.
  bool Open(const char* path, const char* failureMessage = "出力ファイルが作れません");
  // From now on each text is converted from Shift JIS to UTF-8 before it is written.
  void SetUtf8(bool utf8);
  // False once a write has failed (its message shown); later writes do nothing.
  bool Write(std::string_view text);
  // False, with the message shown, when the rest could not be written or the file not closed;
  // the old file at the path is then left as it was.
  bool Close();

 private:
  bool Flush();
  void Fail(const CString& message);

  std::unique_ptr<CTextFile> m_pFile;
  std::string m_buffer;
  int m_nPendingCr = 0;  // CRs seen but not yet written: they vanish when LF follows
  bool m_bUtf8 = false;
  bool m_bFailed = false;
};
