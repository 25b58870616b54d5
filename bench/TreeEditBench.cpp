// Tree commands that change many items at once, in an outline window with its text pane, run as the
// user runs them (commit, undo step, model change, mark list, refill, text pane): pasting 10,000
// copied items, deleting 10,000 ticked items and moving a 10,000-item subtree, in outlines of about
// 100,000 and 1,000,000 items; and the time until the move picker and the delete-several picker are
// up over the whole outline, filled and painted, which is what the user waits for before picking.
// The outline holds the 10,000-item subtree S and filler chapters of 100 items. Needs a display: run
// under xvfb-run.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "bench/OutlineWindow.h"
#include "resources/CommandIds.h"
#include "treeview/CTreePickerDlg.h"
#include "treeview/TreeClipboard.h"

namespace {

using outline_window::Answers;
using outline_window::Window;

constexpr int kChange = 10000;
constexpr int kChapter = 100;

std::unique_ptr<ATREE> MakeOutline(int items) {
  auto tree = std::make_unique<ATREE>();
  tree->AddDirData(std::make_unique<CDirData>("Top"));
  tree->AddDirData(std::make_unique<CDirData>("Top\x01S"));
  for (int i = 1; i < kChange; ++i)
    tree->AddDirData(std::make_unique<CDirData>(CString("Top\x01S\x01s") + std::to_string(i).c_str()));
  const int filler = std::max(kChapter, items - kChange - 1);
  for (int c = 0; c < filler / kChapter; ++c) {
    const CString chapter = CString("Top\x01" "F") + std::to_string(c).c_str();
    tree->AddDirData(std::make_unique<CDirData>(chapter));
    for (int i = 1; i < kChapter; ++i) {
      auto item = std::make_unique<CDirData>(chapter + "\x01" "f" + std::to_string(i).c_str());
      item->m_strText = "本文\r\n";
      if (i % 7 == 0) item->m_nStatus |= 2;
      tree->AddDirData(std::move(item));
    }
  }
  tree->MakeTreeData();
  return tree;
}

std::map<int, std::unique_ptr<Window>> g_windows;

Window* WindowOf(benchmark::State& state) {
  if (!gui_bench::HasDisplay(state)) return nullptr;
  const int items = static_cast<int>(state.range(0));
  std::unique_ptr<Window>& window = g_windows[items];
  if (!window) window = std::make_unique<Window>("edit" + std::to_string(items) + ".kvn", [items] { return MakeOutline(items); });
  if (!window->IsOpen()) {
    state.SkipWithError("the outline window did not open");
    return nullptr;
  }
  return window.get();
}

// The last filler chapter.
int LastChapter(Window& window) { return window.doc->GetTree().GetDirDataCount() - kChapter; }

void BM_Paste10000Items(benchmark::State& state) {
  Window* window = WindowOf(state);
  if (!window) return;
  ATREE& tree = window->doc->GetTree();
  tree_clipboard::Put(tree.GetSubtreeRecords(1, FALSE), "S");
  outline_window::TimeWithUndo(state, *window, LastChapter(*window),
                               [window] { window->Command(ID_EDIT_PASTE_CHILD); });
}
BENCHMARK(BM_Paste10000Items)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_DeleteSeveral10000Items(benchmark::State& state) {
  Window* window = WindowOf(state);
  if (!window) return;
  const int count = window->doc->GetTree().GetDirDataCount();
  const int step = std::max(1, (count - 1) / kChange);
  Answers tick([&](wxDialog* dialog) {
    auto* multi = dynamic_cast<CTreeMultiDlg*>(dialog);
    for (int i = 1, n = 0; i < count && n < kChange; i += step, ++n) multi->m_checkArray.Add(static_cast<UINT>(i));
    return static_cast<int>(wxID_OK);
  });
  outline_window::TimeWithUndo(state, *window, 1, [window] { window->Command(ID_TREE_DELETE_SEVERAL); });
}
BENCHMARK(BM_DeleteSeveral10000Items)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_Move10000ItemSubtree(benchmark::State& state) {
  Window* window = WindowOf(state);
  if (!window) return;
  const int target = LastChapter(*window);
  Answers pick([target](wxDialog* dialog) {
    dynamic_cast<CTreeMoveDlg*>(dialog)->m_nIndex = target;
    return static_cast<int>(wxID_OK);
  });
  outline_window::TimeWithUndo(state, *window, 1, [window] { window->Command(ID_TREE_MOVE); });
}
BENCHMARK(BM_Move10000ItemSubtree)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The picker comes up over the whole outline and is cancelled once it has painted.
void ShowPicker(benchmark::State& state, int command) {
  Window* window = WindowOf(state);
  if (!window) return;
  Answers show(outline_window::ShowThenCancel);
  window->Select(LastChapter(*window));
  for (auto _ : state) {
    window->Command(command);
    window->Settle();
  }
}

void BM_MovePickerShown(benchmark::State& state) { ShowPicker(state, ID_TREE_MOVE); }
BENCHMARK(BM_MovePickerShown)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_DeleteSeveralPickerShown(benchmark::State& state) { ShowPicker(state, ID_TREE_DELETE_SEVERAL); }
BENCHMARK(BM_DeleteSeveralPickerShown)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return gui_bench::RunBenchmarks(argc, argv, [] { g_windows.clear(); });
}
