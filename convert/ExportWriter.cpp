#include "convert/ExportWriter.h"

#include "foundation/CTextFile.h"
#include "platform/CodePage.h"
#include "platform/MessageBox.h"

namespace {
constexpr size_t kBlock = 1 << 20;
}  // namespace

CExportWriter::CExportWriter() = default;

CExportWriter::~CExportWriter() = default;

bool CExportWriter::Open(const char* path) {
  try {
    m_pFile = std::make_unique<CTextFile>(path, "wb");
  } catch (const CPelkoFileException&) {
    m_pFile.reset();
    AfxMessageBox("出力ファイルが作れません");
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
  const std::string converted = m_bUtf8 ? CP932ToUTF8(text) : std::string();
  const std::string_view bytes = m_bUtf8 ? std::string_view(converted) : text;
  for (const char ch : bytes) {
    if (ch == '\r') {
      ++m_nPendingCr;
      continue;
    }
    if (ch == '\n') {
      m_nPendingCr = 0;
      m_buffer += "\r\n";
      continue;
    }
    if (m_nPendingCr > 0) {
      m_buffer.append(static_cast<size_t>(m_nPendingCr), '\r');
      m_nPendingCr = 0;
    }
    m_buffer += ch;
  }
  return m_buffer.size() < kBlock || Flush();
}

bool CExportWriter::Flush() {
  try {
    m_pFile->WriteString(m_buffer.c_str());
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
