#pragma once
// Shaping the lines of the text export: indentation, wrapping at a byte width and the Japanese
// line-breaking rules of the program's one line-breaking settings object.
#include <string_view>

#include "platform/base/CString.h"

// The break position for a piece of at most pos bytes at the start of text: moved to keep tags,
// double-byte characters, words and the line-start and line-end rules whole. Always within
// 1 .. the text's length for a non-empty text.
void CutLinePiece(std::string_view text, int& pos);

// Blanks (n of them) and prefix before the first line; the lines after it start with the same
// indentation and a prefix of blanks as wide as the prefix. Empty text gives eol alone.
CString WrapWithSpaces(int width, int n, const CString& prefix, std::string_view text, const char* eol);
// The same with n tabs of tabNo columns each; a cut line always gets eol after it.
CString WrapWithTabs(int width, int tabNo, int n, const CString& prefix, std::string_view text, const char* eol);
// mode 0 spaces, 1 tabs, 2 prefix + text + eol, any other prefix + text.
CString MakeIndentedText(int mode, int width, int tabNo, int n, const CString& prefix, std::string_view text,
                         const char* eol);
