// The tree pane's whole-outline operations at 10,000 and 100,000 items: sorting that many siblings
// by title, folding and unfolding everything under the top item, and filling the recent-item list
// of the newest 100 updated items. Growth from the small size to the large one shows the order.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/RunOnCopies.h"
#include "model/ATREE.h"

namespace {

// Siblings with random titles and updated times under one top item; with nested, every tenth
// item has nine children instead.
std::unique_ptr<ATREE> MakeOutline(int count, bool nested) {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("top"));
  unsigned seed = 4711;
  std::string parent;
  for (int i = 1; i < count; ++i) {
    seed = seed * 1103515245u + 12345u;
    const std::string title = "item" + std::to_string(seed % 1000000);
    std::string path = "top\x01" + title;
    if (nested && i % 10 != 1) {
      path = parent + "\x01" + title;
    } else {
      parent = path;
    }
    auto item = std::make_unique<CDirData>(path.c_str());
    item->SetUpdateTime(COleDateTime(2020, 1, 1, 0, 0, 0) + COleDateTimeSpan(static_cast<double>(seed % 100000) / 24));
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  return model;
}

const ATREE& Outline(int count, bool nested) {
  static std::map<std::pair<int, bool>, std::unique_ptr<ATREE>> models;
  auto& model = models[{count, nested}];
  if (!model) model = MakeOutline(count, nested);
  return *model;
}

void BM_SortSiblings(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  RunOnCopies(state, Outline(n, false), [](ATREE& m) {
    m.SortTrees(0, 0, TRUE, FALSE);
    m.MakeTreeData();
  });
  state.SetComplexityN(n);
}
BENCHMARK(BM_SortSiblings)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);

void BM_FoldUnfoldAll(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  RunOnCopies(state, Outline(n, true), [](ATREE& m) {
    m.CollapseAll(0);
    m.ExpandAll(0);
  });
  state.SetComplexityN(n);
}
BENCHMARK(BM_FoldUnfoldAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_RecentUpdatedList(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const ATREE& model = Outline(n, true);
  for (auto _ : state) {
    std::vector<const CDirData*> list;
    benchmark::DoNotOptimize(model.ListRecentUpdated(0, list, 100));
  }
  state.SetComplexityN(n);
}
BENCHMARK(BM_RecentUpdatedList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
