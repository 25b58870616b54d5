#include "foundation/ParallelRuns.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

// Whatever the range and the least run, every index is worked on exactly once, in runs that
// follow each other.
TEST(ParallelRuns, EveryIndexOnceInConsecutiveRuns) {
  for (const int count : {0, 1, 7, 100, 1000, 4099}) {
    for (const int minPerRun : {1, 3, 64, 100000}) {
      std::vector<std::atomic<int>> seen(static_cast<size_t>(count) + 10);
      ParallelRuns(10, 10 + count, minPerRun, [&](int begin, int end) {
        EXPECT_LT(begin, end);
        for (int i = begin; i < end; ++i) seen[static_cast<size_t>(i - 10)].fetch_add(1);
      });
      for (int i = 0; i < count; ++i) EXPECT_EQ(seen[static_cast<size_t>(i)].load(), 1) << count << " " << i;
    }
  }
}

// A failure in any run reaches the caller, after all runs have ended.
TEST(ParallelRuns, AFailureInARunReachesTheCaller) {
  std::atomic<int> done{0};
  EXPECT_THROW(ParallelRuns(0, 1000, 1,
                            [&](int begin, int end) {
                              done += end - begin;
                              if (begin <= 500 && 500 < end) throw std::runtime_error("run");
                            }),
               std::runtime_error);
  EXPECT_EQ(done.load(), 1000);
}
