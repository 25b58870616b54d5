#pragma once
// Small routines shared across the control: automation-string conversion and double-byte-aware
// stepping, copying and shortening of Shift JIS text.
#include <memory>
#include <string>

#include "control/CRefString.h"

// A narrow copy of a UTF-16 automation string (null for a null input).
std::unique_ptr<char[]> BSTRToAnsi(const char16_t* text);
// A UTF-16 copy of a Shift JIS text.
std::u16string AnsiToBSTR(const char* text);

// The byte after the character at p (two bytes for a lead byte with a valid trail byte).
const char* NextChar(const char* p);
// The start of the character before p, never before start.
const char* PrevChar(const char* start, const char* p);
// 0 single-byte (or outside the text), 1 lead byte, 2 trail byte.
int ByteKindAt(int offset, const char* text);
// Copies at most size - 1 bytes without leaving half a character at the end.
void CopyTextSafe(char* dest, const char* text, int size);
// A text longer than 40 bytes shortened to its first 38 or 39 bytes and "...".
CRefString ShortenText(const CRefString& text);
// Characters a mail address may hold besides letters and "@".
bool IsMailChar(int ch);

// Code page 932 byte ranges, inline because the layout tests them for every byte.
inline bool IsLeadByte932(unsigned char ch) { return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC); }
inline bool IsTrailByte932(unsigned char ch) { return ch >= 0x40 && ch <= 0xFC && ch != 0x7F; }

// Length of the character at p within a text of `length` bytes: 2 for a lead byte with a valid
// trail byte inside the text, else 1.
inline int CharLengthAt(const char* text, int offset, int length) {
  return (offset + 1 < length && IsLeadByte932(static_cast<unsigned char>(text[offset])) &&
          IsTrailByte932(static_cast<unsigned char>(text[offset + 1])))
             ? 2
             : 1;
}
