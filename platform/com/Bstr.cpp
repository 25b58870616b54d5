#include "platform/com/Bstr.h"

#include <cstdlib>
#include <cstring>

#include "platform/base/CodePage.h"

namespace {

// The byte count sits in the 4 bytes before the characters.
std::uint32_t* Header(BSTR text) { return reinterpret_cast<std::uint32_t*>(text) - 1; }

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  if (length > (0x7FFFFFFFu - 16) / sizeof(OLECHAR)) return nullptr;
  const std::size_t bytes = static_cast<std::size_t>(length) * sizeof(OLECHAR);
  auto* block = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) + bytes + sizeof(OLECHAR)));
  if (!block) return nullptr;
  *block = static_cast<std::uint32_t>(bytes);
  BSTR result = reinterpret_cast<BSTR>(block + 1);
  if (text)
    std::memcpy(result, text, bytes);
  else
    std::memset(result, 0, bytes);
  result[length] = 0;
  return result;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (!text) return nullptr;
  UINT length = 0;
  while (text[length]) ++length;
  return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text) {
  if (text) std::free(Header(text));
}

UINT SysStringByteLen(BSTR text) { return text ? *Header(text) : 0; }

UINT SysStringLen(BSTR text) { return SysStringByteLen(text) / sizeof(OLECHAR); }

BOOL SysReAllocString(BSTR* text, const OLECHAR* newText) {
  if (!text) return FALSE;
  BSTR copy = SysAllocString(newText);
  if (newText && !copy) return FALSE;
  SysFreeString(*text);
  *text = copy;
  return TRUE;
}

std::u16string_view BstrView(BSTR text) { return std::u16string_view(text ? text : u"", SysStringLen(text)); }

BSTR BstrFromUTF16(std::u16string_view text) {
  return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

BSTR BstrFromCP932(std::string_view text) { return BstrFromUTF16(CP932ToUTF16(text)); }

CString CP932FromBstr(BSTR text) { return UTF16ToCP932(BstrView(text)); }
