// The tree pane's whole-outline commands at 10,000 and 100,000 items, in an outline window with its
// text pane, run as the user runs them: sorting that many siblings by title (the dialog answered),
// folding and unfolding everything under the top item, and the list of the newest 100 updated items
// up and painted. Growth from the small size to the large one shows the order. Needs a display:
// run under xvfb-run.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "bench/OutlineWindow.h"
#include "resources/CommandIds.h"
#include "treeview/CSortDlg.h"

namespace {

using outline_window::Answers;
using outline_window::Window;

// Siblings with random titles and updated times under one top item, some struck through; with
// nested, every tenth item has nine children instead.
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
    if (i % 7 == 0) item->m_nStatus |= 2;
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  return model;
}

std::map<std::pair<int, bool>, std::unique_ptr<Window>> g_windows;

Window* WindowOf(benchmark::State& state, bool nested) {
  if (!gui_bench::HasDisplay(state)) return nullptr;
  const int count = static_cast<int>(state.range(0));
  std::unique_ptr<Window>& window = g_windows[{count, nested}];
  if (!window) {
    window = std::make_unique<Window>("views" + std::to_string(count) + (nested ? "n" : "f") + ".kvn",
                                      [count, nested] { return MakeOutline(count, nested); });
  }
  if (!window->IsOpen()) {
    state.SkipWithError("the outline window did not open");
    return nullptr;
  }
  state.SetComplexityN(count);
  return window.get();
}

void BM_SortSiblings(benchmark::State& state) {
  Window* window = WindowOf(state, false);
  if (!window) return;
  Answers sort([](wxDialog* dialog) {
    dynamic_cast<CSortDlg*>(dialog)->m_bSameLevel = TRUE;
    return static_cast<int>(wxID_OK);
  });
  outline_window::TimeWithUndo(state, *window, 0, [window] { window->Command(ID_TREE_SORT); });
}
BENCHMARK(BM_SortSiblings)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);

void BM_FoldUnfoldAll(benchmark::State& state) {
  Window* window = WindowOf(state, true);
  if (!window) return;
  window->Select(0);
  for (auto _ : state) {
    window->Command(ID_TREE_HIDE_BELOW);
    window->Command(ID_TREE_SHOW_ALL_BELOW);
    window->Settle();
  }
}
BENCHMARK(BM_FoldUnfoldAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_RecentUpdatedList(benchmark::State& state) {
  Window* window = WindowOf(state, true);
  if (!window) return;
  Answers show(outline_window::ShowThenCancel);
  window->Select(0);
  for (auto _ : state) {
    window->Command(ID_VIEW_RECENT_UPDATED);
    window->Settle();
  }
}
BENCHMARK(BM_RecentUpdatedList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
  return gui_bench::RunBenchmarks(argc, argv, [] { g_windows.clear(); });
}
