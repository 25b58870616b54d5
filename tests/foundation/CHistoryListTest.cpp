#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/frame.h>

#include <string>
#include <vector>

#include "foundation/CHistoryList.h"
#include "platform/framework/CWinApp.h"
#include "platform/base/CodePage.h"
#include "tests/common/TestSupport.h"

namespace {

class HistoryListTest : public ::testing::Test {
 protected:
  void SetUp() override { m_app.m_pszProfileName = (kesta_test::MakeTempDir("history") + "/kesta32.conf").c_str(); }
  static std::vector<std::string> Entries(const CHistoryList& list) {
    std::vector<std::string> texts;
    for (const CString& entry : list) texts.emplace_back(entry.GetString());
    return texts;
  }
  std::string Stored(const char* key) { return std::string(m_app.GetProfileString("Search", key, "<none>")); }
  CWinApp m_app{"Test"};
};

TEST_F(HistoryListTest, LoadSkipsRepeatedTextsButKeepsOneEmptyEntry) {
  m_app.WriteProfileString("Search", "str00", "abc");
  m_app.WriteProfileString("Search", "str01", "abc");
  m_app.WriteProfileString("Search", "str02", "ABC");
  m_app.WriteProfileString("Search", "str04", "検索");
  CHistoryList list;
  list.SetSection("Search");
  // str03 and the keys after str04 are missing and read as "", which is kept once.
  EXPECT_EQ(list.Load(), 4);
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"abc", "ABC", "", "検索"}));
  EXPECT_EQ(list.Load(), 4);  // a second load adds nothing
}

TEST_F(HistoryListTest, AddMovesKnownTextsAndDropsTheOldestBeyondTheMaximum) {
  CHistoryList list;
  EXPECT_EQ(list.GetFirst(), CString(""));
  for (int i = 0; i < 20; ++i) EXPECT_EQ(list.Add(std::to_string(i).c_str()), 1);
  EXPECT_EQ(list.Add("19"), 0);  // already at the top
  EXPECT_EQ(list.Add("5"), 0);
  EXPECT_EQ(list.GetSize(), 20);
  EXPECT_EQ(list.GetFirst(), CString("5"));
  EXPECT_EQ(list[1], CString("19"));
  EXPECT_EQ(list.Add("new"), 1);
  EXPECT_EQ(list.GetSize(), 20);
  EXPECT_EQ(list[0], CString("new"));
  EXPECT_EQ(list[19], CString("1"));  // "0", the oldest, is gone

  list.m_nMaxCount = 2;
  list.RemoveAll();
  for (const char* text : {"a", "b", "c"}) list.Add(text);
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"c", "b"}));
}

TEST_F(HistoryListTest, SaveWritesPrefixedKeysAndLeavesLaterKeysAlone) {
  m_app.WriteProfileString("Search", "key02", "stale");
  CHistoryList list;
  list.SetSection("Search");
  list.m_strKeyPrefix = "key";
  list.Add("old");
  list.Add("new");
  list.Save();
  EXPECT_EQ(Stored("key00"), "new");
  EXPECT_EQ(Stored("key01"), "old");
  EXPECT_EQ(Stored("key02"), "stale");

  CHistoryList again;
  again.SetSection("Search");
  again.m_strKeyPrefix = "key";
  again.Load();
  EXPECT_EQ(Entries(again).front(), "new");
}

TEST_F(HistoryListTest, FillComboBoxListsNonEmptyEntriesAndShowsTheFirst) {
  if (!kesta_test::HasGui()) GTEST_SKIP() << "no display";
  wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "history");
  wxComboBox* combo = new wxComboBox(frame, 104);
  CHistoryList list;
  for (const char* text : {"", "二つ目", "first"}) list.Add(text);
  list.FillComboBox(combo);
  ASSERT_EQ(combo->GetCount(), 2u);
  EXPECT_EQ(combo->GetString(0), "first");
  EXPECT_EQ(WxToCP932(combo->GetString(1)), CString("二つ目"));
  EXPECT_EQ(combo->GetValue(), "first");
  frame->Destroy();
}

}  // namespace
