// Tree commands on an outline of 100,000 items holding 20 MB of text: deleting, moving and pasting
// a subtree of 10,000 items, sorting 10,000 children, and a find and a replace over all the text.
// Each command works on a fresh copy of the outline (items shared until written) and ends with
// the row rebuild that every command does.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/RunOnCopies.h"
#include "model/ATREE.h"

namespace {

constexpr int kTops = 10;
constexpr int kChildren = 9999;  // each top tree with its children: 10,000 items
constexpr int kTextBytes = 200;

std::unique_ptr<ATREE> MakeOutline() {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("文書"));
  const std::string line(kTextBytes / 4 - 2, 'x');
  const std::string text = line + "\r\n" + line + "\r\nabc" + line.substr(3) + "\r\n" + line + "\r\n";
  unsigned seed = 12345;
  for (int t = 0; t < kTops; ++t) {
    const std::string top = std::string("文書\x01") + "章" + std::to_string(t);
    model->AddDirData(std::make_unique<CDirData>(top.c_str()));
    for (int c = 0; c < kChildren; ++c) {
      seed = seed * 1103515245u + 12345u;
      const std::string path = top + "\x01" + "節" + std::to_string(seed % 100000);
      auto item = std::make_unique<CDirData>(path.c_str());
      item->m_strText = text.c_str();
      item->SetCreateTimeNow();
      model->AddDirData(std::move(item));
    }
  }
  model->EditDirData(model->GetDirDataCount() - 1)->m_strText = "the needle";
  model->MakeTreeData();
  return model;
}

const ATREE& Outline() {
  static const std::unique_ptr<ATREE> model = MakeOutline();
  return *model;
}

int TopIndex(int t) { return 1 + t * (kChildren + 1); }

void BM_DeleteSubtree(benchmark::State& state) {
  RunOnCopies(state, Outline(), [](ATREE& m) { m.DeleteTree(TopIndex(3)); });
}

void BM_MoveSubtree(benchmark::State& state) {
  RunOnCopies(state, Outline(), [](ATREE& m) { benchmark::DoNotOptimize(m.MoveTree(TopIndex(3), TopIndex(4))); });
}

void BM_PromoteSubtree(benchmark::State& state) {
  // Demote a top tree under its predecessor, then promote it back: 10,000 paths rewritten twice.
  RunOnCopies(state, Outline(), [](ATREE& m) {
    m.DemoteTree(TopIndex(4), TRUE);
    benchmark::DoNotOptimize(m.PromoteTree(TopIndex(4)));
  });
}

void BM_PasteSubtree(benchmark::State& state) {
  const CString records = Outline().GetSubtreeRecords(TopIndex(3), TRUE);
  RunOnCopies(state, Outline(), [&](ATREE& m) {
    CString text = records;
    benchmark::DoNotOptimize(m.InsertTreeRecords(TopIndex(5), text, TRUE));
    m.MakeTreeData();
  });
}

void BM_SortChildren(benchmark::State& state) {
  RunOnCopies(state, Outline(), [&state](ATREE& m) {
    m.SortTrees(TopIndex(2), static_cast<int>(state.range(0)), TRUE, FALSE);
    m.MakeTreeData();
  });
}

void BM_FindNext(benchmark::State& state) {
  ATREE m(Outline());
  m.GetSearch().SetSearchTargets(1, 1, 0);
  m.GetSearch().SetSearchOptions(0, 0, 0);
  m.GetSearch().SetSearchText("needle");
  for (auto _ : state) benchmark::DoNotOptimize(m.GetSearch().FindText(m, 0, FALSE));
}

void BM_ReplaceAll(benchmark::State& state) {
  RunOnCopies(state, Outline(), [](ATREE& m) {
    benchmark::DoNotOptimize(m.GetSearch().ReplaceInTrees(m, 0, "abc", "abcd", TRUE, FALSE));
  });
}

}  // namespace

BENCHMARK(BM_DeleteSubtree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveSubtree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PromoteSubtree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteSubtree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortChildren)->Arg(0)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNext)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
