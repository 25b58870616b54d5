#include "model/OutlineReaders.h"

#include <array>

namespace {

constexpr size_t kSources = static_cast<size_t>(OutlineSource::PlainText) + 1;

std::array<OutlineReader, kSources>& Readers() {
  static std::array<OutlineReader, kSources> readers{};
  return readers;
}

std::array<OutlineWriter, kSources>& Writers() {
  static std::array<OutlineWriter, kSources> writers{};
  return writers;
}

}  // namespace

void InstallOutlineReader(OutlineSource source, OutlineReader reader) {
  Readers()[static_cast<size_t>(source)] = reader;
}

OutlineReader GetOutlineReader(OutlineSource source) { return Readers()[static_cast<size_t>(source)]; }

void InstallOutlineWriter(OutlineSource target, OutlineWriter writer) {
  Writers()[static_cast<size_t>(target)] = writer;
}

OutlineWriter GetOutlineWriter(OutlineSource target) { return Writers()[static_cast<size_t>(target)]; }
