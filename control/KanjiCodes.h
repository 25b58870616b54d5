#pragma once
// Conversions between Shift JIS and the JIS (ISO-2022-JP style) and EUC encodings of text files,
// and the automatic detection used while reading. Each works on one line at a time.
#include <string>
#include <string_view>

struct CCustomizeInfo;

// Decoders: the output is never longer than the input.
std::string JIStoSJIS(std::string_view in);
std::string EUCtoSJIS(std::string_view in);
// Decodes by `code` (3: undecided, 4: EUC guessed, 0: Shift JIS, 1: JIS) and updates it from what
// the bytes show; returns true when lines decoded earlier as EUC must be read again.
bool AutoToSJIS(std::string& out, std::string_view in, int& code);

// Encoders: the output grows as needed, so a line is always written whole.
std::string SJIStoJIS(const CCustomizeInfo& settings, std::string_view in);
std::string SJIStoEUC(std::string_view in);

// The standard mapping between a JIS X 0208 row/cell pair (0x21-0x7E each) and Shift JIS; 0 when
// the pair is outside the table.
unsigned JisToSjisCode(unsigned char c1, unsigned char c2);
unsigned SjisToJisCode(unsigned char s1, unsigned char s2);
