// The single-file exports of a large outline (100,000 items, 20 MB of text) and of one tenth of
// it: text, one-page HTML (with the options the HTML command sets), XML and Markdown, each beside
// its floor, one fwrite of the very bytes that export wrote to the same folder. The exports should
// grow linearly with the items and stay within a small factor of their floor. Everything is timed
// in real time: the user waits for the file to be on the disk, not for the processor.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include <unistd.h>

#include "convert/CTextExporter.h"
#include "convert/MarkdownExport.h"
#include "convert/XmlExport.h"
#include "model/ATREE.h"
#include "model/CTextOutputOptions.h"
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

enum Kind { kText, kHtml, kXml, kMarkdown };

CTextOutputOptions Options(Kind kind) {
  CTextOutputOptions options;  // the defaults of a fresh settings file
  options.m_nCssSet = 0;
  if (kind == kHtml) {
    // What the HTML command sets before it writes.
    options.m_nHtml = 1;
    options.m_nIndent = 2;
  }
  return options;
}

bool RunExport(ATREE& model, Kind kind, const std::string& path) {
  const CTextOutputOptions options = Options(kind);
  switch (kind) {
    case kText:
    case kHtml: {
      CTextExporter exporter(model, options);
      return exporter.OutputTextFile(0, model.GetDirDataCount(), path.c_str()) != FALSE;
    }
    case kXml: return ExportXml(model, options, 0, path.c_str());
    case kMarkdown: return ExportMarkdown(model, path.c_str()) == 1;
  }
  return false;
}

std::string ReadFile(const std::string& path) {
  std::string bytes;
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) return bytes;
  char buffer[65536];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, n);
  std::fclose(in);
  return bytes;
}

void Export(benchmark::State& state, Kind kind) {
  ATREE& model = Model(static_cast<int>(state.range(0)));
  const std::string path = TempFile("bench-export");
  for (auto _ : state) {
    if (!RunExport(model, kind, path)) state.SkipWithError("the export failed");
  }
  const double bytes = static_cast<double>(ReadFile(path).size());
  state.counters["bytes"] = bytes;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
  std::remove(path.c_str());
}

// The floor of an export: the bytes it wrote, put in one fwrite into a new file in the same folder.
void RawWrite(benchmark::State& state, Kind kind) {
  ATREE& model = Model(static_cast<int>(state.range(0)));
  const std::string path = TempFile("bench-raw");
  if (!RunExport(model, kind, path)) state.SkipWithError("the export failed");
  const std::string bytes = ReadFile(path);
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
      state.SkipWithError("the raw write failed");
    }
    if (file != nullptr) std::fclose(file);
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
  std::remove(path.c_str());
}

void BM_RawWriteText(benchmark::State& state) { RawWrite(state, kText); }
void BM_ExportText(benchmark::State& state) { Export(state, kText); }
// The one-page HTML is larger than the text (markup, and UTF-8 for the Japanese).
void BM_RawWriteHtml(benchmark::State& state) { RawWrite(state, kHtml); }
void BM_ExportHtml(benchmark::State& state) { Export(state, kHtml); }
void BM_RawWriteXml(benchmark::State& state) { RawWrite(state, kXml); }
void BM_ExportXml(benchmark::State& state) { Export(state, kXml); }
void BM_RawWriteMarkdown(benchmark::State& state) { RawWrite(state, kMarkdown); }
void BM_ExportMarkdown(benchmark::State& state) { Export(state, kMarkdown); }

}  // namespace

#define EXPORT_BENCHMARK(name) BENCHMARK(name)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()
EXPORT_BENCHMARK(BM_RawWriteText);
EXPORT_BENCHMARK(BM_ExportText);
EXPORT_BENCHMARK(BM_RawWriteHtml);
EXPORT_BENCHMARK(BM_ExportHtml);
EXPORT_BENCHMARK(BM_RawWriteXml);
EXPORT_BENCHMARK(BM_ExportXml);
EXPORT_BENCHMARK(BM_RawWriteMarkdown);
EXPORT_BENCHMARK(BM_ExportMarkdown);

int main(int argc, char** argv) {
  // No message box may wait for an answer during a run.
  ScopedMessageBoxHook hook;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
