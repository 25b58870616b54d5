#pragma once
// Code page 932 (Shift JIS) knowledge and the conversions at the edges of the program:
// UTF-8 for the OS and formats that ask for it, UTF-16 for the automation boundary, wxString for
// windows, EUC-JP and ISO-2022-JP for files. Conversions run on glibc iconv; Shift JIS to UTF-16,
// which searches run over whole outlines, goes through a table filled from iconv once.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/CString.h"

class wxString;

// Lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC.
bool IsDBCSLeadByte(unsigned char ch);
// Trail bytes of code page 932: 0x40-0x7E and 0x80-0xFC.
bool IsDBCSTrailByte(unsigned char ch);

// Code page numbers as the callers name them.
enum : unsigned int {
  CP_ACP = 0,
  CP_SJIS = 932,
  CP_UTF8 = 65001,
  CP_EUCJP = 51932,
  CP_JIS = 50220,  // ISO-2022-JP
};

// A character that the target cannot hold becomes '?' (as the Windows default character does);
// an invalid byte sequence in the source becomes U+FFFD in Unicode targets and '?' otherwise.
std::u16string CP932ToUTF16(std::string_view text);
// The same units appended to out, for callers that convert many texts into one reused buffer.
void AppendCP932ToUTF16(std::string_view text, std::u16string& out);
// Every form that converts to a unit passing the test: a single byte, or a lead byte with the byte
// after it. Nullopt when the conversion is not known character by character.
std::optional<std::vector<std::string>> CP932FormsWhere(const std::function<bool(char16_t)>& test);
CString UTF16ToCP932(std::u16string_view text);
std::string CP932ToUTF8(std::string_view text);
CString UTF8ToCP932(std::string_view text);
wxString CP932ToWx(std::string_view text);
CString WxToCP932(const wxString& text);
// The same conversions that also list what they could not keep: each character that code page 932
// has no form for (a '?' in the result) is appended to *lost (UTF-8) unless it is there already,
// so one list can gather the characters of several texts. A null list is not written.
CString UTF8ToCP932(std::string_view text, std::string* lost);
CString WxToCP932(const wxString& text, std::string* lost);
std::string CP932ToEUCJP(std::string_view text);
CString EUCJPToCP932(std::string_view text);
std::string CP932ToJIS(std::string_view text);
CString JISToCP932(std::string_view text);

// Windows-shaped conversions for callers written that way. Return the number of units written
// (or needed, when the output size is 0); 0 on failure.
int MultiByteToWideChar(unsigned int codePage, unsigned int flags, const char* src, int srcLength,
                        char16_t* dst, int dstLength);
int WideCharToMultiByte(unsigned int codePage, unsigned int flags, const char16_t* src, int srcLength,
                        char* dst, int dstLength, const char* defaultChar, int* usedDefaultChar);

// Maps between byte offsets of a Shift JIS text and character indexes (one per single- or
// double-byte character). An offset inside a double-byte character maps to that character.
// Every code page 932 character is one UTF-16 unit, so a character index is also the UTF-16 index
// that automation interfaces count in.
class CharIndexMap {
 public:
  explicit CharIndexMap(std::string_view text);
  int CharCount() const { return static_cast<int>(m_starts.size()) - 1; }
  int ByteToChar(int byteOffset) const;
  int CharToByte(int charIndex) const;  // clamped to the text

 private:
  std::vector<int> m_starts;  // byte offset of each character, then the text length
};
