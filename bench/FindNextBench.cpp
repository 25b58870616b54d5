// Find next over a whole outline of 10,000 and 100,000 items (200 bytes of text each) for a word
// that is not there, so every title and text is read once: exact, and ignoring case and width.
// memmem over the same bytes, laid end to end, runs beside them for scale.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "model/ATREE.h"

namespace {

constexpr size_t kTextBytes = 200;
const char* const kWords[] = {"Outline", "tree", "note", "Plan", "draft", "idea", "memo", "list", "task", "page"};

struct Outline {
  std::unique_ptr<ATREE> model = std::make_unique<ATREE>();
  std::string all;  // every title and text, end to end
};

Outline MakeOutline(int items) {
  Outline outline;
  outline.model->AddDirData(std::make_unique<CDirData>("top"));
  unsigned seed = 4242;
  for (int i = 1; i < items; ++i) {
    std::string text;
    while (text.size() < kTextBytes) {
      seed = seed * 1103515245u + 12345u;
      text += kWords[(seed >> 8) % 10];
      text += (seed >> 16) % 8 == 0 ? "\r\n" : " ";
    }
    const std::string title = "item" + std::to_string(i);
    auto item = std::make_unique<CDirData>(("top\x01" + title).c_str());
    item->m_strText = text.c_str();
    outline.model->AddDirData(std::move(item));
    outline.all += title + text;
  }
  outline.model->MakeTreeData();
  return outline;
}

Outline& Data(int items) {
  static std::map<int, Outline> outlines;
  auto found = outlines.find(items);
  if (found == outlines.end()) found = outlines.emplace(items, MakeOutline(items)).first;
  return found->second;
}

void FindNext(benchmark::State& state, int matchCase, int matchWidth) {
  ATREE& model = *Data(static_cast<int>(state.range(0))).model;
  model.GetSearch().SetSearchText("zebra");
  model.GetSearch().SetRegExpSearch(0);
  model.GetSearch().SetSearchOptions(matchCase, matchWidth, 0);
  model.GetSearch().SetSearchTargets(1, 1, 0);
  for (auto _ : state) benchmark::DoNotOptimize(model.GetSearch().FindText(model, 0, TRUE));
}

void BM_FindNextExact(benchmark::State& state) { FindNext(state, 1, 1); }
void BM_FindNextIgnoringCaseAndWidth(benchmark::State& state) { FindNext(state, 0, 0); }

void BM_Memmem(benchmark::State& state) {
  const std::string& all = Data(static_cast<int>(state.range(0))).all;
  for (auto _ : state) benchmark::DoNotOptimize(memmem(all.data(), all.size(), "zebra", 5));
}

}  // namespace

BENCHMARK(BM_FindNextExact)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextIgnoringCaseAndWidth)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memmem)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
