// Grep across a folder tree: outline files and text files of about 20 KB each (half of each kind,
// 200 MB in all for 10,000 files), searched for a word and for a regular expression. GNU grep -r
// over the same text files runs beside them for scale; the outlines are measured at two sizes to
// show the time growing with the bytes.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/ATREE.h"
#include "views/GrepSearch.h"

namespace {

constexpr int kItemsPerOutline = 100;
constexpr size_t kTextBytes = 200;
const char* const kWords[] = {"outline", "tree", "note", "plan", "draft", "idea", "memo", "list", "task", "page"};

std::string Words(unsigned& seed, size_t bytes) {
  std::string text;
  while (text.size() < bytes) {
    seed = seed * 1103515245u + 12345u;
    text += (seed >> 8) % 997 == 0 ? "apple" : kWords[(seed >> 8) % 10];
    text += (seed >> 16) % 8 == 0 ? "\r\n" : " ";
  }
  return text;
}

// files/2 outlines under kvn/ and files/2 text files under txt/, in folders of 100.
std::string MakeTree(int files) {
  const std::string root = "/tmp/grep-bench-" + std::to_string(files);
  if (std::filesystem::exists(root + "/done")) return root;
  std::filesystem::remove_all(root);
  unsigned seed = 777;
  for (int i = 0; i < files / 2; ++i) {
    const std::string folder = "/d" + std::to_string(i / 100);
    std::filesystem::create_directories(root + "/kvn" + folder);
    std::filesystem::create_directories(root + "/txt" + folder);
    ATREE model;
    model.AddDirData(std::make_unique<CDirData>("top"));
    for (int j = 1; j < kItemsPerOutline; ++j) {
      const std::string path = "top\x01" "item" + std::to_string(j);
      auto item = std::make_unique<CDirData>(path.c_str());
      item->m_strText = Words(seed, kTextBytes).c_str();
      model.AddDirData(std::move(item));
    }
    model.MakeTreeData();
    model.SaveFile((root + "/kvn" + folder + "/f" + std::to_string(i) + ".kvn").c_str());
    const std::string text = Words(seed, kItemsPerOutline * kTextBytes);
    FILE* out = std::fopen((root + "/txt" + folder + "/f" + std::to_string(i) + ".txt").c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
  }
  std::fclose(std::fopen((root + "/done").c_str(), "w"));
  return root;
}

long FolderBytes(const std::string& folder) {
  long bytes = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) bytes += static_cast<long>(entry.file_size());
  return bytes;
}

void Ours(benchmark::State& state, const char* part, const char* word, BOOL regExp) {
  const std::string folder = MakeTree(static_cast<int>(state.range(0))) + part;
  CGrepOptions options;
  options.m_strFolder = folder.c_str();
  options.m_strWord = word;
  options.m_bRegExp = regExp;
  options.m_bCase = TRUE;
  options.m_bWidth = TRUE;
  options.m_nFileType = 1;
  size_t hits = 0;
  for (auto _ : state) {
    std::vector<std::unique_ptr<CGrepData>> found;
    CGrepSearch(options, nullptr).Run(found);
    hits = found.size();
  }
  state.counters["hits"] = static_cast<double>(hits);
  state.SetBytesProcessed(state.iterations() * FolderBytes(folder));
}

void GnuGrep(benchmark::State& state, const char* options, const char* pattern) {
  const std::string folder = MakeTree(static_cast<int>(state.range(0))) + "/txt";
  const std::string command = std::string("LC_ALL=C grep -r ") + options + " '" + pattern + "' " + folder + " | wc -l";
  long lines = 0;
  for (auto _ : state) {
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr || std::fscanf(out, "%ld", &lines) != 1) state.SkipWithError("grep did not run");
    if (out != nullptr) pclose(out);
  }
  state.counters["hits"] = static_cast<double>(lines);
  state.SetBytesProcessed(state.iterations() * FolderBytes(folder));
}

void BM_TextWord(benchmark::State& state) { Ours(state, "/txt", "apple", FALSE); }
void BM_GnuGrepTextWord(benchmark::State& state) { GnuGrep(state, "", "apple"); }
void BM_TextRegExp(benchmark::State& state) { Ours(state, "/txt", "ap+le\\b", TRUE); }
void BM_GnuGrepTextRegExp(benchmark::State& state) { GnuGrep(state, "-P", "ap+le\\b"); }
void BM_OutlineWord(benchmark::State& state) { Ours(state, "/kvn", "apple", FALSE); }
void BM_OutlineRegExp(benchmark::State& state) { Ours(state, "/kvn", "ap+le\\b", TRUE); }

}  // namespace

BENCHMARK(BM_TextWord)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GnuGrepTextWord)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextRegExp)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GnuGrepTextRegExp)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OutlineWord)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OutlineRegExp)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
