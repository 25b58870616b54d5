// Searching a whole outline of 100,000 items holding 20 MB of text, as the search list does: every
// item holding a common word, or a regular expression, and replacing the word everywhere. GNU grep
// over the same text written to one file runs beside them for scale.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/RunOnCopies.h"
#include "model/ATREE.h"

namespace {

constexpr int kItems = 100000;
constexpr int kTextBytes = 200;
const char* const kWords[] = {"outline", "tree", "note", "plan", "draft", "idea", "memo", "list", "task", "page"};

// Each text a few lines of words; one item in ten holds "apple".
std::unique_ptr<ATREE> MakeOutline(std::string& all) {
  auto model = std::make_unique<ATREE>();
  model->AddDirData(std::make_unique<CDirData>("top"));
  unsigned seed = 4242;
  for (int i = 1; i < kItems; ++i) {
    std::string text;
    while (text.size() < kTextBytes) {
      seed = seed * 1103515245u + 12345u;
      text += (seed >> 8) % 97 == 0 ? "apple" : kWords[(seed >> 8) % 10];
      text += (seed >> 16) % 8 == 0 ? "\r\n" : " ";
    }
    const std::string path = "top\x01" "item" + std::to_string(i);
    auto item = std::make_unique<CDirData>(path.c_str());
    item->m_strText = text.c_str();
    model->AddDirData(std::move(item));
    all += text + "\n";
  }
  model->MakeTreeData();
  return model;
}

struct Fixture {
  std::string all;
  std::unique_ptr<ATREE> outline = MakeOutline(all);
  std::string file = [this] {
    char name[] = "/tmp/outline-search-XXXXXX";
    const int fd = mkstemp(name);
    FILE* out = fdopen(fd, "w");
    fwrite(all.data(), 1, all.size(), out);
    fclose(out);
    return std::string(name);
  }();
  ~Fixture() { std::remove(file.c_str()); }
};

Fixture& Data() {
  static Fixture data;
  return data;
}

void FindAll(benchmark::State& state, const char* word, int regExp) {
  ATREE& model = *Data().outline;
  model.GetSearch().SetSearchText(word);
  model.GetSearch().SetRegExpSearch(regExp);
  model.GetSearch().SetSearchOptions(1, 1, 0);
  model.GetSearch().SetSearchTargets(1, 1, 0);
  size_t hits = 0;
  for (auto _ : state) {
    std::vector<const CDirData*> found;
    model.GetSearch().FindAllText(model, 0, found);
    hits = found.size();
  }
  state.counters["hits"] = static_cast<double>(hits);
}

void BM_FindAllWord(benchmark::State& state) { FindAll(state, "apple", 0); }
void BM_FindAllRegExp(benchmark::State& state) { FindAll(state, "ap+le\\b", 1); }

void BM_ReplaceAllWord(benchmark::State& state) {
  RunOnCopies(state, *Data().outline,
              [](ATREE& m) {
                benchmark::DoNotOptimize(m.GetSearch().ReplaceInTrees(m, 0, "apple", "pear", TRUE, FALSE));
              });
}

void Grep(benchmark::State& state, const char* options) {
  const std::string command = std::string("LC_ALL=C grep ") + options + " '" +
                              (options[2] == 'P' ? "ap+le\\b" : "apple") + "' " + Data().file;
  long lines = 0;
  for (auto _ : state) {
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr || std::fscanf(out, "%ld", &lines) != 1) state.SkipWithError("grep did not run");
    if (out != nullptr) pclose(out);
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["bytes"] = static_cast<double>(Data().all.size());
}

void BM_GrepCountWord(benchmark::State& state) { Grep(state, "-c"); }
void BM_GrepCountRegExp(benchmark::State& state) { Grep(state, "-cP"); }

}  // namespace

BENCHMARK(BM_FindAllWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepCountWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAllRegExp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepCountRegExp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllWord)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
