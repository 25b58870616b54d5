#include "foundation/IMatch.h"

#include "platform/base/CodePage.h"

namespace {

constexpr DISPID kValue = 0;
constexpr DISPID kFirstIndex = 10001;
constexpr DISPID kLength = 10002;

}  // namespace

CString IMatch::GetValue() {
  CString result;
  InvokeHelper(kValue, DISPATCH_PROPERTYGET, VT_BSTR, &result, nullptr);
  return result;
}

LONG IMatch::GetFirstIndex() {
  LONG result = 0;
  InvokeHelper(kFirstIndex, DISPATCH_PROPERTYGET, VT_I4, &result, nullptr);
  return result;
}

LONG IMatch::GetLength() {
  LONG result = 0;
  InvokeHelper(kLength, DISPATCH_PROPERTYGET, VT_I4, &result, nullptr);
  return result;
}

LONG IMatch::GetByteIndex(LPCTSTR text) {
  const LONG characters = GetFirstIndex();
  LONG offset = 0;
  // Never past the text's end, even for a text other than the one searched.
  for (LONG i = 0; i < characters && text && text[offset]; ++i)
    offset += (IsDBCSLeadByte(static_cast<unsigned char>(text[offset])) && text[offset + 1]) ? 2 : 1;
  return offset;
}

LONG IMatch::GetValueByteLength() { return GetValue().GetLength(); }
