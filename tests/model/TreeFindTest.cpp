#include <gtest/gtest.h>

#include "model/ATREE.h"
#include "platform/com/COleDispatchException.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;
using model_test::P;

TEST(TreeFind, ReplaceAllCountsAndNeverRescans) {
  struct Case {
    const char* text;
    const char* search;
    const char* replacement;
    const char* expected;
    int count;
  } cases[] = {{"aaa", "a", "aa", "aaaaaa", 3}, {"xyz", "q", "r", "xyz", 0}, {"表ab表", "表", "", "ab", 2},
               {"\x95\x5C" "\\", "\\", "/", "\x95\x5C" "/", 1}};
  for (const Case& c : cases) {
    CString t(c.text);
    EXPECT_EQ(OutlineSearch::ReplaceAll(t, c.search, c.replacement), c.count) << c.text;
    EXPECT_EQ(t, c.expected);
  }
}

TEST(TreeFind, ReplaceInTreesKeepsPathsConsistent) {
  auto m = MakeModel({{"R", ""}, {"R/axb", "x\r\nx"}, {"R/axb/c", ""}, {"R/axb/d", ""}, {"R/other", "x"}});
  EXPECT_EQ(m->GetSearch().ReplaceInTrees(*m, 1, "x", "y", FALSE, FALSE), 3);
  EXPECT_EQ(m->GetDirData(3)->m_strPath, P("R/ayb/d"));
  EXPECT_EQ(m->GetSearch().ReplaceInTrees(*m, 1, "x", "y", TRUE, FALSE), 2);
  EXPECT_EQ(m->GetText(1), "y\r\ny");
  EXPECT_EQ(m->GetText(4), "x");

  auto r = MakeModel({{"R", ""}, {"R/t", "-a\r\n-b\r\nc-"}, {"R/u", "k-"}});
  EXPECT_EQ(r->GetSearch().ReplaceInTrees(*r, 1, "^-", "", TRUE, TRUE), 1);
  EXPECT_EQ(r->GetText(1), "a\r\nb\r\nc-");
  EXPECT_EQ(r->GetSearch().ReplaceInTrees(*r, 2, "-", "+", TRUE, TRUE), 1);
  EXPECT_EQ(r->GetText(2), "k+");
}

TEST(TreeFind, FindForwardBackwardAndAll) {
  auto m = MakeModel({{"R", ""}, {"R/apple", ""}, {"R/b", "has Apple inside"}, {"R/b/c", ""}, {"R/d", "link"},
                      {"R/e", "apple"}});
  m->GetSearch().SetSearchTargets(1, 1, 0);
  m->GetSearch().SetSearchOptions(0, 0, 0);
  m->GetSearch().SetSearchText("apple");
  EXPECT_EQ(m->GetSearch().FindText(*m, 0, TRUE), 1);
  EXPECT_EQ(m->GetSearch().GetFoundInText(), 0);
  EXPECT_EQ(m->GetSearch().FindText(*m, 1, FALSE), 2);
  EXPECT_EQ(m->GetSearch().GetFoundInText(), 1);
  EXPECT_EQ(m->GetSearch().FindTextBackward(*m, 4), 2);
  std::vector<const CDirData*> found;
  EXPECT_EQ(m->GetSearch().FindAllText(*m, 2, found), 1);
  EXPECT_EQ(m->GetSearch().FindAllText(*m, 3, found), 0);  // later nodes match, but not inside the subtree
  EXPECT_EQ(found.size(), 1u);

  m->EditDirData(4)->SetCategory(3);
  m->GetSearch().SetCategoryFilter(3);
  m->GetSearch().SetSearchText("");
  EXPECT_EQ(m->GetSearch().FindText(*m, 0, TRUE), 4);
  m->GetSearch().SetCategoryFilter(-1);
  m->GetSearch().SetSearchText("apple");
  m->GetSearch().SetUpdateRange(COleDateTime(2020, 1, 1, 0, 0, 0), COleDateTime(2030, 1, 1, 0, 0, 0));
  EXPECT_EQ(m->GetSearch().FindText(*m, 0, TRUE), -1);  // no node has an updated time
  m->EditDirData(5)->SetUpdateTime(COleDateTime(2024, 1, 1, 0, 0, 0));
  EXPECT_EQ(m->GetSearch().FindText(*m, 0, TRUE), 5);

  m->GetSearch().SetUpdateRange(COleDateTime(), COleDateTime());
  COleDateTime none;
  none.SetStatus(COleDateTime::null);
  m->GetSearch().SetUpdateRange(none, none);
  m->GetSearch().SetRegExpSearch(1);
  m->GetSearch().SetSearchText("^has");
  EXPECT_EQ(m->GetSearch().FindText(*m, 0, TRUE), 2);
}

TEST(TreeFind, RegularExpressionSearchesTitlesAndTextsLineByLine) {
  auto m = MakeModel({{"R", ""}, {"R/アpple", "x"}, {"R/b", "an APPLE"}, {"R/c", "\x83\nApple"}, {"R/d", "pie"}});
  m->GetSearch().SetRegExpSearch(1);
  m->GetSearch().SetSearchTargets(1, 1, 0);
  struct Case {
    const char* pattern;
    int matchCase;
    std::vector<int> hits;
  } cases[] = {
      {"^Apple$", 1, {3}},  // never in "アpple", whose "A" is a trail byte; a lone lead byte ends its line
      {"APPLE", 0, {2, 3}},
      {"pp", 1, {1, 3}},
      {"[ie]$", 1, {1, 3, 4}},  // nothing required
  };
  for (const Case& c : cases) {
    m->GetSearch().SetSearchText(c.pattern);
    m->GetSearch().SetSearchOptions(c.matchCase, 1, 0);
    std::vector<const CDirData*> found;
    m->GetSearch().FindAllText(*m, 0, found);
    std::vector<int> hits;
    for (const CDirData* d : found) hits.push_back(m->FindPath(d->m_strPath.GetString()));
    EXPECT_EQ(hits, c.hits) << c.pattern;
  }
  // Backward, the pattern of the last forward find; a bad pattern raises its error for the caller.
  m->GetSearch().SetSearchText("an");
  EXPECT_EQ(m->GetSearch().FindText(*m, 0, TRUE), 2);
  EXPECT_EQ(m->GetSearch().FindTextBackward(*m, 4), 2);
  m->GetSearch().SetSearchText("(");
  EXPECT_THROW(m->GetSearch().FindText(*m, 0, TRUE), COleDispatchException);
  std::vector<const CDirData*> none;
  EXPECT_THROW(m->GetSearch().FindAllText(*m, 0, none), COleDispatchException);
}
