#pragma once
// The stdio text file through which the program reads and writes its own files. Every failure
// but the end of a file throws CPelkoFileException, so a caller needs one catch around a whole
// read or write and one message box.
//
// A file opened for writing ("w" modes) is written to a temporary file beside it and renamed over
// the target only when Close succeeds: an abandoned or failed write leaves the old file whole.
#include <memory>
#include <string_view>

#include "platform/base/CString.h"

class TextModeFile;

class CPelkoFileException {
 public:
  // The text is the step's message, ":" and the file name.
  CPelkoFileException(const char* message, const char* fileName);
  const CString& GetMessage() const { return m_strMessage; }

 private:
  CString m_strMessage;
};

class CTextFile {
 public:
  CTextFile();
  // Opens at once (modes as stdio: "rt", "wt", "rb", "wb", ...); throws on failure.
  CTextFile(const char* fileName, const char* mode);
  ~CTextFile();
  CTextFile(const CTextFile&) = delete;
  CTextFile& operator=(const CTextFile&) = delete;

  bool Open(const char* fileName, const char* mode);
  bool Close();

  // One line without its LF and CR (at most size - 1 bytes; ReadLine at most 2047, a longer line
  // comes in pieces); false at the end of the file.
  bool ReadLineBuf(char* buffer, int size);
  bool ReadLine(CString& line);
  bool WriteString(const char* text);
  // The whole text, a zero byte included: a text is never cut short on its way to the disk.
  bool WriteString(const CString& text);
  bool WriteBytes(std::string_view bytes);
  // Starts the written bytes on their way to the disk without waiting (a hint; never fails).
  void StartWriteBack();

  long long GetLength();
  void Seek(long long offset, int origin);  // origin 0 start, 1 current, 2 end
  long long GetPosition() const;
  int Read(void* buffer, int count);
  CString ReadAll();

 private:
  [[noreturn]] void Throw(const char* message) const;
  void Discard();

  std::unique_ptr<TextModeFile> m_pFile;
  CString m_strFileName;
  CString m_strTempName;  // while writing: the file that Close renames over the target
};
