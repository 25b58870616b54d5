#include "control/window/ShiftJisTextData.h"

#include <cstring>
#include <string_view>

#include "platform/base/CodePage.h"

ShiftJisTextData::ShiftJisTextData(const CRefString& text) : wxDataObjectSimple(wxDF_UNICODETEXT), m_text(text) {}

const std::string& ShiftJisTextData::Utf8() const {
  if (!m_rendered) {
    m_utf8 = CP932ToUTF8(std::string_view(m_text.GetString(), static_cast<size_t>(m_text.GetLength())));
    m_rendered = true;
  }
  return m_utf8;
}

size_t ShiftJisTextData::GetDataSize() const { return Utf8().size(); }

bool ShiftJisTextData::GetDataHere(void* buffer) const {
  if (!buffer) return false;
  std::memcpy(buffer, Utf8().data(), Utf8().size());
  return true;
}

bool ShiftJisTextData::SetData(size_t length, const void* buffer) {
  m_utf8.assign(static_cast<const char*>(buffer), length);
  const CString bytes = UTF8ToCP932(m_utf8);
  m_text = CRefString(bytes.GetString(), bytes.GetLength());
  m_rendered = true;
  return true;
}
