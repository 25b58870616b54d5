// Loading and saving the control's text as Shift JIS, JIS or EUC files with each line's own line end.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>

#include "control/CEditCore.h"
#include "control/CTextBuffer.h"
#include "control/CTextFileReader.h"
#include "control/KanjiCodes.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/CodePage.h"

namespace {

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

const char* LineEnd(int kind) { return kind == LINEEND_CR ? "\r" : kind == LINEEND_LF ? "\n" : "\r\n"; }

}  // namespace

bool CTextBuffer::ReadFile(const char* path, std::vector<std::unique_ptr<CLine>>& lines) {
  CTextFileReader reader;
  if (!reader.Open(path)) return false;
  std::vector<char> bytes;
  bytes.reserve(50000);
  std::string decoded;
  for (;;) {
    m_owner->m_restart = false;
    lines.clear();
    if (m_owner->m_cust.WrapMode == 0) m_owner->m_wrapWidth = 16;
    for (;;) {
      unsigned flags = 0;
      if (!reader.ReadLine(bytes, &flags)) return false;
      const char* text = bytes.data();
      int length = static_cast<int>(bytes.size());
      int& code = m_owner->m_decodeCode;
      if (code != 0) {
        if (code == 1) {
          decoded = JIStoSJIS(std::string_view(text, bytes.size()));
        } else if (code == 2) {
          decoded = EUCtoSJIS(std::string_view(text, bytes.size()));
        } else if (AutoToSJIS(decoded, std::string_view(text, bytes.size()), code)) {
          m_owner->m_restart = true;
        }
        text = decoded.data();
        length = static_cast<int>(decoded.size());
      }
      const bool hasTab = std::find(text, text + length, '\t') != text + length;
      lines.push_back(MakeLine(text, length, static_cast<int>(flags & 3), hasTab));
      if (flags & LINEFLAG_LAST) break;
    }
    if (!m_owner->m_restart) break;
    if (!reader.Open(path)) return false;
  }
  return true;
}

std::int32_t CTextBuffer::LoadFile(const char* path) {
  const CCustomizeInfo& cust = m_owner->m_cust;
  m_owner->m_decodeCode = cust.KanjiRead;
  if (!FileExists(CP932ToUTF8(path))) {
    m_owner->m_decodeCode = 0;
    return WRILA_E_FILENOTFOUND;
  }
  // Read into new lines first: a failed read leaves the old text as it was.
  const int oldWidth = m_owner->m_wrapWidth;
  if (cust.WrapMode == 1) m_owner->m_wrapWidth = std::max(cust.MarginNormal, cust.MarginQuote);
  std::vector<std::unique_ptr<CLine>> lines;
  bool ok = false;
  try {
    ok = ReadFile(path, lines);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  const int code = m_owner->m_decodeCode;
  m_owner->m_decodeCode = 0;
  if (!ok) {
    m_owner->m_wrapWidth = oldWidth;
    return WRILA_E_OUTOFMEMORY;
  }
  Clear();
  m_lines = std::move(lines);
  m_totalRows = 0;
  for (const auto& line : m_lines) m_totalRows += line->GetRowCount();
  m_rowsValid = 0;
  m_loadedCode = code == 4 ? 2 : code;
  if (m_lines.empty()) InsertEmptyLine(0, LINEEND_CRLF);
  RecalcComments();
  m_owner->Relayout(2);
  SetModified(false);
  return WRILA_OK;
}

std::int32_t CTextBuffer::SaveFile(const char* path) {
  const CCustomizeInfo& cust = m_owner->m_cust;
  if (m_owner->m_readOnly) return WRILA_E_READONLY;
  if (cust.SaveInsertCR && cust.WrapMode != 0 && m_totalRows > 0)
    InsertNewlinesAtWraps(POINT{}, 0, m_totalRows - 1);
  const std::string target = CP932ToUTF8(path);
  const bool existed = FileExists(target);
  if (cust.DeleteEmpty && IsEmpty()) {
    if (existed && ::unlink(target.c_str()) != 0) return WRILA_E_PATHACCESS;
    SetModified(false);
    MarkRecordsModified();
    return WRILA_OK;
  }
  // Written beside the target and renamed over it, so a failed save leaves the old file whole.
  const CString temp = CreateTempFileBeside(path);
  if (temp.IsEmpty()) return WRILA_E_PATHACCESS;
  const std::string tempPath = CP932ToUTF8(temp.GetString());
  const int fd = ::open(tempPath.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) {
    ::unlink(tempPath.c_str());
    return WRILA_E_PATHACCESS;
  }
  int code = cust.KanjiWrite == 3 ? m_loadedCode : cust.KanjiWrite;
  if (code > 2) code = 0;
  bool ok = true;
  std::string out;
  for (int i = 0; i < GetLineCount() && ok; ++i) {
    CLine* line = GetLine(i);
    const bool last = i == GetLineCount() - 1;
    if (cust.SaveCrLf != 0 && !last) line->SetKind(cust.SaveCrLf - 1);
    CRefString text = line->GetText();
    if (!last) text += LineEnd(line->GetKind());
    if (cust.SaveTabToSpace) text = ExpandTabs(0, text, cust.TabSpace);
    const std::string_view view(text.GetString(), static_cast<size_t>(text.GetLength()));
    if (code == 1) {
      out = SJIStoJIS(cust, view);
    } else if (code == 2) {
      out = SJIStoEUC(view);
    } else {
      out.assign(view);
    }
    ok = WriteAll(fd, out.data(), out.size());
  }
  if (::close(fd) != 0) ok = false;
  if (!ok) {
    ::unlink(tempPath.c_str());
    return WRILA_E_DISKFULL;
  }
  if (!CommitTempFile(temp.GetString(), path)) return WRILA_E_PATHACCESS;
  SetModified(false);
  MarkRecordsModified();
  if (cust.SaveCrLf != 0) RepaintFrom(POINT{}, 2);
  return WRILA_OK;
}
