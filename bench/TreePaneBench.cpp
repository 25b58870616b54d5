// The tree pane over a large outline (50 chapters x 20 sections x N/1000 items, about N items):
// refilling the list from the model's rows with the row measuring, painting one screen at
// scattered top rows (the cost must not grow with the outline), scrolling by the wheel's three
// rows with the repaint, and folding and unfolding a chapter (model rebuild and refill). Needs a
// display: run under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "bench/GuiBenchMain.h"
#include "app/CKestavonApp.h"
#include "app/CKestavonDoc.h"
#include "model/CDirData.h"
#include "treeview/COwnerListBox.h"
#include "treeview/CTrView.h"

namespace {


struct Host {
  explicit Host(int items) {
    doc = std::make_unique<CKestavonDoc>();
    doc->m_bAutoDelete = FALSE;  // owned here
    ATREE& tree = doc->GetTree();
    tree.RemoveAll();
    tree.AddDirData(std::make_unique<CDirData>("アウトライン"));
    const int perSection = std::max(1, items / 1000);
    for (int c = 0; c < 50; ++c) {
      const CString chapter = CString("アウトライン\x01第") + std::to_string(c + 1).c_str() + "章 概要";
      tree.AddDirData(std::make_unique<CDirData>(chapter));
      for (int s = 0; s < 20; ++s) {
        const CString section = chapter + "\x01" + std::to_string(s + 1).c_str() + "節 項目の見出し";
        tree.AddDirData(std::make_unique<CDirData>(section));
        for (int i = 0; i < perSection; ++i) {
          auto item = std::make_unique<CDirData>(section + "\x01" + "メモ " + std::to_string(i).c_str());
          item->m_strText = "本文";
          item->m_nStatus = (i % 7 == 0) ? 1 : 0;
          tree.AddDirData(std::move(item));
        }
      }
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

  std::unique_ptr<CKestavonDoc> doc;
  wxFrame* frame;
  CTrView* view;
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

void BM_RefillList(benchmark::State& state) {
  if (NoDisplay(state)) return;
  Host& host = HostOf(static_cast<int>(state.range(0)));
  for (auto _ : state) host.view->RefillList(-1);
  state.counters["rows"] = host.view->GetListBox()->GetCount();
  state.SetItemsProcessed(state.iterations() * host.view->GetListBox()->GetCount());
}
BENCHMARK(BM_RefillList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PaintScreen(benchmark::State& state) {
  if (NoDisplay(state)) return;
  Host& host = HostOf(static_cast<int>(state.range(0)));
  COwnerListBox* list = host.view->GetListBox();
  const wxSize size = list->GetClientSize();
  wxBitmap bitmap(size);
  wxMemoryDC dc(bitmap);
  int top = 0;
  for (auto _ : state) {
    list->SetTopIndex(top);
    list->PaintRows(dc, wxRect(size));
    top = (top + 7919) % list->GetCount();
  }
}
BENCHMARK(BM_PaintScreen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_WheelScroll(benchmark::State& state) {
  if (NoDisplay(state)) return;
  Host& host = HostOf(static_cast<int>(state.range(0)));
  COwnerListBox* list = host.view->GetListBox();
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
}
BENCHMARK(BM_WheelScroll)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_FoldUnfoldChapter(benchmark::State& state) {
  if (NoDisplay(state)) return;
  Host& host = HostOf(static_cast<int>(state.range(0)));
  COwnerListBox* list = host.view->GetListBox();
  list->SetCurSel(1);  // the first chapter
  for (auto _ : state) {
    host.view->HideSubtree();
    host.view->ShowSubtree(2);
  }
  state.counters["rows"] = list->GetCount();
}
BENCHMARK(BM_FoldUnfoldChapter)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv) {
  return gui_bench::RunBenchmarks(argc, argv, [] {
    g_hosts.clear();
    g_app.reset();
  });
}
