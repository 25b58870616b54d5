// The multi-file exports of a large outline (20,000 and 100,000 trees): one HTML page per tree,
// the framed form with its index of every tree, and the text folders; each beside its floor,
// `cp -r` of the very files that export wrote. The outline has a wide level (a thousand siblings
// under one parent) and long chains of descendants, so a page that looked for its siblings or
// children by walking the outline would make the time grow with the square of the trees. Time is
// real time: the user waits for the files to be on the disk, not for the processor.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "convert/CTreeHtmlExporter.h"
#include "convert/TextPages.h"
#include "model/ATREE.h"
#include "model/CTextOutputOptions.h"
#include "platform/desktop/MessageBox.h"

extern char** environ;

namespace {

// A new empty folder of its own for each name.
std::string FreshFolder(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  const std::string folder =
      std::string(dir && *dir ? dir : "/tmp") + "/bench-" + name + "-" + std::to_string(getpid());
  std::filesystem::remove_all(folder);
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

enum Kind { kPages, kFramed, kTextFolders };

bool RunExport(ATREE& model, Kind kind, const std::string& folder) {
  if (kind == kTextFolders) return ExportTextPages(model, 0, folder.c_str(), 1) == 1;
  CTextOutputOptions options;
  CTreeHtmlExporter exporter(model, 0, "/nowhere/doc.kvn", options);
  return (kind == kFramed ? exporter.ExportWithFrames(folder.c_str(), "index.html", "main.html")
                          : exporter.ExportPages((folder + "/index.html").c_str())) != FALSE;
}

void SetCounters(benchmark::State& state, int trees) {
  state.counters["trees"] = trees;
  state.counters["per_tree_us"] =
      benchmark::Counter(trees * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Export(benchmark::State& state, Kind kind) {
  ATREE& model = Model(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = FreshFolder("pages");
    state.ResumeTiming();
    if (!RunExport(model, kind, folder)) state.SkipWithError("the export failed");
  }
  SetCounters(state, model.GetDirDataCount());
  std::filesystem::remove_all(FreshFolder("pages"));
}

// The floor of an export: `cp -r` of the folder it wrote into a new folder beside it.
void CopyWritten(benchmark::State& state, Kind kind) {
  ATREE& model = Model(static_cast<int>(state.range(0)));
  const std::string written = FreshFolder("written");
  if (!RunExport(model, kind, written)) state.SkipWithError("the export failed");
  const std::string copy = written + "-copy";
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove_all(copy);
    state.ResumeTiming();
    const char* argv[] = {"cp", "-r", written.c_str(), copy.c_str(), nullptr};
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, const_cast<char**>(argv), environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("cp -r failed");
    }
  }
  SetCounters(state, model.GetDirDataCount());
  std::filesystem::remove_all(copy);
  std::filesystem::remove_all(written);
}

void BM_CopyTreePages(benchmark::State& state) { CopyWritten(state, kPages); }
void BM_ExportTreePages(benchmark::State& state) { Export(state, kPages); }
void BM_CopyFramedPages(benchmark::State& state) { CopyWritten(state, kFramed); }
void BM_ExportFramedPages(benchmark::State& state) { Export(state, kFramed); }
void BM_CopyTextFolders(benchmark::State& state) { CopyWritten(state, kTextFolders); }
void BM_ExportTextFolders(benchmark::State& state) { Export(state, kTextFolders); }

}  // namespace

#define SITE_BENCHMARK(name) \
  BENCHMARK(name)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime()
SITE_BENCHMARK(BM_CopyTreePages);
SITE_BENCHMARK(BM_ExportTreePages);
SITE_BENCHMARK(BM_CopyFramedPages);
SITE_BENCHMARK(BM_ExportFramedPages);
SITE_BENCHMARK(BM_CopyTextFolders);
SITE_BENCHMARK(BM_ExportTextFolders);

int main(int argc, char** argv) {
  // No message box may wait for an answer during a run.
  ScopedMessageBoxHook hook;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
