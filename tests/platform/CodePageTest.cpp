#include <gtest/gtest.h>
#include <wx/string.h>

#include <iterator>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/base/Utf8Append.h"

TEST(CodePage, LeadByteTableOfCodePage932) {
  struct Case { int byte; bool lead; };
  for (const Case c : {Case{0x80, false}, Case{0x81, true}, Case{0x9F, true}, Case{0xA0, false}, Case{0xDF, false},
                       Case{0xE0, true}, Case{0xFC, true}, Case{0xFD, false}, Case{0x5C, false}}) {
    EXPECT_EQ(IsDBCSLeadByte(static_cast<unsigned char>(c.byte)), c.lead) << std::hex << c.byte;
  }
}

TEST(CodePage, RoundTripThroughUtf16IsByteExactWithNecSpecialCharacters) {
  // NEC special characters of row 13 (circled numbers, Roman numerals, ㍉), kanji with 0x5C trails,
  // half-width katakana and ASCII.
  const std::string text = "①②⑳ⅠⅩ㍉㈱≒∵ 表ソ能 ｶﾀｶﾅ abc\\~\r\n";
  const std::u16string wide = CP932ToUTF16(text);
  EXPECT_EQ(wide[0], u'\u2460');
  EXPECT_EQ(UTF16ToCP932(wide).str(), text);
  EXPECT_EQ(UTF8ToCP932(CP932ToUTF8(text)).str(), text);
  EXPECT_EQ(WxToCP932(CP932ToWx(text)).str(), text);
  EXPECT_EQ(CP932ToUTF8("漢字"), std::string(u8"漢字", u8"漢字" + 6) );
}

TEST(CodePage, UnconvertibleCharactersBecomeQuestionMarks) {
  EXPECT_EQ(UTF16ToCP932(u"a\u00E9b\U0001F600c").str(), "a?b?c");
  EXPECT_EQ(UTF8ToCP932("x\xFFy").str(), "x?y");
  int usedDefault = 0;
  char out[16] = {};
  const char16_t src[] = u"\u00E9";
  EXPECT_EQ(WideCharToMultiByte(CP_SJIS, 0, src, 1, out, sizeof out, nullptr, &usedDefault), 1);
  EXPECT_EQ(usedDefault, 1);
}

// Characters without a Shift JIS form are listed once each, in order, across several texts, so
// the user can be told which ones were lost; bytes that are no character are not listed.
TEST(CodePage, ConversionsListTheCharactersTheyCouldNotKeep) {
  const std::string yoshi = "\xF0\xA0\xAE\xB7", smile = "\xF0\x9F\x98\x80", acute = "\xC3\xA9";
  std::string lost;
  EXPECT_EQ(WxToCP932(wxString(L"a\U00020BB7b\U0001F600\U00020BB7\u6F22"), &lost).str(), "a?b??漢");
  EXPECT_EQ(lost, yoshi + smile);
  EXPECT_EQ(UTF8ToCP932(smile + acute + "x\xFFy", &lost).str(), "??x?y");
  EXPECT_EQ(lost, yoshi + smile + acute);
  std::string none;
  EXPECT_EQ(UTF8ToCP932(CP932ToUTF8("全角ｶﾅ①"), &none).str(), "全角ｶﾅ①");
  EXPECT_EQ(none, "");
}

TEST(CodePage, EucAndJisRoundTrip) {
  const std::string text = "漢字かなカナ abc";
  const std::string euc = CP932ToEUCJP(text);
  EXPECT_EQ(static_cast<unsigned char>(euc[0]), 0xB4);  // 漢 is B4 C1 in EUC-JP
  EXPECT_EQ(EUCJPToCP932(euc).str(), text);
  const std::string jis = CP932ToJIS(text);
  EXPECT_EQ(jis.substr(0, 3), "\x1B$B");
  EXPECT_NE(jis.find("\x1B(B abc"), std::string::npos);
  EXPECT_EQ(JISToCP932(jis).str(), text);
}

TEST(CodePage, WindowsShapedConversionsReportSizes) {
  const char* text = "a漢";
  EXPECT_EQ(MultiByteToWideChar(CP_SJIS, 0, text, -1, nullptr, 0), 3);  // with the NUL
  char16_t wide[8] = {};
  EXPECT_EQ(MultiByteToWideChar(CP_SJIS, 0, text, 3, wide, 8), 2);
  EXPECT_EQ(wide[1], u'\u6F22');
  EXPECT_EQ(MultiByteToWideChar(CP_SJIS, 0, text, 3, wide, 1), 0);  // too small
  char back[8] = {};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, wide, 2, back, 8, nullptr, nullptr), 4);
}

TEST(CodePage, CharIndexMapSkipsTrailBytes) {
  const CharIndexMap map("a漢b字");
  EXPECT_EQ(map.CharCount(), 4);
  EXPECT_EQ(map.ByteToChar(1), 1);
  EXPECT_EQ(map.ByteToChar(2), 1);  // inside 漢
  EXPECT_EQ(map.ByteToChar(3), 2);
  EXPECT_EQ(map.CharToByte(3), 4);
  EXPECT_EQ(map.CharToByte(9), 6);
}

// The table conversion must give exactly the units iconv gives (the Windows-shaped call still goes
// through iconv): every character alone, and texts with lead bytes before line ends, at the end,
// before bytes that are no trail, and invalid single bytes.
TEST(CodePage, TableConversionAgreesWithIconv) {
  auto iconvUnits = [](const std::string& text) {
    std::u16string units(text.size() + 1, u'\0');
    const int n = MultiByteToWideChar(CP_SJIS, 0, text.data(), static_cast<int>(text.size()), units.data(),
                                      static_cast<int>(units.size()));
    units.resize(static_cast<size_t>(n));
    return units;
  };
  for (int b = 0; b < 256; ++b) {
    std::vector<std::string> texts = {std::string(1, static_cast<char>(b))};
    if (IsDBCSLeadByte(static_cast<unsigned char>(b)))
      for (int t = 0; t < 256; ++t) texts.push_back({static_cast<char>(b), static_cast<char>(t)});
    for (const std::string& text : texts) {
      const std::u16string units = CP932ToUTF16(text);
      ASSERT_EQ(units, iconvUnits(text)) << std::hex << b << " " << static_cast<int>(text.back() & 0xFF);
      ASSERT_EQ(units.size(), 1u);
      ASSERT_FALSE(units[0] >= 0xD800 && units[0] <= 0xDFFF);  // never a surrogate
    }
  }
  const char* pieces[] = {"a", "ア", "表", "\x83", "\x80", "\xA0", "\xFD", "\r\n", "\n", "\r", "ｱ", "¬", "\xEE\xF9",
                          "abcdefghijklmnopqrstuvwxyz0123456789"};
  unsigned seed = 12345;
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
      seed = seed * 1103515245u + 12345u;
      text += pieces[(seed >> 16) % std::size(pieces)];
    }
    std::u16string appended = u"x";
    AppendCP932ToUTF16(text, appended);
    ASSERT_EQ(appended, u"x" + iconvUnits(text)) << round;
  }
}

// The exports append UTF-8 through the table: byte for byte what iconv writes, for every character
// alone and for texts whose long ASCII runs, lead bytes at the end and invalid bytes fall anywhere.
TEST(CodePage, AppendedUtf8AgreesWithIconv) {
  for (int b = 0; b < 256; ++b) {
    std::vector<std::string> texts = {std::string(1, static_cast<char>(b))};
    if (IsDBCSLeadByte(static_cast<unsigned char>(b)))
      for (int t = 0; t < 256; ++t) texts.push_back({static_cast<char>(b), static_cast<char>(t)});
    for (const std::string& text : texts) {
      std::string appended;
      AppendCP932ToUTF8(text, appended);
      ASSERT_EQ(appended, CP932ToUTF8(text)) << std::hex << b << " " << static_cast<int>(text.back() & 0xFF);
    }
  }
  const char* pieces[] = {"a",       "ア",       "表",
                          "\x83",    "\x80",     "\xA0",
                          "\xFD",    "\r\n",     "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁ",
                          "¬",       "\xEE\xF9", "abcdefghijklmnopqrstuvwxyz0123456789",
                          "\x83\x5C"};
  unsigned seed = 54321;
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
      seed = seed * 1103515245u + 12345u;
      text += pieces[(seed >> 16) % std::size(pieces)];
    }
    std::string appended = "x";
    AppendCP932ToUTF8(text, appended);
    ASSERT_EQ(appended, "x" + CP932ToUTF8(text)) << round;
  }
}
