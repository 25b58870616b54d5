// How the heap treats the large blocks of a large document. A command on an outline of 100,000
// items frees and asks again for blocks of several megabytes (the rows, their temporary tables, a
// copied block of items). By default the allocator hands each such block back to the kernel when
// it is freed and takes a fresh one for the next command, so every command pays for zeroed pages
// and their faults again, which is most of what it costs on a large outline. Blocks up to the
// allocator's largest threshold stay in the heap instead, and a freed heap top is kept up to a
// size that a document of that order needs for its next command.
//
// Opening such a document fills 80 MB of fresh memory, and with 4 KB pages that is 20,000 faults,
// each a trip into the kernel (and, on a virtual machine, often out of it): they cost more than
// the reading itself. Heaps that bulk work fills are therefore advised to take large pages, and
// grow in large steps so that the advice covers memory before it is first touched: a thread's own
// heap is made whole at once, the main heap is given room ahead of the work.
//
// The settings run when the platform library is loaded, before the program allocates much: they
// are the program's own and apply to all of its threads.
#include "platform/base/HeapPolicy.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

namespace {

constexpr int kLargestHeapBlock = 32 << 20;  // the allocator's ceiling for this setting on 64 bits
constexpr int kKeptHeapTop = 256 << 20;
// Each time a heap grows it takes this much more than asked for; a new thread heap is made this
// large at once (as large as the allocator makes one).
constexpr int kHeapGrowth = 64 << 20;
// The room the main heap is given ahead of bulk work: the largest block it hands out itself.
constexpr size_t kMainHeapRoom = kLargestHeapBlock - (1 << 20);

struct HeapPolicy {
  HeapPolicy() {
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptHeapTop);
    mallopt(M_TOP_PAD, kHeapGrowth);
  }
};

const HeapPolicy kHeapPolicy;

// A sanitizer's allocator keeps its own memory, which no advice here reaches.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitizerHeap = true;
#else
constexpr bool kSanitizerHeap = false;
#endif

struct Mapping {
  uintptr_t start = 0;
  uintptr_t end = 0;
  bool mainHeap = false;
};

// The mapping that holds the address, as the kernel lists it.
Mapping MappingOf(uintptr_t address) {
  Mapping found;
  std::FILE* maps = std::fopen("/proc/self/maps", "re");
  if (maps == nullptr) return found;
  char line[512];
  while (std::fgets(line, sizeof line, maps)) {
    char* rest = nullptr;
    const uintptr_t start = std::strtoull(line, &rest, 16);
    const uintptr_t end = std::strtoull(rest + 1, &rest, 16);
    if (address < start || address >= end) continue;
    found = {start, end, std::strstr(rest, "[heap]") != nullptr};
    break;
  }
  std::fclose(maps);
  return found;
}

// Large pages are this large, and aligned to their size.
constexpr uintptr_t kLargePage = 2 << 20;

// Collapsing the pages of a range into a large page, as the kernel offers it since 6.1.
#ifndef MADV_COLLAPSE
#define MADV_COLLAPSE 25
#endif

// Advises the range to take large pages. Memory already touched keeps its small pages, and a large
// page cannot take the place of a part of them: the one large page around `freeStart`, where the
// heap's used part ends and the room it hands out next begins, is made whole at once, or the
// heap's next megabytes would still take small pages.
void AdviseLargePages(uintptr_t start, uintptr_t end, uintptr_t freeStart) {
  start &= ~(static_cast<uintptr_t>(sysconf(_SC_PAGESIZE)) - 1);
  if (end <= start) return;
  if (madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE) != 0) return;
  const uintptr_t around = freeStart & ~(kLargePage - 1);
  if (around >= start && around + kLargePage <= end) madvise(reinterpret_cast<void*>(around), kLargePage, MADV_COLLAPSE);
}

struct AdvisedHeaps {
  std::mutex mutex;
  uintptr_t mainStart = 0;  // of the main heap, once known
  uintptr_t mainAdvisedEnd = 0;
  std::vector<std::pair<uintptr_t, uintptr_t>> threadHeaps;
};

AdvisedHeaps& Advised() {
  static AdvisedHeaps heaps;
  return heaps;
}

}  // namespace

void PrepareHeapForBulk() {
  if (kSanitizerHeap) return;
  // A block asked for now comes from the thread's heap, which the allocator makes if it has none.
  void* probe = std::malloc(1);
  const auto at = reinterpret_cast<uintptr_t>(probe);
  std::free(probe);
  AdvisedHeaps& advised = Advised();
  const std::lock_guard lock(advised.mutex);
  const auto brk = [] { return reinterpret_cast<uintptr_t>(sbrk(0)); };
  if (advised.mainStart == 0 || at < advised.mainStart || at >= brk()) {
    for (const auto& [start, end] : advised.threadHeaps) {
      if (at >= start && at < end) return;
    }
    const Mapping mapping = MappingOf(at);
    if (mapping.end == 0) return;
    if (!mapping.mainHeap) {
      // A thread's heap starts with its own records and the probe's block.
      AdviseLargePages(mapping.start, mapping.end, at);
      advised.threadHeaps.emplace_back(mapping.start, mapping.end);
      return;
    }
    advised.mainStart = mapping.start;
    advised.mainAdvisedEnd = mapping.start;
  }
  // The main heap grows through its top: a block as large as it hands out, taken and given back,
  // leaves at least that much room there (growing the heap if it had less), then advised. The
  // block starts where the heap hands out memory next.
  void* room = std::malloc(kMainHeapRoom);
  // Nothing reads the block: the compiler must not leave the asking out. Its address, as a number,
  // is all that is kept of it.
  uintptr_t freeStart = 0;
  asm volatile("" : "=r"(freeStart) : "0"(room) : "memory");
  std::free(room);
  const uintptr_t end = brk();
  if (end > advised.mainAdvisedEnd) {
    AdviseLargePages(advised.mainAdvisedEnd, end, freeStart);
    advised.mainAdvisedEnd = end;
  }
}
