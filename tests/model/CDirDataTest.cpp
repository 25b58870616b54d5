#include <gtest/gtest.h>

#include "model/ATREE.h"
#include "model/CDirData.h"
#include "model/CTreeData.h"
#include "model/DateText.h"

TEST(CDirData, DefaultIdTextWithTimes) {
  const CDirData item;
  EXPECT_EQ(item.GetIdText(FALSE), "0000000000000");
  EXPECT_EQ(item.GetIdText(TRUE), "0000000000000\x01" + std::string(28, '0') + std::string(17, '0'));
  EXPECT_EQ(item.HasTimes(), 0);
  EXPECT_EQ(item.GetUpdateTimeText(FALSE), "");
  EXPECT_EQ(item.GetDisplayTimeText(TRUE), "");
}

TEST(CDirData, SetIdTextReadsIdentifierAndTimes) {
  struct Case {
    const char* text;
    int high, low, digit;
    const char* updated;
  } cases[] = {
      {"0000010000FF", 1, 255, 1, "00000000000000"},
      {"000000000000", 0, 0, 0, "00000000000000"},
      {"00000A0000023", 10, 2, 3, "00000000000000"},
      {"000000000000\x01" "20240131235960", 0, 0, 0, "20240201000000"},  // a second of 60 runs over
      {"000000000000\x01" "20241301000000", 0, 0, 0, "00000000000000"},  // month 13 is no date
  };
  for (const Case& c : cases) {
    CDirData item;
    item.SetIdText(c.text);
    EXPECT_EQ(item.m_nIdHigh, c.high) << c.text;
    EXPECT_EQ(item.m_nIdLow, c.low) << c.text;
    EXPECT_EQ(item.m_nIdDigit, c.digit) << c.text;
    EXPECT_EQ(item.GetUpdateTimeText(TRUE), c.updated) << c.text;
  }
  CDirData item;
  item.SetIdText("000000000000\x01" "20240102030405");
  item.SetIdText("000000000000\x01" "20241302030405");  // invalid: left as it was
  EXPECT_EQ(item.GetUpdateTimeText(TRUE), "20240102030405");
  item.SetIdText("000000000000\x01" "00000000000000");  // zeros: null again
  EXPECT_EQ(item.HasTimes(), 0);
  item.SetIdText("\x01" "2024010203040520230405060708" "20220304050607123");
  EXPECT_EQ(item.HasTimes(), 2);
  EXPECT_EQ(item.GetDisplayTimeText(TRUE), "20220304050607123");
  EXPECT_EQ(item.GetIdText(TRUE),
            "0000000000000\x01" "2024010203040520230405060708" "20220304050607123");
}

TEST(CDirData, StripTreeLineArt) {
  EXPECT_EQ(StripTreeLineArt("┣━Title"), "Title");
  EXPECT_EQ(StripTreeLineArt("┃  "), "");
  EXPECT_EQ(StripTreeLineArt("    ┗━x"), "x");
  EXPECT_EQ(StripTreeLineArt(" x"), " x");
}

TEST(CDirData, FormatDateTextNamesDaysAndMonths) {
  const COleDateTime wednesday(2024, 1, 3, 9, 5, 0);
  EXPECT_EQ(FormatDateText(wednesday, "%Y %e"), "2024 水");
  EXPECT_EQ(FormatDateText(wednesday, "%E %a %A %b %B"), "水曜日 Wed Wednesday Jan January");
  EXPECT_EQ(FormatDateText(wednesday, GetTimeDisplayFormat()), "2024/01/03 09:05");
}

// A copy of an item (what a model makes before it changes a shared item) holds the same path and
// link bytes; a later write to either replaces its own value and leaves the other item's alone.
TEST(CDirData, CopySharesPathAndLinkUntilOneSideWrites) {
  CDirData item("R\x01" "A", "text", "/home/a.txt", 0);
  CDirData copy(item);
  EXPECT_TRUE(copy.m_strPath.SharesWith(item.m_strPath));
  EXPECT_TRUE(copy.m_strLink.SharesWith(item.m_strLink));
  EXPECT_EQ(copy.GetIdentity(), item.GetIdentity());

  copy.m_strPath = copy.m_strPath + "\x01" "B";
  copy.m_strLink.Empty();
  CString stripped("R\x01" "A\x03");
  CSharedString marked(stripped);
  const CSharedString kept(marked);
  ATREE::StripRecordBytes(marked);
  EXPECT_EQ(item.m_strPath, "R\x01" "A");
  EXPECT_EQ(item.m_strLink, "/home/a.txt");
  EXPECT_EQ(copy.m_strPath, "R\x01" "A\x01" "B");
  EXPECT_TRUE(copy.m_strLink.IsEmpty());
  EXPECT_EQ(marked, "R\x01" "A");
  EXPECT_EQ(kept, stripped) << "stripping one holder's value keeps the other's";
}
