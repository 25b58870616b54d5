#pragma once
// The option search and comparison behind find, replace, grep and sort, and splitting a text into
// a string array.
#include <string_view>

#include "platform/base/CString.h"
#include "platform/base/CStringArray.h"
#include "platform/base/WinTypes.h"

// Option flags; any combination.
enum : int {
  FIND_IGNORE_WIDTH = 1,  // half-width and full-width forms (and ｶﾞ and ガ) are equal
  FIND_IGNORE_CASE = 2,   // letters, full-width included
  FIND_IGNORE_KANA = 4,   // hiragana and katakana
  FIND_LOOSE = 8,         // small kana, voiced kana and dashes
};

// Byte offset (from the start of text) of the first match at or after start, or -1; matchLength
// (may be null) receives the number of text bytes the match covers, which can differ from the pattern's length.
int FindTextOptPtr(const char* text, const char* pattern, int start, int options, int* matchLength);
int FindTextOpt(const CString& text, const CString& pattern, int start, int options, int* matchLength);
int FindTextOptStr(std::string_view text, std::string_view pattern, int start, int options, int* matchLength);

// Difference of the first unequal folded characters, 0 when both texts end together.
int CompareTextOpt(const char* a, const char* b, int options);

// Searches the blank-separated words of pattern; the earliest match wins. With allWords, a word
// that is not found anywhere gives -1.
int FindWords(const char* text, const char* pattern, int start, int options, int* matchLength, BOOL allWords);
int FindWordsStr(std::string_view text, std::string_view pattern, int start, int options, int* matchLength,
                 BOOL allWords);

// The first occurrence of ch not between quote characters (each quote character toggles), or -1.
int FindCharOutsideQuotes(const char* text, char ch, char quote);
// The first occurrence of pattern that does not start inside an open ... close pair, or -1.
int FindOutsideTags(const char* text, const char* pattern, char open, char close);

// Appends the pieces between occurrences of delimiter. Empty pieces between delimiters stay; a
// trailing delimiter adds no empty piece. An empty delimiter leaves the text whole.
void SplitString(const char* text, const char* delimiter, CStringArray& array);
// Appends the pieces between runs of the characters in delimiters (a run counts as one). A leading
// delimiter gives an empty first piece; a trailing run adds nothing.
void SplitToStringArray(const char* text, const char* delimiters, CStringArray& array);
