#include <gtest/gtest.h>

#include "model/ATREE.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MakeModel;
using model_test::MessageRecorder;

namespace {

std::vector<std::string> Titles(const ATREE& model) {
  std::vector<std::string> titles;
  const OutlineRows& rows = model.GetRows();
  for (int r = 0; r <= rows.GetTreeDataCount(); ++r) titles.push_back(rows.GetTreeData(r)->m_strTitle.str());
  return titles;
}

}  // namespace

TEST(Rows, NewModelAndRootOnly) {
  ATREE empty;
  EXPECT_EQ(empty.GetRows().GetTreeDataCount(), -1);
  auto model = MakeModel({{"Root", ""}});
  ASSERT_EQ(model->GetRows().GetTreeDataCount(), 1);
  EXPECT_EQ(model->GetRows().GetTreeData(0)->m_nFold, 0);
  EXPECT_EQ(model->GetRows().GetTreeData(1)->m_nItem, 1);  // the sentinel
  EXPECT_EQ(model->GetRows().GetTreeData(1)->m_strTitle, "");
}

TEST(Rows, LineArtIsShiftJisCells) {
  auto model = MakeModel({{"R", ""}, {"R/X", "t"}, {"R/X/x1", ""}, {"R/Y", ""}, {"R/Z", ""}, {"R/Z/z1", ""},
                          {"R/Z/z1/deep", ""}, {"R/Z/z2", ""}});
  const std::string pass = "\x84\xAB\x20\x20", branch = "\x84\xB0\x84\xAA", last = "\x84\xAF\x84\xAA",
                    blank = "    ";
  EXPECT_EQ(Titles(*model), (std::vector<std::string>{
                                "R", branch + "X", pass + last + "x1", branch + "Y", last + "Z",
                                blank + branch + "z1", blank + pass + last + "deep", blank + last + "z2", ""}));
  const CTreeData* x = model->GetRows().GetTreeData(1);
  EXPECT_EQ(x->m_nFold, 2);
  EXPECT_EQ(x->m_nFlags, 2);  // text not empty
  EXPECT_EQ(model->GetRows().GetTreeData(0)->m_nFold, 2);
  EXPECT_EQ(model->GetRows().GetMaxRowTextLength(), 16);
}

TEST(Rows, SiblingsWithTheSameTitleShowTheTitleAgain) {
  auto model = MakeModel({{"R", ""}, {"R/Same", ""}, {"R/Same", ""}});
  const std::vector<std::string> titles = Titles(*model);
  EXPECT_EQ(titles[1], "\x84\xB0\x84\xAA" "Same");
  EXPECT_EQ(titles[2], "\x84\xAF\x84\xAA" "Same");
}

TEST(Rows, HiddenItemsHaveNoRowAndFoldStateFollowsTheFirstChild) {
  auto model = MakeModel({{"R", ""}, {"R/A", ""}, {"R/A/B", ""}, {"R/A/B/C", ""}, {"R/D", ""}});
  model->EditDirData(2)->m_nView = 0;
  model->EditDirData(3)->m_nView = 0;
  model->MakeTreeData();
  EXPECT_EQ(model->GetRows().GetTreeDataCount(), 3);
  EXPECT_EQ(model->GetRows().GetRowIndex(2), -1);
  EXPECT_EQ(model->GetRows().GetRowIndex(3), -1);
  EXPECT_EQ(model->GetRows().GetRowIndex(4), 2);
  EXPECT_EQ(model->GetRows().GetTreeData(1)->m_nFold, 1);
  MessageRecorder messages;
  EXPECT_EQ(model->GetRows().GetNumberText(2), "");
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0], "Err:章立て文字取得不可（開発元にご連絡ください）");
}

TEST(Rows, CheckTreeFilters) {
  auto model = MakeModel({{"R", ""}, {"R/A", ""}, {"R/A/B", ""}, {"R/C", ""}});
  model->SetCheckFilter(1);
  model->MakeTreeData();
  EXPECT_EQ(model->GetRows().GetTreeDataCount(), 1);  // nothing checked: the root row and the sentinel
  model->EditDirData(2)->m_nStatus = 1;
  model->MakeTreeData();
  EXPECT_EQ(model->GetRows().GetTreeDataCount(), 3);  // R, A (holds a checked tree), B
  model->SetCheckFilter(2);
  model->MakeTreeData();
  EXPECT_EQ(model->GetRows().GetTreeDataCount(), 3);  // R, A, C
  EXPECT_EQ(model->GetRows().GetRowIndex(3), 2);
  model->EditDirData(0)->m_nStatus = 1;
  model->MakeTreeData();
  EXPECT_EQ(model->GetRows().GetTreeDataCount(), 1);
}

TEST(Rows, NumberingCountersAndTheirLimits) {
  auto model = MakeModel({{"R", ""}, {"R/A", ""}, {"R/S", ""}, {"R/S/a", ""}, {"R/F", ""}, {"R/B", ""}});
  CShoStrArray& styles = model->GetShoStr();
  styles.Add("", 0, ".", "");
  styles.Add("(", 0, ")", "");
  model->EditDirData(2)->m_nStatus = 2;  // struck through
  model->EditDirData(4)->m_nStatus = 4;  // flagged: no number
  model->MakeTreeData();
  std::vector<std::string> numbers;
  const OutlineRows& rows = model->GetRows();
  for (int r = 1; r < rows.GetTreeDataCount(); ++r) numbers.push_back(rows.GetTreeData(r)->m_strNumber.str());
  const std::vector<std::string> numbered = {styles.FormatNumber(0, std::vector<int>{1}.data()).str(),
                                             styles.FormatNumber(0, std::vector<int>{2}.data()).str(),
                                             styles.FormatNumber(1, std::vector<int>{2, 1}.data()).str(), "",
                                             styles.FormatNumber(0, std::vector<int>{3}.data()).str()};
  EXPECT_EQ(numbers, numbered);
  EXPECT_EQ(model->GetRows().GetNumberText(5), numbered[4]);

  // Outlines deeper than the counters are shown without numbers.
  std::string path = "R";
  std::vector<std::pair<std::string, std::string>> deep = {{path, ""}};
  for (int level = 1; level <= 205; ++level) deep.emplace_back(path += "/n", "");
  auto tall = MakeModel(deep);
  EXPECT_EQ(tall->GetRows().GetTreeDataCount(), 206);
}
