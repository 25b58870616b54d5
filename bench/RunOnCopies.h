#pragma once
// Tree commands change the outline they run on: each iteration runs the command on a fresh copy of
// the outline, and copying and freeing are not timed.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/ATREE.h"

template <typename Command>
void RunOnCopies(benchmark::State& state, const ATREE& outline, Command command) {
  for (auto _ : state) {
    state.PauseTiming();
    auto copy = std::make_unique<ATREE>(outline);
    state.ResumeTiming();
    command(*copy);
    state.PauseTiming();
    copy.reset();
    state.ResumeTiming();
  }
}
