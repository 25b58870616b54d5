#include "model/OutlineReaders.h"

#include <array>

namespace {

constexpr size_t kSources = static_cast<size_t>(OutlineSource::PlainText) + 1;

std::array<OutlineReader, kSources>& Readers() {
  static std::array<OutlineReader, kSources> readers{};
  return readers;
}

}  // namespace

void InstallOutlineReader(OutlineSource source, OutlineReader reader) {
  Readers()[static_cast<size_t>(source)] = reader;
}

OutlineReader GetOutlineReader(OutlineSource source) { return Readers()[static_cast<size_t>(source)]; }
