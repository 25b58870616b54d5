// The rows an operation updates in place must be exactly the rows a full rebuild gives, after long
// random sequences of tree operations on outlines with repeated titles, folds and struck items.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/ATREE.h"
#include "tests/common/TestSupport.h"
#include "tests/model/ModelTestSupport.h"

using model_test::MessageRecorder;

namespace {

std::unique_ptr<ATREE> RandomOutline(std::mt19937& random, int count) {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("R"));
  std::vector<std::string> chain = {"R"};  // the path of the last item at each level
  for (int i = 1; i < count; ++i) {
    const int level = 1 + static_cast<int>(random() % chain.size());
    chain.resize(static_cast<size_t>(level));
    chain.push_back(chain.back() + "\x01" + std::string(1, static_cast<char>('a' + random() % 3)));
    auto item = std::make_unique<CDirData>(chain.back().c_str());
    item->m_nView = random() % 5 == 0 ? 0 : 1;
    item->m_nStatus = (random() % 6 == 0 ? 2 : 0) | (random() % 9 == 0 ? 4 : 0);
    if (random() % 4 == 0) item->m_strText = "x";
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  return model;
}

void ExpectRowsAsRebuilt(const ATREE& model, const std::string& step) {
  ATREE rebuilt(model);
  rebuilt.MakeTreeData();
  ASSERT_EQ(model.GetRows().GetTreeDataCount(), rebuilt.GetRows().GetTreeDataCount()) << step;
  for (int r = 0; r <= model.GetRows().GetTreeDataCount(); ++r) {
    const CTreeData& a = *model.GetRows().GetTreeData(r);
    const CTreeData& b = *rebuilt.GetRows().GetTreeData(r);
    ASSERT_EQ(a.m_strTitle, b.m_strTitle) << step << " row " << r;
    ASSERT_EQ(a.m_strNumber, b.m_strNumber) << step << " row " << r;
    ASSERT_EQ(a.m_strLink, b.m_strLink) << step << " row " << r;
    ASSERT_EQ(a.m_nItem, b.m_nItem) << step << " row " << r;
    ASSERT_EQ(a.m_nLevel, b.m_nLevel) << step << " row " << r;
    ASSERT_EQ(a.m_nFold, b.m_nFold) << step << " row " << r;
    ASSERT_EQ(a.m_nStatus, b.m_nStatus) << step << " row " << r;
    ASSERT_EQ(a.m_nFlags, b.m_nFlags) << step << " row " << r;
  }
  for (int i = 0; i < model.GetDirDataCount(); ++i)
    ASSERT_EQ(model.GetRows().GetRowIndex(i), rebuilt.GetRows().GetRowIndex(i)) << step;
}

// A random sibling of the item, or -1 when it has none.
int SiblingOf(const ATREE& model, int item, std::mt19937& random) {
  std::vector<int> siblings;
  const int parent = model.GetParent(item);
  for (int j = model.GetNextSibling(parent, TRUE) - 1; j > parent; --j) {
    if (j != item && model.GetParent(j) == parent && model.GetLevel(j) == model.GetLevel(item)) siblings.push_back(j);
  }
  return siblings.empty() ? -1 : siblings[random() % siblings.size()];
}

}  // namespace

TEST(RowsFollowTree, EveryOperationLeavesTheRowsOfAFullRebuild) {
  MessageRecorder answers(IDYES);
  for (unsigned seed = 1; seed <= 12; ++seed) {
    std::mt19937 random(seed);
    auto model = RandomOutline(random, 60);
    if (seed % 3 == 0) {
      model->GetShoStr().SetNo(2, 11);  // numbers that show every level's counter
      model->MakeTreeData();
    }
    for (int step = 0; step < 250; ++step) {
      const int n = model->GetDirDataCount();
      if (n < 12) {
        CString title("a"), text;
        model->InsertTree(static_cast<int>(random() % static_cast<unsigned>(n)), title, "", text, 0, 0, 1, nullptr,
                          random() % 2);
        model->MakeTreeData();
        continue;
      }
      const int item = 1 + static_cast<int>(random() % static_cast<unsigned>(n - 1));
      const int op = static_cast<int>(random() % 13);
      switch (op) {
        case 0: model->DeleteTree(item); break;
        case 1: model->DeleteChildren(item); break;
        case 2: {
          const int other = SiblingOf(*model, item, random);
          if (other >= 0) model->MoveTree(std::min(item, other), std::max(item, other));
          break;
        }
        case 3: model->PromoteTree(item); break;
        case 4: model->DemoteTree(item, random() % 2); break;
        // Folds also at the top item, whose change takes every row.
        case 5: model->ExpandAll(random() % 4 == 0 ? 0 : item); break;
        case 6: model->CollapseAll(random() % 4 == 0 ? 0 : item); break;
        case 7: model->ExpandLevels(random() % 4 == 0 ? 0 : item, 1 + static_cast<int>(random() % 2)); break;
        case 8: model->ToggleStrike(item); break;
        case 9: model->RenameTree(item, random() % 2 ? "b" : "new", "link"); break;
        case 10: model->SetText(item, model->GetText(item).IsEmpty() ? "text" : ""); break;
        case 11: {
          // Scattered, repeated, neighbouring and nested tops in any order.
          std::vector<int> tops = {item};
          for (int k = static_cast<int>(random() % 5); k > 0; --k) {
            const int other = 1 + static_cast<int>(random() % static_cast<unsigned>(n - 1));
            tops.push_back(other);
            if (random() % 3 == 0 && other + 1 < n) tops.push_back(other + 1);
          }
          model->DeleteTrees(tops);
          break;
        }
        default: model->ToggleCheck(item); break;
      }
      ExpectRowsAsRebuilt(*model, "seed " + std::to_string(seed) + " step " + std::to_string(step) + " op " +
                                      std::to_string(op) + " item " + std::to_string(item));
      if (HasFatalFailure()) return;
    }
  }
}

TEST(RowsFollowTree, ChangesMadeWithoutARebuildAreNotLeftInOtherRows) {
  std::mt19937 random(7);
  auto model = RandomOutline(random, 40);
  model->ExpandAll(0);
  // An item changed directly leaves the row's mark stale until the next rebuild, which an operation
  // elsewhere must still do in full.
  model->EditDirData(1)->m_strText = model->GetText(1).IsEmpty() ? "now" : "";
  model->CollapseAll(model->GetDirDataCount() - 1);
  ExpectRowsAsRebuilt(*model, "after a direct edit");
}

// Titles shared among threads, in a full rebuild and in an update that takes every row, are those
// one thread writes.
TEST(RowsFollowTree, TitlesWrittenByManyThreadsAreThoseOfOne) {
  auto titles = [](const ATREE& model) {
    std::vector<std::string> all;
    const OutlineRows& rows = model.GetRows();
    for (int r = 0; r <= rows.GetTreeDataCount(); ++r) all.push_back(rows.GetTreeData(r)->m_strTitle.str());
    return all;
  };
  for (unsigned seed = 1; seed <= 4; ++seed) {
    std::mt19937 random(seed);
    auto model = RandomOutline(random, 400);
    std::vector<std::string> rebuilt, updated;
    {
      const kesta_test::ScopedValue one(ATREE::s_nTitlesPerThread, 1 << 30);
      model->MakeTreeData();
      rebuilt = titles(*model);
      model->ExpandAll(0);
      updated = titles(*model);
    }
    const kesta_test::ScopedValue many(ATREE::s_nTitlesPerThread, 3);
    auto again = RandomOutline(random = std::mt19937(seed), 400);
    EXPECT_EQ(titles(*again), rebuilt) << seed;
    again->ExpandAll(0);
    EXPECT_EQ(titles(*again), updated) << seed;
  }
}

// Items appended one after another, mostly one level deeper, now and then back up, with repeated
// titles, a path that skips a level and edits between appends; deeper than the heading counters
// reach, where the operations on the deep items follow the rows too.
TEST(RowsFollowTree, AppendedItemsAndDeepChainsHaveTheRowsOfAFullRebuild) {
  MessageRecorder answers(IDYES);
  for (unsigned seed = 1; seed <= 4; ++seed) {
    std::mt19937 random(seed);
    ATREE model;
    if (seed % 2 == 0) model.GetShoStr().SetNo(2, 11);  // numbers that show every level's counter
    model.AppendTree("R");
    std::vector<std::string> chain = {"R"};  // the path of the last item at each level
    for (int step = 0; step < 320; ++step) {
      const unsigned kind = random() % 20;
      std::string path;
      if (step < 230 || kind < 14) {
        path = chain.back() + "\x01" + std::string(1, static_cast<char>('a' + random() % 2));
      } else if (kind < 18) {
        chain.resize(1 + random() % chain.size());
        path = chain.back() + "\x01" + "s";
      } else if (kind == 18) {
        path = chain.back() + "\x01x\x01y";  // skips a level
      } else {
        // An edit between appends, with its own rows.
        CString title("ins"), text;
        model.InsertTree(static_cast<int>(random() % static_cast<unsigned>(model.GetDirDataCount())), title, "", text,
                         0, 0, 1, nullptr, TRUE);
        model.MakeTreeData();
        path = std::string("R\x01") + "after";
      }
      model.AppendTree(path.c_str());
      chain.resize(static_cast<size_t>(ATREE::LevelOf(CString(path.c_str()))));
      chain.push_back(path);
      ExpectRowsAsRebuilt(model, "seed " + std::to_string(seed) + " step " + std::to_string(step));
      if (HasFatalFailure()) return;
    }
    const int deep = 210;
    model.CollapseAll(deep);
    ExpectRowsAsRebuilt(model, "folded deep");
    model.ExpandAll(deep - 5);
    ExpectRowsAsRebuilt(model, "unfolded deep");
    model.RenameTree(deep + 1, "renamed", "");
    ExpectRowsAsRebuilt(model, "renamed deep");
    model.DeleteTree(deep + 3);
    ExpectRowsAsRebuilt(model, "deleted deep");
    if (HasFatalFailure()) return;
  }
}
