// Copies of the model: what they carry along, and what stays with the object they were made from.
#include <gtest/gtest.h>

#include "model/ATREE.h"
#include "model/CTreeUndo.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;

namespace {

// A regular expression whose first hit differs from the plain text's: "abc" matches only as a
// pattern, "a.c" both ways.
std::unique_ptr<ATREE> SearchedAsPattern() {
  auto model = MakeModel({{"R", ""}, {"R/a", "abc"}, {"R/b", "a.c"}});
  OutlineSearch& search = model->GetSearch();
  search.SetSearchText("a.c");
  search.SetSearchOptions(0, 0, 0);
  search.SetRegExpSearch(1);
  return model;
}

}  // namespace

TEST(ATREECopy, CopiesSearchTheWordAsTheKindOfSearchItWasGivenAs) {
  auto model = SearchedAsPattern();
  ASSERT_EQ(model->GetSearch().FindText(*model, 0, TRUE), 1);

  ATREE copy(*model);
  EXPECT_EQ(copy.GetSearch().GetRegExpSearch(), 1);
  EXPECT_EQ(copy.GetSearch().FindText(copy, 0, TRUE), 1);
  ATREE assigned;
  assigned = *model;
  EXPECT_EQ(assigned.GetSearch().GetRegExpSearch(), 1);

  // An undo brings back the word together with the kind of search it belongs to.
  const CTreeUndo unit(*model, 1);
  model->GetSearch().SetSearchText("x");
  model->GetSearch().SetRegExpSearch(0);
  int current = 0;
  unit.Restore(*model, current);
  EXPECT_EQ(model->GetSearch().GetSearchText(), "a.c");
  EXPECT_EQ(model->GetSearch().FindText(*model, 0, TRUE), 1);
}

TEST(ATREECopy, CopiesTakeTheOutlineButNotTheWorkOfTheObjectTheyCameFrom) {
  auto model = MakeModel({{"R", ""}, {"R/a", "text"}, {"R/b", ""}});
  model->SetReadOnly();
  model->SetLoaded();
  model->SetNumberStruck(0);
  model->GetShoStr().SetSaveInDocument(1);
  model->GetProperties().m_bAutoTitle = 1;
  OutlineSearch& search = model->GetSearch();
  search.SetSearchText("text");
  search.SetSearchOptions(1, 1, 2);
  search.SetSearchTargets(0, 1, 1);
  search.SetCategoryFilter(-1);
  ASSERT_EQ(search.FindText(*model, 0, TRUE), 1);
  ASSERT_EQ(search.GetFoundInText(), 1);
  model->SetCheckFilter(2);
  model->MakeTreeData();
  // The object's own work: notes of an export, a run of insertions, a step back.
  model->GetFootnotes().Add("note");
  model->SetChainIndex(2);
  for (int i = 1; i <= 2; ++i) {
    SYSTEMTIME shown = {};
    shown.wYear = 2024;
    shown.wMonth = 1;
    shown.wDay = 1;
    shown.wMinute = static_cast<WORD>(i);
    model->EditDirData(i)->SetDisplayTime(shown);
  }
  ASSERT_EQ(model->GoBack(2), 1);

  auto sameOutline = [&model](const ATREE& copy) {
    EXPECT_EQ(copy.GetDirDataCount(), 3);
    EXPECT_EQ(copy.GetDirData(1), model->GetDirData(1));
    EXPECT_TRUE(copy.IsReadOnly());
    EXPECT_EQ(copy.IsLoaded(), 1);
    EXPECT_EQ(copy.GetNumberStruck(), 0);
    EXPECT_EQ(copy.GetShoStr().GetSaveInDocument(), 1);
    EXPECT_EQ(copy.GetProperties().m_bAutoTitle, 1);
    EXPECT_EQ(copy.GetCheckFilter(), 2);
    const OutlineSearch& s = copy.GetSearch();
    EXPECT_EQ(s.GetSearchText(), "text");
    EXPECT_EQ(s.GetMatchCase(), 1);
    EXPECT_EQ(s.GetMatchWidth(), 1);
    EXPECT_EQ(s.GetWordMode(), 2);
    EXPECT_EQ(s.GetFoundInText(), 1);
  };
  ATREE copy(*model);
  sameOutline(copy);
  EXPECT_EQ(copy.GetRows().GetTreeDataCount(), model->GetRows().GetTreeDataCount());
  EXPECT_EQ(copy.GetRows().GetTreeData(1)->m_strTitle, model->GetRows().GetTreeData(1)->m_strTitle);
  EXPECT_EQ(copy.GetFootnotes().GetSize(), 0);
  EXPECT_EQ(copy.GetChainIndex(), -1);
  EXPECT_FALSE(copy.HasForward());

  ATREE snapshot(*model, ATREE::ItemsOnly());
  sameOutline(snapshot);
  EXPECT_EQ(snapshot.GetRows().GetTreeDataCount(), -1);
  EXPECT_EQ(snapshot.GetRows().GetRowIndex(1), -1);
  snapshot.MakeTreeData();
  EXPECT_EQ(snapshot.GetRows().GetTreeDataCount(), model->GetRows().GetTreeDataCount());

  // An assignment replaces the outline and keeps the target's own work.
  auto target = MakeModel({{"T", ""}});
  target->GetFootnotes().Add("own");
  target->SetChainIndex(0);
  *target = *model;
  sameOutline(*target);
  EXPECT_EQ(target->GetRows().GetTreeDataCount(), model->GetRows().GetTreeDataCount());
  ASSERT_EQ(target->GetFootnotes().GetSize(), 1);
  EXPECT_EQ(target->GetFootnotes()[0], "own");
  EXPECT_EQ(target->GetChainIndex(), 0);
  EXPECT_FALSE(target->HasForward());
}
