// An outline built by appending items one level deeper each time, a chain as deep as it is long.
// Run at two depths four times apart: building linear in the items takes about four times as long
// for the deeper chain, growing as the bytes of its paths and of its rows' line art do, which grow
// with the depth (and so the chain's bytes with the square of its length).
#include <benchmark/benchmark.h>

#include "model/ATREE.h"

namespace {

void BM_AppendTreeChain(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  for (auto _ : state) {
    ATREE tree;
    CString path("top");
    tree.AppendTree(path);
    for (int i = 0; i < depth; ++i) {
      path += "\x01item";
      tree.AppendTree(path);
    }
    if (tree.GetRows().GetTreeDataCount() != depth + 1 || tree.GetLevel(depth) != depth)
      state.SkipWithError("not a chain of the asked depth");
  }
  state.SetComplexityN(depth);
}
BENCHMARK(BM_AppendTreeChain)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
