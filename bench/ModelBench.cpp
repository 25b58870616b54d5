// The outline model on a large document: 100,000 items holding 20 MB of text. Reading and writing
// the native file are compared with plain stdio moving the same bytes line by line; row building
// and undo snapshots are measured on the same outline (snapshots report the memory they add).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include <unistd.h>

#include "foundation/CUndoStack.h"
#include "model/ATREE.h"
#include "model/CTreeUndo.h"

namespace {

constexpr int kItems = 100000;
constexpr int kTextBytes = 200;  // 100,000 x 200 = 20 MB

std::string TempFile(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/" + name + "-" + std::to_string(getpid()) + ".kvn";
}

std::unique_ptr<ATREE> MakeLargeModel() {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("文書"));
  std::string line(kTextBytes / 4 - 2, 'x');
  const std::string text = line + "\r\n" + line + "\r\n" + line + "\r\n" + line + "\r\n";
  std::string paths[4] = {"文書"};
  for (int i = 1; i < kItems; ++i) {
    // Levels 1-3 in a repeating pattern: each top tree holds groups of children with grandchildren.
    const int level = i % 10 == 1 ? 1 : (i % 3 == 0 ? 3 : 2);
    paths[level] = paths[level - 1] + "\x01" + "見出し" + std::to_string(i);
    auto item = std::make_unique<CDirData>(paths[level].c_str());
    item->m_strText = text.c_str();
    item->SetCreateTimeNow();
    model->AddDirData(std::move(item));
  }
  model->MakeTreeData();
  return model;
}

const ATREE& LargeModel() {
  static const std::unique_ptr<ATREE> model = MakeLargeModel();
  return *model;
}

const std::string& LargeFile() {
  static const std::string path = [] {
    const std::string p = TempFile("bench-large");
    ATREE copy(LargeModel());
    copy.WriteKvnFile(p.c_str());
    return p;
  }();
  return path;
}

// Peak resident memory of the process so far.
double PeakResidentMB() {
  double kb = 0;
  if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
    char line[256];
    while (std::fgets(line, sizeof(line), f)) {
      if (std::sscanf(line, "VmHWM: %lf", &kb) == 1) break;
    }
    std::fclose(f);
  }
  return kb / 1024;
}

const std::string& LargeFileBytes() {
  static const std::string bytes = [] {
    std::string all;
    std::FILE* f = std::fopen(LargeFile().c_str(), "rb");
    char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof(buffer), f)) > 0) all.append(buffer, got);
    std::fclose(f);
    return all;
  }();
  return bytes;
}

long ResidentBytes() {
  long pages = 0, resident = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

void BM_WriteKvnFile(benchmark::State& state) {
  ATREE model(LargeModel());
  const std::string path = TempFile("bench-write");
  for (auto _ : state) benchmark::DoNotOptimize(model.WriteKvnFile(path.c_str()));
  std::remove(path.c_str());
}
BENCHMARK(BM_WriteKvnFile)->Unit(benchmark::kMillisecond);

void BM_StdioWriteSameBytes(benchmark::State& state) {
  // The same bytes, written line by line.
  const std::string& bytes = LargeFileBytes();
  const std::string path = TempFile("bench-stdio-write");
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    size_t start = 0;
    while (start < bytes.size()) {
      const size_t end = bytes.find('\n', start);
      const size_t stop = end == std::string::npos ? bytes.size() : end + 1;
      std::fwrite(bytes.data() + start, 1, stop - start, f);
      start = stop;
    }
    std::fclose(f);
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_StdioWriteSameBytes)->Unit(benchmark::kMillisecond);

// The same, made safe as the document's save is: the data reaches the disk before the file is used.
void BM_StdioWriteSameBytesSynced(benchmark::State& state) {
  const std::string& bytes = LargeFileBytes();
  const std::string path = TempFile("bench-stdio-sync");
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fflush(f);
    fsync(fileno(f));
    std::fclose(f);
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_StdioWriteSameBytesSynced)->Unit(benchmark::kMillisecond);

void BM_ReadKvnFile(benchmark::State& state) {
  const std::string& path = LargeFile();
  for (auto _ : state) {
    ATREE model;
    benchmark::DoNotOptimize(model.ReadKvnFile(path.c_str()));
  }
}
BENCHMARK(BM_ReadKvnFile)->Unit(benchmark::kMillisecond);

void BM_StdioReadSameBytes(benchmark::State& state) {
  const std::string& path = LargeFile();
  std::string line;
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    char buffer[32768];
    size_t total = 0;
    while (std::fgets(buffer, sizeof(buffer), f)) {
      line = buffer;
      total += line.size();
    }
    std::fclose(f);
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_StdioReadSameBytes)->Unit(benchmark::kMillisecond);

void BM_MakeTreeData(benchmark::State& state) {
  ATREE model(LargeModel());
  for (auto _ : state) model.MakeTreeData();
  state.counters["rows"] = model.GetTreeDataCount();
}
BENCHMARK(BM_MakeTreeData)->Unit(benchmark::kMillisecond);

// A hundred commands, each changing one item after pushing its snapshot, as the document does.
void BM_HundredUndoSnapshots(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto model = std::make_unique<ATREE>(LargeModel());
    model->MakeTreeData();
    const long before = ResidentBytes();
    state.ResumeTiming();
    CUndoStack stack;
    for (int command = 0; command < 100; ++command) {
      stack.Push(std::make_unique<CTreeUndo>(*model, command));
      model->SetText(1 + command * 997 % (kItems - 1), "changed\r\n");
      model->MakeTreeData();
    }
    state.PauseTiming();
    state.counters["added_MB"] = static_cast<double>(ResidentBytes() - before) / (1 << 20);
    state.counters["model_text_MB"] = static_cast<double>(kItems) * kTextBytes / (1 << 20);
    state.counters["peak_RSS_MB"] = PeakResidentMB();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_HundredUndoSnapshots)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
