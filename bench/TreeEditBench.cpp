// Tree commands that change many items at once, run as the user runs them (undo snapshot, model
// change, mark list and list refill included): pasting 10,000 copied items, deleting 10,000 ticked
// items, and moving a 10,000-item subtree, each in outlines of about 10,000 and 100,000 items. The
// outline holds the 10,000-item subtree S and filler chapters of 100 items. Needs a display: run
// under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/modalhook.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "bench/GuiBenchMain.h"
#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "model/CDirData.h"
#include "resources/CommandIds.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"
#include "treeview/CTreePickerDlg.h"
#include "treeview/TreeClipboard.h"

namespace {

constexpr int kChange = 10000;
constexpr int kChapter = 100;

// Answers every modal dialog at once through the given function.
class Answers : public wxModalDialogHook {
 public:
  explicit Answers(std::function<int(wxDialog*)> answer) : m_answer(std::move(answer)) { Register(); }
  ~Answers() override { Unregister(); }

 protected:
  int Enter(wxDialog* dialog) override { return m_answer(dialog); }
  void Exit(wxDialog*) override {}

 private:
  std::function<int(wxDialog*)> m_answer;
};

struct Host {
  explicit Host(int items) {
    doc = std::make_unique<CKestavonDoc>();
    doc->m_bAutoDelete = FALSE;  // owned here
    ATREE& tree = doc->GetTree();
    tree.RemoveAll();
    tree.AddDirData(std::make_unique<CDirData>("Top"));
    tree.AddDirData(std::make_unique<CDirData>("Top\x01S"));
    for (int i = 1; i < kChange; ++i)
      tree.AddDirData(std::make_unique<CDirData>(CString("Top\x01S\x01s") + std::to_string(i).c_str()));
    const int filler = std::max(kChapter, items - kChange - 1);
    for (int c = 0; c < filler / kChapter; ++c) {
      const CString chapter = CString("Top\x01" "F") + std::to_string(c).c_str();
      lastChapter = tree.GetDirDataCount();
      tree.AddDirData(std::make_unique<CDirData>(chapter));
      for (int i = 1; i < kChapter; ++i)
        tree.AddDirData(std::make_unique<CDirData>(chapter + "\x01" "f" + std::to_string(i).c_str()));
    }
    tree.MakeTreeData();
    frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(600, 900));
    view = new CTrView;
    view->Create(frame, wxID_ANY, wxPoint(0, 0), wxSize(600, 900));
    doc->AddView(view);
    view->OnInitialUpdate();
    frame->Show();
  }
  ~Host() {
    doc->RemoveView(view);
    frame->Destroy();
  }

  void Command(int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    view->ProcessWindowEvent(event);
  }
  // Back to the outline as built, outside the timing.
  void Restore() {
    doc->Undo();
    doc->GetTree().MakeTreeData();
    view->RefillList(0);
  }

  std::unique_ptr<CKestavonDoc> doc;
  wxFrame* frame;
  CTrView* view;
  int lastChapter = 0;
};

std::unique_ptr<CKestavonApp> g_app;
std::map<int, std::unique_ptr<Host>> g_hosts;

Host& HostOf(int items) {
  if (!g_app) g_app = std::make_unique<CKestavonApp>();
  std::unique_ptr<Host>& host = g_hosts[items];
  if (!host) host = std::make_unique<Host>(items);
  return *host;
}

bool NoDisplay(benchmark::State& state) { return !gui_bench::HasDisplay(state); }

void BM_Paste10000Items(benchmark::State& state) {
  if (NoDisplay(state)) return;
  Host& host = HostOf(static_cast<int>(state.range(0)));
  ATREE& tree = host.doc->GetTree();
  tree_clipboard::Put(tree.GetSubtreeRecords(1, FALSE), "S");
  for (auto _ : state) {
    host.view->PasteTree(host.lastChapter, FALSE);
    state.PauseTiming();
    host.Restore();
    state.ResumeTiming();
  }
  state.counters["items"] = tree.GetDirDataCount();
}
BENCHMARK(BM_Paste10000Items)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DeleteSeveral10000Items(benchmark::State& state) {
  if (NoDisplay(state)) return;
  Host& host = HostOf(static_cast<int>(state.range(0)));
  const int count = host.doc->GetTree().GetDirDataCount();
  const int step = std::max(1, (count - 1) / kChange);
  Answers tick([&](wxDialog* dialog) {
    auto* multi = dynamic_cast<CTreeMultiDlg*>(dialog);
    for (int i = 1, n = 0; i < count && n < kChange; i += step, ++n) multi->m_checkArray.Add(static_cast<UINT>(i));
    return static_cast<int>(wxID_OK);
  });
  for (auto _ : state) {
    host.Command(ID_TREE_DELETE_SEVERAL);
    state.PauseTiming();
    host.Restore();
    state.ResumeTiming();
  }
  state.counters["items"] = count;
}
BENCHMARK(BM_DeleteSeveral10000Items)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Move10000ItemSubtree(benchmark::State& state) {
  if (NoDisplay(state)) return;
  Host& host = HostOf(static_cast<int>(state.range(0)));
  Answers pick([&](wxDialog* dialog) {
    dynamic_cast<CTreeMoveDlg*>(dialog)->m_nIndex = host.lastChapter;
    return static_cast<int>(wxID_OK);
  });
  for (auto _ : state) {
    host.view->GetListBox()->SetCurSel(1);  // S
    host.Command(ID_TREE_MOVE);
    state.PauseTiming();
    host.Restore();
    state.ResumeTiming();
  }
  state.counters["items"] = host.doc->GetTree().GetDirDataCount();
}
BENCHMARK(BM_Move10000ItemSubtree)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv) {
  return gui_bench::RunBenchmarks(argc, argv, [] {
    g_hosts.clear();
    g_app.reset();
  });
}
