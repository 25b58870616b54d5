// The text, one-page HTML and XML exports of a large outline (100,000 items, 20 MB of text) and of
// one tenth of it, beside plain stdio writing the same bytes: the exports should grow linearly
// with the items and stay within a small factor of the raw write.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include <unistd.h>

#include "convert/CTextExporter.h"
#include "model/CTextOutputOptions.h"
#include "convert/XmlExport.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

namespace {

constexpr int kTextBytes = 200;  // 100,000 x 200 = 20 MB

std::string TempFile(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/" + name + "-" + std::to_string(getpid());
}

std::unique_ptr<ATREE> MakeModel(int items) {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("文書"));
  // Japanese text with a footnote and lines longer than the wrap width.
  std::string line = "日本語の本文です。" + std::string(kTextBytes / 4 - 20, 'x');
  const std::string text = line + "\r\n" + line + "<<<注>>> \r\n" + line + "\r\n" + line.substr(8) + "\r\n";
  std::string paths[4] = {"文書"};
  for (int i = 1; i < items; ++i) {
    const int level = i % 10 == 1 ? 1 : (i % 3 == 0 ? 3 : 2);
    paths[level] = paths[level - 1] + "\x01" + "見出し" + std::to_string(i);
    auto item = std::make_unique<CDirData>(paths[level].c_str());
    item->m_strText = text.c_str();
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  return model;
}

ATREE& Model(int items) {
  static std::map<int, std::unique_ptr<ATREE>> models;
  auto& model = models[items];
  if (!model) model = MakeModel(items);
  return *model;
}

CTextOutputOptions Options(int html) {
  CTextOutputOptions options;  // the defaults of a fresh settings file
  options.m_nHtml = html;
  options.m_nCssSet = 0;
  return options;
}

void Export(benchmark::State& state, int html) {
  ATREE& model = Model(static_cast<int>(state.range(0)));
  const CTextOutputOptions options = Options(html);
  const std::string path = TempFile("bench-export");
  for (auto _ : state) {
    CTextExporter exporter(model, options);
    exporter.OutputTextFile(0, model.GetDirDataCount(), path.c_str());
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  std::fseek(file, 0, SEEK_END);
  state.counters["bytes"] = static_cast<double>(std::ftell(file));
  std::fclose(file);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(state.counters["bytes"]));
  std::remove(path.c_str());
}

void BM_ExportText(benchmark::State& state) { Export(state, 0); }
void BM_ExportHtml(benchmark::State& state) { Export(state, 1); }

void BM_ExportXml(benchmark::State& state) {
  ATREE& model = Model(static_cast<int>(state.range(0)));
  const CTextOutputOptions options = Options(0);
  const std::string path = TempFile("bench-xml");
  for (auto _ : state) {
    if (!ExportXml(model, options, 0, path.c_str())) state.SkipWithError("the XML export failed");
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  std::fseek(file, 0, SEEK_END);
  state.counters["bytes"] = static_cast<double>(std::ftell(file));
  std::fclose(file);
  std::remove(path.c_str());
}

// The bytes of an export written line by line with stdio: the floor of that export.
void RawWrite(benchmark::State& state, int html) {
  ATREE& model = Model(static_cast<int>(state.range(0)));
  const std::string path = TempFile("bench-raw");
  {
    CTextExporter exporter(model, Options(html));
    exporter.OutputTextFile(0, model.GetDirDataCount(), path.c_str());
  }
  std::string bytes;
  {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, n);
    std::fclose(in);
  }
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    for (size_t pos = 0; pos < bytes.size();) {
      const size_t end = std::min(bytes.find('\n', pos), bytes.size() - 1) + 1;
      std::fwrite(bytes.data() + pos, 1, end - pos, file);
      pos = end;
    }
    std::fclose(file);
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
  std::remove(path.c_str());
}

void BM_RawWrite(benchmark::State& state) { RawWrite(state, 0); }
// The one-page HTML is larger than the text (markup, and UTF-8 for the Japanese).
void BM_RawWriteHtml(benchmark::State& state) { RawWrite(state, 1); }

}  // namespace

BENCHMARK(BM_RawWrite)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawWriteHtml)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportHtml)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportXml)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // No message box may wait for an answer during a run.
  ScopedMessageBoxHook hook;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
