#include "model/CShoStrArray.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tests/common/TestSupport.h"

namespace {

// Feeds header lines ("key=value\n" each) to ParseLine as the document reader does.
void ParseHeader(CShoStrArray& table, const std::string& lines) {
  size_t start = 0;
  while (start < lines.size()) {
    size_t end = lines.find('\n', start);
    if (end == std::string::npos) end = lines.size();
    const std::string line = lines.substr(start, end - start);
    const size_t eq = line.find('=');
    table.ParseLine(line.substr(0, eq).c_str(), line.substr(eq + 1).c_str());
    start = end + 1;
  }
}

CShoStrArray OneStyle(int kind, const char* mae = "", const char* ato = "", const char* custom = "") {
  CShoStrArray table;
  table.Add(mae, kind, ato, custom);
  return table;
}

std::string Format(const CShoStrArray& table, int level, std::vector<int> counters) {
  counters.resize(CShoStrArray::MaxStyles, 0);
  return table.FormatNumber(level, counters.data()).str();
}

struct KindCase {
  int kind;
  int n;
  const char* expected;
};

TEST(CShoStrArray, FormatsEveryKind) {
  const KindCase cases[] = {
      {0, 5, "5"},       {0, 123, "123"},     {1, 12, "１２"},    {2, 3, "Ⅲ"},       {2, 10, "Ⅹ"},
      {2, 12, "ⅩⅡ"},     {2, 19, "ⅩⅨ"},       {2, 20, "ⅡⅩ"},      {2, 23, "ⅡⅩⅢ"},    {2, 100, "ⅩⅩ"},
      {2, 101, "ⅩⅩⅠ"},   {3, 1, "A"},         {3, 26, "Z"},       {4, 1, "a"},       {4, 26, "z"},
      {5, 1, "①"},       {5, 20, "⑳"},        {5, 21, "①"},       {6, 2, "二"},      {6, 10, "十"},
      {6, 11, "一"},     {7, 5, ""},          {8, 1, "\xB1"},     {8, 45, "\xDD"},   {9, 1, "ア"},
      {9, 45, "ン"},     {10, 3, "う"},       {10, 45, "ん"},     {13, 7, " 7. "},   {-1, 7, " 7. "},
      {99, 12, "12. "},
  };
  for (const KindCase& c : cases) {
    EXPECT_EQ(Format(OneStyle(c.kind), 0, {c.n}), c.expected) << "kind " << c.kind << " n " << c.n;
  }
}

TEST(CShoStrArray, AlphabetsStartOverAndNumbersBelowOneHaveNoText) {
  // Past the end of an alphabet the letters start over instead of running into other bytes
  // (0xB0 + 48 would be a lead byte that swallows the text after it).
  const KindCase cases[] = {
      {3, 27, "A"}, {4, 28, "b"}, {8, 46, "\xB1"}, {8, 48, "\xB3"}, {9, 46, "ア"}, {10, 47, "い"},
      {2, 0, ""},   {3, 0, ""},   {5, 0, ""},      {6, -1, ""},     {8, 0, ""},     {12, 0, ""},
      {0, 0, "0"},  {1, -3, "－３"},
  };
  for (const KindCase& c : cases) {
    EXPECT_EQ(Format(OneStyle(c.kind, "", "", "x\x01"), 0, {c.n}), c.expected) << "kind " << c.kind << " n " << c.n;
  }
}

TEST(CShoStrArray, WidestCountersFormatInFull) {
  const KindCase cases[] = {
      {0, INT_MAX, "2147483647"},
      {0, INT_MIN, "-2147483648"},
      {1, INT_MAX, "２１４７４８３６４７"},
      {1, INT_MIN, "－２１４７４８３６４８"},
      {1, 1090, "１０９０"},
      {2, INT_MAX, "ⅡⅩⅩⅩⅩⅩⅩⅩⅩⅩⅩⅩⅩⅩⅩⅩⅩⅩⅣⅩⅩⅩⅩⅩⅩⅩⅦⅩⅩⅩⅩⅩⅩⅣⅩⅩⅩⅩⅩⅧⅩⅩⅩⅩⅢⅩⅩⅩⅥⅩⅩⅣⅩⅦ"},
      {2, INT_MIN, ""},
      {3, INT_MAX, "W"},
      {5, INT_MAX, "⑦"},
      {6, INT_MAX, "七"},
      {8, INT_MAX, "\xD5"},
      {9, INT_MAX, "ユ"},
      {10, INT_MAX, "ゆ"},
      {13, INT_MAX, "2147483647. "},
      {13, INT_MIN, "-2147483648. "},
      {13, -3, "-3. "},
      {13, 10, "10. "},
      {13, 0, " 0. "},
  };
  for (const KindCase& c : cases) {
    EXPECT_EQ(Format(OneStyle(c.kind, "<", ">"), 0, {c.n}), std::string("<") + c.expected + ">") << "kind " << c.kind << " n " << c.n;
  }
  CShoStrArray table;
  for (int i = 0; i < 3; ++i) table.Add("", 11, "", "");
  table.SetSeparator("::");
  EXPECT_EQ(Format(table, 2, {7, INT_MIN, INT_MAX}), "7::-2147483648::2147483647");
}

TEST(CShoStrArray, WrapsNumberInBeforeAndAfterTexts) {
  EXPECT_EQ(Format(OneStyle(2, "", "."), 0, {1}), "Ⅰ.");
  EXPECT_EQ(Format(OneStyle(5), 0, {1}), "①");
  EXPECT_EQ(Format(OneStyle(0, "(", ")"), 0, {4}), "(4)");
  EXPECT_EQ(Format(OneStyle(7, "[", "]"), 0, {4}), "[]");
  EXPECT_EQ(Format(OneStyle(13, "<", ">"), 0, {7}), "< 7. >");
}

TEST(CShoStrArray, ChapterNumberJoinsAllLevels) {
  CShoStrArray table;
  for (int i = 0; i < 3; ++i) table.Add("", 11, "", "");
  EXPECT_EQ(Format(table, 2, {1, 2, 3}), "1-2-3");
  EXPECT_EQ(Format(table, 0, {4, 2, 3}), "4");
  table.SetSeparator(".");
  EXPECT_EQ(Format(table, 1, {1, 12}), "1.12");
}

TEST(CShoStrArray, CustomStringsKeepTheLastForLargerNumbers) {
  const CShoStrArray table = OneStyle(12, "", "", "第一章\x01第二章\x01");
  EXPECT_EQ(Format(table, 0, {1}), "第一章");
  EXPECT_EQ(Format(table, 0, {2}), "第二章");
  EXPECT_EQ(Format(table, 0, {9}), "第二章");
  EXPECT_EQ(Format(OneStyle(12, "<", ">", ""), 0, {1}), "<>");
}

TEST(CShoStrArray, LevelsPastTheCountUseTheirKeptEntryAndLevelsOutsideTheTableHaveNone) {
  CShoStrArray table;
  EXPECT_EQ(Format(table, 0, {1}), "");  // a fresh table's entries have no number kind
  for (int i = 0; i < CShoStrArray::MaxStyles; ++i) table.Add("", 0, ".", "");
  std::vector<int> counters(CShoStrArray::MaxStyles + 10, 3);
  EXPECT_EQ(table.FormatNumber(CShoStrArray::MaxStyles - 1, counters.data()), "3.");
  EXPECT_EQ(table.FormatNumber(CShoStrArray::MaxStyles, counters.data()), "");
  EXPECT_EQ(table.FormatNumber(100000, counters.data()), "");
  EXPECT_EQ(table.FormatNumber(-1, counters.data()), "");
  EXPECT_EQ(table.FormatNumber(0, nullptr), "");

  table.Add("", 0, "", "");  // full: ignored
  EXPECT_EQ(table.GetCount(), CShoStrArray::MaxStyles);
  // Removing shortens the count; the last entry keeps its style.
  table.RemoveAt(5);
  EXPECT_EQ(table.GetCount(), CShoStrArray::MaxStyles - 1);
  EXPECT_EQ(Format(table, CShoStrArray::MaxStyles - 1, std::vector<int>(CShoStrArray::MaxStyles, 4)), "4.");
}

TEST(CShoStrArray, DocumentWithFewerStylesThanLevelsNumbersTheDeeperLevelsWithTheLoadedOnes) {
  kesta_test::ScopedSettingsFile app(kesta_test::MakeTempDir("sho") + "/kesta32.conf");
  CShoStrArray table;
  ASSERT_EQ(table.Load(), 10);
  ParseHeader(table, "ShoStrCount=1\nShoStrMae0=\nShoStrAto0=:\nShoStrNo0=0\n");
  ASSERT_EQ(table.GetCount(), 1);
  EXPECT_EQ(Format(table, 0, {2}), "2:");
  EXPECT_EQ(Format(table, 1, {2, 1}), "1.");
  EXPECT_EQ(Format(table, 2, {2, 1, 2}), "B.");
}

TEST(CShoStrArray, CustomTextSplitsAtSeparator) {
  CShoStr style;
  style.SetCustomText("A\x01" "B\x01");
  ASSERT_EQ(style.GetCustomCount(), 2);
  EXPECT_EQ(style.GetCustom(1), "B");
  EXPECT_EQ(style.GetCustomText(), "A\x01" "B\x01");

  style.SetCustomText("A\x01\x01" "B");
  ASSERT_EQ(style.GetCustomCount(), 3);
  EXPECT_EQ(style.GetCustom(1), "");
  EXPECT_EQ(style.GetCustom(2), "B");
  EXPECT_EQ(style.GetCustom(3), "");

  style.SetCustomText("");
  EXPECT_EQ(style.GetCustomCount(), 0);
  EXPECT_EQ(style.GetCustomText(), "");
}

TEST(CShoStrArray, KindNames) {
  CShoStrArray table;
  table.Add("", 2, "", "");
  table.Add("", 12, "", "A\x01" "B\x01" "C\x01" "D\x01");
  table.Add("", 12, "", "");
  table.Add("", 13, "", "");
  table.Add("", 4, "", "");
  EXPECT_EQ(table.GetKindName(0), "ローマ数字（Ⅰ,II,III・・）");
  EXPECT_EQ(table.GetKindName(1), "カスタム（A,B,C,・・)");
  EXPECT_EQ(table.GetKindName(2), "カスタム（・・)");
  EXPECT_EQ(table.GetKindName(3), "");
  EXPECT_EQ(table.GetKindName(4), "英小文字（a,b,b・・）");
}

TEST(CShoStrArray, HeaderLinesRoundTripByteForByte) {
  const std::string header =
      "ShoStrCount=4\n"
      "ShoStrMae0=\n"
      "ShoStrAto0=.\n"
      "ShoStrNo0=2\n"
      "ShoStrMae1= (\n"
      "ShoStrAto1=) \n"
      "ShoStrNo1=0\n"
      "ShoStrMae2=第\n"
      "ShoStrAto2=a=b\n"
      "ShoStrNo2=12\n"
      "ShoStrCustom2=一章\x01\x01三章\x01\n"
      "ShoStrMae3=\n"
      "ShoStrAto3=\n"
      "ShoStrNo3=-4\n";
  CShoStrArray table;
  EXPECT_EQ(table.GetLinesText(), "");  // not stored in the document until a header says so
  ParseHeader(table, header);
  EXPECT_EQ(table.GetSaveInDocument(), 1);
  EXPECT_EQ(table.GetCount(), 4);
  EXPECT_EQ(table.GetAt(2).GetCustomCount(), 3);
  EXPECT_EQ(table.GetLinesText().str(), header);

  CShoStrArray again;
  ParseHeader(again, table.GetLinesText().str());
  EXPECT_EQ(again.GetLinesText(), table.GetLinesText());
}

TEST(CShoStrArray, CountLineAloneWritesThatManyStyles) {
  CShoStrArray table;
  table.Add("", 0, ".", "");
  table.SetSaveInDocument(0);
  EXPECT_EQ(table.GetLinesText(), "");
  table.ParseLine("ShoStrCount", "3");
  const CString lines = table.GetLinesText();
  EXPECT_EQ(lines.Left(14), "ShoStrCount=3\n");
  EXPECT_GE(lines.Find("ShoStrNo2="), 0);
  EXPECT_LT(lines.Find("ShoStrMae3="), 0);
}

TEST(CShoStrArray, LineBreaksInTextsCannotSplitAHeaderLine) {
  CShoStrArray table;
  table.Add("a\r\n\x08", 12, "\nb", "c\n\x01");
  table.SetSaveInDocument(1);
  EXPECT_EQ(table.GetLinesText(),
            "ShoStrCount=1\nShoStrMae0=a\x08\nShoStrAto0=b\nShoStrNo0=12\nShoStrCustom0=c\x01\n");
}

TEST(CShoStrArray, HeaderLinesOutsideTheTableAreBounded) {
  CShoStrArray table;
  table.ParseLine("ShoStrCount", "500");
  EXPECT_EQ(table.GetCount(), CShoStrArray::MaxStyles);
  table.ParseLine("ShoStrCount", "-3");
  EXPECT_EQ(table.GetCount(), 0);
  table.ParseLine("ShoStrCount", "2");
  table.ParseLine("ShoStrMae250", "x");
  table.ParseLine("ShoStrAto-1", "x");
  table.ParseLine("ShoStrNo200", "3");
  table.ParseLine("ShoStrMae1", "m\r\n");
  table.ParseLine("ShoStrCustom1", "a\x01" "b\x01\r\n");
  table.ParseLine("ShoStrOther", "x");
  table.ParseLine("Unrelated", "x");
  EXPECT_EQ(table.GetMae(1), "m");
  EXPECT_EQ(table.GetCustomText(1), "a\x01" "b\x01");
  EXPECT_EQ(table.GetCount(), 2);
  EXPECT_EQ(table.GetMae(0), "");
}

TEST(CShoStrArray, AssignmentCopiesStylesInUseButNotTheDocumentFlag) {
  CShoStrArray source("Other");
  source.Add("a", 0, ".", "");
  source.Add("b", 12, ".", "x\x01");
  source.SetSeparator("/");
  source.SetSaveInDocument(1);

  CShoStrArray target;
  for (int i = 0; i < 3; ++i) target.Add("t", 3, "", "");
  target = source;
  EXPECT_EQ(target.GetCount(), 2);
  EXPECT_EQ(target.GetSection(), "Other");
  EXPECT_EQ(target.GetSeparator(), "/");
  EXPECT_EQ(target.GetMae(1), "b");
  EXPECT_EQ(target.GetCustomText(1), "x\x01");
  EXPECT_EQ(target.GetSaveInDocument(), 0);
  EXPECT_EQ(target.GetMae(2), "t");  // beyond the count the old entry stays

  const CShoStrArray copy(source);
  EXPECT_EQ(copy.GetCount(), 2);
  EXPECT_EQ(copy.GetSaveInDocument(), 0);
}

TEST(CShoStrArray, RemoveAndSwapMoveWholeStyles) {
  CShoStrArray table;
  table.Add("a", 0, "", "");
  table.Add("b", 12, "", "c\x01");
  table.Add("d", 3, "", "");
  table.Swap(0, 1);
  EXPECT_EQ(table.GetMae(0), "b");
  EXPECT_EQ(table.GetCustomText(0), "c\x01");
  EXPECT_EQ(table.GetNo(1), 0);
  table.RemoveAt(0);
  ASSERT_EQ(table.GetCount(), 2);
  EXPECT_EQ(table.GetMae(0), "a");
  EXPECT_EQ(table.GetMae(1), "d");
  table.RemoveAt(7);
  EXPECT_EQ(table.GetCount(), 2);
  table.Swap(0, CShoStrArray::MaxStyles);  // out of the table: nothing
  EXPECT_EQ(table.GetMae(0), "a");
}

}  // namespace
