#pragma once
// The file that the text and one-page HTML export write: gathered in one growing buffer and
// written through the text-file class (a temporary file renamed over the target on a good close),
// with every line ending in exactly one CR LF and, for a UTF-8 page, the text converted on its way.
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/CString.h"

class CTextFile;

// Line ends as the exports write them: every LF ends its line with exactly one CR LF (CRs just
// before it vanish), and a CR that no LF follows stays. A CR may end one piece and its LF begin
// the next, so the state runs on across pieces.
class CLineEndMender {
 public:
  void Append(std::string& out, std::string_view text);
  // The CRs still waiting for what follows them, written as they are.
  void Finish(std::string& out);

 private:
  size_t m_nPendingCr = 0;
};

// A whole page as it goes to the disk: line ends mended, then converted to UTF-8 when asked.
std::string MakeDiskText(std::string_view text, bool utf8);

class CExportWriter {
 public:
  CExportWriter();
  ~CExportWriter();
  CExportWriter(const CExportWriter&) = delete;
  CExportWriter& operator=(const CExportWriter&) = delete;

  // False, with the message shown, when the file cannot be created.
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
  std::string m_buffer;     // mended Shift JIS text not yet written
  std::string m_converted;  // the same as UTF-8, reused for every block
  CLineEndMender m_lineEnds;
  bool m_bUtf8 = false;
  bool m_bFailed = false;
};
