#pragma once
// Palm DOC e-texts (".pdb"): the database's record list, the text records (plain or with the
// PalmDOC compression), the bookmark records, and the bookmark index that some texts carry at
// their head ("#!Medoc"). Everything read is checked against the file: a damaged or hostile file
// is refused with a reason, never read beyond its end.
#include <string>
#include <vector>

#include "platform/base/CString.h"

class CDocBookmark {
 public:
  CDocBookmark() = default;
  CDocBookmark(const CString& name, int position) : m_strName(name), m_nPosition(position) {}

  CString m_strName;
  int m_nPosition = 0;  // byte offset in the decoded text
};

class CPalmDocReader {
 public:
  // 1 when the file was read; 0 when it cannot be opened or is not a readable Palm DOC file, the
  // reason then in GetError().
  int Read(const char* path);
  // Reads a file already in memory (the path only names it).
  int ReadBytes(const std::string& bytes);

  // The decoded text, up to its first zero byte.
  const std::string& GetText() const { return m_text; }
  int GetBookmarkCount() const { return static_cast<int>(m_bookmarks.size()); }
  CDocBookmark GetBookmark(int i) const { return m_bookmarks[static_cast<size_t>(i)]; }
  const CString& GetError() const { return m_strError; }

  // Decodes a PalmDOC stream, which ends at its first zero byte or at its end, onto the end of
  // target; false (target then partly filled) when a command runs past the stream, a copy reaches
  // before the start of the text, or target would grow beyond limit bytes.
  static bool Decompress(const std::string& source, size_t limit, std::string& target);

 private:
  bool Fail(const char* reason);
  bool ReadMedocIndex();

  std::string m_text;
  std::vector<CDocBookmark> m_bookmarks;
  CString m_strError;
};
