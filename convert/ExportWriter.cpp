#include "convert/ExportWriter.h"

#include "foundation/CTextFile.h"
#include "platform/base/CodePage.h"
#include "platform/desktop/MessageBox.h"

namespace {
constexpr size_t kBlock = 1 << 16;  // small enough for the allocator to reuse its memory for every block
}  // namespace

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
  m_buffer.reserve(kBlock + 4096);
  return true;
}

void CExportWriter::Fail(const CString& message) {
  m_bFailed = true;
  AfxMessageBox(message);
}

bool CExportWriter::Write(std::string_view text) {
  if (m_bFailed || !m_pFile) return false;
  // No trail byte of Shift JIS is CR or LF, so line ends are mended before the conversion and the
  // bytes between them are copied whole.
  for (size_t pos = 0; pos < text.size();) {
    size_t lineEnd = pos;
    while (lineEnd < text.size() && text[lineEnd] != '\r' && text[lineEnd] != '\n') ++lineEnd;
    if (lineEnd > pos) {
      m_buffer.append(static_cast<size_t>(m_nPendingCr), '\r');
      m_nPendingCr = 0;
      m_buffer.append(text.data() + pos, lineEnd - pos);
    }
    if (lineEnd == text.size()) break;
    if (text[lineEnd] == '\r') {
      ++m_nPendingCr;
    } else {
      m_nPendingCr = 0;
      m_buffer += "\r\n";
    }
    pos = lineEnd + 1;
  }
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
    m_pFile->WriteString(m_bUtf8 ? CP932ToUTF8(m_buffer).c_str() : m_buffer.c_str());
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
    m_buffer.append(static_cast<size_t>(m_nPendingCr), '\r');
    m_nPendingCr = 0;
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
