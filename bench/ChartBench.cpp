// The chart of a large outline (50 chapters x 20 sections x N/1000 items, about N items): laying
// it out with the text measured on a memory context and painting it, as every paint of the chart
// window does, in both layouts. Needs a display: run under xvfb-run.
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include <cstdlib>
#include <string>

#include "bench/GuiBenchMain.h"
#include "model/ATREE.h"
#include "model/CDirData.h"
#include "platform/desktop/CFont.h"
#include "views/ChartDrawing.h"
#include "views/ChartLayout.h"

namespace {



void Fill(ATREE& tree, int items) {
  tree.AddDirData(std::make_unique<CDirData>("アウトライン"));
  const int perSection = std::max(1, items / 1000);
  for (int c = 0; c < 50; ++c) {
    const CString chapter = CString("アウトライン\x01第") + std::to_string(c + 1).c_str() + "章 概要";
    tree.AddDirData(std::make_unique<CDirData>(chapter));
    for (int s = 0; s < 20; ++s) {
      const CString section = chapter + "\x01" + std::to_string(s + 1).c_str() + "節 項目の見出し";
      tree.AddDirData(std::make_unique<CDirData>(section));
      for (int i = 0; i < perSection; ++i)
        tree.AddDirData(std::make_unique<CDirData>(section + "\x01" + "メモ " + std::to_string(i).c_str()));
    }
  }
  tree.MakeTreeData();
}

void BM_ChartLayoutAndPaint(benchmark::State& state) {
  if (!gui_bench::HasDisplay(state)) return;
  ATREE tree;
  Fill(tree, static_cast<int>(state.range(0)));
  CFont font;
  font.CreateFont(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 48, "SYSTEM");
  wxBitmap bitmap(1000, 1000);
  wxMemoryDC dc(bitmap);
  dc.SetFont(font.GetWxFont());
  const ChartOptions options{static_cast<int>(state.range(1)), kChartLineSlant, 14};
  for (auto _ : state) {
    CDCChartMeasurer measurer(dc);
    const ChartLayout layout = LayoutChart(tree, options, measurer);
    PaintChart(dc, layout, tree, ChartColors{}, measurer);
    benchmark::DoNotOptimize(layout.width);
  }
  state.counters["items"] = tree.GetDirDataCount();
  state.SetComplexityN(tree.GetDirDataCount());
}
BENCHMARK(BM_ChartLayoutAndPaint)
    ->ArgsProduct({{2500, 5000, 10000}, {kChartTall, kChartWide}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return gui_bench::RunBenchmarks(argc, argv); }
