#pragma once
// The lines of a native outline file as its reader takes them. A plain file is read a piece at a
// time as its lines are taken, so that a large file is never held whole beside its model; an
// enciphered one is read whole and deciphered in memory (KvnCrypt asks for its password).
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/base/CString.h"

class KvnFileLines {
 public:
  KvnFileLines() = default;
  ~KvnFileLines();
  KvnFileLines(const KvnFileLines&) = delete;
  KvnFileLines& operator=(const KvnFileLines&) = delete;

  // False when the file cannot be read, is larger than an outline may be (after a message), or is
  // enciphered and its password was wrong (after a message) or its entry cancelled.
  bool Open(const char* path);
  // The next line with its LF, of any length; the last line is returned even without a LF. False
  // at the end of the data. The line stays valid until the next call.
  bool ReadLine(std::string_view& line);
  // A plain file that could not be read to its end.
  bool HasFailed() const { return m_bFailed; }
  void Close();

  bool IsDeciphered() const { return m_bDeciphered; }
  // The stored hash text of an enciphered file opened with its password; empty otherwise.
  const CString& GetPassword() const { return m_strHash; }

 private:
  static constexpr size_t kChunk = 1 << 20;
  // Reads more of a plain file behind what is unread; false at its end.
  bool Fill();

  std::string m_body;           // the deciphered content, or the piece of a plain file read so far
  size_t m_nPos = 0;            // first byte not handed out
  size_t m_nEnd = 0;            // end of the bytes read
  std::FILE* m_file = nullptr;  // a plain file still being read
  bool m_bFailed = false;
  bool m_bOpen = false;
  bool m_bDeciphered = false;
  CString m_strHash;
};
