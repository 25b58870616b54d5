// The outline model on a large document: 100,000 items holding 20 MB of text (and a tenth of it).
// Reading and writing the native file are compared with plain stdio moving the same bytes; opening
// is also measured as a user meets it, in a fresh process of a binary that loads the program's
// libraries as the program does (against cat reading the file), with the memory the open outline
// keeps and what closing it gives back; row building and undo snapshots are measured on the same
// outline (snapshots report the heap they add).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/CUndoStack.h"
#include "model/ATREE.h"
#include "bench/LargeOutline.h"
#include "model/CTreeUndo.h"
#include "shell/FreedMemoryReturn.h"

namespace {

constexpr int kItems = 100000;
constexpr int kTextBytes = bench::kLargeTextBytes;  // 100,000 x 200 = 20 MB

std::string TempFile(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/" + name + "-" + std::to_string(getpid()) + ".kvn";
}

const ATREE& LargeModel(int items = kItems) {
  static std::map<int, std::unique_ptr<ATREE>> models;
  std::unique_ptr<ATREE>& model = models[items];
  if (!model) model = bench::MakeLargeOutline(items);
  return *model;
}

// The files are removed when the benchmarks end: each is 29 MB at full size.
struct TempFiles {
  std::map<int, std::string> paths;
  ~TempFiles() {
    for (const auto& [items, path] : paths) std::remove(path.c_str());
  }
};

const std::string& LargeFile(int items = kItems) {
  static TempFiles files;
  std::string& path = files.paths[items];
  if (path.empty()) {
    path = TempFile(("bench-large-" + std::to_string(items)).c_str());
    ATREE copy(LargeModel(items));
    copy.WriteKvnFile(path.c_str());
  }
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

const std::string& LargeFileBytes(int items) {
  static std::map<int, std::string> contents;
  std::string& all = contents[items];
  if (all.empty()) {
    std::FILE* f = std::fopen(LargeFile(items).c_str(), "rb");
    char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof(buffer), f)) > 0) all.append(buffer, got);
    std::fclose(f);
  }
  return all;
}

long ResidentBytes() {
  long pages = 0, resident = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

// Heap bytes in use, small blocks and mapped ones: unlike resident memory, not lowered by memory
// that was freed before and is taken again.
double HeapBytesInUse() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

void BM_WriteKvnFile(benchmark::State& state) {
  ATREE model(LargeModel(static_cast<int>(state.range(0))));
  const std::string path = TempFile("bench-write");
  for (auto _ : state) benchmark::DoNotOptimize(model.WriteKvnFile(path.c_str()));
  std::remove(path.c_str());
}
BENCHMARK(BM_WriteKvnFile)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems);

void BM_StdioWriteSameBytes(benchmark::State& state) {
  // The same bytes, written line by line.
  const std::string& bytes = LargeFileBytes(static_cast<int>(state.range(0)));
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
BENCHMARK(BM_StdioWriteSameBytes)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems);

// The same, made safe as the document's save is: the data reaches the disk before the file is used.
void BM_StdioWriteSameBytesSynced(benchmark::State& state) {
  const std::string& bytes = LargeFileBytes(static_cast<int>(state.range(0)));
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
BENCHMARK(BM_StdioWriteSameBytesSynced)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems);

void BM_ReadKvnFile(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    auto model = std::make_unique<ATREE>();
    benchmark::DoNotOptimize(model->ReadKvnFile(path.c_str()));
    // A read outline stays open in its window: freeing it is no part of reading.
    state.PauseTiming();
    model.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ReadKvnFile)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems);

void BM_StdioReadSameBytes(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
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
BENCHMARK(BM_StdioReadSameBytes)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems);

// Peak resident memory of this process in kB, as the kernel counts it since the program started
// (a child's rusage would count the memory of the parent it was forked from).
long PeakResidentKb() { return static_cast<long>(PeakResidentMB() * 1024); }

double NowMs() {
  timespec now {};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// What a fresh process of this program says on its standard output, as numbers in this order;
// a figure the process does not report stays 0.
struct FreshReport {
  double peakKb = 0;  // peak resident memory
  double workMs = 0;  // the work alone, without the process's start
  double keptKb = 0;  // resident memory the open outline keeps (after open less before)
  double leftKb = 0;  // resident memory still held once the outline was closed (less before open)
  int figures = 0;  // how many of them it reported
};

// A program started afresh, its standard output read through a pipe: its run time and, when it is
// this program, what it reports there. The whole run, which the benchmark times, is what a user
// waits for; the work alone leaves out the loading of the libraries. Reported figures are medians.
void RunFreshProcess(benchmark::State& state, const std::vector<std::string>& args, const std::string& file) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::vector<FreshReport> reports;
  for (auto _ : state) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
      state.SkipWithError("no pipe");
      break;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string said;
    char buffer[1 << 16];
    ssize_t got;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0) {
      if (said.size() < 128) said.append(buffer, static_cast<size_t>(std::min<ssize_t>(got, 128)));
    }
    close(out[0]);
    int status = 0;
    if (started != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program failed");
      break;
    }
    FreshReport report;
    report.figures = std::sscanf(said.c_str(), "%lf %lf %lf %lf", &report.peakKb, &report.workMs, &report.keptKb,
                                 &report.leftKb);
    if (report.figures >= 2) reports.push_back(report);
  }
  if (reports.empty()) return;
  const auto median = [&reports](double FreshReport::*figure) {
    std::vector<double> values;
    for (const FreshReport& report : reports) values.push_back(report.*figure);
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
  };
  state.counters["work_ms"] = median(&FreshReport::workMs);
  state.counters["peak_RSS_MB"] = median(&FreshReport::peakKb) / 1024;
  struct stat st {};
  if (file.empty() || stat(file.c_str(), &st) != 0) return;
  const double fileKb = static_cast<double>(st.st_size) / 1024;
  state.counters["file_MB"] = fileKb / 1024;
  if (reports[0].figures >= 3) {
    state.counters["outline_MB"] = median(&FreshReport::keptKb) / 1024;
    state.counters["outline_per_file"] = median(&FreshReport::keptKb) / fileKb;
  }
  if (reports[0].figures >= 4) state.counters["left_after_close_MB"] = median(&FreshReport::leftKb) / 1024;
}

// What opening a document costs: the process started with the program's libraries, the file read
// into the model and the rows built, as the document's open does them (no lock file).
void BM_OpenKvnFileFreshProcess(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  RunFreshProcess(state, {"/proc/self/exe", "--open-kvn", path}, path);
}
BENCHMARK(BM_OpenKvnFileFreshProcess)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems)->UseRealTime();

// The same program reading the file's bytes and nothing more.
void BM_ReadBytesFreshProcess(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  RunFreshProcess(state, {"/proc/self/exe", "--read-bytes", path}, path);
}
BENCHMARK(BM_ReadBytesFreshProcess)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems)->UseRealTime();

// What opening is measured against.
void BM_CatSameBytes(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  RunFreshProcess(state, {"cat", path}, path);
}
BENCHMARK(BM_CatSameBytes)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems)->UseRealTime();

// An outline opened and closed again: the resident memory left behind, which a long session of
// opening and closing large documents would pile up.
void BM_OpenAndCloseFreshProcess(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  RunFreshProcess(state, {"/proc/self/exe", "--open-close-kvn", path}, path);
}
BENCHMARK(BM_OpenAndCloseFreshProcess)->Unit(benchmark::kMillisecond)->Arg(kItems)->UseRealTime();

void BM_MakeTreeData(benchmark::State& state) {
  ATREE model(LargeModel(static_cast<int>(state.range(0))));
  for (auto _ : state) model.MakeTreeData();
  state.counters["rows"] = model.GetRows().GetTreeDataCount();
}
BENCHMARK(BM_MakeTreeData)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems);

// A hundred commands, each changing one item after pushing its snapshot, as the document does.
void BM_HundredUndoSnapshots(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto model = std::make_unique<ATREE>(LargeModel());
    model->MakeTreeData();
    const double before = HeapBytesInUse();
    state.ResumeTiming();
    CUndoStack stack;
    for (int command = 0; command < 100; ++command) {
      stack.Push(std::make_unique<CTreeUndo>(*model, command));
      model->SetText(1 + command * 997 % (kItems - 1), "changed\r\n");
      model->MakeTreeData();
    }
    state.PauseTiming();
    state.counters["added_MB"] = (HeapBytesInUse() - before) / (1 << 20);
    state.counters["model_text_MB"] = static_cast<double>(kItems) * kTextBytes / (1 << 20);
    state.counters["peak_RSS_MB"] = PeakResidentMB();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_HundredUndoSnapshots)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  // The fresh processes of the open benchmarks are this program, started with these arguments;
  // each reports on its standard output the figures of FreshReport that apply to it.
  if (argc == 3 && std::strcmp(argv[1], "--read-bytes") == 0) {
    const double start = NowMs();
    std::FILE* f = std::fopen(argv[2], "rb");
    if (f == nullptr) return 1;
    std::string all;
    char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof(buffer), f)) > 0) all.append(buffer, got);
    std::fclose(f);
    std::printf("%ld %.3f\n", PeakResidentKb(), NowMs() - start);
    return all.empty() ? 1 : 0;
  }
  const bool close = argc == 3 && std::strcmp(argv[1], "--open-close-kvn") == 0;
  if (close || (argc == 3 && std::strcmp(argv[1], "--open-kvn") == 0)) {
    const long before = ResidentBytes();
    const double start = NowMs();
    auto model = std::make_unique<ATREE>();
    if (model->OpenFile(argv[2], 0, 0) <= 0 || model->GetRows().GetTreeDataCount() <= 0) return 1;
    const double workMs = NowMs() - start;
    const long kept = ResidentBytes() - before;
    std::printf("%ld %.3f %ld", PeakResidentKb(), workMs, kept / 1024);
    if (close) {
      // Closed as the program closes a document: freed, then noticed at its next idle time.
      FreedMemoryReturn freedMemory;
      freedMemory.Follow(1);
      model.reset();
      freedMemory.Follow(0);
      std::printf(" %ld", (ResidentBytes() - before) / 1024);
    }
    std::printf("\n");
    // A window keeps its document: freeing it is no part of opening.
    std::fflush(nullptr);
    std::_Exit(0);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
