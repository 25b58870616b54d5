#pragma once
// Shift JIS (code page 932) to UTF-8 appended to a buffer, for writers of large UTF-8 files that
// convert many pieces into one reused buffer: the same bytes as CP932ToUTF8, without a converter
// call and a new string per piece.
#include <string>
#include <string_view>

void AppendCP932ToUTF8(std::string_view text, std::string& out);
