// Readers of other sources on inputs shaped to find work that grows faster than the input: a JSON
// outline whose top item holds N children, a web service reply of N nested elements, and outlines
// that go one level deeper at each item: a ".mem" file whose headings take one more period each
// and a folder nested in the one before. The first two are run at two sizes ten times apart, where
// linear readers take about ten times as long for the larger; the chains at two depths four times
// apart, where the bytes of the paths and of the rows' line art, which the reading and the rows
// must write, grow with the square of the depth.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "convert/ATREEJsonRead.h"
#include "convert/FolderImport.h"
#include "convert/WzOutline.h"
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

namespace {

std::string BenchPath(const char* name, int depth) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/" + name + "-" + std::to_string(depth) + "-" +
         std::to_string(getpid());
}

void CheckChain(benchmark::State& state, const ATREE& tree, int depth) {
  if (tree.GetDirDataCount() != depth + 1 || tree.GetRows().GetTreeDataCount() != depth + 1 ||
      tree.GetLevel(depth) != depth) {
    state.SkipWithError("not a chain of the asked depth");
  }
}

// Opened as the open command does: the reader, then the rows.
void BM_WzChain(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  const std::string path = BenchPath("bench-chain", depth) + ".mem";
  std::string text;
  for (int i = 1; i <= depth; ++i) text += std::string(static_cast<size_t>(i), '.') + "item\r\nbody\r\n";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
  for (auto _ : state) {
    ATREE tree;
    ReadWzFile(tree, path.c_str(), true);
    tree.MakeTreeData();
    CheckChain(state, tree, depth);
  }
  std::remove(path.c_str());
  state.SetComplexityN(depth);
}
BENCHMARK(BM_WzChain)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

// One-letter folder names keep a chain of 2,000 within the longest path the system takes.
void BM_FolderChain(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  const std::string top = BenchPath("bench-fc", depth);
  std::string folder = top;
  for (int i = 0; i < depth; ++i) folder += "/d";
  std::filesystem::create_directories(folder);
  for (auto _ : state) {
    ATREE tree;
    OpenFolder(tree, top.c_str());
    tree.MakeTreeData();
    CheckChain(state, tree, depth);
  }
  std::filesystem::remove_all(top);
  state.SetComplexityN(depth);
}
BENCHMARK(BM_FolderChain)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
