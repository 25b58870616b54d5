#include <gtest/gtest.h>

#include <memory>

#include "foundation/IMatch.h"
#include "foundation/IMatchCollection.h"
#include "foundation/IRegExp.h"
#include "platform/com/COleDispatchException.h"

namespace {

class IRegExpTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_re.CreateDispatch("VBScript.RegExp")); }

  // Byte index and byte length of every match, as a search turns them into selections.
  std::vector<std::pair<LONG, LONG>> ByteSpans(const char* text) {
    IMatchCollection matches(m_re.Execute(text));
    std::vector<std::pair<LONG, LONG>> spans;
    for (LONG i = 0; i < matches.GetCount(); ++i) {
      IMatch match(matches.GetItem(i));
      spans.emplace_back(match.GetByteIndex(text), match.GetValueByteLength());
    }
    return spans;
  }

  IRegExp m_re;
};

using Spans = std::vector<std::pair<LONG, LONG>>;

}  // namespace

TEST_F(IRegExpTest, ByteIndexCountsTwoForEachDoubleByteCharacter) {
  m_re.SetPattern("表");
  m_re.SetGlobal(TRUE);
  // "表" has the trail byte 0x5C ('\'): a byte search would go wrong, the character search does not.
  EXPECT_EQ(ByteSpans("a漢字表b表"), (Spans{{5, 2}, {8, 2}}));
  m_re.SetPattern("b");
  EXPECT_EQ(ByteSpans("ｱ漢b"), (Spans{{3, 1}}));  // a half-width katakana is one byte
}

TEST_F(IRegExpTest, PropertiesRoundTrip) {
  m_re.SetPattern("日本(語)");
  m_re.SetIgnoreCase(TRUE);
  m_re.SetGlobal(FALSE);
  EXPECT_EQ(m_re.GetPattern(), "日本(語)");
  EXPECT_TRUE(m_re.GetIgnoreCase());
  EXPECT_FALSE(m_re.GetGlobal());
}

TEST_F(IRegExpTest, ReplaceSwapsGroups) {
  m_re.SetPattern("(\\S+) (\\S+)");
  EXPECT_EQ(m_re.Replace("漢字 かな", "$2 $1"), "かな 漢字");
  m_re.SetPattern("a*");
  m_re.SetGlobal(TRUE);
  EXPECT_EQ(m_re.Replace("字字", "-"), "-字-字-");  // zero-length matches never stall the loop
}

TEST_F(IRegExpTest, TestLinesMatchesPerLineWithoutLineEnds) {
  struct Case {
    const char* pattern;
    const char* text;
    BOOL expected;
  };
  const Case cases[] = {
      {"^b$", "a\r\nb\r\nc", TRUE},
      {"^b$", "a\nb", TRUE},         // the last line without a line end
      {"^b$", "a\rb", FALSE},        // a lone CR does not split the line
      {"a\rb", "x\na\rb\n", TRUE},
      {"^$", "", FALSE},             // an empty text has no line
      {"^$", "a\n\nb", TRUE},        // an empty line inside the text
      {"^$", "a\n", FALSE},          // no empty last line after a final line end
      {"\\r|\\n", "a\r\nb\n", FALSE},  // line ends are not part of a line
  };
  for (const Case& c : cases) {
    m_re.SetPattern(c.pattern);
    EXPECT_EQ(m_re.TestLines(c.text), c.expected) << c.pattern << " in " << c.text;
  }
}

TEST_F(IRegExpTest, BadPatternRaisesTheDispatchErrorWithItsText) {
  m_re.SetPattern("(abc");
  for (int call = 0; call < 3; ++call) {
    try {
      if (call == 0) m_re.Test("abc");
      if (call == 1) m_re.Execute("abc");
      if (call == 2) m_re.Replace("abc", "x");
      ADD_FAILURE() << "no error for call " << call;
    } catch (const COleDispatchException& e) {
      EXPECT_FALSE(e.m_strDescription.IsEmpty());
      EXPECT_EQ(e.m_strSource, "VBScript.RegExp");
      EXPECT_TRUE(FAILED(e.m_scError));
    }
  }
}

TEST(IRegExpEmpty, WithoutAnObjectEveryCallDoesNothing) {
  IRegExp re;
  re.SetPattern("a");
  EXPECT_FALSE(re.Test("a"));
  EXPECT_FALSE(re.TestLines("a\na"));
  EXPECT_EQ(re.Execute("a"), nullptr);
  EXPECT_EQ(re.Replace("a", "b"), "");
  EXPECT_EQ(re.GetPattern(), "");

  IMatchCollection none(nullptr);
  EXPECT_THROW(none.GetCount(), COleDispatchException);
}

TEST_F(IRegExpTest, ItemOutsideTheCollectionRaises) {
  m_re.SetPattern("a");
  IMatchCollection matches(m_re.Execute("a"));
  EXPECT_EQ(matches.GetCount(), 1);
  EXPECT_THROW(matches.GetItem(1), COleDispatchException);
  EXPECT_THROW(matches.GetItem(-1), COleDispatchException);
}
