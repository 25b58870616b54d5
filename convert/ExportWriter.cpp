#include "convert/ExportWriter.h"

#include <cstring>

#include "foundation/CTextFile.h"
#include "platform/base/Utf8Append.h"
#include "platform/desktop/MessageBox.h"

namespace {
// Written out whenever this much has gathered: large enough that the writes cost little, small
// enough that a large export never holds its whole text twice.
constexpr size_t kBlock = 1 << 20;
}  // namespace

void CLineEndMender::Append(std::string& out, std::string_view text) {
  // No trail byte of Shift JIS is CR or LF, so the text is cut at its LFs and the bytes between
  // them are copied whole; only CRs that stand just before an LF change.
  while (!text.empty()) {
    const void* found = std::memchr(text.data(), '\n', text.size());
    const size_t lineEnd = found ? static_cast<size_t>(static_cast<const char*>(found) - text.data()) : text.size();
    size_t body = lineEnd;
    while (body > 0 && text[body - 1] == '\r') --body;
    if (body > 0) {
      out.append(m_nPendingCr, '\r');
      out.append(text.data(), body);
      m_nPendingCr = 0;
    }
    m_nPendingCr += lineEnd - body;
    if (!found) break;
    m_nPendingCr = 0;
    out += "\r\n";
    text.remove_prefix(lineEnd + 1);
  }
}

void CLineEndMender::Finish(std::string& out) {
  out.append(m_nPendingCr, '\r');
  m_nPendingCr = 0;
}

std::string MakeDiskText(std::string_view text, bool utf8) {
  std::string mended;
  mended.reserve(text.size() + text.size() / 32);
  CLineEndMender lineEnds;
  lineEnds.Append(mended, text);
  lineEnds.Finish(mended);
  if (!utf8) return mended;
  std::string converted;
  AppendCP932ToUTF8(mended, converted);
  return converted;
}

CExportWriter::CExportWriter() = default;

CExportWriter::~CExportWriter() = default;

bool CExportWriter::Open(const char* path, const char* failureMessage) {
  try {
    m_pFile = std::make_unique<CTextFile>(path, "wb");
  } catch (const CPelkoFileException&) {
    m_pFile.reset();
    AfxMessageBox(failureMessage);
    return false;
  }
  m_buffer.reserve(kBlock + kBlock / 8);
  return true;
}

void CExportWriter::Fail(const CString& message) {
  m_bFailed = true;
  AfxMessageBox(message);
}

bool CExportWriter::Write(std::string_view text) {
  if (m_bFailed || !m_pFile) return false;
  m_lineEnds.Append(m_buffer, text);
  return m_buffer.size() < kBlock || Flush();
}

void CExportWriter::SetUtf8(bool utf8) {
  // What is buffered was written in the form before the change.
  if (utf8 != m_bUtf8 && !m_buffer.empty() && !m_bFailed && m_pFile) Flush();
  m_bUtf8 = utf8;
}

bool CExportWriter::Flush() {
  try {
    // Each written text is whole characters, so a block always ends between two characters and
    // is converted in one go.
    if (m_bUtf8) {
      m_converted.clear();
      AppendCP932ToUTF8(m_buffer, m_converted);
      m_pFile->WriteBytes(m_converted);
    } else {
      m_pFile->WriteBytes(m_buffer);
    }
  } catch (const CPelkoFileException& e) {
    Fail(e.GetMessage());
    return false;
  }
  m_buffer.clear();
  return true;
}

bool CExportWriter::Close() {
  if (!m_pFile) return false;
  if (!m_bFailed) {
    m_lineEnds.Finish(m_buffer);
    if (Flush()) {
      try {
        m_pFile->Close();
      } catch (const CPelkoFileException& e) {
        Fail(e.GetMessage());
      }
    }
  }
  // A failed file is dropped unclosed: the text-file class then keeps the old file.
  m_pFile.reset();
  return !m_bFailed;
}
