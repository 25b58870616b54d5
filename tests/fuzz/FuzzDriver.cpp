// A small coverage-guided fuzzer for the harnesses of this folder (each defines
// LLVMFuzzerTestOneInput). It replays the given corpus, then mutates it. Code built with
// -fsanitize-coverage=trace-pc reports its basic blocks to us; an input that reaches a new edge
// (or a new hit-count bucket of one) joins the corpus. An input that makes a sanitizer stop the
// program, or that runs past the time limit, is written to "crash-<n>" / "timeout-<n>" first.
//
//   fuzz_<target> [-runs=N] [-max_total_time=S] [-max_len=L] [-seed=N] [-timeout=S] [-save=DIR]
//                 corpus-dir-or-file...
// Without -runs and -max_total_time the corpus is replayed once.
#include <fcntl.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace {

constexpr size_t kMapSize = 1 << 16;
uint8_t g_hits[kMapSize];
uint8_t g_seen[kMapSize];
uintptr_t g_previous = 0;

// Where a crashing input is written; fixed before the run so the handlers need no allocation.
char g_crashPath[4096];
char g_timeoutPath[4096];
const uint8_t* g_current = nullptr;
size_t g_currentSize = 0;

void WriteCurrent(const char* path) {
  const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return;
  size_t done = 0;
  while (done < g_currentSize) {
    const ssize_t n = write(fd, g_current + done, g_currentSize - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  close(fd);
  const char note[] = "fuzz: input written to ";
  (void)!write(2, note, sizeof note - 1);
  (void)!write(2, path, strlen(path));
  (void)!write(2, "\n", 1);
}

void OnDeath() { WriteCurrent(g_crashPath); }

void OnAlarm(int) {
  WriteCurrent(g_timeoutPath);
  const char note[] = "fuzz: input ran past the time limit\n";
  (void)!write(2, note, sizeof note - 1);
  _exit(70);
}

// AFL's hit-count buckets: 1, 2, 3, 4-7, 8-15, 16-31, 32-127, 128+.
// Seconds on the monotonic clock (<chrono> cannot be built with the Shift JIS execution charset).
double Now() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

uint8_t Bucket(uint8_t hits) {
  if (hits <= 3) return hits == 3 ? 4 : hits;
  if (hits <= 7) return 8;
  if (hits <= 15) return 16;
  if (hits <= 31) return 32;
  if (hits <= 127) return 64;
  return 128;
}

struct Options {
  long runs = -1;
  double seconds = -1;
  size_t maxLength = 4096;
  uint64_t seed = 0;
  unsigned timeout = 10;
  std::string saveDir;
  std::vector<std::string> inputs;
};

bool Flag(const char* arg, const char* name, std::string& value) {
  const size_t n = strlen(name);
  if (strncmp(arg, name, n) != 0 || arg[n] != '=') return false;
  value = arg + n + 1;
  return true;
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  options.seed = static_cast<uint64_t>(Now() * 1e9) ^ static_cast<uint64_t>(getpid());
  for (int i = 1; i < argc; ++i) {
    std::string value;
    if (Flag(argv[i], "-runs", value)) options.runs = std::stol(value);
    else if (Flag(argv[i], "-max_total_time", value)) options.seconds = std::stod(value);
    else if (Flag(argv[i], "-max_len", value)) options.maxLength = std::stoul(value);
    else if (Flag(argv[i], "-seed", value)) options.seed = std::stoull(value);
    else if (Flag(argv[i], "-timeout", value)) options.timeout = static_cast<unsigned>(std::stoul(value));
    else if (Flag(argv[i], "-save", value)) options.saveDir = value;
    else if (argv[i][0] == '-') {
      std::fprintf(stderr, "fuzz: unknown option %s\n", argv[i]);
      std::exit(2);
    } else {
      options.inputs.emplace_back(argv[i]);
    }
  }
  return options;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> LoadCorpus(const std::vector<std::string>& inputs) {
  std::vector<std::string> corpus;
  for (const std::string& input : inputs) {
    if (std::filesystem::is_directory(input)) {
      std::vector<std::filesystem::path> files;
      for (const auto& entry : std::filesystem::directory_iterator(input)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
      std::sort(files.begin(), files.end());
      for (const auto& file : files) corpus.push_back(ReadFile(file));
    } else if (std::filesystem::is_regular_file(input)) {
      corpus.push_back(ReadFile(input));
    } else {
      std::fprintf(stderr, "fuzz: no such corpus %s\n", input.c_str());
      std::exit(2);
    }
  }
  return corpus;
}

class Fuzzer {
 public:
  explicit Fuzzer(const Options& options) : m_options(options), m_random(options.seed) {}

  // Runs one input in a buffer of exactly its size (so reads past it are caught); true when it
  // reached new coverage.
  bool Run(const std::string& input) {
    const std::unique_ptr<uint8_t[]> exact(new uint8_t[input.size()]);
    if (!input.empty()) std::memcpy(exact.get(), input.data(), input.size());
    g_current = exact.get();
    g_currentSize = input.size();
    std::memset(g_hits, 0, sizeof g_hits);
    g_previous = 0;
    alarm(m_options.timeout);
    LLVMFuzzerTestOneInput(exact.get(), input.size());
    alarm(0);
    bool fresh = false;
    for (size_t i = 0; i < kMapSize; ++i) {
      if (i % 8 == 0) {
        uint64_t word = 0;
        std::memcpy(&word, g_hits + i, sizeof word);
        if (word == 0) {
          i += 7;
          continue;
        }
      }
      if (!g_hits[i]) continue;
      const uint8_t bit = Bucket(g_hits[i]);
      if (g_seen[i] & bit) continue;
      if (!g_seen[i]) ++m_edges;
      g_seen[i] |= bit;
      fresh = true;
    }
    ++m_executions;
    return fresh;
  }

  std::string Mutate(const std::vector<std::string>& corpus) {
    std::string data = corpus[Below(corpus.size())];
    const int rounds = 1 + static_cast<int>(Below(8));
    for (int r = 0; r < rounds; ++r) MutateOnce(data, corpus);
    if (data.size() > m_options.maxLength) data.resize(m_options.maxLength);
    return data;
  }

  long Executions() const { return m_executions; }
  long Edges() const { return m_edges; }

 private:
  size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(m_random() % n); }

  char RandomByte() {
    static const char kInteresting[] = {0, '\x7F', '\x80', '\xFF', '\x81', '\x5C', '<', '>', '/', '"', '\'',
                                        '&', ';', ':', '(', ')', ',', '-', '.', '%', '{', '}', '*', ' '};
    if (m_random() % 2) return kInteresting[Below(sizeof kInteresting)];
    return static_cast<char>(m_random());
  }

  void MutateOnce(std::string& data, const std::vector<std::string>& corpus) {
    switch (Below(data.empty() ? 2 : 9)) {
      case 0:  // insert bytes
        data.insert(Below(data.size() + 1), 1 + Below(4), RandomByte());
        break;
      case 1: {  // insert a piece of another input
        const std::string& other = corpus[Below(corpus.size())];
        if (other.empty()) break;
        const size_t from = Below(other.size());
        data.insert(Below(data.size() + 1), other.substr(from, 1 + Below(std::min<size_t>(32, other.size() - from))));
        break;
      }
      case 2:  // flip a bit
        data[Below(data.size())] ^= static_cast<char>(1u << Below(8));
        break;
      case 3:  // overwrite a byte
        data[Below(data.size())] = RandomByte();
        break;
      case 4: {  // erase a range
        const size_t at = Below(data.size());
        data.erase(at, 1 + Below(std::min<size_t>(16, data.size() - at)));
        break;
      }
      case 5: {  // repeat a range, which builds nesting and long tokens
        const size_t at = Below(data.size());
        const std::string piece = data.substr(at, 1 + Below(std::min<size_t>(8, data.size() - at)));
        const size_t times = 1 + Below(64);
        std::string repeated;
        for (size_t i = 0; i < times && repeated.size() < m_options.maxLength; ++i) repeated += piece;
        data.insert(at, repeated);
        break;
      }
      case 6: {  // splice with another input
        const std::string& other = corpus[Below(corpus.size())];
        data = data.substr(0, Below(data.size() + 1)) + other.substr(Below(other.size() + 1));
        break;
      }
      case 7:  // cut the end
        data.resize(Below(data.size() + 1));
        break;
      default: {  // swap two bytes
        std::swap(data[Below(data.size())], data[Below(data.size())]);
        break;
      }
    }
  }

  const Options& m_options;
  std::mt19937_64 m_random;
  long m_executions = 0;
  long m_edges = 0;
};

void Save(const std::string& dir, const std::string& data) {
  const size_t hash = std::hash<std::string>{}(data);
  char name[32];
  std::snprintf(name, sizeof name, "%016zx", hash);
  std::ofstream(std::filesystem::path(dir) / name, std::ios::binary) << data;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  const std::string outDir = options.saveDir.empty() ? "." : options.saveDir;
  if (!options.saveDir.empty()) std::filesystem::create_directories(options.saveDir);
  std::snprintf(g_crashPath, sizeof g_crashPath, "%s/crash-%d", outDir.c_str(), static_cast<int>(getpid()));
  std::snprintf(g_timeoutPath, sizeof g_timeoutPath, "%s/timeout-%d", outDir.c_str(), static_cast<int>(getpid()));
  if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(OnDeath);
  signal(SIGALRM, OnAlarm);

  std::vector<std::string> corpus = LoadCorpus(options.inputs);
  if (corpus.empty()) corpus.emplace_back();
  Fuzzer fuzzer(options);
  for (const std::string& input : corpus) fuzzer.Run(input);
  std::printf("fuzz: replayed %zu inputs, %ld edges\n", corpus.size(), fuzzer.Edges());
  if (options.runs < 0 && options.seconds < 0) return 0;

  std::printf("fuzz: seed %llu\n", static_cast<unsigned long long>(options.seed));
  const double start = Now();
  double lastReport = start;
  for (long i = 0; options.runs < 0 || i < options.runs; ++i) {
    const double now = Now();
    if (options.seconds >= 0 && now - start >= options.seconds) break;
    if (now - lastReport >= 10) {
      std::printf("fuzz: %ld runs, %zu inputs, %ld edges\n", fuzzer.Executions(), corpus.size(), fuzzer.Edges());
      std::fflush(stdout);
      lastReport = now;
    }
    std::string input = fuzzer.Mutate(corpus);
    if (fuzzer.Run(input)) {
      if (!options.saveDir.empty()) Save(options.saveDir, input);
      corpus.push_back(std::move(input));
    }
  }
  std::printf("fuzz: done, %ld runs, %zu inputs, %ld edges\n", fuzzer.Executions(), corpus.size(), fuzzer.Edges());
  return 0;
}

// A small quarantine and no malloc fill keep AddressSanitizer from dominating short runs.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16:max_malloc_fill_size=0"; }

// Called at every basic block of the code built with -fsanitize-coverage=trace-pc.
extern "C" void __sanitizer_cov_trace_pc() {
  const auto pc = reinterpret_cast<uintptr_t>(__builtin_return_address(0));
  const uintptr_t block = (pc ^ (pc >> 16)) & (kMapSize - 1);
  uint8_t& hits = g_hits[(block ^ g_previous) & (kMapSize - 1)];
  if (hits != 255) ++hits;
  g_previous = block >> 1;
}
