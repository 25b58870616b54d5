// Grep across a folder tree of 10,000 files of about 20 KB each (200 MB in all): half of them
// outline files of 100 items, half text files, in folders of 100. One tree of ASCII text searched
// for "apple", one of Japanese text searched for "リンゴ" (written half-width as "ﾘﾝｺﾞ" every other
// time); about one word in a thousand is the word. Each is searched exactly (case and width
// distinguished) and with the grep dialog's defaults (both ignored, a tree matching on any of the
// word's parts, titles and texts searched), outline and text files alike; GNU grep -r -F (and -F -i
// beside the defaults) over the same whole tree runs beside them for scale. A regular expression
// over the ASCII tree, beside grep -r -P, completes the set. On a busy machine the wall times of both
// swell with the others' work: grep's own processor time is given as grep_cpu_ms, to be set beside
// the CPU column of ours.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/SampleText.h"
#include "model/ATREE.h"
#include "views/GrepSearch.h"

namespace {

using bench::Language;

constexpr int kFiles = 10000;
constexpr int kItemsPerOutline = 100;
constexpr size_t kTextBytes = 200;
constexpr unsigned kRarity = 997;

const char* RareWord(Language language) { return language == Language::kAscii ? "apple" : "リンゴ"; }
const char* RareWord2(Language language) { return language == Language::kAscii ? nullptr : "ﾘﾝｺﾞ"; }

std::string Text(Language language, unsigned& seed, size_t bytes) {
  return bench::SampleText(language, seed, bytes, RareWord(language), kRarity, RareWord2(language));
}

// kFiles/2 outlines under kvn/ and kFiles/2 text files under txt/, made once and kept in /tmp.
std::string MakeTree(Language language) {
  const std::string root =
      std::string("/tmp/kesta-grep-") + (language == Language::kAscii ? "ascii-" : "japanese-") + std::to_string(kFiles);
  if (std::filesystem::exists(root + "/done")) return root;
  std::filesystem::remove_all(root);
  unsigned seed = 777;
  for (int i = 0; i < kFiles / 2; ++i) {
    const std::string folder = "/d" + std::to_string(i / 100);
    std::filesystem::create_directories(root + "/kvn" + folder);
    std::filesystem::create_directories(root + "/txt" + folder);
    ATREE model;
    model.AddDirData(std::make_unique<CDirData>("top"));
    for (int j = 1; j < kItemsPerOutline; ++j) {
      const std::string path = (language == Language::kAscii ? "top\x01item" : "top\x01見出し") + std::to_string(j);
      auto item = std::make_unique<CDirData>(path.c_str());
      item->m_strText = Text(language, seed, kTextBytes).c_str();
      model.AddDirData(std::move(item));
    }
    model.MakeTreeData();
    model.SaveFile((root + "/kvn" + folder + "/f" + std::to_string(i) + ".kvn").c_str());
    const std::string text = Text(language, seed, kItemsPerOutline * kTextBytes);
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

void BM_Grep(benchmark::State& state, Language language, bool exact, const char* regExp) {
  const std::string folder = MakeTree(language);
  CGrepOptions options;
  options.m_strFolder = folder.c_str();
  options.m_strWord = regExp != nullptr ? regExp : RareWord(language);
  options.m_bRegExp = regExp != nullptr;
  options.m_bCase = exact;
  options.m_bWidth = exact;
  options.m_nWordMode = 1;
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

void BM_GnuGrep(benchmark::State& state, Language language, const char* flags, const char* regExp) {
  const std::string folder = MakeTree(language);
  const std::string pattern = regExp != nullptr ? regExp : RareWord(language);
  const std::string command = std::string("LC_ALL=C grep -r ") + flags + " '" + pattern + "' " + folder + " | wc -l";
  long lines = 0;
  // The processor time of the finished children: grep and the shell and wc around it.
  const auto childSeconds = [] {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  };
  const double before = childSeconds();
  for (auto _ : state) {
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr || std::fscanf(out, "%ld", &lines) != 1) state.SkipWithError("grep did not run");
    if (out != nullptr) pclose(out);
  }
  state.counters["grep_cpu_ms"] =
      benchmark::Counter((childSeconds() - before) * 1e3, benchmark::Counter::kAvgIterations);
  state.counters["hits"] = static_cast<double>(lines);
  state.SetBytesProcessed(state.iterations() * FolderBytes(folder));
}

}  // namespace

BENCHMARK_CAPTURE(BM_Grep, ascii_exact, Language::kAscii, true, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GnuGrep, ascii_F, Language::kAscii, "-F", nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Grep, japanese_exact, Language::kJapanese, true, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GnuGrep, japanese_F, Language::kJapanese, "-F", nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Grep, ascii_defaults, Language::kAscii, false, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GnuGrep, ascii_F_i, Language::kAscii, "-F -i", nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Grep, japanese_defaults, Language::kJapanese, false, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GnuGrep, japanese_F_i, Language::kJapanese, "-F -i", nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Grep, ascii_regexp, Language::kAscii, false, "ap+le\\b")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GnuGrep, ascii_regexp, Language::kAscii, "-i -P", "ap+le\\b")->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
