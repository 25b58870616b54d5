// The program hands freed memory back once per fall in the number of open documents, never while
// documents only open or stay.
#include <gtest/gtest.h>

#include <vector>

#include "shell/FreedMemoryReturn.h"

namespace {

int g_returns = 0;
void CountReturn() { ++g_returns; }

TEST(FreedMemoryReturn, MemoryGoesBackWhenADocumentCloses) {
  struct Step {
    int open;
    int returns;  // counted so far
  };
  const std::vector<Step> steps = {{0, 0}, {1, 0}, {2, 0}, {2, 0}, {1, 1}, {1, 1}, {3, 1}, {0, 2}, {0, 2}};
  g_returns = 0;
  FreedMemoryReturn follower(CountReturn);
  for (size_t k = 0; k < steps.size(); ++k) {
    follower.Follow(steps[k].open);
    EXPECT_EQ(g_returns, steps[k].returns) << "step " << k;
  }
}

}  // namespace
