// Paginating a text for printing: 1 MB and 10 MB of Shift JIS prose with long lines that wrap,
// laid out page by page with fixed character widths (the layout's own cost, without a printer).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/base/CString.h"
#include "textarea/TextPrintPage.h"

namespace {

class FixedCanvas : public TextPrintCanvas {
 public:
  int CharWidth(const char*, int bytes) override { return bytes * 50; }
  int FontHeight() override { return 100; }
  int ExternalLeading() override { return 0; }
  void DrawChars(const char*, int, int, int) override {}
  void DrawRule(int, int, int) override {}
};

CString MakeText(std::size_t bytes) {
  const std::string line =
      std::string("吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。 the quick brown fox jumps over it\t") +
      "and again 吾輩は猫である。名前はまだ無い。\r\n";
  std::string text;
  text.reserve(bytes + line.size());
  while (text.size() < bytes) text += line;
  return CString(std::move(text));
}

void BM_PaginateText(benchmark::State& state) {
  const CString text = MakeText(static_cast<std::size_t>(state.range(0)));
  FixedCanvas canvas;
  const RECT page = {0, 0, 4500, 6500};  // about 90 columns and 60 lines
  std::size_t pages = 0;
  for (auto _ : state) {
    pages = PaginateText(canvas, text, page, 8).size();
    benchmark::DoNotOptimize(pages);
  }
  state.counters["pages"] = static_cast<double>(pages);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.GetLength());
}
BENCHMARK(BM_PaginateText)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
