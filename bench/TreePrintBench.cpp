// Finding the printed pages of an outline of 100,000 items with texts: page 1 and page 500, laid
// out from the start as a first preview of that page does (the layout's own cost, without a
// printer). The time to page 500 should grow with the pages before it, no more.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/ATREE.h"
#include "model/CDirData.h"
#include "treeview/TreePrintPage.h"

namespace {

class FixedCanvas : public TreePrintCanvas {
 public:
  void SelectFont(int, COLORREF) override {}
  int CharWidth(const char*, int bytes) override { return bytes * 50; }
  int FontHeight() override { return 100; }
  int AveCharWidth() override { return 50; }
  void DrawChars(const char*, int, int, int) override {}
  void DrawLine(int, int, int, int) override {}
  void DrawCheckBitmap(int, int, int) override {}
};

const ATREE& Outline() {
  static const std::unique_ptr<ATREE> model = [] {
    auto tree = std::make_unique<ATREE>();
    tree->AddDirData(std::make_unique<CDirData>(CString("top")));
    for (int i = 1; i < 100000; ++i) {
      std::string path = "top\x01" "chapter" + std::to_string(i / 100);
      if (i % 100 != 0) path += "\x01" "item" + std::to_string(i);
      auto item = std::make_unique<CDirData>(CString(path.c_str()));
      item->m_strText = "吾輩は猫である。名前はまだ無い。 the quick brown fox\r\nsecond line\r\n";
      tree->AddDirData(std::move(item));
    }
    tree->MakeTreeData();
    return tree;
  }();
  return *model;
}

void BM_PreviewPage(benchmark::State& state) {
  const ATREE& model = Outline();
  const RECT page = {0, 0, 4800, 6800};
  const int pageNumber = static_cast<int>(state.range(0));
  const std::tm now{};
  for (auto _ : state) {
    TreePrintJob job(model, 0, model.GetDirDataCount(), TreePrintSettings{});
    FixedCanvas canvas;
    benchmark::DoNotOptimize(job.PrintPage(canvas, page, pageNumber, now));
  }
  state.counters["pages"] = pageNumber;
}
BENCHMARK(BM_PreviewPage)->Arg(1)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
