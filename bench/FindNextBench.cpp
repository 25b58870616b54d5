// Find next over a whole outline of 10,000 and 100,000 items (about 200 bytes of text each) for a
// word that is not there, so every title and text is read once: exact, and with the find dialog's
// defaults, ignoring case and width. Outlines of ASCII text and of Japanese text; the Japanese
// outline is searched for a katakana word, a kanji word and an ASCII word. memmem of the same
// word's bytes over the same titles and texts, laid end to end, runs beside them for scale.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "bench/SampleText.h"
#include "model/ATREE.h"

namespace {

using bench::Language;

constexpr size_t kTextBytes = 200;

struct Outline {
  std::unique_ptr<ATREE> model = std::make_unique<ATREE>();
  std::string all;  // every title and text, end to end
};

Outline MakeOutline(Language language, int items) {
  Outline outline;
  outline.model->AddDirData(std::make_unique<CDirData>("top"));
  unsigned seed = 4242;
  for (int i = 1; i < items; ++i) {
    const std::string text = bench::SampleText(language, seed, kTextBytes);
    const std::string title = (language == Language::kAscii ? "item" : "見出し") + std::to_string(i);
    auto item = std::make_unique<CDirData>(("top\x01" + title).c_str());
    item->m_strText = text.c_str();
    outline.model->AddDirData(std::move(item));
    outline.all += title + text;
  }
  outline.model->MakeTreeData();
  return outline;
}

Outline& Data(Language language, int items) {
  static std::map<std::pair<Language, int>, Outline> outlines;
  const std::pair key{language, items};
  auto found = outlines.find(key);
  if (found == outlines.end()) found = outlines.emplace(key, MakeOutline(language, items)).first;
  return found->second;
}

void BM_FindNext(benchmark::State& state, Language language, const char* word, bool ignoreCaseAndWidth) {
  ATREE& model = *Data(language, static_cast<int>(state.range(0))).model;
  model.GetSearch().SetSearchText(word);
  model.GetSearch().SetRegExpSearch(0);
  model.GetSearch().SetSearchOptions(ignoreCaseAndWidth ? 0 : 1, ignoreCaseAndWidth ? 0 : 1, 0);
  model.GetSearch().SetSearchTargets(1, 1, 0);
  int found = 0;
  for (auto _ : state) benchmark::DoNotOptimize(found = model.GetSearch().FindText(model, 0, TRUE));
  if (found != -1) state.SkipWithError("the word is in the outline");
}

void BM_Memmem(benchmark::State& state, Language language, const char* word) {
  const std::string& all = Data(language, static_cast<int>(state.range(0))).all;
  for (auto _ : state) benchmark::DoNotOptimize(memmem(all.data(), all.size(), word, std::strlen(word)));
}

}  // namespace

#define KESTA_FIND_NEXT(name, language, word)                                                              \
  BENCHMARK_CAPTURE(BM_FindNext, name##_exact, language, word, false)                                     \
      ->Arg(10000)                                                                                         \
      ->Arg(100000)                                                                                        \
      ->Unit(benchmark::kMillisecond);                                                                     \
  BENCHMARK_CAPTURE(BM_FindNext, name##_ignoring_case_and_width, language, word, true)                    \
      ->Arg(10000)                                                                                         \
      ->Arg(100000)                                                                                        \
      ->Unit(benchmark::kMillisecond);                                                                     \
  BENCHMARK_CAPTURE(BM_Memmem, name, language, word)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)

KESTA_FIND_NEXT(ascii_zebra, Language::kAscii, "zebra");
KESTA_FIND_NEXT(japanese_katakana, Language::kJapanese, "ゼブラ");
KESTA_FIND_NEXT(japanese_kanji, Language::kJapanese, "縞馬");
KESTA_FIND_NEXT(japanese_zebra, Language::kJapanese, "zebra");
BENCHMARK_MAIN();
