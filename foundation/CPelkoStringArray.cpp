#include "foundation/CPelkoStringArray.h"

#include <algorithm>
#include <utility>

#include "foundation/PathHelpers.h"
#include "foundation/TextSearch.h"

int CPelkoStringArray::Compare::operator()(const char* a, const char* b) const {
  return CompareTextOpt(a, b, 255);
}

void CPelkoStringArray::Reverse() {
  std::reverse(begin(), end());
}

void CPelkoStringArray::Sort(const Compare& compare) {
  // Heap positions are 1-based: position p holds element p - 1.
  auto at = [this](int p) -> CString& { return ElementAt(p - 1); };
  auto siftDown = [&](int p, int heapSize) {
    CString sifted = std::move(at(p));
    while (2 * p <= heapSize) {
      int child = 2 * p;
      if (child < heapSize && compare(at(child), at(child + 1)) < 0) ++child;
      if (compare(sifted, at(child)) >= 0) break;
      at(p) = std::move(at(child));
      p = child;
    }
    at(p) = std::move(sifted);
  };
  const int n = GetSize();
  for (int p = n / 2; p >= 1; --p) siftDown(p, n);
  for (int heapSize = n; heapSize > 1; --heapSize) {
    std::swap(at(1), at(heapSize));
    siftDown(1, heapSize - 1);
  }
}

void CPelkoStringArray::SortAscending() {
  Sort(Compare());
}

void CPelkoStringArray::SortDescending() {
  SortAscending();
  Reverse();
}

CString CPelkoStringArray::Join() const {
  CStrBuffer buffer;
  for (const CString& element : *this) {
    buffer.Append(element);
    buffer.Append("\r\n");
  }
  return CString(buffer.GetData());
}
