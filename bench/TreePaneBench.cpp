// The tree pane of an outline window over a large outline of the usual shape (every tenth item a
// chapter on level 1, some struck through): refilling the list from the model's rows with the row
// measuring, painting one screen at scattered top rows (the cost must not grow with the outline),
// scrolling by the wheel's three rows with the repaint, and tree commands while the text pane shows
// an item of 11 MB against the same commands with a short item shown (the shown item's size must
// not count). Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <map>
#include <memory>
#include <string>

#include "bench/OutlineWindow.h"
#include "resources/CommandIds.h"

namespace {

using outline_window::Window;

constexpr size_t kLongText = 11 * 1024 * 1024;
constexpr int kLongTextItems = 100000;

std::map<int, std::unique_ptr<Window>> g_windows;

// Outlines by item count; the one of kLongTextItems holds the long text in item 2.
Window* WindowOf(benchmark::State& state, int items) {
  if (!gui_bench::HasDisplay(state)) return nullptr;
  std::unique_ptr<Window>& window = g_windows[items];
  if (!window) {
    const size_t big = items == kLongTextItems ? kLongText : 0;
    window = std::make_unique<Window>("pane" + std::to_string(items) + ".kvn",
                                      [items, big] { return outline_window::MakeOutline(items, big); });
  }
  if (!window->IsOpen()) {
    state.SkipWithError("the outline window did not open");
    return nullptr;
  }
  return window.get();
}

void BM_RefillList(benchmark::State& state) {
  Window* window = WindowOf(state, static_cast<int>(state.range(0)));
  if (!window) return;
  window->Select(3);
  for (auto _ : state) window->tree->RefillList(-1);
  state.counters["rows"] = window->list->GetCount();
}
BENCHMARK(BM_RefillList)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PaintScreen(benchmark::State& state) {
  Window* window = WindowOf(state, static_cast<int>(state.range(0)));
  if (!window) return;
  COwnerListBox* list = window->list;
  const wxSize size = list->GetClientSize();
  wxBitmap bitmap(size);
  wxMemoryDC dc(bitmap);
  int top = 0;
  for (auto _ : state) {
    list->SetTopIndex(top);
    list->PaintRows(dc, wxRect(size));
    top = (top + 7919) % list->GetCount();
  }
  list->SetTopIndex(0);
}
BENCHMARK(BM_PaintScreen)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_WheelScroll(benchmark::State& state) {
  Window* window = WindowOf(state, static_cast<int>(state.range(0)));
  if (!window) return;
  COwnerListBox* list = window->list;
  const wxSize size = list->GetClientSize();
  wxBitmap bitmap(size);
  wxMemoryDC dc(bitmap);
  list->SetTopIndex(0);
  for (auto _ : state) {
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = list->GetTopIndex() + 3 < list->GetCount() ? -120 : 120;
    wheel.m_wheelDelta = 120;
    if (wheel.m_wheelRotation > 0) list->SetTopIndex(0);
    list->GetEventHandler()->ProcessEvent(wheel);
    list->PaintRows(dc, wxRect(size));
  }
  list->SetTopIndex(0);
}
BENCHMARK(BM_WheelScroll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Argument 1: the item of 11 MB is shown; 0: a short item is. Each command is undone untimed.
// Both are sections with one subsection.
int ShownItem(const benchmark::State& state) { return state.range(0) ? 2 : 5; }

void BM_CheckWhileShown(benchmark::State& state) {
  Window* window = WindowOf(state, kLongTextItems);
  if (!window) return;
  outline_window::TimeWithUndo(state, *window, ShownItem(state), [window] { window->Command(ID_TREE_CHECK); });
}
BENCHMARK(BM_CheckWhileShown)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_AddSiblingWhileShown(benchmark::State& state) {
  Window* window = WindowOf(state, kLongTextItems);
  if (!window) return;
  outline_window::TimeWithUndo(state, *window, ShownItem(state),
                               [window] { window->Command(ID_TREE_ADD_SIBLING); });
}
BENCHMARK(BM_AddSiblingWhileShown)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FoldWhileShown(benchmark::State& state) {
  Window* window = WindowOf(state, kLongTextItems);
  if (!window) return;
  window->Select(ShownItem(state));
  for (auto _ : state) {
    window->Command(ID_TREE_HIDE_OR_UP);  // the parent chapter folds; the shown item stays current
    window->Settle();
    state.PauseTiming();
    window->Command(ID_TREE_SHOW_ALL_BELOW);
    window->Settle();
    window->Select(ShownItem(state));
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FoldWhileShown)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return gui_bench::RunBenchmarks(argc, argv, [] { g_windows.clear(); });
}
