#pragma once
// How the "VBScript.RegExp" class reports a pattern that does not compile and a search that fails,
// shared by the object and by the direct line tests, so both raise the same error.
#include <string>

#include "platform/base/CString.h"
#include "platform/com/ComTypes.h"

// The status codes of the scripting runtime for these failures.
constexpr SCODE kRegExpSyntaxError = static_cast<SCODE>(0x800A1399);
constexpr SCODE kRegExpMatchError = static_cast<SCODE>(0x800A139A);
constexpr const char kRegExpSource[] = "VBScript.RegExp";

CString RegExpSyntaxErrorText(const std::string& reason);
CString RegExpMatchErrorText(const std::string& reason);
