// The outline model on a large document: 100,000 items holding 20 MB of text (and a tenth of it).
// Reading and writing the native file are compared with plain stdio moving the same bytes; opening
// is also measured as a user meets it, in a fresh process (against cat reading the file); row
// building and undo snapshots are measured on the same outline (snapshots report the memory they
// add).
#include <benchmark/benchmark.h>

#include <fcntl.h>
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
    ATREE model;
    benchmark::DoNotOptimize(model.ReadKvnFile(path.c_str()));
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

// A program started afresh, its standard output read through a pipe: its run time and, when it is
// this program, what it reports there: its peak resident memory, as a share of the file it read,
// and the time its work took without the program's start (the loading of its libraries, which a
// user meets once per session, not once per document). The reported time is a median.
void RunFreshProcess(benchmark::State& state, const std::vector<std::string>& args, const std::string& file) {
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  long peakKb = 0;
  std::vector<double> workMs;
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
      if (said.size() < 64) said.append(buffer, static_cast<size_t>(std::min<ssize_t>(got, 64)));
    }
    close(out[0]);
    int status = 0;
    if (started != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program failed");
      break;
    }
    char* rest = nullptr;
    peakKb = std::max(peakKb, std::strtol(said.c_str(), &rest, 10));
    if (*rest == ' ') workMs.push_back(std::strtod(rest, nullptr));
  }
  if (!workMs.empty()) {
    std::nth_element(workMs.begin(), workMs.begin() + static_cast<long>(workMs.size() / 2), workMs.end());
    state.counters["work_ms"] = workMs[workMs.size() / 2];
  }
  struct stat st {};
  if (file.empty() || stat(file.c_str(), &st) != 0) return;
  state.counters["file_MB"] = static_cast<double>(st.st_size) / (1 << 20);
  if (peakKb == 0) return;
  state.counters["peak_RSS_MB"] = static_cast<double>(peakKb) / 1024;
  state.counters["RSS_per_file"] = static_cast<double>(peakKb) * 1024 / static_cast<double>(st.st_size);
}

// What opening a document costs its window: the file read into the model and the rows built, as
// the document's open does them (no lock file).
void BM_OpenKvnFileFreshProcess(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  RunFreshProcess(state, {"/proc/self/exe", "--open-kvn", path}, path);
}
BENCHMARK(BM_OpenKvnFileFreshProcess)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems)->UseRealTime();

// The same program reading the file's bytes and nothing more: what opening is measured against.
void BM_ReadBytesFreshProcess(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  RunFreshProcess(state, {"/proc/self/exe", "--read-bytes", path}, path);
}
BENCHMARK(BM_ReadBytesFreshProcess)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems)->UseRealTime();

void BM_CatSameBytes(benchmark::State& state) {
  const std::string& path = LargeFile(static_cast<int>(state.range(0)));
  RunFreshProcess(state, {"cat", path}, path);
}
BENCHMARK(BM_CatSameBytes)->Unit(benchmark::kMillisecond)->Arg(10000)->Arg(kItems)->UseRealTime();

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

int main(int argc, char** argv) {
  // The fresh processes of the open benchmarks are this program, started with these arguments;
  // each reports its peak resident memory and the milliseconds its work took on its standard output.
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
  if (argc == 3 && std::strcmp(argv[1], "--open-kvn") == 0) {
    const double start = NowMs();
    auto model = std::make_unique<ATREE>();
    if (model->OpenFile(argv[2], 0, 0) <= 0) return 1;
    std::printf("%ld %.3f\n", PeakResidentKb(), NowMs() - start);
    // A window keeps its document: freeing it is no part of opening.
    std::fflush(nullptr);
    std::_Exit(model->GetRows().GetTreeDataCount() > 0 ? 0 : 1);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
