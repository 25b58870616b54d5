#pragma once
// COM strings: UTF-16 with a 32-bit byte count before the first character and a terminating zero
// after the last. Every BSTR of the program and of the control comes from this one allocator, so
// either side may free what the other allocated. A null BSTR is the empty string.
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/CString.h"
#include "platform/com/ComTypes.h"

BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);  // text may be null: zero-filled
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);
UINT SysStringByteLen(BSTR text);
// Replaces *text by a copy of the new text; FALSE (and *text unchanged) when out of memory.
BOOL SysReAllocString(BSTR* text, const OLECHAR* newText);

// Conversions at the automation boundary: the program's Shift JIS to and from COM strings.
BSTR BstrFromCP932(std::string_view text);
CString CP932FromBstr(BSTR text);
BSTR BstrFromUTF16(std::u16string_view text);
std::u16string_view BstrView(BSTR text);

// Owns a BSTR for code on one side of the boundary.
struct BstrDeleter {
  void operator()(OLECHAR* text) const { SysFreeString(text); }
};
using BstrPtr = std::unique_ptr<OLECHAR, BstrDeleter>;
