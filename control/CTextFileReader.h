#pragma once
// Reads a text file line by line in chunks, keeping each line's own line end (CR LF, CR or LF).
#include <cstdio>
#include <memory>
#include <vector>

// Flags returned with each line.
enum : unsigned {
  LINEFLAG_CR = 0x01,    // ended with a lone CR
  LINEFLAG_LF = 0x02,    // ended with a lone LF
  LINEFLAG_TAB = 0x04,   // holds a TAB
  LINEFLAG_LAST = 0x100, // the file ended after it without a line end
};

class CTextFileReader {
 public:
  CTextFileReader() = default;
  ~CTextFileReader();
  CTextFileReader(const CTextFileReader&) = delete;
  CTextFileReader& operator=(const CTextFileReader&) = delete;

  bool Open(const char* path);
  void Close();
  // The next line into `line` (grown as needed; a NUL byte is read as a space). False on a read error.
  bool ReadLine(std::vector<char>& line, unsigned* flags);

 private:
  bool ReadChunk();

  std::FILE* m_file = nullptr;
  std::unique_ptr<char[]> m_chunk;
  size_t m_chunkSize = 0;
  size_t m_count = 0;
  size_t m_pos = 0;
  bool m_eof = false;
  bool m_error = false;
};
