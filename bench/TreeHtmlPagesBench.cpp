// The multi-file HTML export of a large outline (100,000 trees) and of one tenth of it: one page
// per tree, and the framed form with its index of every tree. The outline has a wide level (a
// thousand siblings under one parent) and long chains of descendants, so a page that looked for
// its siblings or children by walking the outline would make the time grow with the square of
// the trees. Time per tree should stay the same from 10,000 to 100,000.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include <unistd.h>

#include "model/CTextOutputOptions.h"
#include "convert/CTreeHtmlExporter.h"
#include "model/ATREE.h"
#include "platform/desktop/MessageBox.h"

namespace {

std::string TempFolder() {
  const char* dir = std::getenv("TMPDIR");
  const std::string folder = std::string(dir && *dir ? dir : "/tmp") + "/bench-pages-" + std::to_string(getpid());
  std::filesystem::create_directories(folder);
  return folder;
}

std::unique_ptr<ATREE> MakeModel(int trees) {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("文書"));
  const std::string text = "日本語の本文です。http://example.com/ を見る。\r\n二行目\r\nfile:///./pic.gif\r\n";
  std::string paths[6] = {"文書"};
  for (int i = 1; i < trees; ++i) {
    // Blocks of a thousand siblings on level 2, each tenth of them opening a chain down to level 5.
    int level = i % 1000 == 1 ? 1 : 2;
    if (level == 2 && i % 10 >= 7) level = 2 + i % 10 - 6;
    paths[level] = paths[level - 1] + "\x01" + "見出し" + std::to_string(i);
    auto item = std::make_unique<CDirData>(paths[level].c_str());
    item->m_strText = text.c_str();
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  model->GetProperties().m_nCssSet = 0;
  return model;
}

ATREE& Model(int trees) {
  static std::map<int, std::unique_ptr<ATREE>> models;
  auto& model = models[trees];
  if (!model) model = MakeModel(trees);
  return *model;
}

void Export(benchmark::State& state, bool framed) {
  const ATREE& model = Model(static_cast<int>(state.range(0)));
  const std::string folder = TempFolder();
  CTextOutputOptions options;
  for (auto _ : state) {
    CTreeHtmlExporter exporter(model, 0, "/nowhere/doc.kvn", options);
    const BOOL written = framed ? exporter.ExportWithFrames(folder.c_str(), "index.html", "main.html")
                                : exporter.ExportPages((folder + "/index.html").c_str());
    if (!written) state.SkipWithError("the export failed");
  }
  state.counters["trees"] = static_cast<double>(model.GetDirDataCount());
  state.counters["per_tree_us"] = benchmark::Counter(static_cast<double>(model.GetDirDataCount()) * 1e-6,
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
  std::filesystem::remove_all(folder);
}

void BM_ExportTreePages(benchmark::State& state) { Export(state, false); }
void BM_ExportFramedPages(benchmark::State& state) { Export(state, true); }

}  // namespace

BENCHMARK(BM_ExportTreePages)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ExportFramedPages)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
  // No message box may wait for an answer during a run.
  ScopedMessageBoxHook hook;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
