// Readers of other sources on inputs shaped to find work that grows faster than the input: a JSON
// outline whose top item holds N children, and a web service reply of N nested elements. Each is
// run at two sizes ten times apart; linear readers take about ten times as long for the larger.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include <unistd.h>

#include "convert/ATREEJsonRead.h"
#include "foundation/CDXMLDocument.h"
#include "model/ATREE.h"

namespace {

std::string JsonFile(int siblings) {
  const char* dir = std::getenv("TMPDIR");
  const std::string path = std::string(dir && *dir ? dir : "/tmp") + "/bench-json-" + std::to_string(siblings) + "-" +
                           std::to_string(getpid()) + ".json";
  std::string json = R"({"body":{"title":"top","text":"","child":[)";
  for (int i = 0; i < siblings; ++i) {
    if (i > 0) json += ',';
    json += R"({"title":"item )" + std::to_string(i) + R"(","text":"body text","mdate":"2024/01/02 03:04:05"})";
  }
  json += "]}}";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(json.data(), 1, json.size(), f);
  std::fclose(f);
  return path;
}

void BM_JsonSiblings(benchmark::State& state) {
  const int siblings = static_cast<int>(state.range(0));
  const std::string path = JsonFile(siblings);
  for (auto _ : state) {
    ATREE tree;
    benchmark::DoNotOptimize(ReadJsonFile(tree, path.c_str()));
    if (tree.GetDirDataCount() != siblings + 1) state.SkipWithError("wrong item count");
  }
  std::remove(path.c_str());
  state.SetComplexityN(siblings);
}
BENCHMARK(BM_JsonSiblings)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_XmlNestedElements(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  std::string xml;
  for (int i = 0; i < depth; ++i) xml += "<item>";
  xml += "leaf";
  for (int i = 0; i < depth; ++i) xml += "</item>";
  const CString text(std::move(xml));
  for (auto _ : state) {
    CDXMLDocument document;
    document.LoadXmlText(text, 0);
    if (document.GetDocumentElement()->GetText() != "leaf") state.SkipWithError("wrong text");
  }
  state.SetComplexityN(depth);
}
BENCHMARK(BM_XmlNestedElements)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
