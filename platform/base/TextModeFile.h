#pragma once
// A stdio file opened with a mode string as Windows opens it. Text mode (a mode without "b", such
// as "rt", "wt", "at", "r+") keeps the Windows convention: CR LF on disk is LF in memory. Reading
// turns each CR LF into LF and leaves a lone CR as it is; writing turns each LF into CR LF.
// Binary modes ("rb", "wb", ...) pass the bytes unchanged. Positions (Tell, Seek) are byte offsets
// on disk in both modes. The path is code page 932, handed to the OS as UTF-8.
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

class TextModeFile {
 public:
  // Opens the file; nullptr when the mode is not a stdio mode or the OS refuses (errno says why).
  static std::unique_ptr<TextModeFile> Open(const char* path, const char* mode);
  ~TextModeFile();
  TextModeFile(const TextModeFile&) = delete;
  TextModeFile& operator=(const TextModeFile&) = delete;

  bool IsTextMode() const { return m_text; }

  // fgets: at most size - 1 bytes, up to and including a line end (LF); nullptr at end of file or
  // on an error with nothing read.
  char* Gets(char* buffer, int size);
  // fputs: a non-negative value, or EOF on an error.
  int Puts(const char* text);
  // fread / fwrite of bytes: the number of memory bytes read or written.
  size_t Read(void* buffer, size_t count);
  size_t Write(const void* data, size_t count);
  // What a text-mode write puts on disk for the bytes: each LF as CR LF, appended to out.
  static void AppendDiskText(std::string& out, std::string_view text);
  // fseek (origin SEEK_SET, SEEK_CUR or SEEK_END): 0 on success.
  int Seek(long long offset, int origin);
  // ftell: the position on disk, -1 on an error.
  long long Tell() const;
  int Flush();
  // Hands what is written so far on to the disk without waiting for it, so that a sync at the end
  // has less to wait for. Only a hint: 0, or -1 where it could not be given.
  int StartWriteBack();
  bool Eof() const;
  bool Error() const;
  // fclose: 0, or EOF when writing the rest or closing failed. The file is closed either way.
  int Close();

 private:
  TextModeFile(FILE* stream, bool text) : m_stream(stream), m_text(text) {}
  int GetChar();

  FILE* m_stream;
  bool m_text;
};
