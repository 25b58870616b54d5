#include "foundation/IRegExp.h"

#include <string>

namespace {

constexpr DISPID kPattern = 10001;
constexpr DISPID kIgnoreCase = 10002;
constexpr DISPID kGlobal = 10003;
constexpr DISPID kExecute = 10004;
constexpr DISPID kTest = 10005;
constexpr DISPID kReplace = 10006;

const BYTE kString[] = VTS_BSTR;
const BYTE kBool[] = VTS_BOOL;
const BYTE kTwoStrings[] = VTS_BSTR VTS_BSTR;

}  // namespace

CString IRegExp::GetPattern() {
  CString result;
  InvokeHelper(kPattern, DISPATCH_PROPERTYGET, VT_BSTR, &result, nullptr);
  return result;
}

void IRegExp::SetPattern(LPCTSTR pattern) {
  InvokeHelper(kPattern, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kString, pattern);
}

BOOL IRegExp::GetIgnoreCase() {
  BOOL result = FALSE;
  InvokeHelper(kIgnoreCase, DISPATCH_PROPERTYGET, VT_BOOL, &result, nullptr);
  return result;
}

void IRegExp::SetIgnoreCase(BOOL ignoreCase) {
  InvokeHelper(kIgnoreCase, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kBool, ignoreCase);
}

BOOL IRegExp::GetGlobal() {
  BOOL result = FALSE;
  InvokeHelper(kGlobal, DISPATCH_PROPERTYGET, VT_BOOL, &result, nullptr);
  return result;
}

void IRegExp::SetGlobal(BOOL global) { InvokeHelper(kGlobal, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kBool, global); }

LPDISPATCH IRegExp::Execute(LPCTSTR text) {
  LPDISPATCH result = nullptr;
  InvokeHelper(kExecute, DISPATCH_METHOD, VT_DISPATCH, &result, kString, text);
  return result;
}

BOOL IRegExp::Test(LPCTSTR text) {
  BOOL result = FALSE;
  InvokeHelper(kTest, DISPATCH_METHOD, VT_BOOL, &result, kString, text);
  return result;
}

CString IRegExp::Replace(LPCTSTR source, LPCTSTR replacement) {
  CString result;
  InvokeHelper(kReplace, DISPATCH_METHOD, VT_BSTR, &result, kTwoStrings, source, replacement);
  return result;
}

BOOL IRegExp::TestLines(LPCTSTR text) {
  if (!text) return FALSE;
  const std::string whole(text);
  std::size_t start = 0;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    // Neither CR nor LF is ever a trail byte of a double-byte character, so a byte walk is safe.
    if (whole[i] != '\n' && !(whole[i] == '\r' && i + 1 < whole.size() && whole[i + 1] == '\n')) continue;
    if (Test(whole.substr(start, i - start).c_str())) return TRUE;
    if (whole[i] == '\r') ++i;
    start = i + 1;
  }
  return start < whole.size() && Test(whole.substr(start).c_str());
}
