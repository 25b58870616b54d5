// Tree commands over subtrees of 10,000 items, in an outline window (tree pane and text pane) on an
// outline of 100,000 items holding 20 MB of text, run as the user runs them: deleting, moving,
// lowering and raising and pasting a subtree of 10,000 items, sorting 10,000 children (the dialog
// answered), and a find next and a replace over all the text (dialogs and reports answered). Each
// change is undone untimed. Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/CRepDlg.h"
#include "bench/OutlineWindow.h"
#include "platform/desktop/MessageBox.h"
#include "resources/CommandIds.h"
#include "treeview/CSortDlg.h"
#include "treeview/TreeClipboard.h"

namespace {

using outline_window::Answers;
using outline_window::Window;

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
      if (c % 7 == 0) item->m_nStatus |= 2;
      item->SetCreateTimeNow();
      model->AddDirData(std::move(item));
    }
  }
  model->EditDirData(model->GetDirDataCount() - 1)->m_strText = "the needle";
  model->MakeTreeData();
  return model;
}

std::unique_ptr<Window> g_window;

Window* TheWindow(benchmark::State& state) {
  if (!gui_bench::HasDisplay(state)) return nullptr;
  if (!g_window) g_window = std::make_unique<Window>("ops.kvn", MakeOutline);
  if (!g_window->IsOpen()) {
    state.SkipWithError("the outline window did not open");
    return nullptr;
  }
  return g_window.get();
}

int TopIndex(int t) { return 1 + t * (kChildren + 1); }

void Run(benchmark::State& state, int item, int command) {
  Window* window = TheWindow(state);
  if (!window) return;
  outline_window::TimeWithUndo(state, *window, item, [window, command] { window->Command(command); });
}

void BM_DeleteSubtree(benchmark::State& state) { Run(state, TopIndex(3), ID_TREE_DELETE); }
void BM_MoveSubtree(benchmark::State& state) { Run(state, TopIndex(3), ID_TREE_MOVE_DOWN); }

void BM_LowerAndRaiseSubtree(benchmark::State& state) {
  // A top tree under its predecessor, then back: 10,000 paths rewritten twice.
  Window* window = TheWindow(state);
  if (!window) return;
  outline_window::TimeWithUndo(state, *window, TopIndex(4), [window] {
    window->Command(ID_TREE_LEVEL_DOWN);
    window->Command(ID_TREE_LEVEL_UP);
  }, 2);
}

void BM_PasteSubtree(benchmark::State& state) {
  Window* window = TheWindow(state);
  if (!window) return;
  tree_clipboard::Put(window->doc->GetTree().GetSubtreeRecords(TopIndex(3), TRUE), "章3");
  Run(state, TopIndex(5), ID_EDIT_PASTE_SIBLING);
}

void BM_SortChildren(benchmark::State& state) {
  Answers sort([&state](wxDialog* dialog) {
    auto* sortDialog = dynamic_cast<CSortDlg*>(dialog);
    sortDialog->m_nMode = static_cast<int>(state.range(0));
    sortDialog->m_bSameLevel = TRUE;
    return static_cast<int>(wxID_OK);
  });
  Run(state, TopIndex(2), ID_TREE_SORT);
}

void BM_FindNext(benchmark::State& state) {
  Window* window = TheWindow(state);
  if (!window) return;
  OutlineSearch& search = window->doc->GetTree().GetSearch();
  search.SetSearchTargets(1, 1, 0);
  search.SetSearchOptions(0, 0, 0);
  search.SetSearchText("needle");
  ScopedMessageBoxHook answers;
  for (auto _ : state) {
    state.PauseTiming();
    window->Select(0);
    state.ResumeTiming();
    window->Command(ID_EDIT_FIND_NEXT);
    window->Settle();
  }
}

void BM_ReplaceAll(benchmark::State& state) {
  Answers replace([](wxDialog* dialog) {
    auto* replaceDialog = dynamic_cast<CRepDlg*>(dialog);
    replaceDialog->m_strFind = "abc";
    replaceDialog->m_strReplace = "abcd";
    replaceDialog->m_bTextArea = TRUE;
    replaceDialog->m_bRegExp = FALSE;
    return static_cast<int>(wxID_OK);
  });
  ScopedMessageBoxHook report;
  Run(state, 0, ID_EDIT_REPLACE);
}

}  // namespace

BENCHMARK(BM_DeleteSubtree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveSubtree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LowerAndRaiseSubtree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteSubtree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortChildren)->Arg(0)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNext)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  return gui_bench::RunBenchmarks(argc, argv, [] { g_window.reset(); });
}
