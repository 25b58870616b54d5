// The archive form of an item, byte for byte, and what a damaged archive does.
#include <gtest/gtest.h>

#include <string>

#include "model/CDirData.h"
#include "platform/base/CArchive.h"

namespace {

std::string Stored(CDirData& item, int row) {
  std::string bytes;
  CArchive ar(bytes, CArchive::store);
  item.Serialize(ar, row);
  return bytes;
}

}  // namespace

TEST(CDirDataSerialize, StoresSchemaStringsAndLowWordsAndLoadsThemBack) {
  CDirData item("A\x01" "B", "x", "", 0x12345 | 0x10000);
  item.m_nView = 1;
  item.m_nBookmark = 1;
  const std::string bytes = Stored(item, 7);
  EXPECT_EQ(bytes, std::string("\x64\x00" "\x03" "A\x01" "B" "\x01" "x" "\x00"
                               "\x45\x23" "\x01\x00" "\x07\x00" "\x01\x00",
                               17));

  std::string in = bytes;
  CArchive ar(in, CArchive::load);
  CDirData loaded;
  int row = -1;
  loaded.Serialize(ar, row);
  EXPECT_EQ(std::string(loaded.m_strPath), "A\x01" "B");
  EXPECT_EQ(std::string(loaded.m_strText), "x");
  EXPECT_TRUE(loaded.m_strLink.IsEmpty());
  EXPECT_EQ(loaded.m_nStatus, 0x2345);  // the category bits do not travel
  EXPECT_EQ(loaded.m_nView, 1);
  EXPECT_EQ(row, 7);
  EXPECT_EQ(loaded.m_nBookmark, 1);
}

TEST(CDirDataSerialize, StringLengthsWidenAtTheirLimits) {
  struct Case {
    size_t length;
    std::string prefix;
  };
  const Case cases[] = {
      {254, std::string("\xFE", 1)},
      {255, std::string("\xFF\xFF\x00", 3)},
      {0xFFFD, std::string("\xFF\xFD\xFF", 3)},
      {0xFFFE, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
      {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
  };
  for (const Case& c : cases) {
    CDirData item;
    item.m_strText = CString(std::string(c.length, 'a'));
    const std::string bytes = Stored(item, 0);
    // Schema, the empty path, then the text's length.
    EXPECT_EQ(bytes.substr(3, c.prefix.size()), c.prefix) << c.length;
    std::string in = bytes;
    CArchive ar(in, CArchive::load);
    CDirData loaded;
    int row = 0;
    loaded.Serialize(ar, row);
    EXPECT_EQ(static_cast<size_t>(loaded.m_strText.GetLength()), c.length);
  }
}

TEST(CDirDataSerialize, ReadsWideStringsAndRefusesDamagedArchives) {
  // The path stored as UTF-16 ("あ"), the rest empty.
  std::string wide("\x64\x00" "\xFF\xFE\xFF\x01" "\x42\x30" "\x00\x00" "\x00\x00\x00\x00\x00\x00\x00\x00", 18);
  CArchive ar(wide, CArchive::load);
  CDirData item;
  int row = 0;
  item.Serialize(ar, row);
  EXPECT_EQ(std::string(item.m_strPath), "あ");

  const std::string damaged[] = {
      std::string("\x64\x00\x05" "ab", 5),                          // a string longer than the archive
      std::string("\x64\x00", 2) + std::string(15, '\xFF'),        // a length of 2^64-1
      std::string("\x64\x00\x00\x00\x00\x01\x00", 7),               // words cut short
  };
  for (const std::string& bytes : damaged) {
    std::string in = bytes;
    CArchive load(in, CArchive::load);
    CDirData target;
    EXPECT_THROW(target.Serialize(load, row), CArchiveException);
  }
}
