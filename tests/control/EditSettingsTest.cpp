// The control's settings in the registry store: layouts, sizes, versions and histories.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "control/CTextBuffer.h"
#include "control/ColorTable.h"
#include "control/EditHistory.h"
#include "control/EditSettings.h"
#include "control/KeyTable.h"
#include "control/LogFont.h"
#include "platform/com/CRegKey.h"
#include "tests/control/TestEdit.h"

namespace {

class EditSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    key = "Software\\Test\\Wrila" + std::to_string(++serial);
    ASSERT_EQ(reg.Create(HKEY_CURRENT_USER, key.c_str()), ERROR_SUCCESS);
  }
  void Set(const char* name, const std::vector<std::uint8_t>& bytes) {
    ASSERT_EQ(reg.SetBinaryValue(name, bytes.data(), static_cast<ULONG>(bytes.size())), ERROR_SUCCESS);
  }
  std::vector<std::uint8_t> Get(const char* name) {
    ULONG size = 0;
    if (reg.QueryBinaryValue(name, nullptr, &size) != ERROR_SUCCESS) return {};
    std::vector<std::uint8_t> bytes(size);
    reg.QueryBinaryValue(name, bytes.data(), &size);
    return bytes;
  }
  void Load() { LoadEditSettings(HKEY_CURRENT_USER, key.c_str(), edit, colors); }
  // A record image of the current defaults, cut to `size` bytes.
  std::vector<std::uint8_t> Record(size_t size) {
    CCustomizeInfo cust;
    CColorTable unused;
    ResetEditSettings(cust, unused);
    std::vector<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(&cust), reinterpret_cast<std::uint8_t*>(&cust) + 684);
    bytes.resize(size);
    return bytes;
  }

  static inline int serial = 0;
  std::string key;
  CRegKey reg;
  TestEdit edit;
  CColorTable colors{};
};

void PutInt(std::vector<std::uint8_t>& bytes, size_t at, std::int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

}  // namespace

TEST_F(EditSettingsTest, MissingKeyIsCreatedAndDefaultsStay) {
  key += "\\Fresh";
  edit.m_cust.TabSpace = 3;
  Load();
  EXPECT_EQ(edit.m_cust.TabSpace, 8);
  EXPECT_EQ(colors.Back[ROLE_SELECTION], 0x800000u);
  CRegKey opened;
  EXPECT_EQ(opened.Open(HKEY_CURRENT_USER, key.c_str()), ERROR_SUCCESS);
  const CLogFont font = CLogFont::FromBytes(edit.m_cust.DisplayFont);
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
}

TEST_F(EditSettingsTest, RecordSizesAndVersions) {
  reg.SetDWORDValue("XRegVersion", 1);
  // An older 516-byte record: read as far as it goes, the rest keeps its defaults.
  std::vector<std::uint8_t> cust = Record(516);
  PutInt(cust, 80, 4);  // TabSpace
  Set("XCust", cust);
  Load();
  EXPECT_EQ(edit.m_cust.TabSpace, 4);
  EXPECT_EQ(edit.m_cust.HiliteComment, -1);
  EXPECT_EQ(edit.m_cust.CommentBegin[0], '\0');
  EXPECT_EQ(edit.m_cust.UrlChars['a'], 1);

  // The 432-byte layout kept the quote at offset 130.
  for (const char* quote : {">", "#"}) {
    cust = Record(432);
    std::memset(cust.data() + 130, 0, 4);
    std::memcpy(cust.data() + 130, quote, std::strlen(quote));
    cust[430] = 1;
    Set("XCust", cust);
    Load();
    EXPECT_STREQ(edit.m_cust.Prefix, quote);
    EXPECT_EQ(edit.m_cust.SelLinkContextMenu, 0);
  }

  // Other sizes, and short colour and key tables, are ignored.
  cust = Record(684);
  PutInt(cust, 80, 2);
  Set("XCust", cust);
  cust.resize(600);
  Set("XClr", std::vector<std::uint8_t>(135, 0x11));
  Set("XAccel", {1, 0, 2, 0, 3});
  Load();
  EXPECT_EQ(edit.m_cust.TabSpace, 2);
  EXPECT_EQ(colors.Text[ROLE_URL], 0xFF0000u);
  EXPECT_EQ(edit.GetBuffer().GetAccelEntries().size(), GetDefaultAccelEntries().size());
  Set("XCust", cust);
  Load();
  EXPECT_EQ(edit.m_cust.TabSpace, 8);

  // A version other than 1, or one stored with another type, loads defaults only.
  cust = Record(684);
  PutInt(cust, 80, 5);
  Set("XCust", cust);
  reg.SetDWORDValue("XRegVersion", 2);
  Load();
  EXPECT_EQ(edit.m_cust.TabSpace, 8);
  Set("XRegVersion", {1, 0, 0, 0});
  Load();
  EXPECT_EQ(edit.m_cust.TabSpace, 8);
}

TEST_F(EditSettingsTest, SaveWritesExactBytesAndReadsBack) {
  edit.m_cust.TabSpace = 4;
  CLogFont font = CLogFont::SystemFixed();
  font.lfHeight = -20;
  font.lfFaceName = "ＭＳ ゴシック";
  font.ToBytes(edit.m_cust.DisplayFont);
  colors.Reset();
  colors.Back[ROLE_CARETLINE] = 0x123456;
  CHiliteRule rule;
  rule.text = "Abc";
  rule.color = 4;
  rule.word = true;
  edit.m_hiliteRules.push_back(rule);
  ASSERT_EQ(SaveEditSettings(HKEY_CURRENT_USER, key.c_str(), edit, colors), S_OK);

  EXPECT_EQ(Get("XNW"), (std::vector<std::uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(Get("XHW"), (std::vector<std::uint8_t>{1, 0, 0, 0, 4, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 'A', 'b', 'c'}));
  const std::vector<std::uint8_t> cust = Get("XCust");
  ASSERT_EQ(cust.size(), 684u);
  EXPECT_EQ(std::vector<std::uint8_t>(cust.begin(), cust.begin() + 4), (std::vector<std::uint8_t>{0xEC, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(cust[23], SHIFTJIS_CHARSET);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(cust.data() + 28)), "ＭＳ ゴシック");
  EXPECT_EQ(cust[80], 4);
  EXPECT_EQ(Get("XClr").size(), 136u);
  EXPECT_EQ(Get("XAccel").size(), 6 * GetDefaultAccelEntries().size());

  TestEdit other;
  CColorTable otherColors{};
  LoadEditSettings(HKEY_CURRENT_USER, key.c_str(), other, otherColors);
  EXPECT_EQ(other.m_cust.TabSpace, 4);
  EXPECT_EQ(CLogFont::FromBytes(other.m_cust.DisplayFont).lfHeight, -20);
  EXPECT_EQ(otherColors.Back[ROLE_CARETLINE], 0x123456u);
  ASSERT_EQ(other.m_hiliteRules.size(), 1u);
  EXPECT_STREQ(other.m_hiliteRules[0].text, "ABC");  // stored as written, upper-cased on load
  EXPECT_TRUE(other.m_hiliteRules[0].word);

  // Lists are read only as far as they hold whole records.
  Set("XNW", {2, 0, 0, 0, 1, 2, 0, 0, 0, 'a', 'b', 0, 9, 0, 0, 0, 'x'});
  LoadEditSettings(HKEY_CURRENT_USER, key.c_str(), other, otherColors);
  ASSERT_EQ(other.m_faceWords.size(), 1u);
  EXPECT_STREQ(other.m_faceWords[0].text, "ab");
}

TEST_F(EditSettingsTest, HistoriesKeepThirtyTwoMostRecentFirst) {
  std::vector<CRefString> list;
  for (int i = 0; i < kMaxHistory; ++i) list.emplace_back(("w" + std::to_string(i)).c_str());
  WriteHistory(HKEY_CURRENT_USER, key.c_str(), "Find", list);
  PushFindHistory(HKEY_CURRENT_USER, key.c_str(), "new");
  std::vector<CRefString> read = ReadHistory(HKEY_CURRENT_USER, key.c_str(), "Find");
  ASSERT_EQ(read.size(), 32u);
  EXPECT_STREQ(read.front(), "new");
  EXPECT_STREQ(read[1], "w0");
  EXPECT_STREQ(read.back(), "w30");

  // An entry already present moves to the front instead of repeating.
  PushFindHistory(HKEY_CURRENT_USER, key.c_str(), "w5");
  read = ReadHistory(HKEY_CURRENT_USER, key.c_str(), "Find");
  ASSERT_EQ(read.size(), 32u);
  EXPECT_STREQ(read[0], "w5");
  EXPECT_STREQ(read[1], "new");
  EXPECT_EQ(std::count_if(read.begin(), read.end(), [](const CRefString& s) { return s == "w5"; }), 1);

  // Find options: a malformed value reads as off; the word search turns match case off.
  WriteFindFlag(HKEY_CURRENT_USER, key.c_str(), true);
  EXPECT_TRUE(ReadFindFlag(HKEY_CURRENT_USER, key.c_str()));
  PushFindHistory(HKEY_CURRENT_USER, key.c_str(), "x");
  EXPECT_FALSE(ReadFindFlag(HKEY_CURRENT_USER, key.c_str()));
  Set("FindFlag", {1, 0, 0});
  EXPECT_FALSE(ReadFindFlag(HKEY_CURRENT_USER, key.c_str()));
}

// The font size a host gives and the height the record keeps, at a chosen resolution.
TEST(FontSizeTest, PointsBecomeTheNegatedPixelHeightAtTheResolution) {
  struct Case {
    std::int64_t size;  // points times 10,000
    int ppi;
    std::int32_t height;
  };
  const Case cases[] = {{105000, 96, -14}, {90000, 96, -12}, {100000, 96, -13}, {105000, 120, -18},
                        {0, 96, 0},        {-130000, 96, -13}};
  for (const Case& c : cases) EXPECT_EQ(FontHeightFromSize(c.size, c.ppi), c.height) << c.size << " at " << c.ppi;
  // A pixel height reads back as the points it stands for; a cell height as itself.
  EXPECT_EQ(FontSizeFromHeight(-14, 96), 105000);
  EXPECT_EQ(FontSizeFromHeight(20, 96), 200000);
}
