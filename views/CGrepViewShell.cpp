// The grep window asks before it opens a large text file of a hit as an outline.
#include <strings.h>
#include <sys/stat.h>

#include "platform/base/CodePage.h"
#include "views/CGrepView.h"

CString CGrepView::LargeTextQuestion(const char* path) {
  const CString file(path);
  if (file.GetLength() < 4 || strcasecmp(file.Right(4), ".txt") != 0) return CString();
  struct stat st {};
  if (stat(CP932ToUTF8(file.str()).c_str(), &st) != 0 || st.st_size <= 500000) return CString();
  CString question;
  question.Format("大きなサイズのテキストファイルです(%dKB)。ケスタボンで開くと時間がかかります。テキストエディタで起動しますか？",
                  static_cast<int>(st.st_size / 1024));
  return question;
}
