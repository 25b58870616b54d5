// What an undo unit keeps on a large outline (100,000 items holding 20 MB of text): a hundred
// replace-alls that rewrite every item's text, and a hundred commands that change one item. Each
// command pushes its snapshot first, as the document does; the heap in use before and after the
// hundred commands gives the bytes one unit adds.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <string>

#include "bench/LargeOutline.h"
#include "foundation/CUndoStack.h"
#include "model/ATREE.h"
#include "model/CTreeUndo.h"

namespace {

constexpr int kItems = 100000;
constexpr int kTextBytes = bench::kLargeTextBytes;  // 100,000 x 200 = 20 MB
constexpr int kCommands = 100;

const ATREE& LargeModel() {
  static const std::unique_ptr<ATREE> model = bench::MakeLargeOutline(kItems, 10);
  return *model;
}

// Heap bytes in use, small blocks and mapped ones.
double HeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

template <typename Command>
void RunCommands(benchmark::State& state, Command command) {
  double perUnit = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto model = std::make_unique<ATREE>(LargeModel());
    malloc_trim(0);
    const double before = HeapBytes();
    state.ResumeTiming();
    auto stack = std::make_unique<CUndoStack>();
    for (int n = 0; n < kCommands; ++n) {
      stack->Push(std::make_unique<CTreeUndo>(*model, n));
      command(*model, n);
    }
    state.PauseTiming();
    perUnit = (HeapBytes() - before) / kCommands;
    stack.reset();
    model.reset();
    state.ResumeTiming();
  }
  state.counters["unit_MB"] = perUnit / 1e6;
  state.counters["per_old_text"] = perUnit / (static_cast<double>(kItems) * kTextBytes);
}

// The replace-all of the find dialog over the whole outline, in its texts: every text changes,
// no title does.
void BM_HundredReplaceAlls(benchmark::State& state) {
  RunCommands(state, [](ATREE& model, int n) {
    const bool even = n % 2 == 0;
    benchmark::DoNotOptimize(
        model.GetSearch().ReplaceInTrees(model, 0, even ? "x" : "y", even ? "y" : "x", TRUE, FALSE));
  });
}
BENCHMARK(BM_HundredReplaceAlls)->Unit(benchmark::kMillisecond)->Iterations(3);

// One item's text changed per command, items spread over the outline.
void BM_HundredSingleItemEdits(benchmark::State& state) {
  RunCommands(state, [](ATREE& model, int n) {
    model.SetText(1 + n * 997 % (kItems - 1), "changed\r\n");
    model.MakeTreeData();
  });
}
BENCHMARK(BM_HundredSingleItemEdits)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
