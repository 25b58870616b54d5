// Conversions at the edges run on whole documents (exports, automation text transfer).
#include <benchmark/benchmark.h>

#include <iconv.h>

#include <string>

#include "platform/base/CString.h"
#include "platform/base/CodePage.h"

namespace {

std::string MakeText(size_t bytes) {
  const std::string line = "漢字とかなのテキスト abc 123 表示①\r\n";
  std::string text;
  text.reserve(bytes + line.size());
  while (text.size() < bytes) text += line;
  return text;
}

void BM_CP932ToUTF16(benchmark::State& state) {
  const std::string text = MakeText(static_cast<size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(CP932ToUTF16(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_CP932ToUTF16)->Arg(1 << 20)->Arg(10 << 20);

// iconv alone into one output block large enough for all of it: the floor for the conversion.
void BM_IconvAlone(benchmark::State& state) {
  std::string text = MakeText(static_cast<size_t>(state.range(0)));
  std::string out(text.size() * 2, '\0');
  iconv_t cd = iconv_open("UTF-16LE", "CP932");
  for (auto _ : state) {
    char* in = text.data();
    size_t inLeft = text.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    benchmark::DoNotOptimize(iconv(cd, &in, &inLeft, &dst, &dstLeft));
  }
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_IconvAlone)->Arg(1 << 20)->Arg(10 << 20);

void BM_FindInLongText(benchmark::State& state) {
  CString text(MakeText(static_cast<size_t>(state.range(0))));
  text += "needle";
  for (auto _ : state) benchmark::DoNotOptimize(text.Find("needle"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.GetLength());
}
BENCHMARK(BM_FindInLongText)->Arg(1 << 20)->Arg(10 << 20);

}  // namespace

BENCHMARK_MAIN();
