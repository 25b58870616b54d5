// Rows kept up to date by the tree commands, at 10,000 and 100,000 items: one command, a hundred
// scattered items deleted one by one and all at once (against one such delete), and the full rebuild
// they replace.
// Each command works on a fresh copy of the outline, whose making and freeing are not timed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "bench/RunOnCopies.h"
#include "model/ATREE.h"

namespace {

// Levels 1-3 in a repeating pattern: each top tree holds groups of children with grandchildren.
std::unique_ptr<ATREE> MakeOutline(int items) {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("文書"));
  std::string paths[4] = {"文書"};
  for (int i = 1; i < items; ++i) {
    // A grandchild never comes straight after its top: every path holds the item before it.
    const int level = i % 10 == 1 ? 1 : (i % 3 == 0 && i % 10 != 2 ? 3 : 2);
    paths[level] = paths[level - 1] + "\x01" + "見出し" + std::to_string(i);
    auto item = std::make_unique<CDirData>(paths[level].c_str());
    item->m_strText = "本文\r\n";
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  return model;
}

const ATREE& Outline(int items) {
  static std::map<int, std::unique_ptr<ATREE>> outlines;
  auto& model = outlines[items];
  if (!model) model = MakeOutline(items);
  return *model;
}

// The items a scattered delete takes, from the back so that earlier indexes stay valid.
std::vector<int> ScatteredItems(int items, int count) {
  std::mt19937 random(5);
  std::vector<int> picked;
  for (int k = 0; k < count; ++k) picked.push_back(1 + static_cast<int>(random() % static_cast<unsigned>(items - 1)));
  std::sort(picked.rbegin(), picked.rend());
  return picked;
}

// The outline of the benchmark's size.
const ATREE& OutlineOf(const benchmark::State& state) { return Outline(static_cast<int>(state.range(0))); }

void BM_FullRebuild(benchmark::State& state) {
  ATREE model(OutlineOf(state));
  for (auto _ : state) model.MakeTreeData();
}

void BM_DeleteOneItem(benchmark::State& state) {
  const int middle = static_cast<int>(state.range(0)) / 2 + 2;  // a level-2 item with a grandchild
  RunOnCopies(state, OutlineOf(state), [middle](ATREE& m) { m.DeleteTree(middle); });
}

void BM_DeleteOneTopTree(benchmark::State& state) {
  const int top = static_cast<int>(state.range(0)) / 2 + 1;
  RunOnCopies(state, OutlineOf(state), [top](ATREE& m) { m.DeleteTree(top); });
}

void BM_MoveSiblings(benchmark::State& state) {
  const int top = static_cast<int>(state.range(0)) / 2 + 1;
  RunOnCopies(state, OutlineOf(state), [top](ATREE& m) { benchmark::DoNotOptimize(m.MoveTree(top, top + 10)); });
}

void BM_CollapseAndExpandTopTree(benchmark::State& state) {
  const int top = static_cast<int>(state.range(0)) / 2 + 1;
  RunOnCopies(state, OutlineOf(state), [top](ATREE& m) {
    m.CollapseAll(top);
    m.ExpandAll(top);
  });
}

void BM_DeleteHundredScattered(benchmark::State& state) {
  const std::vector<int> picked = ScatteredItems(static_cast<int>(state.range(0)), 100);
  RunOnCopies(state, OutlineOf(state), [&picked](ATREE& m) {
    for (const int item : picked) {
      if (item < m.GetDirDataCount()) m.DeleteTree(item);
    }
  });
}

void BM_DeleteHundredScatteredAtOnce(benchmark::State& state) {
  const std::vector<int> picked = ScatteredItems(static_cast<int>(state.range(0)), 100);
  RunOnCopies(state, OutlineOf(state), [&picked](ATREE& m) { m.DeleteTrees(picked); });
}

}  // namespace

BENCHMARK(BM_FullRebuild)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteOneItem)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteOneTopTree)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveSiblings)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CollapseAndExpandTopTree)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteHundredScattered)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteHundredScatteredAtOnce)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
