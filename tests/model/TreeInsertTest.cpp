#include <gtest/gtest.h>

#include "model/ATREE.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;
using model_test::P;

namespace {

std::vector<std::string> Paths(const ATREE& m) {
  std::vector<std::string> out;
  for (int i = 0; i < m.GetDirDataCount(); ++i) {
    std::string p = m.GetDirData(i)->m_strPath.str();
    for (char& c : p) {
      if (c == '\x01') c = '/';
    }
    out.push_back(p);
  }
  return out;
}

}  // namespace

TEST(TreeInsert, PlacesAndTitles) {
  auto m = MakeModel({{"R", ""}, {"R/a", ""}, {"R/a/x", ""}, {"R/b", ""}});
  CString title("A\r\nB"), text;
  EXPECT_EQ(m->InsertTree(1, title, "", text, 0, 0, 1, nullptr, FALSE), 2);
  EXPECT_EQ(title, "AB");
  EXPECT_EQ(Paths(*m)[2], "R/a/AB");
  CString leaf("L");
  EXPECT_EQ(m->InsertTree(4, leaf, "", text, 0, 0, 1, nullptr, TRUE), 5);  // last child of a leaf
  CString first("F");
  EXPECT_EQ(m->InsertSibling(1, first, "", text, 0, 0, nullptr, TRUE), 1);
  CString none("N");
  const int before = m->GetDirDataCount();
  EXPECT_EQ(m->InsertSibling(0, none, "", text, 0, 0, nullptr, FALSE), 0);
  EXPECT_EQ(m->GetDirDataCount(), before);
  CString deep(P("A/B"));
  const int d = m->InsertTree(0, deep, "", text, 0, 0, 1, nullptr, TRUE);
  EXPECT_EQ(m->GetLevel(d), 2);
  EXPECT_EQ(Paths(*m), (std::vector<std::string>{"R", "R/F", "R/a", "R/a/AB", "R/a/x", "R/b", "R/b/L", "R/A/B"}));
}

TEST(TreeInsert, AutoTitleRule) {
  struct Case {
    const char* title;
    const char* text;
    const char* expected;
  } cases[] = {{"T", "x", "T\r\nx"}, {"T", "T\r\nmore", "T\r\nmore"}, {"(無題)", "", ""}, {"T", "", "T\r\n"}};
  for (const Case& c : cases) {
    auto m = MakeModel({{"R", ""}});
    m->GetProperties().m_bAutoTitle = 1;
    CString title(c.title), text(c.text);
    const int i = m->InsertTree(0, title, "", text, 0, 0, 1, nullptr, TRUE);
    EXPECT_EQ(text, c.expected) << c.title << "/" << c.text;
    EXPECT_EQ(m->GetText(i), c.expected);
  }
}

TEST(TreeInsert, ChainedAddTreeAndAppend) {
  auto m = MakeModel({{"R", ""}, {"R/p", ""}, {"R/p/c", ""}, {"R/q", ""}});
  m->SetChainIndex(-1);
  for (const char* t : {"1", "2", "3"}) m->AddTree(1, t, "", "", 0, 0, "", TRUE);
  m->AddTree(6, "folded", "", "", 0, 0, nullptr, FALSE);
  EXPECT_EQ(Paths(*m), (std::vector<std::string>{"R", "R/p", "R/p/c", "R/1", "R/2", "R/3", "R/q", "R/q/folded"}));
  EXPECT_EQ(m->GetDirData(7)->m_nView, 0);
  EXPECT_EQ(m->GetDirData(4)->m_nView, 1);
  ATREE empty;
  EXPECT_EQ(empty.AppendTree("（無題）"), 1);
  EXPECT_EQ(empty.GetDirDataCount(), 1);
  EXPECT_EQ(empty.GetRows().GetTreeDataCount(), 1);
}

TEST(TreeInsert, IdentifierTextGivesIdAndTimes) {
  auto m = MakeModel({{"R", ""}});
  CString title("a"), text;
  const int i = m->InsertTree(0, title, "", text, 5, 1, 1, "00000A00000B1\x01" "20200102030405" "20190101000000" "00000000000000000", TRUE);
  const CDirData* d = m->GetDirData(i);
  EXPECT_EQ(d->m_nIdHigh, 10);
  EXPECT_EQ(d->m_nIdLow, 11);
  EXPECT_EQ(d->m_nStatus, 5);
  EXPECT_EQ(d->GetUpdateTimeText(TRUE), "20200102030405");
}
