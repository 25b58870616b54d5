// How the heap treats the large blocks of a large document. A command on an outline of 100,000
// items frees and asks again for blocks of several megabytes (the rows, their temporary tables, a
// copied block of items). By default the allocator hands each such block back to the kernel when
// it is freed and takes a fresh one for the next command, so every command pays for zeroed pages
// and their faults again, which is most of what it costs on a large outline. Blocks up to the
// allocator's largest threshold stay in the heap instead, and a freed heap top is kept up to a
// size that a document of that order needs for its next command.
//
// This runs when the platform library is loaded, before the program allocates much: the settings
// are the program's own and apply to all of its threads.
#include <malloc.h>

namespace {

constexpr int kLargestHeapBlock = 32 << 20;  // the allocator's ceiling for this setting on 64 bits
constexpr int kKeptHeapTop = 256 << 20;

struct HeapPolicy {
  HeapPolicy() {
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptHeapTop);
  }
};

const HeapPolicy kHeapPolicy;

}  // namespace
