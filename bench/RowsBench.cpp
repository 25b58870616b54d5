// One tree command in the tree pane of an outline window, at 100,000 and 1,000,000 items of the usual
// shape (every tenth item a chapter on level 1, some struck through, four text lines each), run as
// the user runs it: the text pane's commit, the undo step, the model change, the rows, the list's
// refill and the text pane's update. Beside them the model's change alone and its full row rebuild,
// which no command should need. Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "bench/OutlineWindow.h"
#include "bench/RunOnCopies.h"
#include "resources/CommandIds.h"

namespace {

using outline_window::Window;

std::map<int, std::unique_ptr<Window>> g_windows;

Window* WindowOf(benchmark::State& state) {
  if (!gui_bench::HasDisplay(state)) return nullptr;
  const int items = static_cast<int>(state.range(0));
  std::unique_ptr<Window>& window = g_windows[items];
  if (!window) {
    window = std::make_unique<Window>("rows" + std::to_string(items) + ".kvn",
                                      [items] { return outline_window::MakeOutline(items); });
  }
  if (!window->IsOpen()) {
    state.SkipWithError("the outline window did not open");
    return nullptr;
  }
  return window.get();
}

// Items in the middle of the outline: a chapter (level 1) and a section (level 2) of it.
int Chapter(const benchmark::State& state) { return static_cast<int>(state.range(0)) / 20 * 10 + 1; }
int Section(const benchmark::State& state) { return Chapter(state) + 1; }

// The command on the item, undone after each round.
void Run(benchmark::State& state, int command, int item) {
  Window* window = WindowOf(state);
  if (!window) return;
  outline_window::TimeWithUndo(state, *window, item, [window, command] { window->Command(command); });
}

void BM_AddChild(benchmark::State& state) { Run(state, ID_TREE_ADD_CHILD, Section(state)); }
void BM_AddSibling(benchmark::State& state) { Run(state, ID_TREE_ADD_SIBLING, Section(state)); }
void BM_Insert(benchmark::State& state) { Run(state, ID_TREE_INSERT, Section(state)); }
void BM_Delete(benchmark::State& state) { Run(state, ID_TREE_DELETE, Section(state)); }
void BM_MoveUp(benchmark::State& state) { Run(state, ID_TREE_MOVE_UP, Chapter(state)); }
void BM_MoveDown(benchmark::State& state) { Run(state, ID_TREE_MOVE_DOWN, Chapter(state)); }
void BM_LevelDown(benchmark::State& state) { Run(state, ID_TREE_LEVEL_DOWN, Chapter(state)); }
void BM_LevelUp(benchmark::State& state) { Run(state, ID_TREE_LEVEL_UP, Section(state)); }
void BM_Check(benchmark::State& state) { Run(state, ID_TREE_CHECK, Section(state)); }
void BM_Bookmark(benchmark::State& state) { Run(state, ID_MARK_TOGGLE, Section(state)); }

// Folding leaves no undo step: a round folds the chapter, and unfolds it again untimed.
void BM_Fold(benchmark::State& state) {
  Window* window = WindowOf(state);
  if (!window) return;
  window->Select(Chapter(state));
  for (auto _ : state) {
    window->Command(ID_TREE_HIDE_BELOW);
    window->Settle();
    state.PauseTiming();
    window->Command(ID_TREE_SHOW_ALL_BELOW);
    window->Settle();
    state.ResumeTiming();
  }
}

// Undo of a delete, redone untimed.
void BM_Undo(benchmark::State& state) {
  Window* window = WindowOf(state);
  if (!window) return;
  window->Select(Section(state));
  window->Command(ID_TREE_DELETE);
  for (auto _ : state) {
    window->Command(ID_EDIT_UNDO);
    window->Settle();
    state.PauseTiming();
    window->Command(ID_EDIT_REDO);
    window->Settle();
    state.ResumeTiming();
  }
  window->Command(ID_EDIT_UNDO);
}

#define TREE_COMMAND(name) BENCHMARK(name)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
TREE_COMMAND(BM_AddChild);
TREE_COMMAND(BM_AddSibling);
TREE_COMMAND(BM_Insert);
TREE_COMMAND(BM_Delete);
TREE_COMMAND(BM_MoveUp);
TREE_COMMAND(BM_MoveDown);
TREE_COMMAND(BM_LevelDown);
TREE_COMMAND(BM_LevelUp);
TREE_COMMAND(BM_Fold);
TREE_COMMAND(BM_Check);
TREE_COMMAND(BM_Bookmark);
TREE_COMMAND(BM_Undo);

// The references: the model's own change on a copy with current rows, and the full rebuild.
std::map<int, std::unique_ptr<ATREE>> g_models;

const ATREE& ModelOf(const benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  std::unique_ptr<ATREE>& model = g_models[items];
  if (!model) model = outline_window::MakeOutline(items);
  return *model;
}

void BM_ModelDeleteAlone(benchmark::State& state) {
  const int item = Section(state);
  RunOnCopies(state, ModelOf(state), [item](ATREE& m) { m.DeleteTree(item); });
}
BENCHMARK(BM_ModelDeleteAlone)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_FullRebuild(benchmark::State& state) {
  ATREE model(ModelOf(state));
  for (auto _ : state) model.MakeTreeData();
}
BENCHMARK(BM_FullRebuild)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return gui_bench::RunBenchmarks(argc, argv, [] {
    g_windows.clear();
    g_models.clear();
  });
}
