#pragma once
// Shift JIS (code page 932) character functions: width and kana conversion, EUC-JP and UTF-8
// conversion, and character classes. None keeps state.
#include "platform/base/CString.h"

// 1 when the byte at offset starts a double-byte character (scanning from the start), 0 for a
// single or trail byte, -1 at or past the end.
int IsLeadByteAt(const char* text, int offset);
// The length (1 or 2) of the character at offset, or of the one ending just before it, when that
// character occurs in set; else 0.
int CharInSetAt(const char* text, int offset, const char* set);
int CharInSetBefore(const char* text, int offset, const char* set);
CString GetLastChar(const char* text);
// When the byte at offset is a single-byte letter: how many single-byte letters directly precede it.
int CountLettersBefore(const char* text, int offset);

// Each writes the converted text to out and returns the number of characters converted.
int ToFullWidth(const char* text, CString& out);
int ToHalfWidthKana(const char* text, CString& out);
CString HalfWidthText(const char* text);
int KatakanaToHiragana(const char* text, CString& out);

// EUC-JP to Shift JIS; returns the number of bytes written to out.
int EucToSjis(const char* text, CString& out);
CString AnsiToUtf8(const char* text);

// The leading run of characters of one class (letters, digits, kana, symbols, ...).
CString GetFirstCharClassRun(const char* text);
// Replaces every class run of the text that equals search as a whole.
CString ReplaceWholeRuns(const char* text, const char* search, const char* replacement);
